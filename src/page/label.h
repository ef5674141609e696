#pragma once
// One label of the page: a rectangle with a barcode. Text and picture items are added by the
// page model; this holds what the barcode drawing and the print job read.

#include <cstdint>
#include <string>

#include "common/surface.h"

namespace kestrin::page {

constexpr int kLabelWidth = 3600;
constexpr int kLabelHeight = 900;
constexpr int kLabelPrinterLabelWidth = 2700;

struct Label {
    // Geometry in whole twips on the paper.
    int left = 0;
    int top = 0;
    int width = kLabelWidth;
    int height = kLabelHeight;

    std::string data;  // upper-case barcode data, "" for none
    Rgb background = kWhite;
    int frame = 0;     // 0 none, 1 a thin frame
    Font font;         // the readable characters' font
    std::string kind;  // the stored design this label was last saved or recalled as
    std::string name;

    std::uint8_t moduleWidth = 2;  // printer dots per module, 1..6; 0 is read as 2
    std::uint8_t variant = 0;      // ratio variant 0..3
    std::uint8_t readable = 1;     // 1: print the readable characters
    std::uint8_t centred = 0;      // 1: readable characters as one centred block

    // The bar origin handle: the top-left corner of the bars inside the label, and the bar
    // height.
    int handleLeft = 120;
    int handleTop = 120;
    int barHeight = 480;
};

}  // namespace kestrin::page
