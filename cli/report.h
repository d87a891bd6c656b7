#pragma once
// What the commands print: plain text for people, one JSON document for
// scripts. Numbers are printed with any byte that is not printable ASCII
// as \xNN, so a damaged file's slot can neither garble a terminal nor make
// the JSON invalid.

#include "cli/bookdiff.h"
#include "cli/bookimage.h"
#include "serial/comportinfo.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace cli {

std::string Printable(const std::string& bytes);

std::string BookText(const BookSummary& book);
nlohmann::json BookJson(const BookSummary& book);

// nameA and nameB say where each side comes from ("device" or a path).
std::string DifferencesText(const BookDifferences& differences, const std::string& nameA, const std::string& nameB);
nlohmann::json DifferencesJson(const BookDifferences& differences, const std::string& nameA, const std::string& nameB);

std::string PortsText(const std::vector<serial::ComPortInfo>& ports);
nlohmann::json PortsJson(const std::vector<serial::ComPortInfo>& ports);

} // namespace cli
