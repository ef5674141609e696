#pragma once
// The save panel 条码储存窗: stores the design of one label under a kind and a name in the
// layout records file. Saving is a file operation and makes no undo step; the label only
// takes the kind and the name it was saved under.

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <filesystem>

namespace kestrin {
class Ui;
}
namespace kestrin::document {
class Document;
}
namespace kestrin::platform {
class HintBinder;
}

namespace kestrin::page {

// 记录名称: selects its whole text when it gets the focus; a typed comma or double quote is
// dropped, since the records file has no way to hold them.
class RecordNameBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The save panel 条码储存窗 (its object name).
class SaveFormatPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNameLength = 25;

    // baseFolder holds 记录资料; ui shows the empty-field warnings and the file's troubles.
    SaveFormatPanel(document::Document& doc, std::filesystem::path baseFolder, Ui& ui, platform::HintBinder& hints,
                    QWidget* parent = nullptr);

    // Opens the panel for label `labelIndex` at topLeft (the parent's pixels): the kinds known
    // to the file to choose from, the label's own kind and name in the boxes, the focus in the
    // kind box.
    void openFor(int labelIndex, QPoint topLeft);
    // 储存排列: stores the label's design; false when refused or the write failed.
    bool save();

    int labelIndex() const { return labelIndex_; }
    QComboBox* kindBox() const { return 种类选项_; }
    QLineEdit* nameBox() const { return 记录名称_; }

signals:
    // The design was stored: the program shows its "recorded" notice.
    void saved();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls(platform::HintBinder& hints);

    document::Document& doc_;
    std::filesystem::path baseFolder_;
    Ui& ui_;
    int labelIndex_ = 0;  // the save button's Tag
    QComboBox* 种类选项_ = nullptr;
    RecordNameBox* 记录名称_ = nullptr;
};

}  // namespace kestrin::page
