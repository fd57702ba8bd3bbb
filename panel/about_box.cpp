#include "about_box.h"

#include "window_center.h"

namespace qor {

void AboutBox::AboutInit(WindowHandle dialog, WindowHandle owner, AboutView& view) {
    view_ = &view;
    WindowCenter(windows_, dialog, owner);
    pictures_.Load(ABOUT_PICTURES.data(), ABOUT_PICTURES.size());
    for (const AboutText& text : ABOUT_TEXTS) view.SetControlText(text.controlId, text.text);
    // Without the timer the template's picture stays; the box works otherwise.
    timerRunning_ = view.TimerStart(ABOUT_TIMER_ID, ABOUT_TIMER_PERIOD);
}

void AboutBox::AboutTimerTick(unsigned timerId) {
    if (timerId != ABOUT_TIMER_ID || view_ == nullptr) return;
    animationIndex_ = (animationIndex_ + 1) % static_cast<unsigned>(ABOUT_PICTURES.size());
    const IconHandle picture = pictures_.At(animationIndex_);
    if (picture != nullptr) view_->DrawPicture(picture);
}

void AboutBox::AboutClose() {
    if (view_ == nullptr) return;
    if (timerRunning_) view_->TimerStop(ABOUT_TIMER_ID);
    timerRunning_ = false;
    AboutIconsFree();
    AboutView* view = view_;
    view_ = nullptr;
    view->End();
}

}  // namespace qor
