// Saves globals when a test starts and writes them back when it ends.
#pragma once
#include <cstring>
#include <vector>

class KeptGlobals {
public:
    template <class... T>
    explicit KeptGlobals(T&... globals) {
        (Keep(&globals, sizeof globals), ...);
    }
    ~KeptGlobals() {
        for (const Kept& k : kept_) std::memcpy(k.at, k.bytes.data(), k.bytes.size());
    }

private:
    struct Kept {
        void* at;
        std::vector<unsigned char> bytes;
    };
    void Keep(void* at, size_t size) {
        const auto* p = static_cast<const unsigned char*>(at);
        kept_.push_back({at, std::vector<unsigned char>(p, p + size)});
    }
    std::vector<Kept> kept_;
};
