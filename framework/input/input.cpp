#include "framework/input/input.h"

#include "framework/system/named.h"
#include "framework/system/system.h"

plat::JoyInfoEx JoyInfo;
int32_t JoyCentreX[kJoyPadCount];
int32_t JoyCentreY[kJoyPadCount];
int32_t JoyCentred[kJoyPadCount];
JoyPad JoyPads[kJoyPadCount];

namespace {

constexpr uint32_t kReadButtons = plat::JOY_RETURNBUTTONS;
constexpr uint32_t kReadAxes = plat::JOY_RETURNX | plat::JOY_RETURNY | plat::JOY_USEDEADZONE;
constexpr uint32_t kReadAll = plat::JOY_RETURNALL | plat::JOY_USEDEADZONE;

bool ValidPad(int pad) { return pad >= 0 && pad < kJoyPadCount; }

bool ReadRaw(int pad, uint32_t flags) {
    JoyInfo.size = sizeof(JoyInfo);
    JoyInfo.flags = flags;
    return plat::JoyGetPosEx(static_cast<uint32_t>(pad), &JoyInfo) == plat::JOYERR_NOERROR;
}

// The stick is taken to rest untouched at this moment.
void TakeCentre(int pad) {
    bool ok = ReadRaw(pad, kReadAll);
    JoyCentreX[pad] = ok ? static_cast<int32_t>(JoyInfo.xpos) : 0;
    JoyCentreY[pad] = ok ? static_cast<int32_t>(JoyInfo.ypos) : 0;
    JoyCentred[pad] = ok;
}

// Reads a stick for one operation. A stick that was missing at start-up
// would read as pushed to one side against a centre of 0, so it takes its
// centre first.
bool Read(int pad, uint32_t flags) {
    if (!JoyCentred[pad]) TakeCentre(pad);
    return ReadRaw(pad, flags);
}

// -1 at or below half the centre, +1 at or above one and a half times it.
int32_t Direction(uint32_t value, int32_t centre) {
    int32_t v = static_cast<int32_t>(value);
    int32_t low = centre / 2;
    if (v <= low) return -1;
    if (v >= low + centre) return 1;
    return 0;
}

bool ButtonBit(int button) { return (JoyInfo.buttons >> (button - 1)) & 1u; }

int32_t StepButtonState(int pad, int button) {
    uint32_t& s = JoyPads[pad].buttonState[button - 1];
    s = static_cast<uint32_t>(fwSystem::NextKeyState(static_cast<int32_t>(s), ButtonBit(button)));
    return static_cast<int32_t>(s);
}

int32_t StepHoldTimer(JoyPad& p, int button, bool down) {
    float& t = p.holdTimer[button - 1];
    if (down) {
        t += FrameSeconds * p.holdRate;
        if (t >= 100.0f) t = 100.0f;
    } else {
        t = 0.0f;
    }
    return static_cast<int32_t>(t);
}

int32_t StepAxis(float& value, int32_t direction, float rate) {
    float step = FrameSeconds * rate;
    if (direction == 0) {
        if (value > 0.0f) {
            value -= step;
            if (value < 0.0f) value = 0.0f;
        } else if (value < 0.0f) {
            value += step;
            if (value > 0.0f) value = 0.0f;
        }
    } else {
        value += static_cast<float>(direction) * step;
        if (value >= 100.0f) value = 100.0f;
        else if (value <= -100.0f) value = -100.0f;
    }
    return static_cast<int32_t>(value);
}

void Put4(int32_t* out[4], const int32_t values[4]) {
    for (int i = 0; i < 4; ++i)
        if (out[i]) *out[i] = values[i];
}

void Put2(int32_t* a, int32_t* b, int32_t va, int32_t vb) {
    if (a) *a = va;
    if (b) *b = vb;
}

}  // namespace

namespace fwInput {

void Init() {
    plat::JoyConfigChanged();
    Calibrate();
    for (JoyPad& p : JoyPads) p = JoyPad{};
}

void Calibrate() {
    for (int pad = 0; pad < kJoyPadCount; ++pad) TakeCentre(pad);
}

void ClearState() {
    for (JoyPad& p : JoyPads) {
        p.axisX = p.axisY = 0.0f;
        for (float& t : p.holdTimer) t = 0.0f;
    }
}

void SetPadParams(int pad, float axisRate, float holdRate) {
    if (!ValidPad(pad)) return;
    JoyPads[pad].axisRate = axisRate;
    JoyPads[pad].holdRate = holdRate;
}

void GetCentre(int pad, int32_t* x, int32_t* y) {
    bool ok = ValidPad(pad);
    Put2(x, y, ok ? JoyCentreX[pad] : 0, ok ? JoyCentreY[pad] : 0);
}

int IsButtonDown(int pad, int button) {
    if (!ValidPad(pad) || button < 1 || button > 32) return 0;
    if (!Read(pad, kReadButtons)) return 0;
    return ButtonBit(button);
}

int UpdateButtonState(int pad, int button) {
    if (!ValidPad(pad) || button < 1 || button > 4) return 0;
    if (!Read(pad, kReadButtons)) return 0;
    return StepButtonState(pad, button);
}

void UpdateButtonStates(int pad, int32_t* b1, int32_t* b2, int32_t* b3, int32_t* b4) {
    int32_t* out[4] = {b1, b2, b3, b4};
    int32_t values[4] = {};
    if (ValidPad(pad) && Read(pad, kReadButtons))
        for (int b = 1; b <= 4; ++b) values[b - 1] = StepButtonState(pad, b);
    Put4(out, values);
}

void GetButtons(int pad, int32_t* b1, int32_t* b2, int32_t* b3, int32_t* b4) {
    int32_t* out[4] = {b1, b2, b3, b4};
    int32_t values[4] = {};
    if (ValidPad(pad) && Read(pad, kReadButtons))
        for (int b = 1; b <= 4; ++b) values[b - 1] = ButtonBit(b);
    Put4(out, values);
}

int UpdateHoldTimer(int pad, int button) {
    if (!ValidPad(pad) || button < 1 || button > 4) return 0;
    return StepHoldTimer(JoyPads[pad], button, IsButtonDown(pad, button) != 0);
}

void UpdateHoldTimers(int pad, int32_t* t1, int32_t* t2, int32_t* t3, int32_t* t4) {
    int32_t* out[4] = {t1, t2, t3, t4};
    int32_t values[4] = {};
    if (ValidPad(pad) && Read(pad, kReadButtons))
        for (int b = 1; b <= 4; ++b) values[b - 1] = StepHoldTimer(JoyPads[pad], b, ButtonBit(b));
    Put4(out, values);
}

void GetDirection(int pad, int32_t* dx, int32_t* dy) {
    if (ValidPad(pad) && Read(pad, plat::JOY_RETURNX | plat::JOY_RETURNY))
        Put2(dx, dy, Direction(JoyInfo.xpos, JoyCentreX[pad]), Direction(JoyInfo.ypos, JoyCentreY[pad]));
    else
        Put2(dx, dy, 0, 0);
}

int GetDirectionNumber(int pad) {
    if (!ValidPad(pad) || !Read(pad, kReadAxes)) return 5;
    int dx = Direction(JoyInfo.xpos, JoyCentreX[pad]);
    int dy = Direction(JoyInfo.ypos, JoyCentreY[pad]);
    return 5 + dx - 3 * dy;
}

void GetRawAxes(int pad, int32_t* x, int32_t* y) {
    if (ValidPad(pad) && Read(pad, kReadAxes))
        Put2(x, y, static_cast<int32_t>(JoyInfo.xpos), static_cast<int32_t>(JoyInfo.ypos));
    else
        Put2(x, y, 0, 0);
}

void UpdateAxes(int pad, int32_t* x, int32_t* y) {
    if (!ValidPad(pad) || !Read(pad, kReadAxes)) {
        Put2(x, y, 0, 0);
        return;
    }
    JoyPad& p = JoyPads[pad];
    int32_t vx = StepAxis(p.axisX, Direction(JoyInfo.xpos, JoyCentreX[pad]), p.axisRate);
    int32_t vy = StepAxis(p.axisY, Direction(JoyInfo.ypos, JoyCentreY[pad]), p.axisRate);
    Put2(x, y, vx, vy);
}

}  // namespace fwInput

namespace {
named::Registrar reg([] {
    NAMED_ARRAY(JoyCentreX);
    NAMED_ARRAY(JoyCentreY);
    NAMED_ARRAY(JoyCentred);
    NAMED_RECORD(JoyInfo,
                  {NAMED_FIELD(plat::JoyInfoEx, flags), NAMED_FIELD(plat::JoyInfoEx, xpos),
                   NAMED_FIELD(plat::JoyInfoEx, ypos), NAMED_FIELD(plat::JoyInfoEx, buttons)});
    std::vector<named::Field> fields = {NAMED_FIELD(JoyPad, axisX), NAMED_FIELD(JoyPad, axisY),
                                        NAMED_FIELD(JoyPad, axisRate), NAMED_FIELD(JoyPad, holdRate)};
    static const char* const kTimers[4] = {"holdTimer[0]", "holdTimer[1]", "holdTimer[2]", "holdTimer[3]"};
    static const char* const kStates[4] = {"buttonState[0]", "buttonState[1]", "buttonState[2]",
                                           "buttonState[3]"};
    for (size_t i = 0; i < 4; ++i) {
        fields.push_back({kTimers[i], named::Type::F32, offsetof(JoyPad, holdTimer) + i * sizeof(float)});
        fields.push_back({kStates[i], named::Type::U32, offsetof(JoyPad, buttonState) + i * sizeof(uint32_t)});
    }
    NAMED_POOL(JoyPads, std::move(fields), nullptr);
});
}  // namespace
