// fwDraw: the screen, the drawing-object table, blits and the present.
//
//   screen.h      fwDraw::Screen, the clip rectangle, pixel format and tables
//   object.h      DrawObjects and the loaders, colour keys and fills
//   blit.h        the clip rule, the source check and the hardware blits
//   transition.h  fwDraw::Present, the wipes, CaptureRect and the viewer
//   backsurface.h shapes and pixels through the back surface's drawing context,
//                 the context pair of the text functions, capture, pixel effects
//   viewport.h    the viewport open/close effect on the clip rectangle
//   pack.h        the image pack file
//   blend.h, rotate.h, effect.h: the software blitters
//   coord.h       ToBlitCoord: float positions to blit coordinates
#pragma once
#include <cstdint>

#include "framework/draw/backsurface.h"
#include "framework/draw/blend.h"
#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/draw/effect.h"
#include "framework/draw/object.h"
#include "framework/draw/pack.h"
#include "framework/draw/rotate.h"
#include "framework/draw/screen.h"
#include "framework/draw/transition.h"
#include "framework/draw/viewport.h"
