#pragma once
// Phone book files for the tests, laid out byte by byte: each number at 15
// times its slot, zero padded, the relay time-out low byte first, the flag,
// then the check value.

#include "phonebook/crc16.h"

#include <cstdint>
#include <map>
#include <string>

inline std::string GoldenBook(const std::map<int, std::string>& slots, std::uint16_t timeout = 0, char flag = 0)
{
    std::string bytes(7503, '\0');
    for (const auto& [slot, number] : slots)
        bytes.replace(static_cast<std::size_t>(slot) * 15, number.size(), number);
    bytes[7500] = static_cast<char>(timeout & 0xFF);
    bytes[7501] = static_cast<char>(timeout >> 8);
    bytes[7502] = flag;
    const std::uint32_t check = phonebook::Crc16Of(bytes);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(check >> (8 * i));
    return bytes;
}
