// fwInput: up to two joysticks as directions, keypad direction numbers,
// ramped axis values, button key states and button hold timers. Each stick's
// resting position, read at start-up, is its centre; an unreadable stick
// gives neutral results.
#pragma once
#include <cstdint>

#include "platform/joystick.h"

struct JoyPad {
    float axisX;         // ramped X value of UpdateAxes, -100 .. 100
    float axisY;         // ramped Y value, -100 .. 100
    float axisRate;      // units per second by which the axis values ramp and decay
    float holdTimer[4];  // per button 1-4: time held in rate units, capped at 100
    float holdRate;      // units per second by which the hold timers rise
    uint32_t buttonState[4];  // per button 1-4: its key state
};

constexpr int kJoyPadCount = 2;

extern plat::JoyInfoEx JoyInfo;  // scratch record every read fills
extern int32_t JoyCentreX[kJoyPadCount];
extern int32_t JoyCentreY[kJoyPadCount];
// 1 once a stick's centre has been read; a stick missing at start-up takes
// its centre on the first read that finds it.
extern int32_t JoyCentred[kJoyPadCount];
extern JoyPad JoyPads[kJoyPadCount];

namespace fwInput {

// Pads are 0 and 1; buttons are numbered from 1. Other pads and buttons are
// refused with the neutral result.
void Init();
void Calibrate();
void ClearState();
void SetPadParams(int pad, float axisRate, float holdRate);
void GetCentre(int pad, int32_t* x, int32_t* y);
int IsButtonDown(int pad, int button);  // button 1-32
int UpdateButtonState(int pad, int button);  // button 1-4
void UpdateButtonStates(int pad, int32_t* b1, int32_t* b2, int32_t* b3, int32_t* b4);
void GetButtons(int pad, int32_t* b1, int32_t* b2, int32_t* b3, int32_t* b4);
int UpdateHoldTimer(int pad, int button);  // button 1-4
void UpdateHoldTimers(int pad, int32_t* t1, int32_t* t2, int32_t* t3, int32_t* t4);
void GetDirection(int pad, int32_t* dx, int32_t* dy);  // -1, 0 or 1; -1 is left / up
int GetDirectionNumber(int pad);  // keypad layout: 8 up, 5 rest, 3 down-right
void GetRawAxes(int pad, int32_t* x, int32_t* y);
void UpdateAxes(int pad, int32_t* x, int32_t* y);  // -100 .. 100

}  // namespace fwInput
