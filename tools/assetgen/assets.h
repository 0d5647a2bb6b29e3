// The picture makers and the table that drives them.
#pragma once
#include <string>
#include <vector>

#include "tools/assetgen/gfx.h"

namespace ag {

// What a table row hands its maker. The meaning of a, b, c, colours and f is
// the maker's own (see each maker's comment).
struct Args {
    int a = 0, b = 0, c = 0;
    uint32_t col1 = 0, col2 = 0;
    float f = 0;
    float scale = 1;
};
struct Job {
    std::string name;  // file name, also the seed of the picture's randomness
    int w = 0, h = 0;
    Args args;
};
using Maker = Canvas (*)(const Job&);

// Lays out n cells of cw x ch in rows of `perRow`, each drawn by make(k).
template <class F>
Canvas Cells(int w, int h, int n, int cw, int ch, int perRow, F make) {
    Canvas out(w, h);
    for (int k = 0; k < n; ++k) {
        Canvas cell = make(k);
        int x = (k % perRow) * cw, y = (k / perRow) * ch;
        for (int j = 0; j < ch; ++j)
            for (int i = 0; i < cw; ++i) out.set(x + i, y + j, cell.get(i, j));
    }
    return out;
}
inline Rgb RgbOf(uint32_t v) { return Hex(v); }

// effects.cpp: shots, bullets, explosions, flames, beams.
Canvas MakeOrb(const Job&);          // a: 0 soft glow, 1 solid pellet; col1 rim, col2 core; f radius (cell fraction)
Canvas MakeOrbStrip(const Job&);     // a: cells, b: style (0 pulse, 1 spin star, 2 ring, 3 twin spark); col1, col2
Canvas MakeDart(const Job&);         // a: facing (0 up, 1 left, 2 right); b: style; col1, col2
Canvas MakeChain(const Job&);        // a: facing (1 left, 2 right); b: 0 link, 1 head, 2 body bead; col1, col2
Canvas MakeSpiralShot(const Job&);   // a: facing (1 left, 2 right); col1, col2
Canvas MakeSlantShots(const Job&);   // a: cells; b: style (0 teardrop soft, 1 solid); f: max slant degrees; col1, col2
Canvas MakeBolt(const Job&);         // player shot: f tilt degrees; col1, col2; a: 0 bolt, 1 wide wave
Canvas MakeMuzzle(const Job&);       // col1, col2; a: 0 narrow, 1 wide
Canvas MakeStreak(const Job&);       // thin falling streak; a: cells; b: 0 vertical, 1 diagonals; col1, col2
Canvas MakeDrop(const Job&);         // large energy shot: f direction degrees from straight down (+ right); col1, col2
Canvas MakeBeam(const Job&);         // 4 cells of a downward beam; col1, col2
Canvas MakePowerUp(const Job&);
Canvas MakeFireball(const Job&);     // a: cells; b: 0 keyed blast, 1 additive fireball, 2 smoke billow, 3 dark smoke
Canvas MakeSparks(const Job&);       // a: cells; col1
Canvas MakeDebris(const Job&);       // 16 cells of 60x60 in 2 rows
Canvas MakeShard(const Job&);
Canvas MakeFlame(const Job&);        // 20 cells of 20x70; col1 edge, col2 core
Canvas MakeReticle(const Job&);

// craft.cpp: player, enemies, missiles, bosses and their entry pictures.
Canvas MakePlayerShip(const Job&);   // a: ship type 1 or 2
Canvas PlayerShipArt(int type, float scale, float roll);  // one large pose for the menus
Canvas MakeEnemy(const Job&);        // a: design; b: facing angle (degrees); f: roll
Canvas MakeTurningEnemy(const Job&); // a: design; b: start angle; c: end angle (5 cells)
Canvas MakeSpinner(const Job&);      // a: design
Canvas MakeMissile(const Job&);
Canvas MakeBoss(const Job&);         // a: design
Canvas MakeMothership(const Job&);   // a: design

// scenery.cpp: background tiles, screens, digits and panels.
Canvas MakeTile(const Job&);         // a: look
Canvas MakeTitle(const Job&);
Canvas MakeLevelSelect(const Job&);
Canvas MakeShipSelect(const Job&);
Canvas MakeContinue(const Job&);
Canvas MakeBanner(const Job&);
Canvas MakeEnding(const Job&);       // a: scene 1..3
Canvas MakeBigDigits(const Job&);
Canvas MakePanelSheet(const Job&);
Canvas MakeSidePanel(const Job&);
Canvas MakeMessagePlate(const Job&);

// sound.cpp and music.cpp.
std::vector<uint8_t> MakeShotWave();
std::vector<uint8_t> MakeBoomWave();
std::vector<uint8_t> MakeMusic(const std::string& name);

}  // namespace ag
