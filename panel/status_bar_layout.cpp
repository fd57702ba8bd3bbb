#include "status_bar_layout.h"

namespace qor {

std::array<int, 2> StatusBarEdges(int clientWidth) {
    // In long long so that no width can overflow the products.
    const long long width = clientWidth < 0 ? 0 : clientWidth;
    const auto first = static_cast<int>(width * 30 / 100);
    const auto second = static_cast<int>(first + width * 70 / 100);
    return {first, second};
}

}  // namespace qor
