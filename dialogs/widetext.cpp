#include "dialogs/widetext.h"

#include <cwchar>
#include <new>
#include <vector>

namespace dialogs {

std::wstring ToWideText(const std::string& text)
{
    if (text.empty())
        return {};
    try {
        // Never more wide characters than bytes; the scratch buffer is sized
        // with room to spare.
        std::vector<wchar_t> scratch(2 * text.size() + 2);
        std::mbstate_t state{};
        const char* next = text.data();
        std::size_t left = text.size();
        std::size_t count = 0;
        while (left > 0) {
            wchar_t character = 0;
            std::size_t used = std::mbrtowc(&character, next, left, &state);
            if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2))
                return {};
            if (used == 0) // a zero byte inside the text is kept, not an end
                used = 1;
            scratch[count++] = character;
            next += used;
            left -= used;
        }
        return std::wstring(scratch.data(), count);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace dialogs
