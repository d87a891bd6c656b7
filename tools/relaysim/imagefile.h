#pragma once
// The file that keeps a virtual device's memory across runs.
//
// Not synchronised: the caller serialises saves to one path.

#include <string>

namespace relaysim {

// The image kept in the file; an empty device's image when the file does
// not exist. Throws std::runtime_error when the file cannot be read or is
// not exactly one image long (a device never keeps a partial image).
std::string LoadImageFile(const std::string& path);

// Replaces the file's content with the image at once: the image goes to a
// temporary file beside it, which is then renamed over it, so a crash or a
// full disk never leaves a half-written image behind. Throws
// std::runtime_error on failure, leaving the old file in place.
void SaveImageFile(const std::string& path, const std::string& image);

} // namespace relaysim
