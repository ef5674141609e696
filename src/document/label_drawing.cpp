#include "document/label_drawing.h"

#include "engine/barcode_drawing.h"

namespace kestrin::document {
namespace {

void drawTexts(Surface& surface, const Label& label, Fixed4 bx, Fixed4 by) {
    for (const auto& [j, item] : label.texts) {
        surface.setFont(item.font);
        surface.setColour(item.colour);
        surface.text({bx + item.left, by + item.top}, item.caption);
    }
}

void drawPictures(Surface& surface, const Label& label, Fixed4 bx, Fixed4 by) {
    for (const auto& [j, item] : label.pictures) {
        if (item.path.empty()) continue;  // an empty item, or its file was not there
        const auto x = static_cast<int>((bx + item.left).roundToWhole());
        const auto y = static_cast<int>((by + item.top).roundToWhole());
        surface.picture({x, y, item.width, item.height}, item.path);
    }
}

}  // namespace

void drawLabel(Surface& surface, const Label& label, LabelMedium medium, Fixed4 resolution, Fixed4 bx,
               Fixed4 by) {
    const Rect box{bx, by, label.width, label.height};
    surface.fillRect(box, label.background);
    if (label.frame == 1) {
        surface.setLineWidthDots(1);
        surface.setColour(kBlack);
        surface.outlineRect(box);
    }
    drawTexts(surface, label, bx, by);
    drawPictures(surface, label, bx, by);
    if (medium == LabelMedium::Screen) {
        engine::绘制条码(surface, label, resolution, bx, by);
    } else {
        engine::printBarcode(surface, label, resolution, bx, by);
    }
}

}  // namespace kestrin::document
