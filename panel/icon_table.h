// A table of icons loaded from the program's resources, each failure reported in a
// box and the loading going on; the notification pictures and the About pictures are
// two such tables.
#pragma once

#include <array>
#include <cstddef>

#include "message_boxes.h"

namespace qor {

// An HICON, opaque to the logic; null is no icon.
using IconHandle = void*;

class Icons {
public:
    virtual ~Icons() = default;
    // The icon resource as a copy of the caller's own (not shared), so that
    // IconDestroy is right for it; null when it fails.
    virtual IconHandle IconLoad(int resourceId) = 0;
    virtual void IconDestroy(IconHandle icon) = 0;
};

struct IconSource {
    int resourceId;
    const char* loadErrorText;  // shown with the caption "Error" when loading fails
};

inline constexpr std::size_t ICON_TABLE_CAPACITY = 6;

class IconTable {
public:
    IconTable(Icons& icons, MessageBoxes& boxes) : icons_(icons), boxes_(boxes) {}
    IconTable(const IconTable&) = delete;
    IconTable& operator=(const IconTable&) = delete;
    ~IconTable() { Free(); }

    // Frees what the table held, then loads the sources in order (at most
    // ICON_TABLE_CAPACITY); each failure shows its box and leaves a null entry.
    void Load(const IconSource* sources, std::size_t count);
    // The icon at index, or null when it failed to load or lies outside the table.
    IconHandle At(std::size_t index) const;
    // Destroys every icon still held and empties the table; a second call does nothing.
    void Free();

private:
    Icons& icons_;
    MessageBoxes& boxes_;
    std::array<IconHandle, ICON_TABLE_CAPACITY> entries_{};
};

}  // namespace qor
