#include "cli/output.h"

#include "cli/failure.h"
#include "phonebook/fileaccess.h"

#include <cstdio>

namespace cli {

void PrintText(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void PrintJson(const nlohmann::json& document)
{
    // Sysfs texts of a port are not guaranteed to be UTF-8.
    PrintText(document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
}

void WriteOutputFile(const std::string& path, std::string_view bytes)
{
    if (!phonebook::WriteFileAtomically(path, bytes))
        throw BadInput(path + ": cannot be written");
}

void Tell(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
}

} // namespace cli
