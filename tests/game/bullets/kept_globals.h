// Saves globals when a test starts and writes them back when it ends.
#pragma once
#include <cstring>
#include <vector>

class KeptGlobals {
public:
    template <class... T>
    explicit KeptGlobals(T&... g) : kept_{{&g, Bytes(&g, sizeof g)}...} {}
    ~KeptGlobals() {
        for (auto& [at, bytes] : kept_) std::memcpy(at, bytes.data(), bytes.size());
    }

private:
    static std::vector<char> Bytes(const void* at, size_t n) { return {(const char*)at, (const char*)at + n}; }
    std::vector<std::pair<void*, std::vector<char>>> kept_;
};
