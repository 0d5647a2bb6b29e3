// The display drivers the screen set-up chooses from. The platform draws
// everything itself and offers one driver with 3-D and texture caps; tests
// may put other lists in its place.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

constexpr uint32_t kCaps3D = 0x1;                 // in DriverCaps::caps
constexpr uint32_t kSurfaceCapsTexture = 0x1000;  // in DriverCaps::surfaceCaps

struct DriverCaps {
    uint32_t caps = 0;
    uint32_t surfaceCaps = 0;
};

// Identifies one driver of the list; the first (primary) driver is
// reported with a null id.
struct DriverId {
    int index;
};

struct DisplayDriver;

// Reports every driver in turn (id, description, name, context) until the
// callback returns 0.
using DriverCallback = int (*)(const DriverId* id, const char* description, const char* name, void* context);
void EnumerateDisplayDrivers(DriverCallback callback, void* context);

// A driver object; nullptr when it cannot be created. Each needs one release.
DisplayDriver* CreateDisplayDriver(const DriverId* id);
void GetDriverCaps(const DisplayDriver* driver, DriverCaps& hardware, DriverCaps& emulation);
void ReleaseDisplayDriver(DisplayDriver* driver);
int LiveDisplayDriverCount();

// Test hook: the drivers to report; an empty list restores the platform's own.
struct DriverDesc {
    std::string description, name;
    DriverCaps caps;
    bool creatable = true;
};
void SetDisplayDrivers(const std::vector<DriverDesc>& drivers);

}  // namespace plat
