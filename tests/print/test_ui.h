#pragma once
// A Ui that remembers what the core said, for checking exact texts and titles.

#include <string>
#include <vector>

#include "common/ui.h"

namespace kestrin::print::testing {

struct Said {
    MessageIcon icon;
    std::string title;
    std::string text;
};

class RecordingUi : public Ui {
public:
    void message(MessageIcon icon, std::string_view title, std::string_view text) override {
        said.push_back({icon, std::string(title), std::string(text)});
    }
    void beep() override {}
    void endProgram() override {}
    std::vector<Said> said;
};

}  // namespace kestrin::print::testing
