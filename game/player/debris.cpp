// The death explosion, five rings of debris thrown from the downed ship that
// end the death and take its lives, and the star field behind every stage.
#include <cmath>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/player/player.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/resets.h"

DebrisPiece PlayerDebris[kDebrisPieces];
StarStreak StarField[kStars];

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kDeathCalls = 50;     // the death ends on this call
constexpr int kLifeLimit = 250;
constexpr int kRingLaunch[5] = {1, 10, 20, 30, 40};
constexpr int kLivesRing = 4;       // each piece of this ring costs a life
constexpr float kDebrisSpeed = 280;

void Launch(DebrisPiece& p, int index) {
    p.active = 1;
    p.x = p.startX = PlayerX;
    p.y = p.startY = PlayerY;
    p.speed = kDebrisSpeed;
    p.aimDx = 20 - p.x;
    p.aimDy = 20 - p.y;
    // Each ring's pieces 22.5 degrees apart, turned toward the point (20, 20).
    float angle = (p.aimDx == 0 ? kPi / 2 : std::atan(p.aimDy / p.aimDx)) + static_cast<float>(index) * 2 * kPi / 16;
    if (p.aimDx < 0 || (p.aimDx == 0 && p.aimDy <= 0)) angle += kPi;
    p.angle = angle;
}

void Park(DebrisPiece& p) {
    p.active = 0;
    p.x = -500;
    p.y = 2550;
}

void ResetStars() {
    for (auto& s : StarField) {
        s.kind = rng::rand() % 7;
        s.x = static_cast<float>(rng::rand() % 1240 - 400);
        s.y = static_cast<float>(rng::rand() % 480);
        s.speed = static_cast<float>(rng::rand() % 100 + 100);
        s.sideSpeed = 0;
    }
}

named::Registrar reg([] {
    NAMED_POOL(PlayerDebris, {NAMED_FIELD(DebrisPiece, x), NAMED_FIELD(DebrisPiece, y),
                              NAMED_FIELD(DebrisPiece, angle), NAMED_FIELD(DebrisPiece, speed),
                              NAMED_FIELD(DebrisPiece, active), NAMED_FIELD(DebrisPiece, column),
                              NAMED_FIELD(DebrisPiece, row), NAMED_FIELD(DebrisPiece, frameCount),
                              NAMED_FIELD(DebrisPiece, life), NAMED_FIELD(DebrisPiece, respawnCount)});
    NAMED_POOL(StarField, {NAMED_FIELD(StarStreak, kind), NAMED_FIELD(StarStreak, x), NAMED_FIELD(StarStreak, y),
                           NAMED_FIELD(StarStreak, sideSpeed), NAMED_FIELD(StarStreak, speed)},
               nullptr);
});

resets::Step resetDebris(resets::PhaseA, resets::RankDebris, ParkPlayerDebris);
resets::Step resetStars(resets::PhaseA, resets::RankStars, ResetStars);

}  // namespace

void ParkPlayerDebris() {
    for (auto& p : PlayerDebris) {
        p = DebrisPiece{};
        p.x = -500;
        p.y = 2550;
        p.angle = kIdleAngle;
    }
}

void UpdatePlayerExplosion(int32_t) {
    for (auto& p : PlayerDebris) {
        p.life += 1;
        if (p.life >= kDeathCalls && p.life <= kLifeLimit && p.respawnCount >= 0 && p.respawnCount <= kLifeLimit) {
            p.respawnCount += 1;
            PlayerAlive = 1;
            Respawning = 1;
        }
    }
    for (int ring = 0; ring < 5; ++ring) {
        for (int i = ring * kDebrisRing; i < (ring + 1) * kDebrisRing; ++i) {
            DebrisPiece& p = PlayerDebris[i];
            if (p.life != kRingLaunch[ring] || p.active) continue;
            Launch(p, i);
            if (ring == kLivesRing) Lives -= 1;
        }
    }
}

void DrawPlayerExplosion(int32_t) {
    for (auto& p : PlayerDebris) {
        fwDraw::BltAdditive(ScreenInt(p.x), ScreenInt(p.y), ImgGfbak1, p.column * 60, p.row * 60,
                            p.column * 60 + 60, p.row * 60 + 60);
        // Cells (0,0) .. (7,0), then (1,1) .. (7,1), then from the start.
        p.frameCount += 1;
        if (p.frameCount <= 7) {
            p.column += 1;
            p.row = 0;
        } else if (p.frameCount <= 14) {
            if (p.frameCount == 8) p.column = 0;
            p.column += 1;
            p.row = 1;
        } else {
            p.column = p.row = p.frameCount = 0;
        }
    }
}

void MovePlayerExplosion(int32_t) {
    for (auto& p : PlayerDebris) {
        if (!p.active) continue;
        p.y += std::sin(p.angle) * p.speed * FrameSeconds;
        p.x += std::cos(p.angle) * p.speed * FrameSeconds;
        if (p.x > 800 || p.x < -60 || p.y > 600 || p.y < -60) Park(p);
    }
}

void DrawStarField(int32_t range, int32_t minimum) {
    for (auto& s : StarField) {
        int column = s.kind * 3 + 139;
        fwDraw::BltObject(ScreenInt(s.x), ScreenInt(s.y), ImgMymy, column, 70, column + 3, 80);
        s.y += s.speed * FrameSeconds;
        s.x += s.sideSpeed * FrameSeconds;
        s.sideSpeed = 0;
        if (s.y > 600) {
            s.kind = rng::rand() % 7;
            s.x = static_cast<float>(rng::rand() % 640);
            s.y = static_cast<float>(-(rng::rand() % 50));
            int spread = rng::rand();
            s.speed = static_cast<float>(int64_t{range != 0 ? spread % range : 0} + minimum);
        }
    }
}
