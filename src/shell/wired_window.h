#pragma once
// The main window together with the parts other subsystems build for it: the professional
// view's paper with its labels, the paper and arrangement panels, the barcode record picker,
// the save panel and the stored formats list.
// Each part is created on the window and connected to it here, so that the window and the
// parts stay testable on their own and this file is the one place that knows them all.

#include <filesystem>

namespace kestrin {
class Ui;
}
namespace kestrin::storage {
class SettingsService;
}
namespace kestrin::page {
class PaperSheet;
class RecordPickerPanel;
class SaveFormatPanel;
class StoredFormatsPanel;
class TextEditorPanel;
}  // namespace kestrin::page
namespace kestrin::print {
class PaperPanel;
class ArrangementPanel;
}  // namespace kestrin::print

namespace kestrin::shell {

class MainWindow;

struct WindowParts {
    page::PaperSheet* sheet = nullptr;
    print::PaperPanel* paperPanel = nullptr;
    print::ArrangementPanel* arrangementPanel = nullptr;
    page::RecordPickerPanel* picker = nullptr;
    page::SaveFormatPanel* savePanel = nullptr;        // 条码储存窗
    page::StoredFormatsPanel* storedFormats = nullptr;  // 条码读取窗
    page::TextEditorPanel* textEditor = nullptr;        // 标签修改区
};

// Call after 主视窗::start: the parts read the resolution, printer kind, arrangement and picker
// headings from the settings and follow their changes. dataFolder holds 记录资料. The settings
// and the ui must outlive the window; the parts are the window's children.
WindowParts wireMainWindow(MainWindow& window, storage::SettingsService& settings, Ui& ui,
                           const std::filesystem::path& dataFolder);

}  // namespace kestrin::shell
