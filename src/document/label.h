#pragma once
// One label of the page: a rectangle with a barcode, its text items and its picture items.
// The barcode drawing, the print job and the layout records all read this one type.

#include <cstdint>
#include <map>
#include <string>

#include "common/surface.h"
#include "engine/barcode_drawing.h"

namespace kestrin::document {

constexpr int kLabelWidth = 3600;
constexpr int kLabelHeight = 900;
constexpr int kLabelPrinterLabelWidth = 2700;
// Items of a label are numbered 1..50; loops visit 0..50 and sub-index 0 is never used.
constexpr int kMaxItemIndex = 50;

// A caption placed inside a label.
struct TextItem {
    std::string caption = "标签";
    int left = 0;  // twips inside the label
    int top = 0;
    Rgb colour = kBlack;
    Font font;  // the size is kept as the records write it (9.75 stays 9.75)
    bool operator==(const TextItem&) const = default;
};

// A picture stretched into a rectangle inside a label. The file name is a bare name inside
// the picture folder; the path is where the picture was actually loaded from, "" when the item
// shows nothing (a new item, or a file that is missing or refused).
struct PictureItem {
    std::string fileName;
    std::string path;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PictureItem&) const = default;
};

// The barcode's own values (data, bars, readable characters, bar origin) come from the engine's
// Barcode, so that the engine draws a label's barcode without knowing labels.
struct Label : engine::Barcode {
    // Geometry in whole twips on the paper.
    int left = 0;
    int top = 0;
    int width = kLabelWidth;
    int height = kLabelHeight;

    Rgb background = kWhite;
    int frame = 0;     // 0 none, 1 a thin frame
    std::string kind;  // the stored design this label was last saved or recalled as
    std::string name;

    // The bar origin handle is shown only while the label has barcode data (never on the
    // preview label).
    bool handleShown = false;

    // Items by sub-index; presence in the map is the presence flag, and the map's order is
    // the order every loop over a label's items visits them.
    std::map<int, TextItem> texts;
    std::map<int, PictureItem> pictures;

    bool operator==(const Label&) const = default;
};

}  // namespace kestrin::document
