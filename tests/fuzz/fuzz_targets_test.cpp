// The fuzz targets given one failing input more times over than the
// drawing-object table has records: every time, the input reaches its
// loader rather than stopping at a table the earlier inputs filled.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Count;

TEST(FuzzTargets, EveryRepeatOfAFailingInputReachesTheLoader) {
    constexpr size_t kRepeats = 600;
    const struct {
        const char* target;
        std::vector<uint8_t> input;
        const char* loaderError;  // the loader's own line about the input
    } cases[] = {
        {"bitmap_fuzz", {'B', 'M', 0, 0}, "fwDraw::LoadObject : BMPファイルを読み込めません : IMAGE.BMP\n"},
    };
    for (const auto& c : cases) {
        const testsupport::TempFolder folder;
        const auto r = testsupport::Run(std::string("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '") + VQ_REPLAY_DIR +
                                        "/" + c.target + "_replay' " + std::to_string(kRepeats) + " '" +
                                        folder.Write("input", c.input) + "' 2>&1");
        EXPECT_EQ(r.status, 0) << c.target;
        EXPECT_EQ(Count(r.out, c.loaderError), kRepeats) << c.target << ", its last line:\n"
                                                          << r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1);
    }
}

}  // namespace
