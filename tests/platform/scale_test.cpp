#include "platform/scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/present.h"

namespace {

TEST(FitPicture, LargestSizeOfThePicturesAspectCentredWithBars) {
    struct Case {
        int windowW, windowH;
        plat::FitRect want;
    };
    const Case cases[] = {
        {800, 600, {0, 0, 800, 600, 1.0f}},
        {1024, 768, {0, 0, 1024, 768, 1.28f}},
        {1600, 1200, {0, 0, 1600, 1200, 2.0f}},
        {1920, 1080, {240, 0, 1440, 1080, 1.8f}},  // bars left and right
        {1366, 768, {171, 0, 1024, 768, 1.28f}},   // an odd bar width: the extra column goes right
        {1280, 1024, {0, 32, 1280, 960, 1.6f}},    // bars above and below
        {640, 480, {0, 0, 640, 480, 0.8f}},
        {0, 600, {0, 0, 0, 0, 1.0f}},
    };
    for (const Case& c : cases) {
        const plat::FitRect f = plat::FitPicture(c.windowW, c.windowH, 800, 600);
        EXPECT_EQ(f.x, c.want.x) << c.windowW << "x" << c.windowH;
        EXPECT_EQ(f.y, c.want.y) << c.windowW << "x" << c.windowH;
        EXPECT_EQ(f.w, c.want.w) << c.windowW << "x" << c.windowH;
        EXPECT_EQ(f.h, c.want.h) << c.windowW << "x" << c.windowH;
        EXPECT_FLOAT_EQ(f.scale, c.want.scale) << c.windowW << "x" << c.windowH;
    }
}

TEST(FitPicture, WindowPositionsMapToPicturePixelsTruncatedTowardZero) {
    const plat::FitRect f = plat::FitPicture(1920, 1080, 800, 600);
    struct Case {
        int x, y, wantX, wantY;
    };
    const Case cases[] = {
        {240, 0, 0, 0},         {241, 1, 0, 0},       {242, 2, 1, 1},  // 1.8 window pixels a picture pixel
        {1679, 1079, 799, 599},                                         // the last picture pixel
        {1680, 1080, 800, 600},                                         // just past it, on the right bar
        {100, 5, -77, 2},                                               // on the left bar: -140 / 1.8
        {0, 0, -133, 0},
    };
    for (const Case& c : cases) {
        int x = c.x, y = c.y;
        plat::WindowToPicture(f, x, y);
        EXPECT_EQ(x, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(y, c.wantY) << c.x << "," << c.y;
    }
}

// The filter by its rule, in floating point: the output pixel's centre in
// picture pixels, rounded to 1/256, less half a pixel; the two pixels on
// either side (edges repeated) mixed along the row, then the two rows, each
// mix rounded half up.
struct Tap {
    int a, b;
    double w;
};
Tap TapAt(int i, int from, int to) {
    const double s = std::floor((i + 0.5) * from / to * 256 + 0.5) / 256 - 0.5;
    const int first = static_cast<int>(std::floor(s));
    const auto edge = [&](int k) { return k < 0 ? 0 : (k >= from ? from - 1 : k); };
    return {edge(first), edge(first + 1), (s - first) * 256};
}
int MixByRule(int a, int b, double w) { return static_cast<int>(std::floor(a + w * (b - a) / 256 + 0.5)); }

std::vector<uint32_t> ScaleByRule(const plat::Surface* p, int outW, int outH) {
    std::vector<uint32_t> out(static_cast<size_t>(outW) * outH);
    const auto px = [&](int x, int y) { return plat::ArgbOfPixel(p->pixels[static_cast<size_t>(y) * p->pitch + x]); };
    for (int y = 0; y < outH; ++y) {
        const Tap ty = TapAt(y, p->height, outH);
        for (int x = 0; x < outW; ++x) {
            const Tap tx = TapAt(x, p->width, outW);
            uint32_t v = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const auto ch = [&](uint32_t c) { return static_cast<int>((c >> shift) & 0xFF); };
                const int upper = MixByRule(ch(px(tx.a, ty.a)), ch(px(tx.b, ty.a)), tx.w);
                const int lower = MixByRule(ch(px(tx.a, ty.b)), ch(px(tx.b, ty.b)), tx.w);
                v |= static_cast<uint32_t>(MixByRule(upper, lower, ty.w)) << shift;
            }
            out[static_cast<size_t>(y) * outW + x] = v;
        }
    }
    return out;
}

plat::Surface* NoisePicture(int w, int h, uint32_t seed) {
    plat::Surface* s = plat::CreateSurface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            s->pixels[static_cast<size_t>(y) * s->pitch + x] = static_cast<uint16_t>(seed >> 16);
        }
    return s;
}

class PictureScalerTest : public ::testing::Test {
protected:
    void TearDown() override { plat::UsePlainScaleKernels(false); }
    // Scales into a wider buffer: what lies past each row must stay.
    static std::vector<uint32_t> Scaled(plat::PictureScaler& scaler, const plat::Surface* p, int w, int h) {
        const int pitch = w + 5;
        std::vector<uint32_t> buffer(static_cast<size_t>(pitch) * h, 0x12345678u);
        scaler.Scale(*p, buffer.data(), pitch, w, h);
        std::vector<uint32_t> out;
        for (int y = 0; y < h; ++y) {
            const auto row = buffer.begin() + static_cast<long>(y) * pitch;
            out.insert(out.end(), row, row + w);
            for (int x = w; x < pitch; ++x) EXPECT_EQ(buffer[static_cast<size_t>(y) * pitch + x], 0x12345678u);
        }
        return out;
    }
};

TEST_F(PictureScalerTest, BlackToWhiteInFourSteps) {
    plat::Surface* p = plat::CreateSurface(2, 1);
    p->pixels[1] = 0xFFFF;
    plat::PictureScaler scaler;
    // Centres at 0.25, 0.75, 1.25, 1.75 picture pixels: the outer two on
    // the repeated edges, the inner two a quarter and three quarters across.
    const std::vector<uint32_t> want = {0xFF000000u, 0xFF404040u, 0xFFBFBFBFu, 0xFFFFFFFFu};
    EXPECT_EQ(Scaled(scaler, p, 4, 1), want);
    plat::ReleaseSurface(p);
}

TEST_F(PictureScalerTest, EverySizeGivesThePixelsOfTheRuleWithEitherKernel) {
    struct Case {
        int pictureW, pictureH, outW, outH;
    };
    const Case cases[] = {
        {800, 600, 800, 600},    // unscaled: the plain conversion
        {800, 600, 1024, 768},   // the sample points fall on whole 1/256ths
        {800, 600, 1440, 1080},  // and between them
        {800, 600, 933, 700},
        {800, 600, 640, 480},    // smaller than the picture
        {37, 23, 101, 59},       // rows that end inside a group of eight
        {5, 3, 1, 1},
    };
    uint32_t seed = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.outW << "x" << c.outH);
        plat::Surface* p = NoisePicture(c.pictureW, c.pictureH, seed++);
        const std::vector<uint32_t> want = ScaleByRule(p, c.outW, c.outH);
        for (bool plain : {false, true}) {
            plat::UsePlainScaleKernels(plain);
            plat::PictureScaler scaler;
            EXPECT_TRUE(Scaled(scaler, p, c.outW, c.outH) == want) << (plain ? "plain" : "fast");
        }
        plat::ReleaseSurface(p);
    }
}

TEST_F(PictureScalerTest, OneScalerFollowsItsPictureAndSizeFromFrameToFrame) {
    plat::PictureScaler scaler;
    plat::Surface* first = NoisePicture(800, 600, 11);
    plat::Surface* second = NoisePicture(800, 600, 12);
    EXPECT_TRUE(Scaled(scaler, first, 1024, 768) == ScaleByRule(first, 1024, 768));
    EXPECT_TRUE(Scaled(scaler, second, 1024, 768) == ScaleByRule(second, 1024, 768));
    EXPECT_TRUE(Scaled(scaler, second, 1440, 1080) == ScaleByRule(second, 1440, 1080));
    plat::ReleaseSurface(first);
    plat::ReleaseSurface(second);
}

}  // namespace
