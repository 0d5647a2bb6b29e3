// Opening what the game reads: whatever stands under the name, at once.
#include "platform/file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// The holder of a lease keeps it a tenth of a second after an open asks
// for it, as a file server takes a while to answer: an open that does not
// wait for it is refused.
int gLeaseFd = -1;
void GiveUpLease(int) { fcntl(gLeaseFd, F_SETLEASE, F_UNLCK); }
void GiveUpLeaseSoon(int) {
    const itimerval soon{{0, 0}, {0, 100000}};
    setitimer(ITIMER_REAL, &soon, nullptr);
}

TEST(RegularFile, AnythingButARegularFileIsRefusedWithWhatItIs) {
    testsupport::TempFolder folder;
    const std::string base = folder.path + "/";
    int sock = -1;
    struct sigaction asked {}, giveUp {}, beforeIo {}, beforeAlarm {};
    asked.sa_handler = GiveUpLeaseSoon;
    giveUp.sa_handler = GiveUpLease;
    giveUp.sa_flags = SA_RESTART;  // the waiting open goes on
    sigaction(SIGIO, &asked, &beforeIo);
    sigaction(SIGALRM, &giveUp, &beforeAlarm);
    std::string noLease;
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
        {"loop", [](const std::string& p) { fs::create_symlink(p, p); }, "a symbolic link that loops"},
        // Under a file server's lease an open that does not wait is refused.
        {"leased",
         [&](const std::string& p) {
             std::ofstream(p) << "data";
             gLeaseFd = open(p.c_str(), O_RDONLY | O_CLOEXEC);
             if (fcntl(gLeaseFd, F_SETLEASE, F_WRLCK) != 0) noLease = std::strerror(errno);
         },
         ""},
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
        if (!noLease.empty()) {
            std::printf("row %s skipped: no lease can be taken here (%s)\n", c.name, noLease.c_str());
            noLease.clear();
            continue;
        }
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
    const itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    if (gLeaseFd >= 0) close(gLeaseFd);
    sigaction(SIGIO, &beforeIo, nullptr);
    sigaction(SIGALRM, &beforeAlarm, nullptr);
}

}  // namespace
