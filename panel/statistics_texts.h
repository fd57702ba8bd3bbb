// The texts of the Statistics dialog's buffer rows and scheduler figures.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qor {

// Room for the longest row text, "65535 of 65535      6553500%", and its zero.
inline constexpr std::size_t STATISTICS_TEXT_SIZE = 40;

// level * 100 / size, truncated toward zero; 0 for size 0. A level above its size
// (a driver's slip) gives more than 100 rather than a number cut to 16 bits.
unsigned BufferPercent(std::uint16_t level, std::uint16_t size);
// "%4d of %4d      %d%%" with level, size and BufferPercent.
void BufferText(std::uint16_t level, std::uint16_t size, char* text, std::size_t capacity);
// "%d %s" with the value and its unit; an empty unit leaves one trailing blank.
void FigureText(std::uint16_t value, const char* unit, char* text, std::size_t capacity);

}  // namespace qor
