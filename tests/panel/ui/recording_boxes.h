// Message boxes that are only recorded, answered with OK.
#pragma once

#include <string>
#include <vector>

#include "message_boxes.h"

namespace qor::test {

struct ShownBox {
    std::string caption;
    std::string text;
    BoxIcon icon;
};

class RecordingBoxes : public MessageBoxes {
public:
    BoxAnswer Show(const char* caption, const char* text, BoxButtons, BoxIcon icon,
                   bool) override {
        shown.push_back({caption, text, icon});
        return BoxAnswer::Ok;
    }
    std::vector<ShownBox> shown;
};

}  // namespace qor::test
