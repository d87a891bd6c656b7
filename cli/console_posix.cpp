#include "cli/console.h"

#include <unistd.h>

namespace cli {

bool StderrIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

} // namespace cli
