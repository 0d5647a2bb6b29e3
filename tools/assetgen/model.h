// Shaded vector models: machines built from lit plates, painted into pixel
// sprites, and the symmetric-craft builder on top of them.
#pragma once
#include <vector>

#include "tools/assetgen/gfx.h"

namespace ag {

// A colour ramp from shadow to highlight. Emissive materials glow from their
// middle instead of being lit.
struct Material {
    std::vector<Rgb> ramp;
    float gloss = 0.3f;
    bool emissive = false;
};
// Hue-shifted five-step ramp around a middle colour (cool shadows, warm lights).
Material Metal(Rgb mid, float gloss = 0.35f);
Material Glow(Rgb edge, Rgb core);
Material Glass(Rgb mid);

struct Part {
    Poly poly;
    std::vector<Poly> holes;
    int mat = 0;
    float bevel = 3;   // rounding of the plate's edge, model units
    float z = 0;       // height above the hull plane (moves when the craft rolls)
    float shade = 1;   // brightness factor
};

// A model in its own units, nose toward -y, centred on (0, 0).
struct Model {
    std::vector<Material> mats;
    std::vector<Part> parts;

    int material(const Material& m) {
        mats.push_back(m);
        return int(mats.size()) - 1;
    }
    Part& part(Poly p, int mat, float bevel, float z = 0);
    // The same plate and its mirror image across x = 0.
    void pair(const Poly& rightSide, int mat, float bevel, float z = 0);
    // A hull closed from a half-width profile: points (halfWidth, y) from nose to tail.
    Part& hull(const std::vector<Vec2>& profile, int mat, float bevel, float z = 0);
    void capsule(float x, float y0, float y1, float r, int mat, float z = 0, bool mirrored = true);
    void disc(float x, float y, float rx, float ry, int mat, float bevel, float z = 0, bool mirrored = true);
    // Nozzle ring with a glowing core, at (x, y); mirrored unless x is 0.
    void engine(float x, float y, float rx, float ry, int ringMat, int glowMat);
    void bar(Vec2 a, Vec2 b, float width, int mat, float z = 0, bool mirrored = true, float bevel = 1);
};

// How a model lands in a picture.
struct View {
    float cx = 0, cy = 0;        // picture position of the model's origin
    float sx = 1, sy = 1;        // scale of model units
    float angle = 0;             // degrees clockwise; 0 = nose up, 180 = nose down
    float roll = 0;              // degrees; positive dips the left wing
    bool softEdges = false;      // anti-aliased silhouette (only for pictures not keyed)
};
void Paint(Canvas& c, const Model& m, const View& v);
Vec2 Project(const View& v, Vec2 p, float z = 0);

}  // namespace ag
