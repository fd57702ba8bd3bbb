#include "statistics_texts.h"

#include <cstdio>

namespace qor {

unsigned BufferPercent(std::uint16_t level, std::uint16_t size) {
    if (size == 0) return 0;
    // Exact in integers: a floating quotient times 100 can land just below a whole
    // percentage (29 of 100 would read 28).
    return static_cast<unsigned>(static_cast<std::uint32_t>(level) * 100u / size);
}

void BufferText(std::uint16_t level, std::uint16_t size, char* text, std::size_t capacity) {
    std::snprintf(text, capacity, "%4u of %4u      %u%%", static_cast<unsigned>(level),
                  static_cast<unsigned>(size), BufferPercent(level, size));
}

void FigureText(std::uint16_t value, const char* unit, char* text, std::size_t capacity) {
    std::snprintf(text, capacity, "%u %s", static_cast<unsigned>(value), unit);
}

}  // namespace qor
