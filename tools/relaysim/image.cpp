#include "tools/relaysim/image.h"

#include "phonebook/crc16.h"

#include <cstdint>
#include <string_view>

namespace relaysim {

namespace {

std::uint32_t CheckValueOf(const std::string& image)
{
    return phonebook::Crc16Of(std::string_view(image).substr(0, kCheckedSize));
}

std::uint8_t ByteOf(std::uint32_t value, int index)
{
    return static_cast<std::uint8_t>(value >> (8 * index));
}

} // namespace

std::string EmptyImage()
{
    std::string image(kCheckedSize, '\0');
    const std::uint32_t check = CheckValueOf(image);
    for (int i = 0; i < 4; ++i)
        image.push_back(static_cast<char>(ByteOf(check, i)));
    return image;
}

bool CheckValueValid(const std::string& image)
{
    if (image.size() < kImageSize)
        return false;
    const std::uint32_t check = CheckValueOf(image);
    for (int i = 0; i < 4; ++i) {
        if (static_cast<std::uint8_t>(image[kCheckedSize + i]) != ByteOf(check, i))
            return false;
    }
    return true;
}

std::string BuildDump(const std::string& image)
{
    std::string dump = image.substr(0, kCheckedSize);
    const std::uint32_t check = CheckValueOf(dump);
    dump.push_back(static_cast<char>(ByteOf(check, 0)));
    dump.push_back(static_cast<char>(ByteOf(check, 1)));
    return dump;
}

} // namespace relaysim
