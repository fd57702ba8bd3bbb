// Where the two parts of the main window's status bar end.
#pragma once

#include <array>

namespace qor {

// Right edges for SB_SETPARTS, in client pixels: part 0 ends at 30 % of the client
// width, part 1 at that edge plus 70 % (each an integer division by 100, so the two
// may end a pixel short of the width). A negative width counts as 0.
std::array<int, 2> StatusBarEdges(int clientWidth);

}  // namespace qor
