// Handle globals filled by the start-up load: one per picture or sound,
// named after its file.
#pragma once
#include <cstdint>

#define ASSET(kind, path, handle) extern int32_t handle;
#include "game/shell/asset_list.inc"

// The player's ship picture, loaded by the level select.
extern int32_t ImgMyme;

enum class AssetKind { Picture, Sound };

struct AssetLoad {
    AssetKind kind;
    const char* path;
    int32_t* handle;
    const char* name;
};

// The start-up loads in their order.
extern const AssetLoad kStartupLoads[];
extern const int kStartupLoadCount;
