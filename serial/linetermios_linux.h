#pragma once
// The kernel's termios2 record for a set of line settings, one small helper
// per setting. Apart from the backend so that tests can check the record:
// some drivers (pseudo-terminals) do not keep every field they are given.
//
// Include only where <termios.h> is not: its struct termios clashes with
// the kernel's, which termios2 and BOTHER come with.
//
// Thread safety: pure functions.

#include "serial/comline.h"

#include <asm/termbits.h>

namespace serial {

// Raw mode: every byte passes unchanged, no echo, no signals, no line
// editing, no output processing; the modem status lines do not gate
// reception (CLOCAL).
void MakeRaw(termios2& t);

// Raw mode plus the settings, on top of the line's current record.
// PortError with ComError::SetStateFailed for a speed of 0.
void BuildLineTermios(termios2& t, const LineSettings& settings);

} // namespace serial
