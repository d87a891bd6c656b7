#pragma once
// Narrow texts (file names, settings values) are in the locale's multibyte
// encoding; messages shown to the operator are wide texts.

#include <string>

namespace dialogs {

// The wide text of a narrow text, converted with the locale's multibyte
// conversion (the program sets the locale from the environment at start).
// Empty for an empty text and whenever the conversion fails.
std::wstring ToWideText(const std::string& text);

} // namespace dialogs
