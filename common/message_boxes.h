// Message boxes and questions, so that the logic that shows them runs natively.
#pragma once

namespace qor {

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Information, Question, Exclamation, Stop };
enum class BoxAnswer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box owned by the program's main window (or none) and waits for it.
    virtual BoxAnswer Show(const char* caption, const char* text, BoxButtons buttons,
                           BoxIcon icon, bool systemModal = false) = 0;
};

}  // namespace qor
