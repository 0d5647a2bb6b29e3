#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/named.h"
#include "game/shell/assets.h"
#include "game/shell/scenes.h"
#include "game/shell/shell.h"
#include "game/state/player_state.h"

#define ASSET(kind, path, handle) int32_t handle;
#include "game/shell/asset_list.inc"

const AssetLoad kStartupLoads[] = {
#define ASSET(kind, path, handle) {AssetKind::kind, path, &handle, #handle},
#include "game/shell/asset_list.inc"
};
const int kStartupLoadCount = static_cast<int>(sizeof(kStartupLoads) / sizeof(kStartupLoads[0]));

namespace {
named::Registrar reg([] {
    for (const auto& load : kStartupLoads) named::Scalar(load.name, load.handle);
});
}  // namespace

void LoadStartupAssets() {
    fwDraw::Screen(800, 600, 2);
    fwDraw::SetClipRect(180, 0, 620, 600);
    for (const auto& load : kStartupLoads) {
        if (load.kind == AssetKind::Picture)
            *load.handle = fwDraw::LoadObject(load.path, 1);
        else
            *load.handle = fwSound::LoadObject(load.path, 1);
    }
    HiScore = 500;
    SceneNumber = SceneTitle;
    LastScene = 0;
}
