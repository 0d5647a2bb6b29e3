// fwSound: sound objects and their mixing copies.
#pragma once

namespace fwSound {
int Init();
void ErrorBeep();
void ReleaseAll();
}  // namespace fwSound
