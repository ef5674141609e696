#pragma once
// The stored formats list 条码读取窗: the kinds of the layout records file, the names of the
// chosen kind narrowed by their leading characters, a preview of the chosen design on label
// 999, and the buttons that recall the design into the current label or delete it from the
// file. The lists are read from the file each time the window opens; only the paste memory
// keeps the last previewed design.

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "document/layout_record.h"
#include "page/label_picture_widget.h"

class QListWidget;
class QListWidgetItem;

namespace kestrin {
class Ui;
}
namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::page {

// A Yes/No question with a warning icon: true for Yes.
using YesNoQuestion = std::function<bool(const QString& title, const QString& text)>;
// The question as a message box over `parent`.
YesNoQuestion messageBoxQuestion(QWidget* parent);

// The stored formats list 条码读取窗 (its object name).
class StoredFormatsPanel : public QWidget {
    Q_OBJECT
public:
    StoredFormatsPanel(document::Document& doc, std::filesystem::path baseFolder, Ui& ui, platform::HintBinder& hints,
                       ResolutionSource resolution, YesNoQuestion ask, QWidget* parent = nullptr);

    void setPictureLookup(document::PictureLookup pictures) { pictures_ = std::move(pictures); }

    // Opens the window at topLeft (the parent's pixels), its lists read again from the file;
    // 载入排版 then puts the chosen design into the current label.
    void open(QPoint topLeft);
    // Refills the kinds from the file and forgets the names and the preview.
    void 写入清单读取();
    // Redraws the window's background and frame.
    void 绘制读取窗() { update(); }

    // The user's steps, as the controls take them.
    void chooseKind(const QString& kind);
    void chooseName(const QString& name);
    void recall();
    void deleteChosen();

    QListWidget* kindList() const { return 筛选种类_; }
    QListWidget* nameList() const { return 排列清单_; }
    QLineEdit* leadingBox() const { return 筛选字头_; }
    LabelPicture* preview() const { return preview_; }
    platform::SkinButton* loadButton() const { return 载入排版_; }
    platform::SkinButton* deleteButton() const { return 删除_; }

signals:
    // A stored design went into this label (one undo step).
    void recalledInto(int labelIndex);
    // A stored design was deleted from the file: the program shows its "deleted" notice.
    void deleted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls(platform::HintBinder& hints);
    void filterNames(const QString& leading);
    void showNames(const std::vector<std::string>& names);
    void showPreviewOf(const std::string& name);
    void sizeToPreview();

    document::Document& doc_;
    std::filesystem::path baseFolder_;
    Ui& ui_;
    YesNoQuestion ask_;
    document::PictureLookup pictures_;
    std::string kind_;  // the kind and name chosen in the lists
    std::string name_;

    QListWidget* 筛选种类_ = nullptr;
    QListWidget* 排列清单_ = nullptr;
    std::vector<std::string> 排列清单2_;  // every name of the chosen kind: what filtering narrows
    QLineEdit* 筛选字头_ = nullptr;
    LabelPicture* preview_ = nullptr;
    platform::SkinButton* 载入排版_ = nullptr;
    platform::SkinButton* 删除_ = nullptr;
};

}  // namespace kestrin::page
