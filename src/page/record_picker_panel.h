#pragma once
// The barcode record picker 条码载入窗: a small browser over the stored barcode records. The
// barcodes of the current set are listed (筛选项0); rows 1 to 6 offer the values of the other
// record columns (记录选项) under their captions (说明, with the second caption row 说明2);
// 开头码 narrows by the barcode's leading characters a second after typing. Clicking a barcode
// hands it to whoever opened the picker and closes it. The rules live in RecordPicker.

#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>

#include "page/record_picker.h"
#include "platform/hint_binder.h"

class QComboBox;
class QGridLayout;
class QListWidget;

namespace kestrin {
class Ui;
}
namespace kestrin::platform {
class SkinButton;
}

namespace kestrin::page {

// A caption or hint line that reports a left click.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// 开头码: selects its whole text when it receives the focus.
class LeadingCodeBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// The barcode record picker 条码载入窗 (its object name).
class RecordPickerPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kReadInterval = 200;    // 读条码档
    static constexpr int kLaterInterval = 1000;  // 稍后执行
    static constexpr int kEndInterval = 200;     // 终点显示

    // baseFolder holds 记录资料; ui reports a damaged records file and its repair.
    RecordPickerPanel(std::filesystem::path baseFolder, Ui& ui, QWidget* parent = nullptr);

    // Captions 1 to 6 and the visible rows (settings "标签A" and "标签_数量", see
    // pickerHeadings). Hidden rows hide their caption, second caption and choice list.
    void setHeadings(const PickerHeadings& headings);
    bool recordsFileExists() const;

    // Starts `读条码档` (the records and lists are loaded at its tick) and shows the picker at
    // topLeft (in its parent's coordinates), in front.
    void open(QPoint topLeft);
    // The filtered set becomes the current set; lists rebuilt; `终点显示` started.
    void 写入选择清单();

    const RecordPicker& model() const { return model_; }

signals:
    // The chosen barcode (only characters the data box accepts), before the picker closes.
    void chosen(const QString& barcode);
    // Every hint shown on the picker's hint line, for a window that echoes it.
    void hintShown(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    QWidget* buildChoiceRows();
    void buildHintLines(QGridLayout* grid, int row);
    ClickLabel* buildCaption(std::size_t k);
    void showHeadings();
    void showHint(const QString& text);

    void readRecords();     // 读条码档 tick
    void runLater();        // 稍后执行 tick
    void showEnd();         // 终点显示 tick
    void leadingTyped(const QString& text);
    void choiceMade(std::size_t k, int index);
    void choose(const QString& barcode);
    void listsRebuilt();
    void showLists();

    std::filesystem::path baseFolder_;
    Ui& ui_;
    RecordPicker model_;
    platform::HintBinder hints_;

    QTimer* 读条码档_;
    QTimer* 稍后执行_;
    QTimer* 终点显示_;
    LeadingCodeBox* 开头码_ = nullptr;
    QListWidget* 筛选项0_ = nullptr;
    std::array<ClickLabel*, kPickerColumns> 说明_{};
    std::array<QLabel*, kPickerColumns> 说明2_{};
    std::array<QComboBox*, kPickerColumns> 记录选项_{};  // index 0 unused
    platform::SkinButton* 重新设定_ = nullptr;
    ClickLabel* 说明提示_ = nullptr;
    QLabel* 说明提示2_ = nullptr;
};

}  // namespace kestrin::page
