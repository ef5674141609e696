#pragma once
// What the barcode input panel does to the label it edits, apart from the widgets: the data
// box's text becoming the barcode data, the check boxes and their hover hints, the character
// sizes on offer.

#include <array>
#include <cstddef>
#include <string_view>

#include "document/label.h"
#include "storage/settings_service.h"

namespace kestrin::page {

// The data box takes no more than this; the drawing's 40-character cut never comes into play.
constexpr std::size_t kBarcodeInputMaxCharacters = 20;
constexpr std::array<int, 10> kReadableSizes = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18};
constexpr std::string_view kReadableSizePlaceholder = "识符字大小";
constexpr std::string_view kHandleHint = "按下滑鼠右键，移动调整 条码位置";

// The data box's text, in capitals, becomes the label's barcode data. Returns whether the
// label now has data: then its bar origin handle shows and it is drawn; else both are cleared.
bool takeBarcodeInput(document::Label& label, std::string_view text);

// The hint shown while the pointer is over the data box.
std::string_view dataBoxHint(bool recordsFileExists);

// The captions of the four ratio variants, 0 to 3.
std::string_view variantCaption(int variant);

enum class PanelCheck { 识别字符, 字集中, 符号粗, 外框勾选 };
constexpr std::array<PanelCheck, 4> kPanelChecks = {PanelCheck::识别字符, PanelCheck::字集中,
                                                   PanelCheck::符号粗, PanelCheck::外框勾选};

bool isTicked(const document::Label& label, PanelCheck box);
void setTicked(document::Label& label, PanelCheck box, bool ticked);
// The frame is the label picture's border: ticking it repaints but does not redraw the bars.
bool redrawsBarcode(PanelCheck box);
// The hint names what a click would do, so it depends on the state; the frame's warning about
// blurred print only concerns page printers (printer kind 0).
std::string_view checkHint(PanelCheck box, bool ticked, storage::PrinterKind printerKind);

// The size the size list shows for the label's readable characters: a whole number of points.
int shownReadableSize(const document::Label& label);
void setReadableSize(document::Label& label, int points);

}  // namespace kestrin::page
