// A main window that remembers what it shows and logs every call in order.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "panel_view.h"

namespace qor::test {

class FakePanelView : public PanelView {
public:
    struct Text {
        std::string text;
        TextStyle style = TextStyle::Default;
    };

    void SetStatusPartText(int part, const char* text, TextStyle style) override {
        parts.at(static_cast<std::size_t>(part)) = {text, style};
        Log("part" + std::to_string(part) + (style == TextStyle::Raised ? " raised " : " ") + text);
    }
    void SetStatusSimpleText(const char* text, TextStyle style) override {
        simpleText = {text, style};
        Log(std::string("simple text") + (style == TextStyle::Raised ? " raised " : " ") + text);
    }
    void SetStatusSimple(bool on) override {
        simple = on;
        Log(on ? "simple on" : "simple off");
    }
    void SetTrayTip(const char* text) override {
        tip = text;
        Log("tip " + tip);
    }
    bool TrayPictureLoaded(int index) const override {
        return loaded.at(static_cast<std::size_t>(index));
    }
    bool SetTrayPicture(int index) override {
        Log("picture " + std::to_string(index));
        if (refusePicture) return false;
        picture = index;
        return true;
    }
    void SetLampBitmap(int lampId, bool lit) override {
        lamps[lampId] = lit;
        Log("lamp " + std::to_string(lampId) + (lit ? " lit" : " unlit"));
    }
    void EnableControl(int controlId, bool enabled) override {
        controls[controlId] = enabled;
        Log("control " + std::to_string(controlId) + (enabled ? " on" : " off"));
    }

    // The log entries that start with prefix, in order.
    std::vector<std::string> Entries(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& entry : log)
            if (entry.rfind(prefix, 0) == 0) found.push_back(entry);
        return found;
    }

    std::array<Text, 2> parts;
    Text simpleText;
    bool simple = false;
    std::string tip;
    std::array<bool, 6> loaded{true, true, true, true, true, true};
    bool refusePicture = false;
    int picture = 0;  // the window adds the icon with picture 0
    std::map<int, bool> lamps;
    std::map<int, bool> controls;
    std::vector<std::string> log;

private:
    void Log(std::string entry) { log.push_back(std::move(entry)); }
};

}  // namespace qor::test
