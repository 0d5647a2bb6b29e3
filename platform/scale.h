// The picture fitted to a window on the processor: where it goes, and its
// pixels scaled there with the same linear filter, to the same values, as
// the renderer's texture path gives.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace plat {

// The part of a window the picture covers: scaled by one factor on both
// axes to the largest size that fits, centred; the rest of the window is
// black bars (left and right, or above and below).
struct FitRect {
    int x = 0, y = 0, w = 0, h = 0;
    float scale = 1;  // window pixels per picture pixel
};
FitRect FitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

// A window position as a picture position, each coordinate truncated toward
// zero, as the renderer maps the mouse; a position on a bar lies outside.
void WindowToPicture(const FitRect& fit, int& x, int& y);

// Scales an RGB565 picture to 0xFFRRGGBB pixels. Each output pixel samples
// the picture at its centre: the sample point is rounded to 1/256 of a
// picture pixel, the two nearest pixels of each of the two nearest rows are
// mixed by that fraction, then the two rows, each mix rounded half up to 8
// bits a channel; past the edges the edge pixels repeat.
class PictureScaler {
public:
    void Scale(const Surface& picture, uint32_t* out, int outPitchPixels, int outWidth, int outHeight);

private:
    struct Axis {
        int from = 0, to = 0;
        std::vector<int32_t> near, far;  // the two picture pixels of each output pixel
        std::vector<uint32_t> weight;    // the far one's share in 1/256
        // Per group of eight output pixels whose pixels all lie in the
        // eight from `base` (near) and the eight after it (far): the base,
        // and each pixel's place in those eights; -1 where they do not.
        std::vector<int32_t> base, nearAt, farAt;
    };
    static void Plan(Axis& axis, int from, int to);
    const uint32_t* Band(const Surface& picture, int row);

    Axis cols_, rows_;
    std::vector<uint32_t> wide_;     // one picture row as 32-bit pixels
    std::vector<uint32_t> band_[2];  // two picture rows scaled along the row
    int bandRow_[2] = {-1, -1};      // which picture rows they hold, by the row's parity
};

// Test hook: scale with the portable kernels even where AVX2 is there.
void UsePlainScaleKernels(bool plain);

}  // namespace plat
