// The defeat sequence every boss ends with: explosions flicker over the boss
// for seven seconds while the explosion sound repeats, the music stops, the
// game state returns to idle and the next stage opens over the last frame.
#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "framework/sound/sound.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/bosses/body.h"
#include "game/shell/assets.h"
#include "game/shell/resets.h"
#include "game/shell/shell.h"
#include "game/state/stage_state.h"

namespace bosses {
namespace {

struct BlastKind {
    const int32_t& image;
    int cell;       // square cells side by side
    uint32_t last;  // the strip's last frame
    int left;       // how far left of the boss the spread starts
};

// Each blast shows its next frame where the previous call put it, then
// jumps to a new random place over the boss (x drawn before y).
void Burst(DefeatBlast* blasts, int count, const BlastKind& k, const BossState& s, int w, int h) {
    for (int i = 0; i < count; ++i) {
        DefeatBlast& d = blasts[i];
        const int f = static_cast<int>(d.frame > k.last ? k.last + 1 : d.frame);
        fwDraw::BltObject(At(d.x, 0), At(d.y, 0), k.image, k.cell * f, 0, k.cell * f + k.cell, k.cell);
        d.frame += 1;
        if (d.frame > k.last) d.frame = 0;
        d.x = s.X + static_cast<float>(rng::rand() % w - k.left);
        d.y = s.Y + static_cast<float>(rng::rand() % h);
    }
}

}  // namespace

void DefeatBoss(const BossBody& b) {
    BossState& s = *b.state;
    if (s.Health > 0) return;
    Burst(b.big, kBigBlasts, {ImgBbak1B, 160, 3, 100}, s, b.spreadW, b.bigH);
    Burst(b.small, kSmallBlasts, {ImgZbak1B, 60, 9, 40}, s, b.spreadW, b.smallH);
    fwSound::Play(SndBom, -1);
    s.DefeatTimer += 10 * FrameSeconds;
    if (s.DefeatTimer > 50 && s.DefeatTimer < 60) fwMidi::Stop();
    if (s.DefeatTimer > 70) {
        ResetGameStateA();
        ResetGameStateB();  // the boss is idle again with full health
        StageIntro = 1;
        ChangeScene(b.nextScene, 3, b.pitch);  // captures the frame into drawing object 1
    }
}

}  // namespace bosses
