// Picture effects of the blit family beyond per-pixel blends: a tunnel from
// a look-up table, light spilling out of a sprite, a rippled copy, a
// background displaced by a sprite's red channel, a picture whose edge
// column or row is stretched to the screen's edge, and an inverted
// rectangle.
//
// Except where noted they take the blit argument list (the extras between y
// and the handle), draw nothing for a missing picture or a source rectangle
// outside it, clip by the clip rectangle (and the back surface), lock the
// picture and then the back surface, and return 1 when they have drawn or
// had nothing to draw, 0 when a lock fails. Pixel value 0 is transparent
// where a member is keyed.
#pragma once
#include <cstdint>

// The tunnel's look-up table: per screen cell the texture column and row.
constexpr int kTunnelMaxWidth = 640;
constexpr int kTunnelMaxHeight = 480;
struct TunnelCell {
    int16_t column, row;
};
extern TunnelCell TunnelTable[kTunnelMaxWidth * kTunnelMaxHeight];  // row-major, TunnelWidth cells a row
extern int32_t TunnelWidth, TunnelHeight;                // cells in use
extern int32_t TunnelTextureWidth, TunnelTextureHeight;  // texture size in pixels

namespace fwDraw {

// Fills the tunnel table for a width x height area (at most 640 x 480) and a
// texture of the given size (1 to 32767 each way); -1 for centreX/centreY
// means the middle, -1 for n means 8. Returns 1, or 0 and leaves the table
// as it was for sizes out of range.
int BuildTunnelTable(int textureWidth, int textureHeight, int width, int height, int centreX, int centreY, int n,
                     int centreMode, int distanceMode, int depthMode);
// Draws the tunnel at (x, y): each cell shows the object's pixel at the
// cell's texture position plus the offsets, wrapped to the texture. Not
// keyed, not clipped by the clip rectangle; cells outside the back surface
// and texture positions outside the picture are left out.
int BltTunnel(int x, int y, int offsetX, int offsetY, int handle);
// Light out of every keyed source pixel along the direction bits
// (0x20 up-left, 0x40 up, 0x80 up-right, 0x08 left, 0x10 right, 0x01
// down-left, 0x02 down, 0x04 down-right), one 5-bit step weaker per pixel.
int BltLightSpill(int x, int y, uint16_t shiftR, uint16_t shiftG, uint16_t shiftB, uint16_t directions, int drawSelf,
                  int handle, int left, int top, int right, int bottom);
// A forward-mapped rippled, slanted and scaled copy of every step-th pixel.
int BltRipple(int x, int y, int amplitude, int frequency, int step, float scale, float slant, int handle, int left,
              int top, int right, int bottom);
// Each keyed source pixel's red channel pulls the background up by that many
// rows (less 31 - level x 31).
int BltDisplace(int x, int y, float level, int handle, int left, int top, int right, int bottom);
// Keyed copy with column (modes 0, 1) or row (modes 2, 3) pos repeated
// towards the screen's right (0), left (1), bottom (2) or top (3) edge.
int BltEdgeStretch(int x, int y, int mode, int pos, int handle, int left, int top, int right, int bottom);
// Inverts the back surface's rectangle through its drawing context; no
// clipping but the surface's own.
void InvertRectGdi(int left, int top, int right, int bottom);

}  // namespace fwDraw
