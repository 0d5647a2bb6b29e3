// Opening what the game reads: whatever stands under the name, at once.
#include "platform/file.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(RegularFile, AnythingButARegularFileIsRefusedWithWhatItIs) {
    testsupport::TempFolder folder;
    const std::string base = folder.path + "/";
    int sock = -1;
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* why;  // "" opens; "-" is no such file
    };
    const Case cases[] = {
        {"file", [](const std::string& p) { std::ofstream(p) << "data"; }, ""},
        {"link-to-file", [&](const std::string& p) { fs::create_symlink(base + "file", p); }, ""},
        {"missing", [](const std::string&) {}, "-"},
        {"pipe", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "a named pipe, not a file"},
        {"folder", [](const std::string& p) { fs::create_directory(p); }, "a folder, not a file"},
        {"dangling", [](const std::string& p) { fs::create_symlink(p + ".gone", p); }, "a symbolic link to nothing"},
        {"device", [](const std::string& p) { fs::create_symlink("/dev/null", p); }, "a character device, not a file"},
        {"socket",
         [&](const std::string& p) {
             sock = socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un at{};
             at.sun_family = AF_UNIX;
             std::snprintf(at.sun_path, sizeof at.sun_path, "%s", p.c_str());
             ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
         },
         "a socket, not a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = base + c.name;
        c.make(path);
        std::string why = "stale";
        FILE* f = plat::OpenRegularStream(path, &why);
        const std::string expected = std::string(c.why) == "-" ? "" : c.why;
        EXPECT_EQ(why, expected);
        EXPECT_EQ(f != nullptr, !*c.why);
        if (f) {
            char text[8] = {};
            EXPECT_EQ(std::fread(text, 1, sizeof text, f), 4u);  // reads block as usual
            std::fclose(f);
        }
        EXPECT_EQ(plat::RegularFileFault(path), std::string(c.why) == "-" ? "no such file" : expected);
    }
    if (sock >= 0) close(sock);
}

}  // namespace
