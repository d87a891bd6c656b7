#pragma once
// The device's memory: the configuration image as the tool writes it (the
// phone book file layout), and the dump the device reads back from it.
//
// Image, 7507 bytes: 500 slots of 15 bytes, relay time-out (2 bytes), flag
// (1 byte), check value (4 bytes, over the first 7503 bytes).
// Dump, 7505 bytes: the image's first 7503 bytes, then two bytes of the
// device's own: the low 16 bits of the check value over those 7503 bytes,
// low byte first. The tool does not interpret them; they let a reader see
// whether the dump arrived intact.

#include <cstddef>
#include <string>

namespace relaysim {

inline constexpr std::size_t kImageSize = 7507;
inline constexpr std::size_t kCheckedSize = 7503; // bytes covered by the check value
inline constexpr std::size_t kFrameSize = 16;
inline constexpr int kFramesPerImage = static_cast<int>((kImageSize + kFrameSize - 1) / kFrameSize);
inline constexpr std::size_t kDumpSize = kCheckedSize + 2;

// 7503 zero bytes and their check value: what an empty device holds.
std::string EmptyImage();
// Whether the image's stored check value matches its content.
bool CheckValueValid(const std::string& image);
// The dump of a kImageSize image.
std::string BuildDump(const std::string& image);

} // namespace relaysim
