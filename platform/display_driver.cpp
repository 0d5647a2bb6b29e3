#include "platform/display_driver.h"

#include <algorithm>

namespace plat {

struct DisplayDriver {
    DriverCaps caps;
};

namespace {

const std::vector<DriverDesc>& OwnDrivers() {
    static const std::vector<DriverDesc> own = {
        {"Software renderer", "display", {kCaps3D, kSurfaceCapsTexture}, true}};
    return own;
}

std::vector<DriverDesc> gDrivers = OwnDrivers();
std::vector<DisplayDriver*> gLive;

}  // namespace

void EnumerateDisplayDrivers(DriverCallback callback, void* context) {
    if (!callback) return;
    for (size_t i = 0; i < gDrivers.size(); ++i) {
        DriverId id{static_cast<int>(i)};
        const DriverDesc& d = gDrivers[i];
        if (!callback(i == 0 ? nullptr : &id, d.description.c_str(), d.name.c_str(), context)) return;
    }
}

DisplayDriver* CreateDisplayDriver(const DriverId* id) {
    const size_t i = id ? static_cast<size_t>(id->index) : 0;
    if (i >= gDrivers.size() || !gDrivers[i].creatable) return nullptr;
    auto* d = new DisplayDriver{gDrivers[i].caps};
    gLive.push_back(d);
    return d;
}

void GetDriverCaps(const DisplayDriver* driver, DriverCaps& hardware, DriverCaps& emulation) {
    hardware = driver ? driver->caps : DriverCaps{};
    emulation = DriverCaps{};  // nothing is emulated beyond what the driver does
}

void ReleaseDisplayDriver(DisplayDriver* driver) {
    if (!driver) return;
    gLive.erase(std::remove(gLive.begin(), gLive.end(), driver), gLive.end());
    delete driver;
}

int LiveDisplayDriverCount() { return static_cast<int>(gLive.size()); }

void SetDisplayDrivers(const std::vector<DriverDesc>& drivers) { gDrivers = drivers.empty() ? OwnDrivers() : drivers; }

}  // namespace plat
