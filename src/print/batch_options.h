#pragma once
// The command line of the batch printer, read into plain values. Every problem is one line of
// text naming it; nothing is printed or written when there is one.

#include <optional>
#include <string>
#include <vector>

#include "common/fixed4.h"
#include "page/label.h"

namespace kestrin::print {

struct BatchOptions {
    page::Label label;  // the label to print, its barcode data taken as the input box takes it
    Fixed4 resolution;
    int printerKind = 0;  // 0 page printer, 1 label printer
    std::string pdfPath;  // neither path: the system's default printer
    std::string pngPath;
    int dpi = 0;
};

struct BatchParse {
    std::optional<BatchOptions> options;
    std::string error;  // set when options is empty
};

BatchParse parseBatchOptions(const std::vector<std::string>& args);
extern const char* const kBatchUsage;

}  // namespace kestrin::print
