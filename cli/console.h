#pragma once
// What the command line knows of the console it runs in
// (console_posix.cpp, console_win32.cpp).
//
// Thread safety: any thread.

namespace cli {

// True when the error stream goes to a terminal (a person watches it),
// false when it goes to a file or a pipe.
bool StderrIsTerminal();

} // namespace cli
