// The tool tips over the seven lamps: one tool per lamp, its rectangle taken from a
// hidden zone control, its text supplied when the tool-tip control asks for it.
#pragma once

#include <array>
#include <cstddef>

#include "panel_resources.h"

namespace qor {

struct LampTool {
    unsigned toolId;
    int zoneId;  // hidden frame whose rectangle, relative to IDC_TIP_ORIGIN, is the tool's
    const char* text;
};

inline constexpr std::array<LampTool, 7> LAMP_TOOLS{{
    {32768, IDC_ZONE_DTR, "Data Terminal Ready"},
    {32769, IDC_ZONE_RTS, "Request to Send"},
    {32770, IDC_ZONE_DSR, "Data Set Ready"},
    {32771, IDC_ZONE_CTS, "Clear to Send"},
    {32772, IDC_ZONE_CD, "Carrier Detect"},
    {32773, IDC_ZONE_RING, "Ring Indicate"},
    {32774, IDC_ZONE_OH, "Off Hook"},
}};

// The tool-tip text request (TTN_NEEDTEXTA, code -520).
inline constexpr int TOOL_TIP_TEXT_REQUEST = -520;

// The text of a lamp tool, or null for any other tool id.
const char* LampToolText(unsigned toolId);
// Copies the tool's text into buffer (TOOLTIPTEXTA's szText), cut to capacity - 1
// characters and terminated. Another tool id, a null buffer or capacity 0 copy nothing.
// True when a text was copied.
bool LampToolTextCopy(unsigned toolId, char* buffer, std::size_t capacity);

}  // namespace qor
