// The main window's controls and notification icon as the status monitor drives
// them. The Win32 main window implements it; tests record what it was told.
#pragma once

namespace qor {

// How a status-bar text is drawn: the default sunken border (style 0) or raised
// (SBT_POPOUT).
enum class TextStyle { Default, Raised };

class PanelView {
public:
    virtual ~PanelView() = default;

    // SB_SETTEXTA for part 0 or 1 of the two-part bar.
    virtual void SetStatusPartText(int part, const char* text, TextStyle style) = 0;
    // SB_SETTEXTA for the full-width text shown in simple mode (SB_SIMPLEID).
    virtual void SetStatusSimpleText(const char* text, TextStyle style) = 0;
    // SB_SIMPLE: on shows the simple text, off the two parts.
    virtual void SetStatusSimple(bool on) = 0;

    // Shell_NotifyIconA NIM_MODIFY with NIF_TIP; tip holds at most 63 characters.
    virtual void SetTrayTip(const char* tip) = 0;
    // Whether notification picture index (0 to 5) was loaded at window creation.
    virtual bool TrayPictureLoaded(int index) const = 0;
    // Shell_NotifyIconA NIM_MODIFY with NIF_ICON and the loaded picture at index
    // (0 to 5, loaded); false when the shell refused it.
    virtual bool SetTrayPicture(int index) = 0;

    // The lit or unlit lamp bitmap on lamp control lampId.
    virtual void SetLampBitmap(int lampId, bool lit) = 0;
    // EnableWindow on the main window's control id.
    virtual void EnableControl(int controlId, bool enabled) = 0;
};

}  // namespace qor
