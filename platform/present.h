// The back surface on the screen.
#pragma once
#include <string>

namespace plat {
// Writes the last presented picture as a 24-bit BMP. False when nothing has
// been presented yet or the file cannot be written.
bool SavePresentedFrame(const std::string& path);
}
