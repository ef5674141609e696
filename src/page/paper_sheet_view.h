#pragma once
// The paper 列印范围 and the labels on it. In the professional view it shows the page's labels
// 1..250 and lets the user create them (right click: the add label window), move and resize
// them on the 60-twip grid with alignment guides, and delete them; in the simple view it holds
// label 0 alone. The geometry of every rule is in page/label_editing.h; this class turns Qt's
// pointer events into those rules and tells the main window, by signals, which of its own
// panels a press or a move closes.

#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "common/fixed4.h"
#include "common/ui.h"
#include "page/item_editing.h"
#include "page/label_editing.h"
#include "document/document.h"
#include "print/paper.h"
#include "storage/settings_service.h"

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::page {

class AddLabelWindow;
class ItemMenu;
class LabelPicture;
class GuideLines;
class DashedFrame;

class PaperSheet : public QWidget {
    Q_OBJECT
public:
    // frame: the page area 新增载入窗 the paper lies in; panelHost: the window the add label
    // window floats over. Hover hints go out through the binder's hint signal. The labels
    // are drawn at the settings' print resolution, redrawn when it changes, and new labels
    // take the settings' printer kind; the document and the settings must outlive the sheet.
    PaperSheet(document::Document& doc, storage::SettingsService& settings, Ui& ui, platform::HintBinder& hints,
               QWidget* frame, QWidget* panelHost);
    ~PaperSheet() override;

    void setPictureLookup(document::PictureLookup pictures) { pictures_ = std::move(pictures); }
    // Whether the layout records file exists: the item menu offers reading a stored design
    // only then.
    void setLayoutRecordsCheck(std::function<bool()> exists) { layoutRecordsExist_ = std::move(exists); }
    // The paper's place and size from 纸张调整, in twips inside the page area.
    void setPaper(const print::PaperPlacement& placement);
    print::PaperSize paperSize() const { return paper_; }

    // Makes the label pictures follow the page: one per label 1..250, placed and redrawn;
    // clears the guides and the dashed frame. Edits of the document are followed without it:
    // each redraws the labels it changed.
    void syncLabels();
    void 绘制条码(int index);
    LabelPicture* labelPicture(int index) const;
    AddLabelWindow* addLabelWindow() const { return 增加条码窗_; }
    ItemMenu* itemMenu() const { return 功能选项_; }
    // The button 删除签 of label i, which deletes the item under the pointer.
    platform::SkinButton* itemDeleteButton(int index) const;
    // 删除码: removes label i from the page (one step of the undo).
    void deleteLabel(int index);

signals:
    // A double-click on a label: the barcode input panel should open for it.
    void labelDoubleClicked(int index);
    // Any press on a label: the item menu, palette, save panel, barcode input panel, stored
    // formats list, text editor and picture chooser close.
    void labelPressed(int index);
    // A width or height drag goes on: the barcode input and print quantity panels hide.
    void labelResizing(int index);
    // Right button released on a label: the item menu opens at this point of panelHost.
    void labelRightReleased(int index, QPoint atInHost);
    // This label left the page (删除码, or an undo of its creation): the save panel, barcode
    // input panel, text editor and stored formats list close.
    void labelDeleted(int index);
    // The pointer moved over the bare paper: the item menu hides, and the arrangement and
    // paper panels close when they are marked to.
    void paperPointerMoved();
    // A button released on the bare paper: every floating panel closes (before the add label
    // window opens on a right click).
    void paperReleased();
    // A press on a text or picture item: the palette, the barcode input panel, the picture
    // chooser and (for a picture) the text editor close.
    void itemPressed(int index, document::ItemKind kind);
    // A double-click on a text item: the text editor opens for it.
    void textItemDoubleClicked(int index, int item);
    // 删除签 deleted an item: every floating panel closes.
    void itemDeleted(int index);
    // Labels were created by the add label window.
    void labelsAdded(const std::vector<int>& indices);
    // Item menu entry 3: the stored formats list opens at this point of panelHost, to recall
    // into the current label.
    void storedFormatsRequested(QPoint atInHost);
    // Item menu entry 4: the save panel opens for this label at this point of panelHost.
    void saveFormatRequested(int index, QPoint atInHost);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Shown {
        LabelPicture* picture = nullptr;
        platform::SkinButton* deleteButton = nullptr;
        platform::SkinButton* itemDeleteButton = nullptr;
    };
    // The item a press went down on, followed until the release.
    struct ItemGrab {
        int label = 0;
        ItemRef item;
    };

    bool shows(int index) const;
    void labelsChanged(const document::ChangedLabels& changed);
    Shown& ensureShown(int index);
    void removeShown(int index);
    void place(int index);
    void raiseOverlays();
    void hideEditingMarks();
    void hint(std::string_view text);

    void labelPress(int index, Twips at);
    void labelMove(int index, Qt::MouseButtons buttons, Twips at);
    void labelRelease(int index, Qt::MouseButton button, Twips at, QPoint local);
    void resizeStep(int index, LabelDrag drag, Twips at);
    void showMarksAround(int index);
    void frameAround(int index);
    void addLabels(int button);

    std::optional<ItemRef> itemAt(int index, Twips at) const;
    bool hasItem(int index, ItemRef item) const;
    TwipsRect boxOf(int index, ItemRef item) const;
    void itemPress(int index, ItemRef item, Twips at);
    void itemMove(const ItemGrab& grab, Qt::MouseButtons buttons, Twips at);
    void itemHover(int index, ItemRef item);
    void itemResizeStep(const ItemGrab& grab, ItemDrag drag, Twips pointer);
    void deleteItemUnderPointer(int index);
    void itemMenuChosen(int entry);

    void settingChanged(std::string_view key);

    document::Document& doc_;
    int subscription_ = 0;
    storage::SettingsService& settings_;
    int settingsListener_;
    Ui& ui_;
    platform::HintBinder& hints_;
    document::PictureLookup pictures_;
    print::PaperSize paper_;

    std::map<int, Shown> shown_;
    GuideLines* 虚线_ = nullptr;
    DashedFrame* 虚线位置_ = nullptr;
    AddLabelWindow* 增加条码窗_ = nullptr;
    ItemMenu* 功能选项_ = nullptr;
    std::function<bool()> layoutRecordsExist_ = [] { return false; };
    std::optional<ItemGrab> itemGrab_;
    QWidget* panelHost_ = nullptr;
    Twips paperOrigin_;
    bool paperDragging_ = false;
};

}  // namespace kestrin::page
