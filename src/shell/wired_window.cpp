#include "shell/wired_window.h"

#include "page/barcode_input_panel.h"
#include "page/label_picture_widget.h"
#include "page/paper_sheet_view.h"
#include "page/record_picker_panel.h"
#include "page/save_format_panel.h"
#include "page/stored_formats_panel.h"
#include "page/text_editor_panel.h"
#include "platform/picture_loader.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin_button.h"
#include "print/arrangement_panel.h"
#include "print/paper_panel.h"
#include "print/professional_print_panel.h"
#include "shell/main_window.h"
#include "shell/notice_window.h"
#include "storage/file_system.h"
#include "storage/settings_keys.h"
#include "storage/settings_service.h"

namespace kestrin::shell {
namespace {

using platform::toTwips;

constexpr std::string_view kPaperButtonHint = "调整 列印纸张";
constexpr std::string_view kArrangementButtonHint = "自动排列 条码标签位置";

page::PaperSheet* buildSheet(MainWindow& window, storage::SettingsService& settings, Ui& ui) {
    auto* sheet = new page::PaperSheet(window.document(), settings, ui, window.hints(), window.paperFrame(), &window);
    sheet->setProperty("bordered", true);
    window.setProfessionalPaper(sheet);
    sheet->syncLabels();
    return sheet;
}

void wirePaper(MainWindow& window, page::PaperSheet* sheet, print::PaperPanel* paper) {
    window.setPanel(PanelSlot::纸张设定窗, paper);
    QObject::connect(&window, &MainWindow::paperPlaced, sheet, [sheet, paper](int frameWidth, int frameHeight) {
        sheet->setPaper(print::纸张调整(paper->sizeIndex(), paper->direction(), frameWidth, frameHeight));
    });
    QObject::connect(paper, &print::PaperPanel::paperChanged, &window, [&window] { window.纸张调整(); });
    platform::SkinButton* button = window.toolbarButton(ToolbarButton::纸张设定);
    window.hints().bind(button, [] { return kPaperButtonHint; });
    QObject::connect(button, &platform::SkinButton::clicked, &window, [&window, paper, button] {
        window.关闭功能窗();
        paper->openAt(button->x());
    });
}

print::ArrangementPanel* buildArrangement(MainWindow& window, storage::SettingsService& settings, Ui& ui,
                                          page::PaperSheet* sheet) {
    // What the user types is stored at once and is what the simple print starts from.
    const auto write = [&settings](const std::string& value) { settings.write(storage::keys::列印排列, value); };
    auto* panel = new print::ArrangementPanel(
        window.document(), ui, window.hints(), [sheet] { return sheet->paperSize(); }, write, &window);
    panel->hide();
    if (const auto& texts = settings.arrangement()) panel->loadStored(storage::formatPrintArrangement(*texts));
    window.setPanel(PanelSlot::自动排列窗, panel);
    platform::SkinButton* button = window.toolbarButton(ToolbarButton::条码排列钮);
    window.hints().bind(button, [] { return kArrangementButtonHint; });
    QObject::connect(button, &platform::SkinButton::clicked, &window, [&window, panel, button] {
        window.关闭功能窗();
        panel->openBeside(button->x());
    });
    return panel;
}

void wireSheetSignals(MainWindow& window, page::PaperSheet* sheet) {
    using page::PaperSheet;
    page::条码输入区* input = window.barcodeInputPanel();
    QObject::connect(sheet, &PaperSheet::labelDoubleClicked, &window, [&window, sheet](int i) {
        if (page::LabelPicture* picture = sheet->labelPicture(i)) window.openBarcodeInputFor(*picture);
    });
    QObject::connect(sheet, &PaperSheet::labelPressed, &window, [&window] {
        window.hidePanels({PanelSlot::色彩选项, PanelSlot::条码储存窗, PanelSlot::条码输入区, PanelSlot::条码读取窗,
                           PanelSlot::标签修改区, PanelSlot::图片读取窗, PanelSlot::条码载入窗});
    });
    QObject::connect(sheet, &PaperSheet::labelResizing, &window,
                     [&window] { window.hidePanels({PanelSlot::条码输入区, PanelSlot::列印数量窗}); });
    QObject::connect(sheet, &PaperSheet::labelDeleted, &window, [&window, input](int i) {
        window.hidePanels({PanelSlot::条码储存窗, PanelSlot::条码输入区, PanelSlot::标签修改区, PanelSlot::条码读取窗});
        input->labelGone(i);
    });
    QObject::connect(sheet, &PaperSheet::itemPressed, &window, [&window](int, document::ItemKind kind) {
        window.hidePanels({PanelSlot::色彩选项, PanelSlot::条码输入区, PanelSlot::图片读取窗});
        if (kind == document::ItemKind::Picture) window.hidePanels({PanelSlot::标签修改区});
    });
    QObject::connect(sheet, &PaperSheet::itemDeleted, &window, [&window] { window.关闭功能窗(); });
    QObject::connect(sheet, &PaperSheet::paperReleased, &window, [&window] { window.关闭功能窗(); });
    // The paper covers the window's background, which alone sees the pointer leave the toolbar.
    QObject::connect(sheet, &PaperSheet::paperPointerMoved, &window, [&window] { window.lowerToolbar(); });
}

page::RecordPickerPanel* buildPicker(MainWindow& window, const storage::SettingsService& settings, Ui& ui,
                              const std::filesystem::path& dataFolder) {
    auto* picker = new page::RecordPickerPanel(dataFolder, ui, &window);
    picker->hide();
    picker->setHeadings(page::pickerHeadings(settings.store().entries()));
    QObject::connect(picker, &page::RecordPickerPanel::hintShown, &window, &MainWindow::showHint);
    page::条码输入区* input = window.barcodeInputPanel();
    input->setDataFolder(dataFolder);
    input->attachPicker(*picker);
    window.setPanel(PanelSlot::条码载入窗, picker);
    // A press on the simple view's label closes the picker; on the professional paper the
    // sheet's signals close it with the other panels.
    QObject::connect(window.labelPicture(document::kSimpleLabel), &page::LabelPicture::clicked, picker, &QWidget::hide);
    return picker;
}

void buildStoredFormats(MainWindow& window, Ui& ui, const std::filesystem::path& dataFolder, WindowParts& parts) {
    parts.savePanel = new page::SaveFormatPanel(window.document(), dataFolder, ui, window.hints(), &window);
    window.setPanel(PanelSlot::条码储存窗, parts.savePanel);
    QObject::connect(parts.savePanel, &page::SaveFormatPanel::saved, &window, [] { showNotice(Notice::完成记录); });

    parts.storedFormats = new page::StoredFormatsPanel(
        window.document(), dataFolder, ui, window.hints(), [&window] { return window.resolution(); },
        page::messageBoxQuestion(&window), &window);
    parts.storedFormats->setPictureLookup({storage::picturesFolder(dataFolder).string(), [](const std::string& path) {
                                               return platform::loadPicture(platform::toQString(path)).ok();
                                           }});
    window.setPanel(PanelSlot::条码读取窗, parts.storedFormats);
    QObject::connect(parts.storedFormats, &page::StoredFormatsPanel::deleted, &window,
                     [] { showNotice(Notice::完成删除); });
    // Label 0 is the simple view's paper: laying the view out again gives the paper its new size.
    QObject::connect(parts.storedFormats, &page::StoredFormatsPanel::recalledInto, &window, [&window] {
        if (window.view() == View::Simple) window.版本切换(View::Simple);
    });
}

// The text editor opens just below the label whose text item was double-clicked, in front.
page::TextEditorPanel* buildTextEditor(MainWindow& window, Ui& ui, page::PaperSheet* sheet) {
    auto* editor = new page::TextEditorPanel(window.document(), ui, window.hints(), &window);
    editor->hide();
    window.setPanel(PanelSlot::标签修改区, editor);
    QObject::connect(sheet, &page::PaperSheet::itemPressed, editor, [editor, &window](int label, document::ItemKind kind) {
        if (kind == document::ItemKind::Text) editor->follow(label, window.document().selection().currentText);
    });
    QObject::connect(sheet, &page::PaperSheet::textItemDoubleClicked, editor, [editor, sheet, &window](int label, int item) {
        page::LabelPicture* picture = sheet->labelPicture(label);
        if (picture == nullptr) return;
        editor->open(label, item);
        const QPoint below = picture->mapTo(&window, QPoint(0, picture->height()));
        editor->move(below.x(), below.y() + platform::toPixels(120));
    });
    return editor;
}

}  // namespace

WindowParts wireMainWindow(MainWindow& window, storage::SettingsService& settings, Ui& ui,
                           const std::filesystem::path& dataFolder) {
    WindowParts parts;
    parts.sheet = buildSheet(window, settings, ui);
    parts.sheet->setLayoutRecordsCheck(
        [dataFolder] {
            std::error_code unreadable;
            return std::filesystem::exists(storage::layoutRecordsFilePath(dataFolder), unreadable);
        });
    parts.paperPanel = new print::PaperPanel(window.hints(), &window);
    parts.paperPanel->hide();
    wirePaper(window, parts.sheet, parts.paperPanel);
    parts.arrangementPanel = buildArrangement(window, settings, ui, parts.sheet);
    wireSheetSignals(window, parts.sheet);
    parts.picker = buildPicker(window, settings, ui, dataFolder);
    buildStoredFormats(window, ui, dataFolder, parts);
    parts.textEditor = buildTextEditor(window, ui, parts.sheet);
    QObject::connect(parts.sheet, &page::PaperSheet::storedFormatsRequested, parts.storedFormats,
                     &page::StoredFormatsPanel::open);
    QObject::connect(parts.sheet, &page::PaperSheet::saveFormatRequested, parts.savePanel,
                     &page::SaveFormatPanel::openFor);

    print::PaperPanel* paper = parts.paperPanel;
    window.setCopies([paper] { return paper->copies(); });
    QObject::connect(&window, &MainWindow::professionalPrintRequested, &window, [&window, &settings, &ui, paper] {
        const print::PrintSettings job{settings.printResolution(), settings.printerKind(), paper->copies()};
        print::确定列印_V(window.document().page(), job, ui, [&window](Fixed4) { return window.openPrintDestination(); });
    });
    window.纸张调整();
    return parts;
}

}  // namespace kestrin::shell
