// Process-level services: where the executable lives, the single-instance
// lock, message boxes and file search.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// The executable's folder with a trailing '/'. SetExecutableDirectory
// replaces it (the play driver's data folder); an empty text restores it.
const std::string& ExecutableDirectory();
void SetExecutableDirectory(const std::string& dir);

// The single-instance lock: a lock file named after the given text, held
// until ReleaseInstanceLock or the process ends, in the first of its places
// that can hold it. Returns false when another process holds it there.
// A place is used only when its folder is a real folder of this user's that
// nobody else may write, and its lock file (never reached through a link) a
// regular file of this user's with one name: what another user plants can
// cost the lock, never stop a start or have a file made elsewhere. A place
// passed over for what was planted there gets a line on stderr; when no
// place can hold the lock, one line says so and the result is true. The
// lines begin with `game`, the game's name. SetInstanceLockEnabled(false)
// makes every acquire succeed without touching any file (tests and the
// play driver run side by side).
bool AcquireInstanceLock(const std::string& name, const std::string& game);
void ReleaseInstanceLock();
void SetInstanceLockEnabled(bool enabled);
// Where the lock may lie, in order: the runtime folder (XDG_RUNTIME_DIR),
// then a folder of the user's own (made 0700) in the temporary folder
// (TMPDIR, else /tmp), named after the lock and the user id.
std::vector<std::string> InstanceLockPlaces(const std::string& name);
// The file of the lock held, "" when none is.
const std::string& HeldInstanceLockPath();

// Message boxes. Every box is also written to stderr as "caption: text", or
// as "caption: line" when a line is given (the file concerned and what is
// wrong with it, say, which the box itself does not show), after the
// game's LinePrefix() as every line it writes. A box is shown
// only when there is a display; without one it never blocks and answers
// with the default button. Its text is drawn in the IPA Gothic font, so
// that Japanese reads on any desktop.
enum class BoxKind { Ok, YesNo };
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
int MessageBox(const std::string& text, const std::string& caption, BoxKind kind, const std::string& line = "");
void SetMessageBoxesShown(bool shown);  // tests switch the windows off
// The last box asked for, "caption: text", whether shown or not.
const std::string& LastMessageBox();

// Files in a folder whose names end with the given suffix (case-insensitive),
// sorted by name.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& suffix);

// Settings folder of the user (the stand-in for the system folder).
std::string SettingsDirectory();

}  // namespace plat
