#include "page/paper_sheet_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "page/add_label_window.h"
#include "page/barcode_input.h"
#include "page/item_menu_window.h"
#include "page/label_picture_widget.h"
#include "platform/hint_binder.h"
#include "platform/painter_surface.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "print/generation.h"

namespace kestrin::page {

namespace skin = platform::skin;
using platform::toPixels;
using platform::toTwips;

// The alignment guides 虚线: dashed lines across the paper along the edges that line up.
class GuideLines : public QWidget {
public:
    explicit GuideLines(QWidget* paper) : QWidget(paper) {
        setObjectName(QStringLiteral("虚线"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void setGuides(std::vector<Guide> guides) {
        guides_ = std::move(guides);
        setVisible(!guides_.empty());
        update();
    }
    const std::vector<Guide>& guides() const { return guides_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(skin::kFrameBlue, 1, Qt::DashLine));
        for (const Guide& g : guides_) {
            const int at = toPixels(g.at);
            if (g.vertical) p.drawLine(at, 0, at, height());
            else p.drawLine(0, at, width(), at);
        }
    }

private:
    std::vector<Guide> guides_;
};

// The dashed frame 虚线位置 around the label under the pointer.
class DashedFrame : public QWidget {
public:
    explicit DashedFrame(QWidget* paper) : QWidget(paper) {
        setObjectName(QStringLiteral("虚线位置"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(skin::kFrameBlue, 1, Qt::DashLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

namespace {

// A whole drag of a label, moving or sizing it, is one step of the undo.
constexpr std::string_view kLabelDrag = "label drag";
// So is a whole drag of an item.
constexpr std::string_view kItemDrag = "item drag";

// A caption's size is what the screen draws it in: the item's font, sized in twips.
Twips screenTextExtent(const document::TextItem& item) {
    const QFontMetricsF metrics(platform::toQFont(item.font));
    return {static_cast<int>(std::ceil(metrics.horizontalAdvance(platform::toQString(item.caption)))),
            static_cast<int>(std::ceil(metrics.height()))};
}

Twips twipsAt(const QMouseEvent& e) { return {toTwips(e.position().x()), toTwips(e.position().y())}; }

QRect pixels(const TwipsRect& r) { return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)}; }

Qt::CursorShape cursorFor(EdgePointer shape) {
    switch (shape) {
        case EdgePointer::SizeHorizontal: return Qt::SizeHorCursor;
        case EdgePointer::SizeVertical: return Qt::SizeVerCursor;
        case EdgePointer::Arrow: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

PaperSheet::PaperSheet(document::Document& doc, storage::SettingsService& settings, Ui& ui,
                       platform::HintBinder& hints, QWidget* frame, QWidget* panelHost)
    : QWidget(frame), doc_(doc), settings_(settings),
      settingsListener_(settings.subscribe([this](std::string_view key) { settingChanged(key); })), ui_(ui),
      hints_(hints), panelHost_(panelHost) {
    setObjectName(QStringLiteral("列印范围"));
    setMouseTracking(true);
    虚线位置_ = new DashedFrame(this);
    虚线_ = new GuideLines(this);
    增加条码窗_ = new AddLabelWindow(hints, panelHost);
    connect(增加条码窗_, &AddLabelWindow::addRequested, this, &PaperSheet::addLabels);
    功能选项_ = new ItemMenu(hints, panelHost);
    connect(功能选项_, &ItemMenu::chosen, this, &PaperSheet::itemMenuChosen);
    setPaper(print::纸张调整(0, print::Direction::Upright, 0, 0));
    subscription_ = doc_.subscribe([this](const document::ChangedLabels& changed) { labelsChanged(changed); });
}

PaperSheet::~PaperSheet() {
    doc_.unsubscribe(subscription_);
    settings_.unsubscribe(settingsListener_);
}

void PaperSheet::labelsChanged(const document::ChangedLabels& changed) {
    for (const int index : changed) {
        if (shows(index)) {
            ensureShown(index);
            place(index);
        } else if (shown_.contains(index)) {
            removeShown(index);
            hideEditingMarks();
            emit labelDeleted(index);
        }
    }
}

void PaperSheet::settingChanged(std::string_view key) {
    if (key != storage::keys::列印解析度) return;
    for (auto& [i, s] : shown_) s.picture->绘制条码();
}

void PaperSheet::setPaper(const print::PaperPlacement& placement) {
    paper_ = {placement.width, placement.height};
    setGeometry(pixels({placement.left, placement.top, placement.width, placement.height}));
}

bool PaperSheet::shows(int index) const {
    return index >= document::kFirstPageLabel && index <= document::kLastPageLabel && doc_.exists(index);
}

PaperSheet::Shown& PaperSheet::ensureShown(int index) {
    auto it = shown_.find(index);
    if (it != shown_.end()) return it->second;
    Shown s;
    s.picture = new LabelPicture(index, doc_, [this] { return settings_.printResolution(); }, this);
    s.picture->setMouseTracking(true);
    s.picture->installEventFilter(this);
    s.deleteButton = new platform::SkinButton(skin::Glyph::Close, platform::SkinButton::Kind::Push, s.picture);
    s.deleteButton->setObjectName(QStringLiteral("删除码%1").arg(index));
    s.deleteButton->setFixedSize(toPixels(kDeleteButtonInset), toPixels(kDeleteButtonInset));
    s.deleteButton->hide();
    hints_.bind(s.deleteButton, [] { return kDeleteLabelHint; });
    hints_.bind(s.picture->handle(), [] { return kHandleHint; });
    connect(s.deleteButton, &platform::SkinButton::clicked, this, [this, index] { deleteLabel(index); });
    s.itemDeleteButton = new platform::SkinButton(skin::Glyph::Close, platform::SkinButton::Kind::Push, s.picture);
    s.itemDeleteButton->setObjectName(QStringLiteral("删除签%1").arg(index));
    s.itemDeleteButton->setFixedSize(toPixels(kDeleteButtonInset), toPixels(kDeleteButtonInset));
    s.itemDeleteButton->hide();
    hints_.bind(s.itemDeleteButton, [this] {
        return doc_.selection().kindUnderPointer == document::ItemKind::Picture ? kDeletePictureHint : kDeleteTextHint;
    });
    connect(s.itemDeleteButton, &platform::SkinButton::clicked, this,
            [this, index] { deleteItemUnderPointer(index); });
    connect(s.picture, &LabelPicture::drawn, this, &PaperSheet::frameAround);
    return shown_.emplace(index, s).first->second;
}

void PaperSheet::removeShown(int index) {
    const auto it = shown_.find(index);
    if (it == shown_.end()) return;
    // The picture may be inside its own delete button's click: it is deleted once that has
    // returned.
    LabelPicture* picture = it->second.picture;
    picture->removeEventFilter(this);
    picture->hide();
    picture->deleteLater();
    shown_.erase(it);
}

void PaperSheet::place(int index) {
    const Shown& s = shown_.at(index);
    const document::Label& label = doc_.label(index);
    s.picture->move(toPixels(label.left), toPixels(label.top));
    s.picture->绘制条码();
    s.picture->show();
    update();
}

void PaperSheet::syncLabels() {
    for (auto it = shown_.begin(); it != shown_.end();) {
        const int index = (it++)->first;
        if (!shows(index)) removeShown(index);
    }
    for (int i = document::kFirstPageLabel; i <= document::kLastPageLabel; ++i) {
        if (!shows(i)) continue;
        ensureShown(i);
        place(i);
    }
    hideEditingMarks();
    raiseOverlays();
}

void PaperSheet::绘制条码(int index) {
    if (shown_.contains(index)) place(index);
}

platform::SkinButton* PaperSheet::itemDeleteButton(int index) const {
    const auto it = shown_.find(index);
    return it == shown_.end() ? nullptr : it->second.itemDeleteButton;
}

LabelPicture* PaperSheet::labelPicture(int index) const {
    const auto it = shown_.find(index);
    return it == shown_.end() || !doc_.exists(index) ? nullptr : it->second.picture;
}

void PaperSheet::deleteLabel(int index) {
    if (index < document::kFirstPageLabel) return;
    doc_.editPage([index](document::LabelPage& page) { page.deleteLabel(index); });
}

void PaperSheet::raiseOverlays() {
    虚线位置_->raise();
    虚线_->raise();
}

void PaperSheet::hideEditingMarks() {
    for (auto& [i, s] : shown_) {
        s.deleteButton->hide();
        s.itemDeleteButton->hide();
    }
    虚线位置_->hide();
    虚线_->setGuides({});
}

void PaperSheet::hint(std::string_view text) { emit hints_.hint(platform::toQString(text)); }

bool PaperSheet::eventFilter(QObject* watched, QEvent* event) {
    auto* picture = qobject_cast<LabelPicture*>(watched);
    if (picture == nullptr || !doc_.exists(picture->index())) return QWidget::eventFilter(watched, event);
    const int index = picture->index();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (const auto item = itemAt(index, twipsAt(*e))) {
                itemPress(index, *item, twipsAt(*e));
                if (event->type() == QEvent::MouseButtonDblClick && item->kind == document::ItemKind::Text) {
                    emit textItemDoubleClicked(index, item->index);
                }
                return true;
            }
            labelPress(index, twipsAt(*e));
            if (event->type() == QEvent::MouseButtonDblClick) emit labelDoubleClicked(index);
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (itemGrab_ && itemGrab_->label == index) {
                itemMove(*itemGrab_, e->buttons(), twipsAt(*e));
                return true;
            }
            // A label being dragged passes over its items without waking them.
            const auto item = doc_.selection().dragging ? std::nullopt : itemAt(index, twipsAt(*e));
            if (item) itemHover(index, *item);
            else labelMove(index, e->buttons(), twipsAt(*e));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (itemGrab_) {
                itemGrab_.reset();
                doc_.selection().dragging = false;
                doc_.endMerge();
                return true;
            }
            labelRelease(index, e->button(), twipsAt(*e), e->position().toPoint());
            return true;
        }
        default: return QWidget::eventFilter(watched, event);
    }
}

void PaperSheet::labelPress(int index, Twips at) {
    doc_.endMerge();
    document::Selection& selection = doc_.selection();
    selection.currentLabel = index;
    shown_.at(index).picture->raise();
    raiseOverlays();
    selection.dragX = static_cast<float>(at.x);
    selection.dragY = static_cast<float>(at.y);
    selection.dragging = true;
    增加条码窗_->hide();
    功能选项_->hide();
    emit labelPressed(index);
}

void PaperSheet::labelMove(int index, Qt::MouseButtons buttons, Twips at) {
    虚线_->setGuides({});
    功能选项_->hide();
    shown_.at(index).itemDeleteButton->hide();
    document::Selection& selection = doc_.selection();
    selection.currentLabel = index;
    const Twips origin{static_cast<int>(selection.dragX), static_cast<int>(selection.dragY)};
    const PointerState state{origin, at, (buttons & Qt::LeftButton) != 0, selection.dragging};
    const LabelDrag drag = labelDragKind(index, doc_.label(index), state);
    switch (drag) {
        case LabelDrag::WidthDrag:
        case LabelDrag::HeightDrag: resizeStep(index, drag, at); break;
        case LabelDrag::Move: {
            const Twips placeTo = movedPlace(doc_.label(index), origin, at);
            doc_.editLabel(
                index,
                [placeTo](document::Label& label) {
                    label.left = placeTo.x;
                    label.top = placeTo.y;
                },
                kLabelDrag);
            虚线_->setGuides(alignmentGuides(doc_.page(), index, GuideEdge::LeftAndTop));
            hint(kMovingHint);
            break;
        }
        case LabelDrag::Hover: hint(kProfessionalLabelHint); break;
    }
    if (!doc_.exists(index)) return;
    shown_.at(index).picture->setCursor(cursorFor(edgePointer(doc_.label(index), at)));
    showMarksAround(index);
}

void PaperSheet::resizeStep(int index, LabelDrag drag, Twips at) {
    emit labelResizing(index);
    const bool width = drag == LabelDrag::WidthDrag;
    float& dragOrigin = width ? doc_.selection().dragX : doc_.selection().dragY;
    int origin = static_cast<int>(dragOrigin);
    bool stepped = false;
    doc_.editLabel(
        index,
        [&](document::Label& label) { stepped = stepSize(width ? label.width : label.height, origin, width ? at.x : at.y); },
        kLabelDrag);
    if (stepped) dragOrigin = static_cast<float>(origin);
    虚线_->setGuides(alignmentGuides(doc_.page(), index, width ? GuideEdge::Right : GuideEdge::Bottom));
}

void PaperSheet::showMarksAround(int index) {
    const document::Label& label = doc_.label(index);
    platform::SkinButton* button = shown_.at(index).deleteButton;
    const Twips corner = deleteButtonPlace(label);
    button->move(toPixels(corner.x), toPixels(corner.y));
    button->show();
    button->raise();
    frameAround(index);
    虚线位置_->show();
}

void PaperSheet::frameAround(int index) {
    if (doc_.exists(index)) 虚线位置_->setGeometry(pixels(dashedFrame(doc_.label(index))));
}

void PaperSheet::labelRelease(int index, Qt::MouseButton button, Twips, QPoint local) {
    if (button == Qt::RightButton) {
        LabelPicture* picture = shown_.at(index).picture;
        const QPoint at = panelHost_->mapFromGlobal(picture->mapToGlobal(local));
        emit labelRightReleased(index, at);
        功能选项_->openAt(at, layoutRecordsExist_());
    }
    doc_.selection().dragging = false;
    doc_.endMerge();
}

void PaperSheet::mousePressEvent(QMouseEvent* event) {
    paperOrigin_ = twipsAt(*event);
    paperDragging_ = true;
    doc_.selection().dragging = true;
}

void PaperSheet::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && paperDragging_) {
        const Twips at = movedPaper({toTwips(x()), toTwips(y())}, paperOrigin_, twipsAt(*event));
        move(toPixels(at.x), toPixels(at.y));
    }
    增加条码窗_->hide();
    功能选项_->hide();
    for (auto& [i, s] : shown_) s.deleteButton->hide();
    虚线位置_->hide();
    emit paperPointerMoved();
    hint(kPaperHint);
}

void PaperSheet::mouseReleaseEvent(QMouseEvent* event) {
    功能选项_->hide();
    emit paperReleased();
    doc_.selection().currentLabel = document::kSimpleLabel;
    if (event->button() == Qt::RightButton) {
        const QPoint at = panelHost_->mapFromGlobal(mapToGlobal(event->position().toPoint()));
        增加条码窗_->openAt(at, !doc_.pasteMemory().empty());
    }
    paperDragging_ = false;
    doc_.selection().dragging = false;
}

void PaperSheet::addLabels(int button) {
    if (button != 0 && button != 1) return;
    const QPoint corner = mapFromGlobal(增加条码窗_->mapToGlobal(QPoint(0, 0)));
    const print::Generation request{button,   toTwips(corner.x()), toTwips(corner.y()), 增加条码窗_->quantity(),
                                    paper_,   settings_.printerKind()};
    std::vector<int> made;
    doc_.editPage([&](document::LabelPage& page) { made = print::增加条码(page, request, pictures_, ui_); });
    增加条码窗_->hide();
    hideEditingMarks();
    raiseOverlays();
    if (!made.empty()) emit labelsAdded(made);
}

std::optional<ItemRef> PaperSheet::itemAt(int index, Twips at) const {
    return page::itemAt(doc_.label(index), at, screenTextExtent);
}

bool PaperSheet::hasItem(int index, ItemRef item) const {
    if (!doc_.exists(index)) return false;
    const document::Label& label = doc_.label(index);
    return item.kind == document::ItemKind::Text ? label.texts.contains(item.index) : label.pictures.contains(item.index);
}

TwipsRect PaperSheet::boxOf(int index, ItemRef item) const {
    return itemBox(doc_.label(index), item, screenTextExtent);
}

void PaperSheet::itemPress(int index, ItemRef item, Twips at) {
    doc_.endMerge();
    document::Selection& selection = doc_.selection();
    selection.currentLabel = index;
    (item.kind == document::ItemKind::Text ? selection.currentText : selection.currentPicture) = item.index;
    const TwipsRect box = boxOf(index, item);
    selection.dragX = static_cast<float>(at.x - box.left);
    selection.dragY = static_cast<float>(at.y - box.top);
    selection.dragging = true;
    itemGrab_ = ItemGrab{index, item};
    增加条码窗_->hide();
    功能选项_->hide();
    emit itemPressed(index, item.kind);
}

void PaperSheet::itemMove(const ItemGrab& grab, Qt::MouseButtons buttons, Twips at) {
    if (!hasItem(grab.label, grab.item)) return;  // an undo took it while the button was down
    const TwipsRect box = boxOf(grab.label, grab.item);
    const document::Selection& selection = doc_.selection();
    const Twips origin{static_cast<int>(selection.dragX), static_cast<int>(selection.dragY)};
    const Twips pointer{at.x - box.left, at.y - box.top};
    const PointerState state{origin, pointer, (buttons & Qt::LeftButton) != 0, selection.dragging};
    const ItemDrag drag = itemDragKind(grab.item.kind, box, state);
    switch (drag) {
        case ItemDrag::WidthDrag:
        case ItemDrag::HeightDrag: itemResizeStep(grab, drag, pointer); break;
        case ItemDrag::Move: {
            const document::Label& label = doc_.label(grab.label);
            const Twips placeTo = movedItem(box, origin, pointer, label.width, label.height);
            doc_.editLabel(grab.label, [&](document::Label& edited) { placeItem(edited, grab.item, placeTo); }, kItemDrag);
            shown_.at(grab.label).itemDeleteButton->hide();
            break;
        }
        case ItemDrag::Hover: itemHover(grab.label, grab.item); break;
    }
}

void PaperSheet::itemResizeStep(const ItemGrab& grab, ItemDrag drag, Twips pointer) {
    const bool width = drag == ItemDrag::WidthDrag;
    float& dragOrigin = width ? doc_.selection().dragX : doc_.selection().dragY;
    int origin = static_cast<int>(dragOrigin);
    bool stepped = false;
    doc_.editLabel(
        grab.label,
        [&](document::Label& label) {
            document::PictureItem& p = label.pictures.at(grab.item.index);
            stepped = stepSize(width ? p.width : p.height, origin, width ? pointer.x : pointer.y);
        },
        kItemDrag);
    if (stepped) dragOrigin = static_cast<float>(origin);
}

void PaperSheet::itemHover(int index, ItemRef item) {
    document::Selection& selection = doc_.selection();
    selection.itemUnderPointer = item.index;
    selection.kindUnderPointer = item.kind;
    platform::SkinButton* button = shown_.at(index).itemDeleteButton;
    const Twips corner = itemDeletePlace(boxOf(index, item));
    button->move(toPixels(corner.x), toPixels(corner.y));
    button->show();
    button->raise();
    hints_.refresh(button);
    hint(item.kind == document::ItemKind::Text ? kTextItemHint : kPictureItemHint);
}

void PaperSheet::deleteItemUnderPointer(int index) {
    const document::Selection& selection = doc_.selection();
    const int sub = selection.itemUnderPointer;
    const document::ItemKind kind = selection.kindUnderPointer;
    doc_.editPage([&](document::LabelPage& page) {
        if (kind == document::ItemKind::Text) page.deleteTextItem(index, sub);
        else page.deletePictureItem(index, sub);
    });
    if (shown_.contains(index)) shown_.at(index).itemDeleteButton->hide();
    增加条码窗_->hide();
    功能选项_->hide();
    emit itemDeleted(index);
}

void PaperSheet::itemMenuChosen(int entry) {
    const int index = doc_.selection().currentLabel;
    if (!shows(index)) return;
    const QPoint corner = shown_.at(index).picture->mapFromGlobal(功能选项_->mapToGlobal(QPoint(0, 0)));
    const int left = toTwips(corner.x());
    const int top = toTwips(corner.y());
    switch (entry) {
        case 0:
            doc_.editPage([&](document::LabelPage& page) {
                if (const auto made = page.addTextItem(index, left, top)) page.selection.currentText = *made;
            });
            break;
        case 1:
            doc_.editPage([&](document::LabelPage& page) {
                if (const auto made = page.addPictureItem(index, left, top)) page.selection.currentPicture = *made;
            });
            break;
        case 2: doc_.写入贴上记忆(index); break;
        case 3: emit storedFormatsRequested(panelHost_->mapFromGlobal(功能选项_->mapToGlobal(QPoint(0, 0)))); break;
        case 4: emit saveFormatRequested(index, panelHost_->mapFromGlobal(功能选项_->mapToGlobal(QPoint(0, 0)))); break;
        default: break;
    }
}

void PaperSheet::paintEvent(QPaintEvent*) {
    // The paper 纸张: a white sheet with a fine edge.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(skin::kRestLine);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // A faint edge just outside each label, so that white labels show on the white sheet.
    for (const auto& [i, s] : shown_) {
        if (s.picture->isVisible()) p.drawRect(s.picture->geometry().adjusted(-1, -1, 0, 0));
    }
}

void PaperSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    虚线_->setGeometry(rect());
}

}  // namespace kestrin::page
