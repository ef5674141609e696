#pragma once
// The text editor 标签修改区: the caption, font, size and style of one text item of a label,
// and the modify-all box that renames the same caption on every label of the page. It holds
// the label and item indices, never the item itself, and looks them up on every use: an undo
// or a deletion may take the item away while the editor is open, and then the editor closes.

#include <QWidget>
#include <functional>
#include <string_view>

#include "common/ui.h"
#include "document/document.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kestrin::platform {
class HintBinder;
}  // namespace kestrin::platform

namespace kestrin::page {

// The caption box takes what a text item can show in one line.
constexpr int kCaptionMaxCharacters = 35;

class TextEditorPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNone = -1;

    TextEditorPanel(document::Document& doc, Ui& ui, platform::HintBinder& hints, QWidget* parent = nullptr);
    ~TextEditorPanel() override;

    // Makes the editor act on text item `item` of label `label`, filled from it, without
    // showing it. Does nothing when the item does not exist.
    void follow(int label, int item);
    // follow(), then shown in front with the focus in the caption box and modify-all cleared.
    void open(int label, int item);
    int labelIndex() const { return label_; }
    int itemIndex() const { return item_; }

    QLineEdit* captionBox() const { return 标签输入_; }
    QComboBox* fontList() const { return 字型_; }
    QComboBox* sizeList() const { return 文字大小_; }
    QCheckBox* styleBox(int which) const;  // 0 bold, 1 italic, 2 underline
    QLineEdit* modifyAllBox() const { return 全部修改_; }
    QPushButton* confirmButton() const { return 确定修改_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls(platform::HintBinder& hints);
    QCheckBox* buildStyleBox(platform::HintBinder& hints, int which);
    bool editsItem() const;
    void editItem(const std::function<void(document::TextItem&)>& change, std::string_view mergeKey = {});
    void labelsChanged(const document::ChangedLabels& changed);
    void fill(const document::TextItem& item);
    void modifyAll();
    void close();

    document::Document& doc_;
    Ui& ui_;
    int subscription_ = 0;
    bool editing_ = false;  // the editor's own edit is being announced
    int label_ = kNone;
    int item_ = kNone;

    QLineEdit* 标签输入_ = nullptr;
    QComboBox* 字型_ = nullptr;
    QComboBox* 文字大小_ = nullptr;
    QCheckBox* 粗体_ = nullptr;
    QCheckBox* 斜体_ = nullptr;
    QCheckBox* 底线_ = nullptr;
    QLineEdit* 全部修改_ = nullptr;
    QPushButton* 确定修改_ = nullptr;
};

}  // namespace kestrin::page
