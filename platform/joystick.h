// Up to two joysticks, read the way the multimedia joystick call reads them:
// a position record filled on request, axes from 0 to 65535 with the rest
// near 32768, one bit per button (button n is bit n - 1), and an error code
// when the stick is not there. Without a stick every read fails and the
// caller falls back to its neutral values.
#pragma once
#include <cstdint>

namespace plat {

// Joystick ids.
constexpr uint32_t JOYSTICKID1 = 0;
constexpr uint32_t JOYSTICKID2 = 1;
constexpr int kJoystickCount = 2;

// What a read fills in (flags of JoyInfoEx).
constexpr uint32_t JOY_RETURNX = 0x001;
constexpr uint32_t JOY_RETURNY = 0x002;
constexpr uint32_t JOY_RETURNZ = 0x004;
constexpr uint32_t JOY_RETURNR = 0x008;
constexpr uint32_t JOY_RETURNU = 0x010;
constexpr uint32_t JOY_RETURNV = 0x020;
constexpr uint32_t JOY_RETURNPOV = 0x040;
constexpr uint32_t JOY_RETURNBUTTONS = 0x080;
constexpr uint32_t JOY_RETURNALL = 0x0FF;
constexpr uint32_t JOY_USEDEADZONE = 0x800;

constexpr uint32_t JOY_POVCENTERED = 0xFFFF;

// Results.
constexpr uint32_t JOYERR_NOERROR = 0;
constexpr uint32_t JOYERR_PARMS = 165;     // bad id or record size
constexpr uint32_t JOYERR_UNPLUGGED = 167; // no stick under that id

constexpr int32_t kJoyAxisMax = 65535;

struct JoyInfoEx {
    uint32_t size = sizeof(JoyInfoEx);  // 52
    uint32_t flags = 0;
    uint32_t xpos = 0, ypos = 0, zpos = 0, rpos = 0, upos = 0, vpos = 0;
    uint32_t buttons = 0;       // bit n - 1 set while button n is down
    uint32_t buttonNumber = 0;  // how many buttons are down
    uint32_t pov = JOY_POVCENTERED;  // hat direction in hundredths of a degree
    uint32_t reserved1 = 0, reserved2 = 0;
};
static_assert(sizeof(JoyInfoEx) == 52);

// Reads stick `id` into `info`, filling the fields that info->flags asks
// for. JOYERR_PARMS for an id other than 0 or 1 or a wrong size field,
// JOYERR_UNPLUGGED when no stick answers under that id.
uint32_t JoyGetPosEx(uint32_t id, JoyInfoEx* info);

// Looks for sticks plugged in or pulled out since the last look.
void JoyConfigChanged();

// Test hook: a stand-in for stick `id` that every read sees in place of the
// real one (present = false reads as unplugged). nullptr removes it.
struct FakeStick {
    bool present = true;
    uint32_t x = 32768, y = 32768;
    uint32_t buttons = 0;
};
void SetFakeStick(uint32_t id, const FakeStick* stick);

}  // namespace plat
