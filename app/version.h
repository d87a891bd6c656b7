#pragma once
// The program's version, four parts (for example 1.0.0.1), compiled in from
// the project version; shown in the window title.

#include <string>

namespace app {

// The version text; empty for a build that has none.
std::string FileVersionText();

} // namespace app
