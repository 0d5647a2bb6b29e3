// Copies of globals taken when a fixture keeps them and written back, the
// newest first, when it restores them or goes: a test leaves behind nothing
// it changed.
#pragma once
#include <cstddef>
#include <cstring>
#include <vector>

namespace testsupport {

class Kept {
public:
    Kept() = default;
    template <class... T>
    explicit Kept(T&... objects) {
        Keep(objects...);
    }
    Kept(const Kept&) = delete;
    Kept& operator=(const Kept&) = delete;
    ~Kept() { Restore(); }

    // Keeps whole objects (a global, a record, an array).
    template <class... T>
    void Keep(T&... objects) {
        (KeepBytes(&objects, sizeof(T)), ...);
    }
    // Keeps `count` elements from `at`.
    template <class T>
    void KeepArray(T* at, size_t count) {
        KeepBytes(at, sizeof(T) * count);
    }
    void KeepBytes(void* at, size_t size) {
        const char* from = static_cast<const char*>(at);
        saved_.push_back({at, std::vector<char>(from, from + size)});
    }
    // Writes everything back and forgets it.
    void Restore() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) std::memcpy(it->at, it->bytes.data(), it->bytes.size());
        saved_.clear();
    }

private:
    struct Saved {
        void* at;
        std::vector<char> bytes;
    };
    std::vector<Saved> saved_;
};

}  // namespace testsupport
