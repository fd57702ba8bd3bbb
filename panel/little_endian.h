// Little-endian loads and stores on raw byte buffers, so that the driver's records
// keep their exact layout whatever the compiler does with structures.
#pragma once

#include <cstdint>

namespace qor {

inline std::uint16_t LoadU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t LoadU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void StoreU16(unsigned char* p, std::uint16_t value) {
    p[0] = static_cast<unsigned char>(value & 0xFFu);
    p[1] = static_cast<unsigned char>(value >> 8);
}

inline void StoreU32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFFu);
}

}  // namespace qor
