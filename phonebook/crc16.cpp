#include "phonebook/crc16.h"

namespace phonebook {

std::uint32_t Crc16Add(std::uint32_t r, std::uint8_t byte)
{
    r ^= static_cast<std::uint32_t>(byte) << 8;
    for (int bit = 0; bit < 8; ++bit)
        r = (r & 0x8000u) ? (r << 1) ^ 0x1021u : (r << 1);
    return r;
}

std::uint32_t Crc16Of(const std::uint8_t* bytes, std::size_t count)
{
    std::uint32_t r = 0xFFFF;
    for (std::size_t i = 0; i < count; ++i)
        r = Crc16Add(r, bytes[i]);
    return r;
}

std::uint32_t Crc16Of(std::string_view bytes)
{
    return Crc16Of(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace phonebook
