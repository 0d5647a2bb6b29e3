// Placeholder until the viewport effect lands: its saved clip rectangle and
// state, which the main loop restores on a scene change.
#include "framework/draw/draw.h"
#include "framework/system/named.h"

int32_t SavedClipLeft, SavedClipTop, SavedClipRight, SavedClipBottom;
int32_t ViewportEffectState;

namespace {
named::Registrar reg([] { named::Scalar("ViewportEffectState", &ViewportEffectState); });
}
