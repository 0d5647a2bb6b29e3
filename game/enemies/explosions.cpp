#include "game/enemies/explosions.h"

#include <array>

#include "game/shell/assets.h"

namespace enemies {
namespace {

constexpr Blit kAdd = Blit::Additive;
constexpr Blit kHalf = Blit::HalfBlend;
constexpr Blit kObj = Blit::Object;
// A strip of square cells.
struct Strip {
    const int32_t* image;
    int size;
};
constexpr Strip k2B{&ImgZbak2B, 80};
constexpr Strip k3B{&ImgZbak3B, 80};
constexpr Strip k6B{&ImgZbak6B, 40};

constexpr Cell Centre(Blit how, Strip s) { return {how, s.image, s.size, 0, 0, 0, 0}; }
constexpr Cell Pair(Blit how, Strip s, int a, int b) { return {how, s.image, s.size, 20, 20, a, b}; }

// clang-format off
constexpr Cell kSingleAdd[] = {Centre(kAdd, k2B)};
constexpr Cell kSingleObj[] = {Centre(kObj, k2B)};

constexpr Cell kBurstAAdd[] = {Centre(kAdd, k3B), Pair(kHalf, k3B, -6, -6), Pair(kAdd, k3B, 6, 2),
                               Pair(kAdd, k3B, -6, 6), Pair(kAdd, k3B, 1, -6)};
constexpr Cell kBurstAObj[] = {Centre(kObj, k3B), Pair(kObj, k3B, -6, -6), Pair(kObj, k3B, 6, 2),
                               Pair(kObj, k3B, -6, 6), Pair(kObj, k3B, 1, -6)};
constexpr Cell kBurstBAdd[] = {Centre(kAdd, k3B), Pair(kAdd, k3B, -6, -6), Pair(kAdd, k3B, 6, 2),
                               Pair(kAdd, k3B, -6, 6), Pair(kAdd, k3B, 1, -6)};
constexpr Cell kBurstCAdd[] = {Centre(kHalf, k2B), Pair(kAdd, k6B, -4, -6), Pair(kAdd, k6B, 1, 7),
                               Pair(kAdd, k6B, 7, -1), Pair(kAdd, k6B, -6, 3), Pair(kAdd, k6B, -7, -6),
                               Pair(kAdd, k6B, 5, -8)};
constexpr Cell kBurstDAdd[] = {Pair(kAdd, k2B, 6, -1), Pair(kHalf, k2B, 6, 6), Pair(kAdd, k2B, -6, 4),
                               Pair(kHalf, k2B, 2, -6), Centre(kAdd, k2B), Pair(kAdd, k2B, -6, -6)};
constexpr Cell kBurstDObj[] = {Pair(kObj, k2B, 6, -1), Pair(kObj, k2B, 6, 6), Pair(kObj, k2B, -6, 4),
                               Pair(kObj, k2B, 2, -6), Centre(kObj, k2B), Pair(kObj, k2B, -6, -6)};
constexpr Cell kBurstEAdd[] = {Centre(kAdd, k2B), Pair(kAdd, k6B, -4, -6), Pair(kAdd, k6B, 1, 7),
                               Pair(kAdd, k6B, 7, -1), Pair(kAdd, k6B, -6, 3), Pair(kAdd, k6B, 7, 6),
                               Pair(kAdd, k6B, 5, -8)};
constexpr Cell kSpinAAdd[] = {Centre(kAdd, k2B), Pair(kAdd, k6B, -5, -5), Pair(kAdd, k6B, 6, 6),
                              Pair(kAdd, k6B, -6, 4)};
constexpr Cell kSpinAObj[] = {Centre(kObj, k2B), Pair(kObj, k6B, -5, -5), Pair(kObj, k6B, 6, 6),
                              Pair(kObj, k6B, -6, 4)};
constexpr Cell kSpinBAdd[] = {Centre(kAdd, k2B), Pair(kAdd, k6B, -4, -6), Pair(kAdd, k6B, 6, 5),
                              Pair(kAdd, k6B, -6, 3), Pair(kAdd, k6B, 6, -6), Pair(kAdd, k6B, 5, -5)};
constexpr Cell kSpinBObj[] = {Centre(kObj, k2B), Pair(kObj, k6B, -4, -6), Pair(kObj, k6B, 6, 5),
                              Pair(kObj, k6B, -6, 3), Pair(kObj, k6B, 6, -6), Pair(kObj, k6B, 5, -5)};
constexpr Cell kTwinAdd[] = {Centre(kAdd, k2B), Pair(kAdd, k6B, -4, -6), Pair(kAdd, k6B, -1, 7),
                             Pair(kAdd, k6B, -7, -1), Pair(kAdd, k6B, -6, 3), Pair(kAdd, k6B, 7, 6),
                             Pair(kAdd, k6B, 5, -8)};
constexpr Cell kTimedAAdd[] = {Centre(kAdd, k2B), Pair(kAdd, k6B, -4, -6), Pair(kAdd, k6B, 1, 7),
                               Pair(kAdd, k6B, 7, -1), Pair(kAdd, k6B, -6, 3), Pair(kHalf, k6B, -7, -6),
                               Pair(kHalf, k6B, 5, -8)};
constexpr Cell kTimedB1Add[] = {Pair(kAdd, k2B, -6, 1), Pair(kHalf, k2B, -6, -6), Pair(kAdd, k2B, 6, -4),
                                Pair(kHalf, k2B, -2, 6), Centre(kAdd, k2B), Pair(kAdd, k2B, 6, 6)};
// clang-format on

// Eight cells around a large sprite; parts 5 to 8 may sit further out.
constexpr Point kAround[8] = {{-25, 35}, {135, 35}, {55, -45}, {55, 115}, {-2, -22}, {112, -22}, {-2, 92}, {112, 92}};
constexpr Point kOut[8] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

template <size_t N = 8>
constexpr std::array<Cell, N> Around(Blit how, const std::array<Strip, 8>& strips, int out) {
    std::array<Cell, N> cells{};
    for (size_t i = 0; i < N; ++i) {
        const size_t p = i % 8;
        const int shift = static_cast<int>(i / 8) * 100;  // a second set further down and right
        const int x = kAround[p].x + out * kOut[p].x + shift;
        const int y = kAround[p].y + out * kOut[p].y + shift;
        cells[i] = {how, strips[p].image, strips[p].size, x, y, 0, 0};
    }
    return cells;
}

constexpr std::array<Strip, 8> kRingImages{k2B, k3B, k2B, k2B, k2B, k2B, k3B, k3B};
constexpr std::array<Strip, 8> kRingImagesB{k2B, k3B, k2B, k2B, k2B, k2B, k2B, k3B};
constexpr std::array<Strip, 8> kMidImages{k3B, k3B, k3B, k3B, k2B, k2B, k2B, k3B};
constexpr std::array<Strip, 8> kDeepImages{k3B, k3B, k3B, k3B, k3B, k3B, k3B, k3B};

constexpr auto kRing = Around(kObj, kRingImages, 0);
constexpr auto kRingB = Around(kObj, kRingImagesB, 0);
constexpr auto kMid = Around(kAdd, kMidImages, 0);
constexpr auto kMidDeep = Around(kAdd, kDeepImages, 0);
constexpr auto kMidWide = Around(kAdd, kMidImages, 1);
constexpr auto kLarge = Around<16>(kObj, kMidImages, 1);

}  // namespace

constinit const Pattern kSingle{kSingleAdd, kSingleObj};
constinit const Pattern kBurstA{kBurstAAdd, kBurstAObj};
constinit const Pattern kBurstB{kBurstBAdd, kSingleObj};
constinit const Pattern kBurstC{kBurstCAdd, kSingleObj};
constinit const Pattern kBurstD{kBurstDAdd, kBurstDObj};
constinit const Pattern kBurstE{kBurstEAdd, kSingleObj};
constinit const Pattern kRingOfEight{kRing, kRing};
constinit const Pattern kRingOfEightB{kRingB, kRingB};
constinit const Pattern kSpinA{kSpinAAdd, kSpinAObj};
constinit const Pattern kSpinB{kSpinBAdd, kSpinBObj};
constinit const Pattern kTwinBurst{kTwinAdd, kSingleObj};
constinit const Pattern kTimedA{kTimedAAdd, kSingleObj};
constinit const Pattern kTimedB1{kTimedB1Add, kSingleObj};
constinit const Pattern kTimedB2{kBurstDAdd, kSingleObj};
constinit const Pattern kTimedC{kBurstEAdd, kSingleObj};
constinit const Pattern kTimedD{kBurstAAdd, kSingleObj};
constinit const Pattern kMidEight{kMid, kMid};
constinit const Pattern kMidEightDeep{kMidDeep, kMidDeep};
constinit const Pattern kMidEightWide{kMidWide, kMidWide};
constinit const Pattern kLargeSixteen{kLarge, kLarge};

}  // namespace enemies
