#include "print/batch_job.h"

#include "print/print_job.h"

namespace kestrin::print {

page::Label labelForData(const BatchOptions& options, const BatchSettings& settings) {
    page::Label label;
    if (settings.printerKind == 1) label.width = page::kLabelPrinterLabelWidth;
    label.data = options.data;
    options.overrides.applyTo(label);
    return label;
}

int singleLabelOrigin(int printerKind) { return printerKind == 0 ? kSimpleStartUnits * kArrangementUnit : 0; }

}  // namespace kestrin::print
