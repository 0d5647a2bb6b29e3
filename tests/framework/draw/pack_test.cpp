#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "framework/draw/pack.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

// One entry of a pack, written by hand: size, name and 15-bit pixels.
void Entry(Bytes& b, int w, int h, const std::string& name, const std::function<uint16_t(int, int)>& px) {
    b.push_back(w & 0xFF);
    b.push_back(w >> 8);
    b.push_back(h & 0xFF);
    b.push_back(h >> 8);
    b.insert(b.end(), name.begin(), name.end());
    b.push_back(0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint16_t p = px(x, y);
            b.push_back(p & 0xFF);
            b.push_back(p >> 8);
        }
}

class PackTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        PackPath.clear();
    }
    void Write(const std::string& name, const Bytes& b) {
        std::ofstream(dir_ + name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
    }
    Bytes Read(const std::string& name) {
        std::ifstream in(dir_ + name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    std::string Errors(const std::function<void()>& f) {
        ::testing::internal::CaptureStderr();
        f();
        return ::testing::internal::GetCapturedStderr();
    }
    static int UsedRecords() {
        int n = 0;
        for (const auto& r : DrawObjects) n += r.name[0] != '\0';
        return n;
    }
    // Expects a refused load that leaves no record or surface behind.
    void ExpectRefused(const char* request, const char* message, const char* where = "fwDraw::LoadPack") {
        const int records = UsedRecords(), surfaces = plat::LiveSurfaceCount();
        int handle = -1;
        std::string err = Errors([&] { handle = fwDraw::LoadPack(request, 1); });
        EXPECT_EQ(handle, 0);
        EXPECT_NE(err.find(std::string(where) + " : " + message), std::string::npos) << err;
        EXPECT_EQ(UsedRecords(), records);
        EXPECT_EQ(plat::LiveSurfaceCount(), surfaces);
    }
};

// Colours whose 5-6-5 green keeps its lowest bit 0, so that the 15-bit pack
// holds them exactly.
uint32_t Colour(int i, int x, int y) {
    int r = (i * 70 + x * 24) & 0xF8, g = (0x30 + y * 40 + i * 16) & 0xF0, b = (x * y * 8 + 8) & 0xF8;
    return (static_cast<uint32_t>(r) << 16) | (g << 8) | b;
}

TEST_F(PackTest, FolderOfThreeBitmapsLoadsByNameIntoTheLooseFilesPixels) {
    ASSERT_EQ(mkdir((dir_ + "PICS").c_str(), 0755), 0);
    const int sizes[3][2] = {{5, 3}, {7, 4}, {2, 9}};
    const char* names[3] = {"ALPHA.BMP", "beta.bmp", "Gamma.Bmp"};
    for (int i = 0; i < 3; ++i)
        Bitmap(std::string("PICS/") + names[i], sizes[i][0], sizes[i][1], [i](int x, int y) { return Colour(i, x, y); });
    Bitmap("PICS/NOTES.TXT", 1, 1, [](int, int) { return 0u; });  // not a bitmap name: left out
    ASSERT_EQ(fwDraw::Convert("PICS.PAK", "PICS", 1), 1);
    size_t expectedSize = 0;
    for (int i = 0; i < 3; ++i) expectedSize += 4 + std::strlen(names[i]) + 1 + sizes[i][0] * sizes[i][1] * 2;
    EXPECT_EQ(Read("PICS.PAK").size(), expectedSize);
    EXPECT_EQ(UsedRecords(), 4);  // the converter released what it loaded

    fwDraw::SetPackFile("PICS.PAK");
    EXPECT_EQ(PackPath, dir_ + "PICS.PAK");
    const char* requests[3] = {"alpha.bmp", "BETA.BMP", "gamma.bmp"};
    const char* stored[3] = {"ALPHA.BMP", "BETA.BMP", "GAMMA.BMP"};
    for (int i = 0; i < 3; ++i) {
        int packed = fwDraw::LoadPack(requests[i], 1);
        ASSERT_GE(packed, 4) << requests[i];
        int loose = fwDraw::LoadObject((std::string("PICS/") + names[i]).c_str(), 1);
        ASSERT_GE(loose, 4);
        const DrawObject& rec = DrawObjects[packed];
        EXPECT_STREQ(rec.name, stored[i]);
        EXPECT_EQ(rec.fromPack, 1u);
        EXPECT_EQ(rec.placement, 2u);
        EXPECT_EQ(rec.colorKey, 0u);
        ASSERT_EQ(rec.width, sizes[i][0]);
        ASSERT_EQ(rec.height, sizes[i][1]);
        for (int y = 0; y < rec.height; ++y)
            for (int x = 0; x < rec.width; ++x)
                ASSERT_EQ(Px(rec.surface, x, y), Px(DrawObjects[loose].surface, x, y)) << i << ":" << x << "," << y;
    }
}

TEST_F(PackTest, EntryPixelsGoToTheTopOfEachChannelAndBlackIsTheKey) {
    Bytes b;
    Entry(b, 4, 1, "RGB.BMP", [](int x, int) {
        const uint16_t v[4] = {0x7C00, 0x03E0, 0x001F, 0x0000};
        return v[x];
    });
    Write("P.PAK", b);
    fwDraw::SetPackFile("P.PAK");
    int h = fwDraw::LoadPack("rgb.bmp", 1);
    ASSERT_GE(h, 4);
    plat::Surface* s = DrawObjects[h].surface;
    EXPECT_EQ(Px(s, 0, 0), 0xF800);
    EXPECT_EQ(Px(s, 1, 0), 0x07C0);  // green's lowest bit stays 0
    EXPECT_EQ(Px(s, 2, 0), 0x001F);
    EXPECT_EQ(Px(s, 3, 0), 0x0000);
    uint16_t lo = 1, hi = 1;
    ASSERT_EQ(plat::GetColorKey(s, lo, hi), plat::kOk);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 0);
}

TEST_F(PackTest, VeryDarkColoursAreNotStoredAsTheKeyBlack) {
    Bitmap("DARK.BMP", 3, 1, [](int x, int) {
        const uint32_t c[3] = {0x040404, 0x000000, 0x080000};
        return c[x];
    });
    fwDraw::ConvertOne("D.PAK", "DARK.BMP");
    Bytes b = Read("D.PAK");
    ASSERT_EQ(b.size(), 4u + 9u + 6u);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[2], 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[4])), "DARK.BMP");
    auto px = [&](int i) { return b[13 + 2 * i] | (b[14 + 2 * i] << 8); };
    EXPECT_EQ(px(0), 0x0001);      // (4, 4, 4): not black, so blue 1
    EXPECT_EQ(px(1), 0x0000);      // pure black stays 0
    EXPECT_EQ(px(2), 1 << 10);     // red 8 >> 3 = 1
}

TEST_F(PackTest, AppendingTwiceKeepsTheFirstEntryOfAName) {
    Bitmap("ONE.BMP", 2, 2, [](int, int) { return 0xF80000u; });
    ASSERT_EQ(fwDraw::Convert("A.PAK", "", 1), 1);  // the executable's folder
    ASSERT_EQ(fwDraw::Convert("A.PAK", "", 0), 1);
    EXPECT_EQ(Read("A.PAK").size(), 2 * (4 + 8 + 8u));
    ASSERT_EQ(fwDraw::Convert("A.PAK", "", 1), 1);  // fresh starts over
    EXPECT_EQ(Read("A.PAK").size(), 4 + 8 + 8u);

    Bytes b;
    Entry(b, 1, 1, "SAME.BMP", [](int, int) { return 0x7C00; });
    Entry(b, 1, 1, "SAME.BMP", [](int, int) { return 0x001F; });
    Write("S.PAK", b);
    fwDraw::SetPackFile("S.PAK");
    int h = fwDraw::LoadPack("same.bmp", 1);
    ASSERT_GE(h, 4);
    EXPECT_EQ(Px(DrawObjects[h].surface, 0, 0), 0xF800);
}

TEST_F(PackTest, MissingPackAndMissingEntry) {
    ExpectRefused("A.BMP", "パックファイル名が指定されていません");  // no path set
    fwDraw::SetPackFile("NONE.PAK");
    ExpectRefused("A.BMP", "パックファイル名が指定されていません");
    Bytes b;
    Entry(b, 1, 1, "A.BMP", [](int, int) { return 1; });
    Write("P.PAK", b);
    fwDraw::SetPackFile("P.PAK");
    ExpectRefused("B.BMP", "BMPファイルを読み込めません");
    int h = 0;
    std::string err = Errors([&] { h = fwDraw::SwapPack("B.BMP", 4, 1); });
    EXPECT_EQ(h, 0);
    EXPECT_NE(err.find("fwDraw::SwapPack : BMPファイルを読み込めません"), std::string::npos) << err;
}

TEST_F(PackTest, CorruptPacksAreRefusedWithoutOverrun) {
    Bytes good;
    Entry(good, 3, 2, "FIRST.BMP", [](int x, int y) { return 1 + x + y; });
    Entry(good, 4, 4, "WANTED.BMP", [](int x, int y) { return 0x7FFF - x - y; });
    fwDraw::SetPackFile("C.PAK");

    // Truncated in the middle of the wanted entry's pixels, in its name, in its size.
    for (size_t cut : {good.size() - 1, good.size() - 31, size_t{4 + 10 + 12 + 6}, size_t{4 + 10 + 12 + 2}}) {
        Write("C.PAK", Bytes(good.begin(), good.begin() + cut));
        ExpectRefused("wanted.bmp", "BMPファイルを読み込めません");
    }
    // A size that promises more pixels than the file holds.
    Bytes lying = good;
    lying[26] = 0xFF;  // the wanted entry's width: 255 x 4
    Write("C.PAK", lying);
    ExpectRefused("wanted.bmp", "BMPファイルを読み込めません");
    lying = good;
    lying[0] = lying[1] = lying[2] = lying[3] = 0xFF;  // the first entry: 65535 x 65535
    Write("C.PAK", lying);
    ExpectRefused("wanted.bmp", "BMPファイルを読み込めません");
    ExpectRefused("first.bmp", "BMPファイルを読み込めません");

    // An entry name longer than a name can be, and one that never ends.
    Bytes longName;
    Entry(longName, 1, 1, std::string(200, 'X'), [](int, int) { return 1; });
    Entry(longName, 1, 1, "AFTER.BMP", [](int, int) { return 1; });
    Write("C.PAK", longName);
    ExpectRefused("after.bmp", "BMPファイルを読み込めません");
    Bytes endless(5004, 'Y');
    endless[0] = endless[2] = 1;
    endless[1] = endless[3] = 0;
    Write("C.PAK", endless);
    ExpectRefused("a.bmp", "BMPファイルを読み込めません");
    // A name of 127 characters is still a name.
    Bytes longest;
    Entry(longest, 1, 1, std::string(127, 'Z'), [](int, int) { return 1; });
    Entry(longest, 1, 1, "AFTER.BMP", [](int, int) { return 0x001F; });
    Write("C.PAK", longest);
    int h = fwDraw::LoadPack("after.bmp", 1);
    ASSERT_GE(h, 4);
    EXPECT_EQ(Px(DrawObjects[h].surface, 0, 0), 0x001F);
    fwDraw::ReleaseObject(h);

    // An entry of no size cannot make a picture.
    Bytes empty;
    Entry(empty, 0, 5, "EMPTY.BMP", [](int, int) { return 1; });
    Write("C.PAK", empty);
    ExpectRefused("empty.bmp", "スプライトを作成できません", "fwDraw::CreateObject");
}

TEST_F(PackTest, RequestsTooLongForTheRecordAreRefusedBeforeAnythingIsStored) {
    Bytes b;
    Entry(b, 1, 1, std::string(40, 'N'), [](int, int) { return 1; });
    Write("P.PAK", b);
    fwDraw::SetPackFile("P.PAK");
    ExpectRefused(std::string(31, 'n').c_str(), "ファイル名またはリソース名が長すぎます");
    ExpectRefused(std::string(40, 'n').c_str(), "ファイル名またはリソース名が長すぎます");
    ExpectRefused(std::string(5000, 'n').c_str(), "ファイル名またはリソース名が長すぎます");
    std::string err = Errors([] { EXPECT_EQ(fwDraw::SwapPack(std::string(31, 'n').c_str(), 4, 1), 0); });
    EXPECT_NE(err.find("fwDraw::SwapPack : ファイル名またはリソース名が長すぎます"), std::string::npos);
    EXPECT_EQ(DrawObjects[4].name[0], '\0');
}

TEST_F(PackTest, FailedCreationsReleaseEveryRecordTheyMade) {
    Bytes b;
    Entry(b, 2, 2, "A.BMP", [](int, int) { return 0x7C00; });
    Write("P.PAK", b);
    fwDraw::SetPackFile("P.PAK");
    plat::FailSurfaceCreation(1);  // the target
    ExpectRefused("a.bmp", "スプライトを作成できません", "fwDraw::CreateObject");
    plat::FailSurfaceCreation(2);  // the temporary
    ExpectRefused("a.bmp", "スプライトを作成できません", "fwDraw::CreateObject");
    plat::FailSurfaceCreation(0);
    EXPECT_EQ(fwDraw::LoadPack("a.bmp", 1), 4);  // the lowest record is still free
}

TEST_F(PackTest, SwapPackReloadsInPlaceAndRestoreAllUsesIt) {
    Bytes b;
    Entry(b, 3, 3, "A.BMP", [](int x, int y) { return static_cast<uint16_t>(0x0421 * (x + 3 * y + 1)); });
    Entry(b, 2, 5, "B.BMP", [](int, int) { return 0x03E0; });
    Write("P.PAK", b);
    fwDraw::SetPackFile("P.PAK");
    int a = fwDraw::LoadPack("A.BMP", 1);
    int other = fwDraw::LoadPack("B.BMP", 1);
    ASSERT_EQ(a, 4);
    ASSERT_EQ(other, 5);
    EXPECT_EQ(fwDraw::SwapPack("b.bmp", a, 1), a);
    EXPECT_STREQ(DrawObjects[a].name, "B.BMP");
    EXPECT_EQ(DrawObjects[a].width, 2);
    EXPECT_EQ(DrawObjects[a].height, 5);
    EXPECT_EQ(Px(DrawObjects[a].surface, 1, 4), 0x07C0);
    EXPECT_EQ(fwDraw::SwapPack("a.bmp", a, 1), a);
    EXPECT_EQ(plat::LiveSurfaceCount(), 2 + 4 + 2);  // no temporary left behind

    plat::MarkAllSurfacesLost();
    fwDraw::RestoreAll();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Px(DrawObjects[a].surface, x, y),
                      static_cast<uint16_t>(((x + 3 * y + 1) << 11) | ((x + 3 * y + 1) << 6) | (x + 3 * y + 1)));
    EXPECT_EQ(DrawObjects[a].fromPack, 1u);
    EXPECT_EQ(Px(DrawObjects[other].surface, 0, 0), 0x07C0);
}

TEST_F(PackTest, MangledPacksNeverCrash) {
    Bytes good;
    for (int i = 0; i < 4; ++i)
        Entry(good, 3 + i, 2 + i, std::string(1, static_cast<char>('0' + i)) + ".BMP",
              [i](int x, int y) { return (x * 7 + y + i) & 0x7FFF; });
    fwDraw::SetPackFile("M.PAK");
    const int records = UsedRecords(), surfaces = plat::LiveSurfaceCount();
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 8) & 0xFFFF; };
    ::testing::internal::CaptureStderr();
    for (int round = 0; round < 300; ++round) {
        Bytes b = good;
        for (int k = 0; k < 1 + round % 4; ++k) b[next() % b.size()] = static_cast<uint8_t>(next());
        if (round % 3 == 0) b.resize(next() % b.size());
        Write("M.PAK", b);
        const char request[6] = {static_cast<char>('0' + round % 4), '.', 'b', 'm', 'p', '\0'};
        int h = fwDraw::LoadPack(request, 1);
        if (h) {
            EXPECT_LE(DrawObjects[h].width * DrawObjects[h].height * 2, static_cast<int>(b.size()));
            fwDraw::ReleaseObject(h);
        }
    }
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(UsedRecords(), records);
    EXPECT_EQ(plat::LiveSurfaceCount(), surfaces);
}

}  // namespace
