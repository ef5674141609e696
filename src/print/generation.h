#pragma once
// The add label window's generation of labels on the paper picture: one blank label, or copies
// of the paste memory stacked below the window's corner.

#include <string>
#include <string_view>
#include <vector>

#include "common/ui.h"
#include "document/label_page.h"
#include "print/paper.h"
#include "storage/settings_service.h"

namespace kestrin::print {

inline constexpr std::string_view kGenerationOverflowText = "产生数量 依照排列 超出宽度 无法在产生";
inline constexpr std::string_view kGenerationOverflowTitle = "超出提示";

// The add label window's buttons 0 (one blank label) and 1 (labels from the paste memory).
struct Generation {
    int button = 0;
    int left = 0;  // the add label window's corner on the paper picture
    int top = 0;
    int quantity = 1;  // 贴上数量
    PaperSize paper;
    storage::PrinterKind printerKind = storage::PrinterKind::Page;
};

// Creates the labels, each becoming the current label in turn, and returns their indices.
// Stops without a message when no label index is free.
std::vector<int> 增加条码(document::LabelPage& page, const Generation& request,
                          const document::PictureLookup& pictures, Ui& ui);
std::string generationHint(int button, std::string_view quantityText);

}  // namespace kestrin::print
