#include "print/generation.h"

namespace kestrin::print {
namespace {

constexpr int kGenerationGap = 60;

}  // namespace

std::vector<int> 增加条码(document::LabelPage& page, const Generation& request,
                          const document::PictureLookup& pictures, Ui& ui) {
    std::vector<int> made;
    int count = 1;
    int rowOffset = 0;
    int columnOffset = 0;
    for (;;) {
        const auto index = page.createLabel(request.printerKind);
        if (!index) break;
        made.push_back(*index);
        document::Label& label = page.label(*index);
        label.left = request.left + columnOffset;
        label.top = request.top + rowOffset;
        page.selection.currentLabel = *index;
        page.删除所有标签(*index);
        if (request.button != 1 || page.pasteMemory().empty()) break;
        page.贴上条码格式(*index, pictures);
        if (request.quantity <= count) break;
        ++count;
        rowOffset += label.height + kGenerationGap;
        if (label.top + 2 * label.height > request.paper.height) {
            rowOffset = 0;
            columnOffset += label.width + kGenerationGap;
            if (label.left + label.width > request.paper.width) {
                ui.message(MessageIcon::Information, kGenerationOverflowTitle, kGenerationOverflowText);
                break;
            }
        }
    }
    return made;
}

std::string generationHint(int button, std::string_view quantityText) {
    switch (button) {
        case 0: return "增加【空白 条码输入区】";
        case 1: return "增加 " + std::string(quantityText) + "个复制中的，条码格式";
        default: return "增加记录中的，条码格式";
    }
}

}  // namespace kestrin::print
