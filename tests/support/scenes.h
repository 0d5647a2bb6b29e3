// Puts a stand-in handler in the scene table for the life of the object.
#pragma once
#include "game/shell/shell.h"

namespace testsupport {

class SceneSwap {
public:
    SceneSwap(uint32_t scene, SceneHandler handler) {
        for (auto& row : SceneTable)
            if (row.scene == scene) row_ = &row;
        if (row_) {
            old_ = row_->handler;
            row_->handler = handler;
        }
    }
    ~SceneSwap() {
        if (row_) row_->handler = old_;
    }
    SceneSwap(const SceneSwap&) = delete;
    SceneSwap& operator=(const SceneSwap&) = delete;

private:
    SceneRow* row_ = nullptr;
    SceneHandler old_ = nullptr;
};

}  // namespace testsupport
