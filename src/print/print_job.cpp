#include "print/print_job.h"

#include "engine/barcode_drawing.h"

namespace kestrin::print {

void 喷墨列印(Surface& page, page::Label& label, Fixed4 resolution, Fixed4 bx, Fixed4 by) {
    const Rect box{bx, by, label.width, label.height};
    page.fillRect(box, label.background);
    if (label.frame == 1) {
        page.setLineWidthDots(1);
        page.setColour(kBlack);
        page.outlineRect(box);
    }
    engine::printBarcode(page, label, resolution, bx, by);
}

}  // namespace kestrin::print
