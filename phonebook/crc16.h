#pragma once
// The check value stored at the end of a phone book file.
//
// A CRC-16/CCITT-FALSE (polynomial 0x1021, start 0xFFFF) computed in a
// 32-bit register without masking: the low 16 bits are the CRC, the upper
// 16 bits keep what the shifts carried out of bit 15. Files and the device
// carry all 32 bits, so they must be reproduced exactly.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace phonebook {

std::uint32_t Crc16Add(std::uint32_t r, std::uint8_t byte);
std::uint32_t Crc16Of(const std::uint8_t* bytes, std::size_t count);
std::uint32_t Crc16Of(std::string_view bytes);

} // namespace phonebook
