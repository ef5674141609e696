#pragma once
// The core's only way to speak to the user. The Qt layer shows these as message boxes and
// beeps; tests record them. One function per kind of effect, not one per caller.

#include <string>
#include <string_view>

namespace kestrin {

enum class MessageIcon { Information, Warning, Critical, Question };

class Ui {
public:
    virtual ~Ui() = default;
    virtual void message(MessageIcon icon, std::string_view title, std::string_view text) = 0;
    virtual void beep() = 0;
    // Asks the program to end once the current event is done (after a repair, say).
    virtual void endProgram() = 0;
};

}  // namespace kestrin
