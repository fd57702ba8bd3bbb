// The front panel's settings over an in-memory registry that holds the front panel
// key, with a main window and a second window to place.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fake_window_ops.h"
#include "install_layout.h"
#include "memory_registry.h"
#include "panel_registry.h"
#include "panel_state.h"
#include "recording_boxes.h"
#include "registry_helpers.h"
#include "window_placement.h"

namespace qor::test {

class PanelFixture : public ::testing::Test {
protected:
    PanelFixture() {
        registry.CreateKey(FRONT_PANEL_KEY);
        mainWindow.rect = ScreenRect{100, 50, 420, 150};
        otherWindow.rect = ScreenRect{10, 20, 370, 320};
        state.mainWindow = windows.Add(mainWindow);
    }

    void Store(const char* name, const char* text) {
        ASSERT_EQ(WriteRegStr(registry, FRONT_PANEL_KEY, name, text), 1);
    }
    // The stored text, or "(absent)".
    std::string Stored(const char* name) {
        char text[256];
        return ReadRegStr(registry, FRONT_PANEL_KEY, name, text, sizeof text) == 1
                   ? std::string(text)
                   : std::string("(absent)");
    }

    MemoryRegistry registry;
    RecordingBoxes boxes;
    PanelRegistry panelRegistry{registry, boxes};
    FakeWindowOps windows;
    FakeWindow mainWindow;
    FakeWindow otherWindow;
    PanelState state;
    WindowPlacement placement{windows, panelRegistry, boxes, state};
};

}  // namespace qor::test
