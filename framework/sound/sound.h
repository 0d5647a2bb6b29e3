// fwSound: sound objects and their mixing copies.
#pragma once

namespace fwSound {
void ErrorBeep();
void ReleaseAll();
}  // namespace fwSound
