// Reading the game's named globals from tests, through the play driver's own
// text interface.
#pragma once
#include <cstdlib>
#include <string>

#include "framework/system/named.h"

namespace testsupport {

// Whether the name reads.
inline bool Known(const std::string& expr) {
    std::string value;
    return named::Read(expr, value);
}

// The value of a name as a number; false when the name is unknown.
inline bool ReadNumber(const std::string& expr, double& out) {
    std::string value;
    if (!named::Read(expr, value)) return false;
    out = std::strtod(value.c_str(), nullptr);
    return true;
}

}  // namespace testsupport
