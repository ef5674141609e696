#pragma once
// A Ui that remembers everything the core asked of it, for tests to check the exact icon,
// title and text of each message, the beeps and the requests to end the program.

#include <string>
#include <string_view>
#include <vector>

#include "common/ui.h"

namespace kestrin::test {

struct RecordedMessage {
    MessageIcon icon;
    std::string title;
    std::string text;
    bool operator==(const RecordedMessage&) const = default;
};

class RecordingUi final : public Ui {
public:
    void message(MessageIcon icon, std::string_view title, std::string_view text) override {
        messages.push_back({icon, std::string(title), std::string(text)});
    }
    void beep() override { ++beeps; }
    void endProgram() override { ++endProgramCalls; }

    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const auto& m : messages) out.push_back(m.title);
        return out;
    }
    void clear() {
        messages.clear();
        beeps = 0;
        endProgramCalls = 0;
    }

    std::vector<RecordedMessage> messages;
    int beeps = 0;
    int endProgramCalls = 0;
};

}  // namespace kestrin::test
