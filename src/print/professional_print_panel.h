#pragma once
// The professional view's print button action 确定列印_V: every existing label 1..250 in index
// order onto the default printer, or into a PDF the user is told about when there is none.
// The destination is a parameter so that tests print onto a recording surface.

#include <functional>
#include <string_view>

#include "common/ui.h"
#include "document/label_page.h"
#include "platform/print_destination.h"
#include "print/print_job.h"

namespace kestrin::print {

inline constexpr std::string_view kProfessionalPrintHint = "确定列印条码";

using DestinationOpener = std::function<platform::PrintDestination(Fixed4 resolution)>;

// Prints the page and tells the user of a fallback PDF or a failure. Closing the open floating
// panels first is the window's part. Returns whether the job was written.
bool 确定列印_V(const document::LabelPage& page, const PrintSettings& settings, Ui& ui,
               const DestinationOpener& open = platform::openPrintDestination);

}  // namespace kestrin::print
