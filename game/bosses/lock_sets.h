// The lock points of the bosses. Every boss has two sets, A and B, with the
// same points; the lock-on weapon marks them and the boss's Draw shows a
// marker on each locked point. A set holds one slot more than the boss has
// points, because the Draw looks at that many slots; the last one is never
// locked. Free points sit at (-500, 500).
#pragma once

#include "game/state/lock.h"

extern LockSlot Stage1BossLockSetA[4], Stage1BossLockSetB[4];
extern LockSlot AltStage2BossLockSetA[4], AltStage2BossLockSetB[4];
extern LockSlot Stage5BossLockSetA[6], Stage5BossLockSetB[6];
extern LockSlot Stage3BossLockSetA[4], Stage3BossLockSetB[4];
extern LockSlot Stage4BossLockSetA[6], Stage4BossLockSetB[6];
extern LockSlot AltStage4BossLockSetA[10], AltStage4BossLockSetB[10];
extern LockSlot Stage2BossLockSetA[6], Stage2BossLockSetB[6];
extern LockSlot AltStage5BossLockSetA[6], AltStage5BossLockSetB[6];
