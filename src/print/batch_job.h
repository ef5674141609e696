#pragma once
// What the batch printer prints, worked out from its options: plain values, no printing.

#include "page/label.h"
#include "print/batch_options.h"

namespace kestrin::print {

// The settings a batch job runs with: the command line's where given, else the data folder's.
struct BatchSettings {
    Fixed4 resolution;
    int printerKind = 0;
};

// A new label carrying the --data text, with the bar options given applied.
page::Label labelForData(const BatchOptions& options, const BatchSettings& settings);
// Where a single label stands on the page: the simple view's start for a page printer, the
// page's corner for a label printer.
int singleLabelOrigin(int printerKind);

}  // namespace kestrin::print
