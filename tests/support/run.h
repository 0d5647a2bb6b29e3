// Helpers for tests that run the game's programs.
#pragma once
#include <cstddef>
#include <string>

namespace testsupport {

struct RunResult {
    int status = -1;
    std::string out;
};

// Runs a shell command line and captures its standard output.
RunResult Run(const std::string& commandLine);

// Runs the play driver with the given arguments (data folder: the build's).
RunResult Playtest(const std::string& args, const char* program = VQ_PLAYTEST);

// How many times `what` stands in `text`.
size_t Count(const std::string& text, const std::string& what);

// The value of NAME on the line printed for frame F, or "" when absent.
std::string Value(const std::string& out, long frame, const std::string& name);

// Sets an environment variable for the life of the object (unsets it for a
// null value), then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_, old_;
    bool had_;
};

}  // namespace testsupport
