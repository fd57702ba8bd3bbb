#include "icon_table.h"

#include <algorithm>

namespace qor {

void IconTable::Load(const IconSource* sources, std::size_t count) {
    Free();
    const std::size_t loaded = std::min(count, entries_.size());
    for (std::size_t i = 0; i < loaded; ++i) {
        entries_[i] = icons_.IconLoad(sources[i].resourceId);
        if (entries_[i] == nullptr) {
            boxes_.Show("Error", sources[i].loadErrorText, BoxButtons::Ok, BoxIcon::Information);
        }
    }
}

IconHandle IconTable::At(std::size_t index) const {
    return index < entries_.size() ? entries_[index] : nullptr;
}

void IconTable::Free() {
    for (IconHandle& icon : entries_) {
        if (icon != nullptr) icons_.IconDestroy(icon);
        icon = nullptr;
    }
}

}  // namespace qor
