// The Statistics dialog's controls as plain records. The slider limits its position
// to its range, as the real control does.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "statistics_view.h"

namespace qor::test {

class FakeStatisticsView : public StatisticsView {
public:
    void SetControlText(int controlId, const char* text) override {
        texts[controlId] = text;
        ++textsSet;
    }
    void EnableControl(int controlId, bool enabled) override { enabled_[controlId] = enabled; }
    void SetCaption(const char* text) override { caption = text; }
    void SetBar(int controlId, unsigned range, unsigned position) override {
        bars[controlId] = {range, position};
    }
    void SetSliderRange(int minimum, int maximum) override {
        sliderMin = minimum;
        sliderMax = maximum;
    }
    void SetSliderPosition(int position) override {
        sliderPosition = std::clamp(position, sliderMin, sliderMax);
    }
    int SliderPosition() override { return sliderPosition; }
    void Close() override { ++closes; }

    // Whether the control was last enabled; absent controls were never touched.
    std::map<int, bool> enabled_;
    std::map<int, std::string> texts;
    int textsSet = 0;
    std::string caption = "Qor Statistics";
    std::map<int, std::pair<unsigned, unsigned>> bars;  // range, position
    int sliderMin = 0;
    int sliderMax = 100;  // the control's default range
    int sliderPosition = 0;
    int closes = 0;
};

}  // namespace qor::test
