#include "tests/support/run.h"

#include <sys/wait.h>

#include <array>
#include <cstdlib>
#include <cstdio>
#include <sstream>

namespace testsupport {

RunResult Run(const std::string& commandLine) {
    RunResult r;
    FILE* p = popen(commandLine.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

RunResult Playtest(const std::string& args, const char* program) {
    return Run(std::string("'") + program + "' --data '" + VQ_DATA_DIR + "' " + args);
}

std::string Value(const std::string& out, long frame, const std::string& name) {
    std::istringstream in(out);
    std::string line;
    std::string prefix = std::to_string(frame) + " ";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0) continue;
        std::istringstream words(line.substr(prefix.size()));
        std::string w;
        while (words >> w) {
            auto eq = w.find('=');
            if (eq != std::string::npos && w.substr(0, eq) == name) return w.substr(eq + 1);
        }
    }
    return "";
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
    if (had_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace testsupport
