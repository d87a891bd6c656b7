#pragma once
// Where the commands' results go: standard output, or a file written whole
// through a temporary file so that a failure leaves no half file.

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace cli {

void PrintText(std::string_view text);
// One JSON document and a line end.
void PrintJson(const nlohmann::json& document);
// Failure (bad input) when the file cannot be written.
void WriteOutputFile(const std::string& path, std::string_view bytes);
// A line on standard error.
void Tell(const std::string& message);

} // namespace cli
