#include "game/bullets/aim.h"
#include "tests/support/named_probe.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::kPi;

TEST(Aim, HeadingPointsAtTheAimPointInEveryQuadrant) {
    struct Case {
        float dx, dy;
        double turn;
        double heading;
    };
    const Case cases[] = {
        {0, 100, 0, kPi / 2},                  // straight below
        {0, -100, 0, 3 * kPi / 2},             // straight above
        {0, 0, 0, 3 * kPi / 2},                // on the point: up
        {100, 0, 0, 0},                        // level, right
        {-100, 0, 0, kPi},                     // level, left
        {100, 100, 0, kPi / 4},
        {-100, 100, 0, 3 * kPi / 4},
        {-100, -100, 0, 5 * kPi / 4},
        {100, -100, 0, -kPi / 4},
        {0, 100, kPi / 10, kPi / 2 + kPi / 10},      // a turn is added before the half turn
        {-100, 0, -kPi / 10, kPi - kPi / 10},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(bullets::aimed::Heading(c.dx, c.dy, c.turn), c.heading, 1e-6) << c.dx << "," << c.dy;
    }
}

TEST(Aim, RotationIsTwoSeventyLessTheWholeDegrees) {
    EXPECT_EQ(bullets::aimed::AimRotation(static_cast<float>(kPi / 2)), 180);
    EXPECT_EQ(bullets::aimed::AimRotation(static_cast<float>(3 * kPi / 2)), 0);
    EXPECT_EQ(bullets::aimed::AimRotation(bullets::kResetAngle), 273);  // the reset heading
    EXPECT_EQ(bullets::aimed::WholeDegrees(static_cast<float>(-45.5 * kPi / 180)), -45);
}

// The turning kinds' pictures: the enemies' spirals and the chains truncate
// after subtracting, the boss spirals keep the whole degrees first; with the
// single-precision headings the two differ by one.
TEST(Aim, MirroredRotationsTruncateInTheirOwnOrder) {
    using bullets::aimed::Rotation;
    struct Case {
        int k;  // heading k x 10 degrees, negative for the odd groups
        Rotation rotation;
        int32_t passed;
        int32_t kept;  // drawAngle afterwards (0: not written)
    };
    const Case cases[] = {
        {-1, Rotation::Against, 9, 0},    {35, Rotation::Along, 9, 0},       {1, Rotation::Along, 350, 0},
        {-1, Rotation::AgainstKept, 9, -9}, {35, Rotation::AlongKept, 10, 350}, {1, Rotation::AlongKept, 351, 9},
        {9, Rotation::AimStored, 180, 90},
    };
    for (const Case& c : cases) {
        AngledShot r{};
        r.angle = static_cast<float>(bullets::aimed::Step(36) * c.k);
        EXPECT_EQ(bullets::aimed::RotationOf(r, c.rotation), c.passed) << c.k;
        EXPECT_EQ(static_cast<int32_t>(r.drawAngle), c.kept) << c.k;
    }
}

// Every group of the aimed and turning kinds, with its record count.
TEST(Aim, EveryGroupHasItsRecords) {
    struct Group {
        const char* name;
        int count;
    };
    const Group groups[] = {
        {"Szak1AAimedShot1", 4},        {"Szak6CAimedShot1", 3},        {"Szak13BAimedShot1", 3},
        {"Szak33BAimedShot1", 5},       {"Szak6DAimedLine1", 15},       {"Szak6DAimedLine2", 4},
        {"Szak6EAimedLine3", 5},        {"Szak41AAimedLine2", 5},       {"Stage1BossAimedLine10", 5},
        {"Stage3BossAimedLine28", 5},   {"Stage3BossAimedLine29", 8},   {"Stage3BossAimedLine30", 8},
        {"Stage2BossAimedLine12", 5},   {"Szak6EAimedSpread1", 25},     {"Szak52AAimedSpread2", 15},
        {"Szak52CAimedSpread1", 25},    {"Stage1BossAimedSpread4", 35}, {"Stage3BossAimedSpread21", 75},
        {"Stage3BossAimedSpread23", 15}, {"Stage4BossAimedSpread4", 25}, {"Stage2BossAimedSpread7", 55},
        {"Szak52CAimedRing1", 120},     {"AltStage2BossAimedRing2", 72}, {"Stage5BossAimedRing2", 300},
        {"Stage5BossAimedRing4", 300},  {"Stage3BossAimedRing2", 72},   {"AltStage4BossAimedRing1", 300},
        {"Stage2BossAimedRing2", 72},   {"Szak53BSpiral2", 36},         {"Stage1BossSpiral6", 36},
        {"Stage5BossSpiral8", 36},      {"Stage5BossSpiral10", 108},    {"Stage1BossTripleSpiral6", 108},
        {"Stage1BossQuadAimed1", 20},   {"Szak10Chain2", 21},           {"Szak50CChain1", 7},
        {"Stage3BossChain4", 7},        {"Stage4BossChain2", 7},
    };
    for (const Group& g : groups) {
        const std::string pool = std::string(g.name) + "Shots";
        EXPECT_TRUE(testsupport::Known(pool + "[" + std::to_string(g.count - 1) + "].active")) << pool;
        EXPECT_FALSE(testsupport::Known(pool + "[" + std::to_string(g.count) + "].active")) << pool;
    }
}

}  // namespace
