// The sequencer's string commands for the alias the framework opens.
#pragma once
#include <string>

namespace plat {
// Sends one command; the reply (if any) goes to *reply. Returns 0 on success.
int MciSendString(const std::string& command, std::string* reply);
}
