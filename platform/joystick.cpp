#include "platform/joystick.h"

#include <SDL.h>

namespace plat {
namespace {

bool gTried = false;
bool gUp = false;
SDL_Joystick* gSticks[kJoystickCount] = {};
bool gFaked[kJoystickCount] = {};
FakeStick gFakes[kJoystickCount];

bool EnsureUp() {
    if (!gTried) {
        gTried = true;
        // Sticks are polled, so read them also while another window has the focus.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        gUp = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
        // Nothing waits for joystick events: the state is read on demand.
        if (gUp) SDL_JoystickEventState(SDL_IGNORE);
    }
    return gUp;
}

// Stick n is the n-th stick plugged in; the handle follows it when sticks
// come and go.
SDL_Joystick* Stick(uint32_t id) {
    if (!EnsureUp()) return nullptr;
    SDL_JoystickUpdate();
    SDL_Joystick*& handle = gSticks[id];
    int index = static_cast<int>(id);
    bool present = index < SDL_NumJoysticks();
    if (handle && (!present || !SDL_JoystickGetAttached(handle) ||
                   SDL_JoystickInstanceID(handle) != SDL_JoystickGetDeviceInstanceID(index))) {
        SDL_JoystickClose(handle);
        handle = nullptr;
    }
    if (!handle && present) handle = SDL_JoystickOpen(index);
    return handle;
}

uint32_t Axis(SDL_Joystick* stick, int axis) {
    if (axis >= SDL_JoystickNumAxes(stick)) return 32768;
    return static_cast<uint32_t>(SDL_JoystickGetAxis(stick, axis) + 32768);
}

uint32_t Pov(SDL_Joystick* stick) {
    if (SDL_JoystickNumHats(stick) < 1) return JOY_POVCENTERED;
    switch (SDL_JoystickGetHat(stick, 0)) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return JOY_POVCENTERED;
    }
}

struct Reading {
    uint32_t axes[6] = {32768, 32768, 32768, 32768, 32768, 32768};
    uint32_t buttons = 0;
    uint32_t pov = JOY_POVCENTERED;
};

bool Read(uint32_t id, Reading& r) {
    if (gFaked[id]) {
        const FakeStick& f = gFakes[id];
        if (!f.present) return false;
        r.axes[0] = f.x;
        r.axes[1] = f.y;
        r.buttons = f.buttons;
        return true;
    }
    SDL_Joystick* stick = Stick(id);
    if (!stick) return false;
    for (int a = 0; a < 6; ++a) r.axes[a] = Axis(stick, a);
    int count = SDL_JoystickNumButtons(stick);
    for (int b = 0; b < count && b < 32; ++b)
        if (SDL_JoystickGetButton(stick, b)) r.buttons |= 1u << b;
    r.pov = Pov(stick);
    return true;
}

}  // namespace

// The sticks report their raw position; JOY_USEDEADZONE is accepted and the
// callers' rest band does the rest.
uint32_t JoyGetPosEx(uint32_t id, JoyInfoEx* info) {
    if (id >= kJoystickCount || !info || info->size != sizeof(JoyInfoEx)) return JOYERR_PARMS;
    Reading r;
    if (!Read(id, r)) return JOYERR_UNPLUGGED;
    uint32_t* axisFields[6] = {&info->xpos, &info->ypos, &info->zpos, &info->rpos, &info->upos, &info->vpos};
    for (int a = 0; a < 6; ++a)
        if (info->flags & (JOY_RETURNX << a)) *axisFields[a] = r.axes[a];
    if (info->flags & JOY_RETURNPOV) info->pov = r.pov;
    if (info->flags & JOY_RETURNBUTTONS) {
        info->buttons = r.buttons;
        info->buttonNumber = static_cast<uint32_t>(__builtin_popcount(r.buttons));
    }
    return JOYERR_NOERROR;
}

void JoyConfigChanged() {
    if (EnsureUp()) SDL_JoystickUpdate();
}

void SetFakeStick(uint32_t id, const FakeStick* stick) {
    if (id >= kJoystickCount) return;
    gFaked[id] = stick != nullptr;
    if (stick) gFakes[id] = *stick;
}

}  // namespace plat
