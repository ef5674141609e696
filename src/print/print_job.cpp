#include "print/print_job.h"

#include <algorithm>

#include "document/label_drawing.h"

namespace kestrin::print {

namespace {

// An empty or zero box still prints each label once.
int copiesToPrint(const PrintSettings& settings) { return std::clamp(settings.copies, 1, kMostCopies); }

}  // namespace

ArrangementValues arrangementValues(const std::optional<storage::PrintArrangementTexts>& texts) {
    if (!texts) return {};
    const auto value = [&texts](std::size_t i) { return storage::leadingWholeNumber((*texts)[i]); };
    return {value(0), value(1), value(2), value(3)};
}

void 喷墨列印(Surface& page, const document::Label& label, Fixed4 resolution, Fixed4 bx, Fixed4 by) {
    document::drawLabel(page, label, document::LabelMedium::Paper, resolution, bx, by);
}

void 喷墨列印(Surface& page, const document::Label& label, const PrintSettings& settings) {
    if (settings.printerKind == storage::PrinterKind::Label) {
        喷墨列印(page, label, settings.resolution, 0, 0);
    } else {
        喷墨列印(page, label, settings.resolution, label.left, label.top);
    }
}

SimpleSheet::SimpleSheet(int startLeft, int startTop, int width, int height, storage::PrinterKind printerKind)
    : startLeft_(startLeft), startTop_(startTop), width_(width), height_(height), printerKind_(printerKind),
      left_(startLeft), top_(startTop) {}

SimpleSheet::Slot SimpleSheet::next() {
    if (printerKind_ == storage::PrinterKind::Label) {
        const Slot slot{0, 0, !first_};
        first_ = false;
        return slot;
    }
    if (!first_) {
        // Place this copy after the one before it: to the right while the copy after this
        // would still fit, else at the start of the next row, or of the next page.
        if (left_ + width_ + kSimpleGap + width_ >= kSimpleSheetWidth) {
            left_ = startLeft_;
            top_ += height_ + kSimpleGap;
            if (top_ + height_ + kSimpleGap + height_ > kSimpleSheetHeight) {
                pageDue_ = true;
                left_ = startLeft_;
                top_ = startTop_;
            }
        } else {
            left_ += width_ + kSimpleGap;
        }
    }
    first_ = false;
    const Slot slot{left_, top_, pageDue_};
    pageDue_ = false;
    return slot;
}

bool simplePrint(PageSurface& page, const document::Label& label, int quantity, const ArrangementValues& start,
                 const PrintSettings& settings) {
    const int total = quantity < 1 ? 0 : quantity * copiesToPrint(settings);
    SimpleSheet sheet(unitsToTwips(start.startLeft), unitsToTwips(start.startTop), label.width, label.height,
                      settings.printerKind);
    for (int n = 0; n < total; ++n) {
        const SimpleSheet::Slot slot = sheet.next();
        if (slot.newPageBefore) page.newPage();
        喷墨列印(page, label, settings.resolution, slot.left, slot.top);
    }
    return page.endDocument();
}

bool professionalPrint(PageSurface& page, const document::LabelPage& labels, const PrintSettings& settings) {
    const int copies = copiesToPrint(settings);
    const std::vector<int> present = labels.pageLabels();
    bool pageUsed = false;
    const auto startPageIfUsed = [&] {
        if (pageUsed) page.newPage();
        pageUsed = true;
    };
    if (settings.printerKind == storage::PrinterKind::Label) {
        for (const int i : present) {
            for (int c = 0; c < copies; ++c) {
                startPageIfUsed();
                喷墨列印(page, labels.label(i), settings);
            }
        }
    } else {
        for (int c = 0; c < copies && !present.empty(); ++c) {
            startPageIfUsed();
            for (const int i : present) 喷墨列印(page, labels.label(i), settings);
        }
    }
    return page.endDocument();
}

}  // namespace kestrin::print
