#pragma once
// A user-interface service that records what the core said, for tests to assert.

#include <string>
#include <vector>

#include "common/ui.h"

namespace kestrin::test {

struct RecordedMessage {
    MessageIcon icon;
    std::string title;
    std::string text;
};

class RecordingUi : public Ui {
public:
    void message(MessageIcon icon, std::string_view title, std::string_view text) override {
        messages.push_back({icon, std::string(title), std::string(text)});
    }
    void beep() override { ++beeps; }
    void endProgram() override { ++endRequests; }

    std::vector<RecordedMessage> messages;
    int beeps = 0;
    int endRequests = 0;
};

}  // namespace kestrin::test
