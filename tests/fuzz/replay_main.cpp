// A fuzz target without the fuzzer: gives it each file, one after another,
// COUNT times over, so that inputs can be replayed by a build of any compiler.
//   <target>_replay COUNT FILE...
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    const long count = argc > 2 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (count < 1) {
        std::fprintf(stderr, "usage: %s COUNT FILE...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "%s: %s cannot be opened\n", argv[0], argv[i]);
            return 1;
        }
        const std::vector<uint8_t> input{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        for (long n = 0; n < count; ++n) LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    return 0;
}
