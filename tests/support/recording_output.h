#pragma once
// A print destination that keeps what was printed on a recording surface for the test to read.

#include <string>

#include "common/recording_surface.h"
#include "platform/print_output.h"

namespace kestrin::test {

class RecordingOutput : public platform::PrintOutput {
public:
    explicit RecordingOutput(RecordingSurface& surface) : surface_(surface) {}
    PageSurface& surface() override { return surface_; }
    bool finish(std::string&) override { return surface_.endDocument(); }

private:
    RecordingSurface& surface_;
};

}  // namespace kestrin::test
