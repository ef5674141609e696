#pragma once
// The barcode input panel 条码输入区: the data box 条码输入 and the controls of a label's bars
// and readable characters, acting on the label whose index the panel holds. The label is looked
// up on every use, so that a label deleted while the panel or its picker is open is never
// reached. A double-click on the data box opens the barcode record picker when the records
// file exists.

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"

#include "storage/settings_service.h"

class QComboBox;
class QHBoxLayout;

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::page {

class RecordPickerPanel;
// Declared here only by name: moc reads this header and cannot parse the Chinese enumerators.
enum class PanelCheck;

// The data box: refuses what Code 39 cannot store, shows what was typed (small letters stay
// small here) and selects its whole text when it receives the focus.
class BarcodeDataBox : public QLineEdit {
    Q_OBJECT
public:
    explicit BarcodeDataBox(QWidget* parent = nullptr);

signals:
    void doubleClicked();
    void focusLeft();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// No Q_OBJECT: moc cannot read a non-ASCII class name, and this class needs no signals of its
// own (its connections are to functions and lambdas).
//
// Every control edits the label through the document, one step of the undo per click; typing
// in the data box is one step until the box loses the focus. The panel follows the document:
// an undo refills its controls, and the label's going closes it.
class 条码输入区 : public QWidget {
public:
    static constexpr int kNoLabel = -1;

    条码输入区(document::Document& doc, platform::HintBinder& hints, QWidget* parent = nullptr);
    ~条码输入区() override;

    // Makes the panel edit label i: fills every control from it, shows the panel and puts the
    // focus into the data box. Does nothing when label i does not exist.
    void open(int index);
    // Label i went: when the panel edits it, the panel and its picker close, and neither edits
    // any label (nor one that takes the index later) until the panel is opened again.
    void labelGone(int index);
    // The index of the label the panel edits (the rules keep it in the panel's tag), or
    // kNoLabel once that label went.
    int tag() const { return tag_; }

    // Where the frame box's hint reads the printer kind; a page printer until one is given.
    void setPrinterKindSource(std::function<storage::PrinterKind()> kind) { printerKind_ = std::move(kind); }
    // The folder that holds 记录资料: the data box's hint and the picker depend on whether
    // 记录资料/条码档.zip is there. Without a folder there is no records file.
    void setDataFolder(std::filesystem::path baseFolder) { dataFolder_ = std::move(baseFolder); }
    bool recordsFileExists() const;
    // The picker the data box opens (at the panel's top-left corner); the barcode chosen in it
    // becomes the data box's text, so the label takes it.
    void attachPicker(RecordPickerPanel& picker);

    BarcodeDataBox* dataBox() const { return 条码输入_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls(platform::HintBinder& hints);
    QHBoxLayout* buildDataRow(platform::HintBinder& hints);
    platform::SkinButton* buildSerialStep(platform::HintBinder& hints, int button);
    void openPicker();
    QHBoxLayout* buildVariantRow();
    QHBoxLayout* buildAdjustRow(platform::HintBinder& hints);
    platform::SkinButton* buildCheck(platform::HintBinder& hints, PanelCheck box);
    QComboBox* buildSizeList();
    // Applies the change to the edited label as one edit of the document (or part of the open
    // one with the same merge key); nothing when the label is gone.
    void editLabel(const std::function<void(document::Label&)>& change, std::string_view mergeKey = {});
    void takeData(const QString& text);
    void labelsChanged(const document::ChangedLabels& changed);
    void fill(const document::Label& label);

    document::Document& doc_;
    int subscription_ = 0;
    bool editing_ = false;  // the panel's own edit is being announced
    int tag_ = kNoLabel;
    std::function<storage::PrinterKind()> printerKind_ = [] { return storage::PrinterKind::Page; };
    std::optional<std::filesystem::path> dataFolder_;
    RecordPickerPanel* picker_ = nullptr;
    std::string serialHint_;

    BarcodeDataBox* 条码输入_ = nullptr;
    std::array<platform::SkinButton*, 4> 格式设定_{};
    std::array<platform::SkinButton*, 4> checks_{};  // in the order of kPanelChecks
    QComboBox* 识符字大小_ = nullptr;
};

}  // namespace kestrin::page
