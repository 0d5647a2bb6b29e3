#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "tests/framework/draw/draw_fixture.h"

namespace {

// Plain per-channel reference of the blends on 5-6-5 pixels.
struct Rgb {
    int r, g, b;
};
Rgb Five(uint16_t p) { return {p >> 11, (p >> 6) & 31, p & 31}; }  // green loses its low bit
Rgb Native(uint16_t p) { return {p >> 11, (p >> 5) & 63, p & 31}; }
uint16_t FromFive(Rgb c) { return static_cast<uint16_t>(c.r << 11 | c.g << 6 | c.b); }
uint16_t FromNative(Rgb c) { return static_cast<uint16_t>(c.r << 11 | c.g << 5 | c.b); }  // unclamped: spills
template <class F>
Rgb Each(Rgb a, Rgb b, F f) {
    return {f(a.r, b.r, 0), f(a.g, b.g, 1), f(a.b, b.b, 2)};
}
int Trunc(float v) { return static_cast<int>(v); }

using Blit = std::function<int(int x, int y, int handle, int l, int t, int r, int b)>;
using Ref = std::function<uint16_t(uint16_t s, uint16_t d, int i, int j)>;

// A member with its extras bound: With(fwDraw::BltDarken, 31).
template <class F, class... A>
Blit With(F f, A... extra) {
    return [=](int x, int y, int h, int l, int t, int r, int b) { return f(x, y, extra..., h, l, t, r, b); };
}

class BlendTest : public ScreenTest {
protected:
    // Fills the back surface's w x h block at (x, y) with f(i, j).
    template <class F>
    static void FillBack(int x, int y, int w, int h, F f) {
        plat::LockedPixels p;
        ASSERT_EQ(plat::Lock(BackSurface, p), plat::kOk);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) p.pixels[(y + j) * p.pitch + x + i] = f(i, j);
        plat::Unlock(BackSurface);
    }
    // Draws a w x h picture of src(i, j) over dst(i, j) and checks every
    // pixel against the reference; a transparent source keeps dst.
    template <class S, class D>
    void Check(const Blit& blit, const Ref& ref, int w, int h, S src, D dst) {
        fwDraw::SetClipRect(0, 0, 800, 600);
        const int sprite = Sprite(w, h, src);
        FillBack(0, 0, w, h, dst);
        ASSERT_EQ(blit(0, 0, sprite, 0, 0, w, h), 1);
        plat::LockedPixels p;
        ASSERT_EQ(plat::Lock(BackSurface, p), plat::kOk);
        int wrong = 0;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                const uint16_t s = src(i, j), d = dst(i, j), got = p.pixels[j * p.pitch + i];
                const uint16_t want = s ? ref(s, d, i, j) : d;
                if (got != want && ++wrong <= 5)
                    ADD_FAILURE() << std::hex << "s " << s << " d " << d << " at " << std::dec << i << "," << j
                                  << ": got " << std::hex << got << " want " << want;
            }
        plat::Unlock(BackSurface);
        fwDraw::ReleaseObject(sprite);
    }
    // One source pixel over one destination pixel; the pixel it leaves.
    uint16_t One(const Blit& blit, uint16_t s, uint16_t d) {
        fwDraw::SetClipRect(0, 0, 800, 600);
        const int h = Sprite(1, 1, [=](int, int) { return s; });
        SetPx(BackSurface, 0, 0, d);
        EXPECT_EQ(blit(0, 0, h, 0, 0, 1, 1), 1);
        fwDraw::ReleaseObject(h);
        return Px(BackSurface, 0, 0);
    }
    // Every pair of channel-boundary values, then 4096 fixed random pairs.
    void CheckPairs(const Blit& blit, const Ref& ref) {
        static const std::vector<uint16_t> edges = [] {
            std::vector<uint16_t> v;
            for (int r : {0, 1, 15, 16, 30, 31})
                for (int g : {0, 1, 30, 31, 32, 33, 62, 63})
                    for (int b : {0, 1, 15, 16, 30, 31}) v.push_back(FromNative({r, g, b}));
            return v;
        }();
        const int n = static_cast<int>(edges.size());
        Check(
            blit, ref, n, n, [&](int i, int) { return edges[i]; }, [&](int, int j) { return edges[j]; });
        std::mt19937 gen(1234);
        std::vector<uint16_t> s(4096), d(4096);
        for (int k = 0; k < 4096; ++k) s[k] = static_cast<uint16_t>(gen()), d[k] = static_cast<uint16_t>(gen());
        Check(
            blit, ref, 64, 64, [&](int i, int j) { return s[j * 64 + i]; },
            [&](int i, int j) { return d[j * 64 + i]; });
    }
};

// Reference of the level blend at table level a per channel.
uint16_t LevelRef(uint16_t s, uint16_t d, const int a[3]) {
    return FromFive(Each(Five(s), Five(d),
                         [&](int x, int y, int c) { return std::max(x - a[c], 0) + std::max(y - (31 - a[c]), 0); }));
}
uint16_t AlphaRef(uint16_t s, uint16_t d, const float ws[3], const float wd[3]) {
    return FromNative(Each(Native(s), Native(d), [&](int x, int y, int c) { return Trunc(x * ws[c] + y * wd[c]); }));
}

// The additive draw's kernels, widest first, each left to the next test
// when done; the processor's own set bounds them.
constexpr int kAdditiveKernels[] = {512, 256, 0};
struct AdditiveKernel {
    explicit AdditiveKernel(int bits) { fwDraw::UseAdditiveKernels(bits); }
    ~AdditiveKernel() { fwDraw::UseAdditiveKernels(512); }
};

TEST_F(BlendTest, AdditiveSaturatesEachChannelAndLosesTheLowGreenBit) {
    const Blit add = With(fwDraw::BltAdditive);
    for (int bits : kAdditiveKernels) {
        SCOPED_TRACE(bits);
        AdditiveKernel kernel(bits);
        CheckPairs(add, [](uint16_t s, uint16_t d, int, int) {
            return FromFive(Each(Five(s), Five(d), [](int a, int b, int) { return std::min(a + b, 31); }));
        });
    }
    // White on white stays white in every 5-bit channel; the green field's
    // low bit, which the 5-bit channels do not carry, comes back 0.
    EXPECT_EQ(One(add, 0xFFFF, 0xFFFF), 0xFFDF);
    EXPECT_EQ(One(add, 0x0020, 0x0000), 0x0000);
    EXPECT_EQ(One(add, 0x0000, 0x1234), 0x1234);
    EXPECT_EQ(One(add, 0x1234 & 0xFFDF, 0x0000), 0x1234 & 0xFFDF);  // over black: its own colours
}

// Narrow pictures of every width up to three groups of sixteen, down to the
// back surface's last pixel, through each kernel: the drawn pixels follow
// the rule and every pixel outside the picture's place keeps its value.
TEST_F(BlendTest, AdditiveOfAnyWidthTouchesOnlyItsOwnPixels) {
    fwDraw::SetClipRect(0, 0, 800, 600);
    std::mt19937 gen(99);
    auto ground = [](int x, int y) { return static_cast<uint16_t>(x * 37 + y * 101); };
    auto wrongPixels = [&](int w) {
        const int h = 3, x0 = 800 - w, y0 = 600 - h;
        // The picture goes on past the drawn rectangle.
        std::vector<uint16_t> pic(64 * h);
        for (auto& p : pic) p = gen() % 4 ? static_cast<uint16_t>(gen()) : 0;
        const int sprite = Sprite(64, h, [&](int i, int j) { return pic[j * 64 + i]; });
        FillBack(0, 0, 800, 600, ground);
        EXPECT_EQ(fwDraw::BltAdditive(x0, y0, sprite, 0, 0, w, h), 1);
        fwDraw::ReleaseObject(sprite);
        plat::LockedPixels p;
        if (plat::Lock(BackSurface, p) != plat::kOk) return -1;
        int wrong = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                const uint16_t d = ground(x, y);
                const uint16_t s = x >= x0 && y >= y0 ? pic[(y - y0) * 64 + x - x0] : 0;
                const uint16_t want =
                    s ? FromFive(Each(Five(s), Five(d), [](int a, int b, int) { return std::min(a + b, 31); })) : d;
                wrong += p.pixels[y * p.pitch + x] != want;
            }
        plat::Unlock(BackSurface);
        return wrong;
    };
    for (int bits : kAdditiveKernels) {
        AdditiveKernel kernel(bits);
        for (int w = 1; w <= 48; ++w) EXPECT_EQ(wrongPixels(w), 0) << "width " << w << ", kernel " << bits;
    }
}

TEST_F(BlendTest, HalfBlendAddsTheHalves) {
    const Blit half = With(fwDraw::BltHalfBlend);
    CheckPairs(half, [](uint16_t s, uint16_t d, int, int) {
        return FromNative(Each(Native(s), Native(d), [](int a, int b, int) { return a / 2 + b / 2; }));
    });
    EXPECT_EQ(One(half, 0xFFFF, 0x0000), 0x7BEF);
}

TEST_F(BlendTest, TableMembersMatchTheReference) {
    for (float level : {1.0f, 0.5f, 0.1f, 0.0f, 2.0f, -1.0f}) {
        const int L = std::clamp(Trunc(31 - level * 31), 0, 31);  // outside 0..1: the table's ends
        CheckPairs(With(fwDraw::BltAdditiveLevel, level), [=](uint16_t s, uint16_t d, int, int) {
            return FromFive(
                Each(Five(s), Five(d), [=](int a, int b, int) { return std::min(std::max(a - L, 0) + b, 31); }));
        });
    }
    CheckPairs(With(fwDraw::BltSubtractive), [](uint16_t s, uint16_t d, int, int) {
        return FromFive(Each(Five(d), Five(d), [&](int a, int, int) { return std::max(a - Five(s).r, 0); }));
    });
    auto darken = [](const int cut[3]) {
        return [=](uint16_t s, uint16_t, int, int) {
            return FromFive(Each(Five(s), Five(s), [&](int v, int, int c) { return std::max(v - cut[c], 0); }));
        };
    };
    for (int level : {0, 1, 16, 31}) {
        const int a[3] = {31 - level, 31 - level, 31 - level};
        CheckPairs(With(fwDraw::BltLevelBlend, level),
                   [&](uint16_t s, uint16_t d, int, int) { return LevelRef(s, d, a); });
        CheckPairs(With(fwDraw::BltDarken, level), darken(a));
    }
    const int rgb[3] = {31 - 3, 31 - 17, 31 - 31};
    CheckPairs(With(fwDraw::BltLevelBlendRGB, 3, 17, 31),
               [&](uint16_t s, uint16_t d, int, int) { return LevelRef(s, d, rgb); });
    CheckPairs(With(fwDraw::BltDarkenRGB, 3, 17, 31), darken(rgb));
    CheckPairs(With(fwDraw::BltGreyscale), [](uint16_t s, uint16_t, int, int) {
        const Rgb c = Five(s);
        const int g = (c.r + c.g + c.b) / 3;
        return FromFive({g, g, g});
    });
}

TEST_F(BlendTest, TableMemberEdgeCases) {
    EXPECT_EQ(One(With(fwDraw::BltSubtractive), 0x5000, FromFive({20, 15, 10})), FromFive({10, 5, 0}));  // red 10
    EXPECT_EQ(One(With(fwDraw::BltSubtractive), 0x001F, FromFive({20, 15, 10})), FromFive({20, 15, 10}));
    EXPECT_EQ(One(With(fwDraw::BltLevelBlend, 31), 0x1234 & 0xFFDF, 0xF0F0), 0x1234 & 0xFFDF);  // the source
    EXPECT_EQ(One(With(fwDraw::BltLevelBlend, 0), 0x1234, 0xF0C0), 0xF0C0);                     // the destination
    EXPECT_EQ(One(With(fwDraw::BltGreyscale), 0xF800, 0), FromFive({10, 10, 10}));
    // Levels that would index past the tables are refused: nothing drawn.
    int one = Sprite(1, 1, [](int, int) { return uint16_t{0x1234}; });
    SetPx(BackSurface, 0, 0, 0x4321);
    EXPECT_EQ(fwDraw::BltLevelBlend(0, 0, 32, one, 0, 0, 1, 1), 0);
    EXPECT_EQ(fwDraw::BltDarkenRGB(0, 0, 0, -1, 0, one, 0, 0, 1, 1), 0);
    EXPECT_EQ(fwDraw::BltLevelRamp(0, 0, 0, 0, 99, 1, 0, 1, one, 0, 0, 1, 1), 0);
    EXPECT_EQ(Px(BackSurface, 0, 0), 0x4321);
}

TEST_F(BlendTest, RampsStepTheirWeightsEveryStepIndicesPastStart) {
    // After index k the weights have taken (k - start) / step steps: a table
    // level falls by one (not below 0), a destination weight by 1/32.
    auto steps = [](int k, int start, int step) { return k > start ? (k - start) / step : 0; };
    for (int vertical : {1, 0}) {
        CheckPairs(With(fwDraw::BltLevelRamp, 0, 20, 31, vertical, 5, 3), [&](uint16_t s, uint16_t d, int i, int j) {
            const int n = steps(vertical ? j : i, 5, 3);
            const int a[3] = {std::max(31 - n, 0), std::max(11 - n, 0), 0};
            return LevelRef(s, d, a);
        });
        CheckPairs(With(fwDraw::BltAlphaRamp, 0.25f, 0.5f, 1.0f, vertical, 2, 4),
                   [&](uint16_t s, uint16_t d, int i, int j) {
                       const float n = static_cast<float>(steps(vertical ? j : i, 2, 4));
                       const float ws[3] = {0.25f, 0.5f, 1.0f};
                       const float wd[3] = {std::max(0.75f - n / 32, 0.0f), std::max(0.5f - n / 32, 0.0f), 0.0f};
                       return AlphaRef(s, d, ws, wd);
                   });
    }
}

TEST_F(BlendTest, FloatMembersWorkOnNativeChannelsUnclamped) {
    for (float alpha : {0.0f, 0.3f, 0.5f, 1.0f}) {
        const float ws[3] = {alpha, alpha, alpha}, wd[3] = {1 - alpha, 1 - alpha, 1 - alpha};
        CheckPairs(With(fwDraw::BltAlpha, alpha),
                   [&](uint16_t s, uint16_t d, int, int) { return AlphaRef(s, d, ws, wd); });
    }
    const float ws[3] = {0.9f, 0.5f, 0.1f}, wd[3] = {1 - 0.9f, 1 - 0.5f, 1 - 0.1f};
    CheckPairs(With(fwDraw::BltAlphaRGB, 0.9f, 0.5f, 0.1f),
               [&](uint16_t s, uint16_t d, int, int) { return AlphaRef(s, d, ws, wd); });
    const float f[3] = {0.5f, 1.0f, 1.5f};
    CheckPairs(With(fwDraw::BltTintRGB, 0.5f, 1.0f, 1.5f), [&](uint16_t s, uint16_t, int, int) {
        return FromNative(Each(Native(s), Native(s), [&](int v, int, int c) { return Trunc(v * f[c]); }));
    });
    EXPECT_EQ(One(With(fwDraw::BltAlpha, 0.5f), 0xFFFF, 0x0000), 0x7BEF);
    EXPECT_EQ(One(With(fwDraw::BltBrightness, 2.0f), 0x001F, 0x0000), 0x003E);  // blue doubled spills into green
}

TEST_F(BlendTest, ChannelMaskKeepsTheChosenFields) {
    for (int keep = 0; keep < 8; ++keep) {
        const uint16_t mask =
            static_cast<uint16_t>((keep & 1 ? 0xF800 : 0) | (keep & 2 ? 0x07E0 : 0) | (keep & 4 ? 0x001F : 0));
        CheckPairs(With(fwDraw::BltChannelMask, keep & 1, keep & 2, keep & 4),
                   [=](uint16_t s, uint16_t, int, int) { return static_cast<uint16_t>(s & mask); });
    }
}

TEST_F(BlendTest, SoftEdgeAveragesWithTheDestinationBesideTransparentNeighbours) {
    // A plus of picture pixels; its centre has no transparent neighbour, each
    // arm has three (two at the rectangle's edge are not looked at).
    const uint16_t red = FromFive({31, 0, 0});
    int h = Sprite(3, 3, [&](int x, int y) { return x == 1 || y == 1 ? red : uint16_t{0}; });
    fwDraw::SetClipRect(0, 0, 800, 600);
    FillBack(10, 10, 3, 3, [](int i, int j) { return FromFive({0, 0, static_cast<int>(3 * (i + 3 * j))}); });
    ASSERT_EQ(fwDraw::BltSoftEdge(10, 10, h, 0, 0, 3, 3), 1);
    EXPECT_EQ(Px(BackSurface, 11, 11), red);
    // Top arm (1, 0): own red, left (0, 0) blue 0 and right (2, 0) blue 6.
    EXPECT_EQ(Px(BackSurface, 11, 10), FromFive({31 / 3, 0, 6 / 3}));
    // Left arm (0, 1): above (0, 0) blue 0, below (0, 2) blue 18.
    EXPECT_EQ(Px(BackSurface, 10, 11), FromFive({31 / 3, 0, 18 / 3}));
    EXPECT_EQ(Px(BackSurface, 10, 10), FromFive({0, 0, 0}));  // transparent: untouched
}

TEST_F(BlendTest, BlurAveragesTheBlockMovedInAtTheEdges) {
    // Blue values 4 (i + 4 j): the 2 x 2 block at (i, j) sums 4 (4i + 16j + 10).
    int h = Sprite(4, 3, [](int x, int y) { return FromFive({0, 0, x + 4 * y + 1}); });
    fwDraw::SetClipRect(0, 0, 800, 600);
    ASSERT_EQ(fwDraw::BltBlur(0, 0, 2, h, 0, 0, 4, 3), 1);
    auto block = [](int i, int j) { return FromFive({0, 0, (4 * (i + 4 * j + 1) + 10) / 4}); };
    EXPECT_EQ(Px(BackSurface, 0, 0), block(0, 0));
    EXPECT_EQ(Px(BackSurface, 3, 0), block(2, 0));  // moved left to end at the edge
    EXPECT_EQ(Px(BackSurface, 3, 2), block(2, 1));
    EXPECT_EQ(fwDraw::BltBlur(0, 0, 0, h, 0, 0, 4, 3), 0);  // n 0 would divide by zero
    // n past the rectangle: the block is cut to it, the missing cells black.
    ASSERT_EQ(fwDraw::BltBlur(0, 0, 5, h, 0, 0, 4, 3), 1);
    EXPECT_EQ(Px(BackSurface, 0, 0), FromFive({0, 0, (12 * 13 / 2) / 25}));
}

TEST_F(BlendTest, FlippedMirrorsAndClipsThePictureInPlace) {
    auto src = [](int x, int y) { return static_cast<uint16_t>(1 + x + 32 * y); };
    int h = Sprite(20, 10, src);
    fwDraw::SetClipRect(180, 50, 620, 600);
    ASSERT_EQ(fwDraw::BltFlipped(300, 100, 3, h, 0, 0, 20, 10), 1);
    EXPECT_EQ(Px(BackSurface, 300, 100), src(19, 9));
    EXPECT_EQ(Px(BackSurface, 319, 109), src(0, 0));
    // Cut at the right edge: source columns go from the left.
    fwDraw::BltFlipped(610, 200, 1, h, 0, 0, 20, 10);
    EXPECT_EQ(Px(BackSurface, 610, 200), src(19, 0));
    EXPECT_EQ(Px(BackSurface, 619, 200), src(10, 0));
    EXPECT_EQ(Px(BackSurface, 620, 200), 0);
    // Cut at the left and top edges: from the right and the bottom.
    fwDraw::BltFlipped(170, 45, 3, h, 0, 0, 20, 10);
    EXPECT_EQ(Px(BackSurface, 180, 50), src(9, 4));
    EXPECT_EQ(Px(BackSurface, 189, 54), src(0, 0));
    EXPECT_EQ(Px(BackSurface, 179, 50), 0);
    fwDraw::BltFlipped(300, 300, 2, h, 2, 1, 6, 4);  // a sub-rectangle, rows reversed
    EXPECT_EQ(Px(BackSurface, 300, 300), src(2, 3));
    EXPECT_EQ(Px(BackSurface, 303, 302), src(5, 1));
    EXPECT_EQ(fwDraw::BltFlipped(300, 400, 4, h, 0, 0, 20, 10), 0);
    EXPECT_EQ(Px(BackSurface, 300, 400), 0);
}

// Every member with arguments under which it changes each pixel it touches
// of a grey background under a bright picture.
std::vector<Blit> AllMembers() {
    using namespace fwDraw;
    return {With(BltAdditive),
            With(BltAdditiveLevel, 1.0f),
            With(BltHalfBlend),
            With(BltSubtractive),
            With(BltLevelBlend, 31),
            With(BltLevelBlendRGB, 31, 31, 31),
            With(BltLevelRamp, 31, 31, 31, 1, 0, 1),
            With(BltAlpha, 0.5f),
            With(BltAlphaRGB, 1.0f, 1.0f, 1.0f),
            With(BltAlphaRamp, 1.0f, 1.0f, 1.0f, 0, 0, 1),
            With(BltBrightness, 1.0f),
            With(BltTintRGB, 1.0f, 1.0f, 1.0f),
            With(BltDarken, 31),
            With(BltDarkenRGB, 31, 31, 31),
            With(BltChannelMask, 1, 1, 1),
            With(BltGreyscale),
            With(BltSoftEdge),
            With(BltBlur, 1),
            With(BltFlipped, 0)};
}

TEST_F(BlendTest, EveryMemberIsCutByTheClipRuleExactlyAsBltObject) {
    const uint16_t grey = 0x8410;
    auto bright = [](int x, int y) { return FromNative({20 + x % 12, 40 + y % 24, 20 + (x + y) % 12}); };
    int h = Sprite(32, 24, bright);
    auto footprint = [&](const std::function<void()>& draw) {
        fwDraw::FillRectColor16(0, 0, 800, 600, grey);
        draw();
        std::vector<bool> changed;
        plat::LockedPixels p;
        plat::Lock(BackSurface, p);
        for (int i = 0; i < 800 * 600; ++i) changed.push_back(p.pixels[i] != grey);
        plat::Unlock(BackSurface);
        return changed;
    };
    struct Place {
        int x, y, l, t, r, b;
    };
    const Place places[] = {
        {170, 60, 0, 0, 32, 24},          {600, 70, 0, 0, 32, 24},  {588, 576, 0, 0, 32, 24},
        {300, 30, 4, 2, 30, 20},          {300, 45, 0, 0, 32, 24},  {620, 80, 0, 0, 32, 24},
        {148, 80, 0, 0, 32, 24},          {300, 600, 0, 0, 32, 24}, {INT_MIN, INT_MAX, 0, 0, 32, 24},
        {INT_MAX, INT_MIN, 0, 0, 32, 24}, {300, 100, 5, 5, 5, 9}};
    const std::vector<Blit> members = AllMembers();
    ASSERT_EQ(members.size(), 19u);
    for (const Place& at : places) {
        fwDraw::SetClipRect(180, 50, 620, 600);
        auto want = footprint([&] { fwDraw::BltObject(at.x, at.y, h, at.l, at.t, at.r, at.b); });
        for (size_t m = 0; m < members.size(); ++m) {
            int result = -1;
            auto got = footprint([&] { result = members[m](at.x, at.y, h, at.l, at.t, at.r, at.b); });
            EXPECT_EQ(result, 1) << "member " << m << " at " << at.x << "," << at.y;
            EXPECT_TRUE(got == want) << "member " << m << " at " << at.x << "," << at.y;
        }
    }
    // The additive draw of a picture without the green low bit over black is
    // the picture itself, placed as BltObject places it.
    int even = Sprite(32, 24, [&](int x, int y) { return static_cast<uint16_t>(bright(x, y) & 0xFFDF); });
    std::vector<uint16_t> object, additive;
    for (auto* out : {&object, &additive}) {
        fwDraw::ClearBackBuffer();
        if (out == &object)
            fwDraw::BltObject(170, 590, even, 0, 0, 32, 24);
        else
            fwDraw::BltAdditive(170, 590, even, 0, 0, 32, 24);
        for (int y = 580; y < 600; ++y)
            for (int x = 160; x < 220; ++x) out->push_back(Px(BackSurface, x, y));
    }
    EXPECT_TRUE(object == additive);
}

TEST_F(BlendTest, RefusedCallsAndFailedLocksDrawNothing) {
    int h = Sprite(8, 8, [](int, int) { return uint16_t{0xFFFF}; });
    fwDraw::SetClipRect(0, 0, 800, 600);
    for (const Blit& blit : AllMembers()) {
        EXPECT_EQ(blit(10, 10, h, 0, 0, 9, 8), 0);  // one column past the picture
        EXPECT_EQ(blit(10, 10, h, -1, 0, 8, 8), 0);
        EXPECT_EQ(blit(10, 10, h + 1, 0, 0, 8, 8), 0);  // a free record
        EXPECT_EQ(blit(10, 10, -3, 0, 0, 8, 8), 0);
        // Wholly outside the clip rectangle as well.
        EXPECT_EQ(blit(900, 10, h, 0, 0, 9, 8), 0);
        EXPECT_EQ(blit(10, -100, h + 1, 0, 0, 8, 8), 0);
        EXPECT_EQ(blit(INT_MIN, INT_MIN, h, 8, 0, 0, 8), 0);  // right before left
    }
    EXPECT_EQ(Px(BackSurface, 10, 10), 0);
    // A lost back surface: 0, and the picture's surface is not left locked.
    plat::MarkSurfaceLost(BackSurface);
    for (const Blit& blit : AllMembers()) EXPECT_EQ(blit(10, 10, h, 0, 0, 8, 8), 0);
    EXPECT_EQ(DrawObjects[h].surface->locks, 0);
    EXPECT_EQ(BackSurface->locks, 0);
    // Wholly outside the clip rectangle: 1 without locking anything.
    EXPECT_EQ(fwDraw::BltAdditive(900, 10, h, 0, 0, 8, 8), 1);
}

TEST_F(BlendTest, ClipRectangleBeyondTheScreenStillStopsAtItsEdges) {
    int h = Sprite(16, 16, [](int, int) { return uint16_t{0x0841}; });
    fwDraw::SetClipRect(-100, -100, 900, 700);
    for (const Blit& blit : AllMembers()) {
        EXPECT_EQ(blit(-8, -8, h, 0, 0, 16, 16), 1);
        EXPECT_EQ(blit(792, 592, h, 0, 0, 16, 16), 1);
    }
    EXPECT_NE(Px(BackSurface, 0, 0), 0);
    EXPECT_NE(Px(BackSurface, 799, 599), 0);
}

TEST(BlitCoord, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(fwDraw::ToBlitCoord(12.9f), 12);
    EXPECT_EQ(fwDraw::ToBlitCoord(-12.9f), -12);
    EXPECT_EQ(fwDraw::ToBlitCoord(-500.0f), -500);
    EXPECT_EQ(fwDraw::ToBlitCoord(3.0e9f), INT_MAX);
    EXPECT_EQ(fwDraw::ToBlitCoord(-3.0e9f), INT_MIN);
    EXPECT_EQ(fwDraw::ToBlitCoord(2147483520.0f), 2147483520);  // the largest float below 2^31
    EXPECT_EQ(fwDraw::ToBlitCoord(2147483648.0f), INT_MAX);
    EXPECT_EQ(fwDraw::ToBlitCoord(-2147483648.0f), INT_MIN);
    EXPECT_EQ(fwDraw::ToBlitCoord(std::numeric_limits<float>::infinity()), INT_MAX);
    EXPECT_EQ(fwDraw::ToBlitCoord(std::numeric_limits<float>::quiet_NaN()), 0);
}

}  // namespace
