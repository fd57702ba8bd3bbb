// Icons as numbered handles; chosen resources fail to load.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "icon_table.h"

namespace qor::test {

class FakeIcons : public Icons {
public:
    IconHandle IconLoad(int resourceId) override {
        loads.push_back(resourceId);
        if (failing.count(resourceId) != 0) return nullptr;
        ++live;
        IconHandle icon = reinterpret_cast<IconHandle>(static_cast<std::intptr_t>(++next));
        resourceOf[icon] = resourceId;
        return icon;
    }
    void IconDestroy(IconHandle icon) override {
        destroyed.push_back(icon);
        --live;
    }

    std::set<int> failing;
    std::vector<int> loads;
    std::vector<IconHandle> destroyed;
    std::map<IconHandle, int> resourceOf;
    int live = 0;  // loaded and not yet destroyed

private:
    std::intptr_t next = 0;
};

}  // namespace qor::test
