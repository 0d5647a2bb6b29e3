// The ship's two normal weapons and the burst: the shot pools, the fire
// operations, the frame-counted emitters and the drawing of all three pools.
#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/named.h"
#include "game/player/player.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"

PlayerShot PlayerShotsA[kShotSlots];
PlayerShot PlayerShotsB[kShotSlots];
BurstShot BurstShots[kBurstSlots];
int32_t ShotFrameA;
int32_t ShotFrameB;
int32_t MuzzleFlashA;
int32_t MuzzleFlashB;

namespace {

constexpr int kShotRise = 10;      // pixels per frame
constexpr int kMuzzleAbove = 38;   // a shot starts this far above the ship's top
constexpr int kVolleyEvery = 4;    // emitter calls per volley
constexpr int kVolleyCycle = 100;  // the emitter's counter wraps here
constexpr int kBurstEvery = 3;
constexpr int kBurstFrames = 147;  // 49 volleys

// What tells the two normal weapons apart.
struct Weapon {
    PlayerShot* shots;
    int32_t* frame;
    int32_t* flash;
    int32_t sideOffset;  // left shot at -offset, right at +offset
    int32_t sideDx;      // sideways step per frame of the side shots
};
const Weapon kWeaponA{PlayerShotsA, &ShotFrameA, &MuzzleFlashA, 15, 2};
const Weapon kWeaponB{PlayerShotsB, &ShotFrameB, &MuzzleFlashB, 30, 3};

bool FreeSlot(const PlayerShot* shots, int32_t i) { return i >= 0 && i < kShotSlots && shots[i].active == 0; }

void Arm(PlayerShot& s, int32_t x, int32_t y, int32_t dx) {
    s.active = 1;
    s.x = x;
    s.y = y;
    s.dy = kShotRise;
    s.dx = dx;
}

void Fire(const Weapon& w, int32_t centre, int32_t left, int32_t right) {
    int32_t x = ScreenInt(PlayerX);
    int32_t y = ScreenInt(PlayerY) - kMuzzleAbove;
    if (FreeSlot(w.shots, centre)) {
        *w.flash = 1;
        Arm(w.shots[centre], x, y, w.shots[centre].dx);
        fwSound::Play(SndShot, -1);
    }
    if (PowerUp != 1) return;
    if (FreeSlot(w.shots, left)) Arm(w.shots[left], x - w.sideOffset, y, w.sideDx);
    if (FreeSlot(w.shots, right)) Arm(w.shots[right], x + w.sideOffset, y, w.sideDx);
}

void Emit(const Weapon& w) {
    int32_t& frame = *w.frame;
    frame += 1;
    if (frame % kVolleyEvery == 0 && frame >= kVolleyEvery && frame <= kVolleyCycle) {
        int k = frame / kVolleyEvery;
        Fire(w, k, kShotStream + k, 2 * kShotStream + k);
    }
    if (frame >= kVolleyCycle) frame = 0;
}

// The pictures of one picture set: per weapon, per stream.
struct Sprite {
    const int32_t* image;
    int w, h;
    int dx, dy;  // drawn at (x + dx, y + dy)
};
struct PictureSet {
    Sprite burstHigh, burstLow;  // slots 100-199, 0-99
    Sprite streamA[3];           // centre, left, right
    Sprite streamB[3];
    const int32_t* flashA;
    const int32_t* flashB;
    const int32_t* overlayB;  // over flash B while powered up
};
// clang-format off
const PictureSet kSet1{
    {&ImgRay2, 20, 20, 0, 0}, {&ImgRay1, 30, 30, -5, -5},
    {{&ImgSflh1, 60, 60, 0, 0}, {&ImgSflh2, 60, 60, 0, 0}, {&ImgSflh3, 60, 60, 0, 0}},
    {{&ImgFlw1_3, 120, 60, -30, 0}, {&ImgFlw2_1, 60, 60, 0, 0}, {&ImgFlw3_2, 60, 60, 0, 0}},
    &ImgFlhst, &ImgFlhst2, &ImgFlhst22};
const PictureSet kSet3{
    {&ImgRay22, 20, 20, 0, 0}, {&ImgRay11, 30, 30, -5, -5},
    {{&ImgSflh11, 60, 60, 0, 0}, {&ImgSflh22, 60, 60, 0, 0}, {&ImgSflh33, 60, 60, 0, 0}},
    {{&ImgFlw11, 120, 60, -30, 0}, {&ImgFlw22, 60, 60, 0, 0}, {&ImgFlw33, 60, 60, 0, 0}},
    &ImgFlhst3, &ImgFlhst3, &ImgFlhst33};
// clang-format on

void Draw(const Sprite& s, int32_t x, int32_t y) { fwDraw::BltAdditive(x + s.dx, y + s.dy, *s.image, 0, 0, s.w, s.h); }

void DrawShot(const PlayerShot* shots, const Sprite (&streams)[3], int i) {
    if (shots[i].active) Draw(streams[i / kShotStream], shots[i].x, shots[i].y);
}

// The muzzle flash over the ship (70 x 36), and B's power-up overlay.
void DrawFlash(const int32_t* image) {
    fwDraw::BltAdditive(ScreenInt(PlayerX) - 5, ScreenInt(PlayerY) - 15, *image, 0, 0, 70, 36);
}

void DrawBurst(const PictureSet& set) {
    // The small shots of slots 100-199 first, then the large ones.
    for (int i = 2 * kBurstStream; i < kBurstSlots + 2 * kBurstStream; ++i) {
        const BurstShot& s = BurstShots[i % kBurstSlots];
        if (!s.active) continue;
        const Sprite& sprite = i < kBurstSlots ? set.burstHigh : set.burstLow;
        Draw(sprite, s.x, s.y);
    }
}

void ParkShots(PlayerShot* shots) {
    for (int i = 0; i < kShotSlots; ++i) shots[i] = PlayerShot{-500, 500, 0, 0, 0};
}

named::Registrar reg([] {
    std::vector<named::Field> shot{NAMED_FIELD(PlayerShot, x), NAMED_FIELD(PlayerShot, y),
                                   NAMED_FIELD(PlayerShot, dx), NAMED_FIELD(PlayerShot, dy),
                                   NAMED_FIELD(PlayerShot, active)};
    NAMED_POOL(PlayerShotsA, shot);
    NAMED_POOL(PlayerShotsB, shot);
    NAMED_POOL(BurstShots, {NAMED_FIELD(BurstShot, x), NAMED_FIELD(BurstShot, y), NAMED_FIELD(BurstShot, dy),
                            NAMED_FIELD(BurstShot, phase), NAMED_FIELD(BurstShot, active)});
    NAMED_SCALAR(ShotFrameA);
    NAMED_SCALAR(ShotFrameB);
    NAMED_SCALAR(MuzzleFlashA);
    NAMED_SCALAR(MuzzleFlashB);
});

resets::Step resetSingles(resets::PhaseA, resets::RankPlayerFlags, [] {
    ShotFrameA = ShotFrameB = 0;
    MuzzleFlashA = MuzzleFlashB = 0;
});
resets::Step resetA(resets::PhaseA, resets::RankPlayerShotsA, [] { ParkShots(PlayerShotsA); });
resets::Step resetB(resets::PhaseA, resets::RankPlayerShotsB, [] { ParkShots(PlayerShotsB); });
resets::Step resetBurst(resets::PhaseA, resets::RankBurstShots, [] {
    for (auto& s : BurstShots) s = BurstShot{-500, 500, 0, 0, 0, 0};
});

}  // namespace

void FirePlayerShotsA(int32_t centre, int32_t left, int32_t right) { Fire(kWeaponA, centre, left, right); }
void FirePlayerShotsB(int32_t centre, int32_t left, int32_t right) { Fire(kWeaponB, centre, left, right); }

void FireBurstShots(int32_t a, int32_t b, int32_t c, int32_t d) {
    const int32_t slots[4] = {a, b, c, d};
    int32_t x = ScreenInt(PlayerX);
    int32_t y = ScreenInt(PlayerY) + 10;
    for (int n = 0; n < 4; ++n) {
        int32_t i = slots[n];
        if (i < 0 || i >= kBurstSlots || BurstShots[i].active) continue;
        BurstShot& s = BurstShots[i];
        s.active = 1;
        s.y = y;
        s.dy = 20;
        s.x = x + (n % 2 == 0 ? 12 : 28);
    }
}

void EmitPlayerShotsA() { Emit(kWeaponA); }
void EmitPlayerShotsB() { Emit(kWeaponB); }

void EmitBurstShots() {
    BurstFrame += 1;
    if (BurstFrame % kBurstEvery == 0 && BurstFrame >= kBurstEvery && BurstFrame <= kBurstFrames) {
        int k = BurstFrame / kBurstEvery;
        FireBurstShots(k, kBurstStream + k, 2 * kBurstStream + k, 3 * kBurstStream + k);
    }
    if (BurstFrame >= kBurstFrames) {
        BurstFrame = 0;
        BurstActive = 0;
        EndBombAndRearm();
    }
}

void DrawPlayerShots() {
    if (ShipType != 1) return;
    const PictureSet* set = GameLevel == 1 || GameLevel == 2 ? &kSet1 : GameLevel == 3 ? &kSet3 : nullptr;
    if (!set) return;
    DrawBurst(*set);

    // Weapon A: its flash under every shot.
    if (MuzzleFlashA) DrawFlash(set->flashA);
    MuzzleFlashA = 0;
    for (int i = 0; i < kShotSlots; ++i) DrawShot(PlayerShotsA, set->streamA, i);

    // Weapon B: its flash over slot 0 and under the rest.
    DrawShot(PlayerShotsB, set->streamB, 0);
    if (MuzzleFlashB) {
        DrawFlash(set->flashB);
        if (PowerUp == 1)
            fwDraw::BltAdditive(ScreenInt(PlayerX) - 32, ScreenInt(PlayerY) - 40,
                                *set->overlayB, 0, 0, 124, 70);
    }
    MuzzleFlashB = 0;
    for (int i = 1; i < kShotSlots; ++i) DrawShot(PlayerShotsB, set->streamB, i);
}
