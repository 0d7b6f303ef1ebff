// Text form of binary records stored as profile values: uppercase hexadecimal of the bytes
// followed by one checksum byte, the sum of the bytes modulo 256.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string ini_encode_struct(const void* data, int size);

// Fills data only when the text holds exactly size bytes plus a matching checksum.
bool ini_decode_struct(std::string_view text, void* data, int size);

} // namespace platform
