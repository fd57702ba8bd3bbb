#include "registry_names.h"

namespace qor {

namespace {

unsigned char FoldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

bool RegNamesEqual(std::string_view a, std::string_view b) {
    return CompareRegNames(a, b) == 0;
}

int CompareRegNames(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const int difference = FoldCase(a[i]) - FoldCase(b[i]);
        if (difference != 0) return difference;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SplitRegPath(std::string_view path, std::vector<std::string>* names) {
    names->clear();
    if (!path.empty() && path.front() == '\\') return false;
    while (!path.empty()) {
        const std::size_t end = path.find('\\');
        const std::string_view name = path.substr(0, end);
        if (!name.empty()) names->emplace_back(name);
        if (end == std::string_view::npos) break;
        path.remove_prefix(end + 1);
    }
    return true;
}

}  // namespace qor
