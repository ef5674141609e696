#include "page/barcode_input.h"

#include <cmath>

#include "common/utf8.h"

namespace kestrin::page {

bool takeBarcodeInput(document::Label& label, std::string_view text) {
    label.data = utf8::asciiUpper(text);
    label.handleShown = !label.data.empty();
    return label.handleShown;
}

std::string_view dataBoxHint(bool recordsFileExists) {
    return recordsFileExists ? "说明：【Ａ 输入条码数字】【Ｂ 点击二下选择 条码记录】" : "说明：【输入条码数字】";
}

std::string_view variantCaption(int variant) {
    static constexpr std::array<std::string_view, 4> kCaptions = {"正规", "减距", "减粗", "双减"};
    return variant >= 0 && variant < 4 ? kCaptions[static_cast<std::size_t>(variant)] : "";
}

bool isTicked(const document::Label& label, PanelCheck box) {
    switch (box) {
        case PanelCheck::识别字符: return label.readable == 1;
        case PanelCheck::字集中: return label.centred == 1;
        case PanelCheck::符号粗: return label.font.bold;
        case PanelCheck::外框勾选: return label.frame == 1;
    }
    return false;
}

void setTicked(document::Label& label, PanelCheck box, bool ticked) {
    const std::uint8_t flag = ticked ? 1 : 0;
    switch (box) {
        case PanelCheck::识别字符: label.readable = flag; break;
        case PanelCheck::字集中: label.centred = flag; break;
        case PanelCheck::符号粗: label.font.bold = ticked; break;
        case PanelCheck::外框勾选: label.frame = flag; break;
    }
}

bool redrawsBarcode(PanelCheck box) { return box != PanelCheck::外框勾选; }

std::string_view checkHint(PanelCheck box, bool ticked, storage::PrinterKind printerKind) {
    switch (box) {
        case PanelCheck::识别字符: return ticked ? "隐藏 条码识别字符" : "使用 条码识别字符";
        case PanelCheck::字集中: return ticked ? "集中排列 条码识别字符" : "平均排列 条码识别字符";
        case PanelCheck::符号粗: return ticked ? "正常 识别字符" : "加粗 识别字符";
        case PanelCheck::外框勾选:
            if (ticked) return "关闭 条码外框";
            return printerKind == storage::PrinterKind::Label ? "使用 条码外框" : "使用 条码外框、注意!使用外框有些印表机会降低清晰度";
    }
    return "";
}

int shownReadableSize(const document::Label& label) {
    // Halves go to the even size, as every rounding of ours does.
    return static_cast<int>(std::nearbyint(label.font.sizePoints));
}

void setReadableSize(document::Label& label, int points) { label.font.sizePoints = points; }

}  // namespace kestrin::page
