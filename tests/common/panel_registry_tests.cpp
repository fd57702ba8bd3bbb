#include "panel_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install_layout.h"
#include "memory_registry.h"
#include "registry_helpers.h"

namespace qor {
namespace {

struct ShownBox {
    std::string caption;
    std::string text;
    BoxButtons buttons;
    BoxIcon icon;
};

class RecordedBoxes : public MessageBoxes {
public:
    BoxAnswer Show(const char* caption, const char* text, BoxButtons buttons, BoxIcon icon,
                   bool) override {
        shown.push_back({caption, text, buttons, icon});
        return BoxAnswer::Ok;
    }
    std::vector<ShownBox> shown;
};

// A registry whose stores fail once a key is open, as a full or damaged one would.
class RefusingRegistry : public MemoryRegistry {
public:
    RegResult SetValue(Key key, const char* name, RegType type, const unsigned char* data,
                       std::uint32_t size) override {
        if (refuse) return REG_RESULT_ACCESS_DENIED;
        return MemoryRegistry::SetValue(key, name, type, data, size);
    }
    bool refuse = false;
};

class PanelRegistryTest : public ::testing::Test {
protected:
    void WithFrontPanelKey() { ASSERT_TRUE(registry.CreateKey(FRONT_PANEL_KEY)); }

    RefusingRegistry registry;
    RecordedBoxes boxes;
    PanelRegistry panel{registry, boxes};
};

const char* const ERROR_TEXT =
    "RegSetValueEx failed.\n\nPlease check your Qor installation.\n\n"
    "This message is sent if your install INF file didn't create the proper registry settings.";

TEST_F(PanelRegistryTest, StoresInTheFrontPanelKey) {
    WithFrontPanelKey();
    EXPECT_EQ(panel.WriteRegStr("PanelX", "120"), 1);
    EXPECT_EQ(panel.ReadRegNum("PanelX", -1), 120);
    EXPECT_EQ(panel.ReadRegNum("PanelY", -1), -1);
    char text[8];
    EXPECT_EQ(ReadRegStr(registry, FRONT_PANEL_KEY, "PanelX", text, sizeof text), 1);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(PanelRegistryTest, AMissingKeyFailsSilently) {
    EXPECT_EQ(panel.WriteRegStr("PanelX", "1"), 0);
    EXPECT_EQ(panel.WriteRegStr("PanelX", "1"), 0);
    EXPECT_EQ(panel.ReadRegNum("PanelX", 5), 5);
    EXPECT_TRUE(boxes.shown.empty());
    Registry::Key key = nullptr;
    EXPECT_EQ(registry.OpenKey(FRONT_PANEL_KEY, RegAccess::Read, &key), REG_RESULT_NOT_FOUND);
}

TEST_F(PanelRegistryTest, AFailedStoreIsReportedOncePerRun) {
    EXPECT_EQ(panel.WriteRegStr("PanelX", "1"), 0);  // missing key: silent, flag untouched
    WithFrontPanelKey();
    registry.refuse = true;
    EXPECT_EQ(panel.WriteRegStr("PanelX", "1"), 0);
    EXPECT_EQ(panel.WriteRegStr("PanelY", "2"), 0);
    panel.ReportRegistryError("Other", "Other failure.");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "QorPanel: WriteRegStr");
    EXPECT_EQ(boxes.shown[0].text, ERROR_TEXT);
    EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Information);
    registry.refuse = false;
    EXPECT_EQ(panel.WriteRegStr("PanelX", "1"), 1);
}

TEST_F(PanelRegistryTest, AMessageWithFormatCharactersIsShownAsItStands) {
    panel.ReportRegistryError("Caption", "100% %s %n failed.");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text.rfind("100% %s %n failed.\n\nPlease check", 0), 0u);
}

}  // namespace
}  // namespace qor
