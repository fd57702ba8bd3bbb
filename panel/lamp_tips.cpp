#include "lamp_tips.h"

#include <cstdio>

namespace qor {

const char* LampToolText(unsigned toolId) {
    for (const LampTool& tool : LAMP_TOOLS) {
        if (tool.toolId == toolId) return tool.text;
    }
    return nullptr;
}

bool LampToolTextCopy(unsigned toolId, char* buffer, std::size_t capacity) {
    const char* text = LampToolText(toolId);
    if (text == nullptr || buffer == nullptr || capacity == 0) return false;
    std::snprintf(buffer, capacity, "%s", text);
    return true;
}

}  // namespace qor
