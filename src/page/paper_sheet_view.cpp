#include "page/paper_sheet_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "page/add_label_window.h"
#include "page/barcode_input.h"
#include "page/label_picture_widget.h"
#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "print/arrangement.h"

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

PaperSheet::PaperSheet(document::LabelPage& page, storage::SettingsService& settings, Ui& ui,
                       platform::HintBinder& hints, QWidget* frame, QWidget* panelHost)
    : QWidget(frame), page_(page), settings_(settings),
      settingsListener_(settings.subscribe([this](std::string_view key) { settingChanged(key); })), ui_(ui),
      hints_(hints), panelHost_(panelHost) {
    setObjectName(QStringLiteral("列印范围"));
    setMouseTracking(true);
    虚线位置_ = new DashedFrame(this);
    虚线_ = new GuideLines(this);
    增加条码窗_ = new AddLabelWindow(hints, panelHost);
    connect(增加条码窗_, &AddLabelWindow::addRequested, this, &PaperSheet::addLabels);
    setPaper(print::纸张调整(0, print::Direction::Upright, 0, 0));
}

PaperSheet::~PaperSheet() { settings_.unsubscribe(settingsListener_); }

void PaperSheet::settingChanged(std::string_view key) {
    if (key != storage::keys::列印解析度) return;
    for (auto& [i, s] : shown_) s.picture->绘制条码();
}

void PaperSheet::setProfessional(bool professional) { professional_ = professional; }

void PaperSheet::setPaper(const print::PaperPlacement& placement) {
    paper_ = {placement.width, placement.height};
    setGeometry(pixels({placement.left, placement.top, placement.width, placement.height}));
}

bool PaperSheet::shows(int index) const {
    if (!page_.exists(index)) return false;
    return professional_ ? index >= document::kFirstPageLabel && index <= document::kLastPageLabel : index == document::kSimpleLabel;
}

PaperSheet::Shown& PaperSheet::ensureShown(int index) {
    auto it = shown_.find(index);
    if (it != shown_.end()) return it->second;
    Shown s;
    s.picture = new LabelPicture(index, page_.label(index), [this] { return settings_.printResolution(); }, this);
    s.picture->setMouseTracking(true);
    s.picture->installEventFilter(this);
    s.deleteButton = new platform::SkinButton(skin::Glyph::Close, platform::SkinButton::Kind::Push, s.picture);
    s.deleteButton->setObjectName(QStringLiteral("删除码%1").arg(index));
    s.deleteButton->setFixedSize(toPixels(kDeleteButtonInset), toPixels(kDeleteButtonInset));
    s.deleteButton->hide();
    hints_.bind(s.deleteButton, [] { return kDeleteLabelHint; });
    hints_.bind(s.picture->handle(), [] { return kHandleHint; });
    connect(s.deleteButton, &platform::SkinButton::clicked, this, [this, index] { deleteLabel(index); });
    connect(s.picture, &LabelPicture::drawn, this, &PaperSheet::frameAround);
    return shown_.emplace(index, s).first->second;
}

void PaperSheet::removeShown(int index) {
    const auto it = shown_.find(index);
    if (it == shown_.end()) return;
    // The picture still refers to the label: it goes before the label does, and it may be
    // inside its own delete button's click, so it is deleted once that has returned.
    LabelPicture* picture = it->second.picture;
    picture->removeEventFilter(this);
    picture->hide();
    picture->deleteLater();
    shown_.erase(it);
}

void PaperSheet::place(int index) {
    const Shown& s = shown_.at(index);
    const document::Label& label = page_.label(index);
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
    for (int i = 0; i <= document::kLastPageLabel; ++i) {
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

LabelPicture* PaperSheet::labelPicture(int index) const {
    const auto it = shown_.find(index);
    // A label taken from the page behind the sheet keeps its picture until the next sync.
    return it == shown_.end() || !page_.exists(index) ? nullptr : it->second.picture;
}

void PaperSheet::deleteLabel(int index) {
    if (index < document::kFirstPageLabel) return;
    removeShown(index);
    page_.deleteLabel(index);
    hideEditingMarks();
    emit labelDeleted(index);
}

void PaperSheet::raiseOverlays() {
    虚线位置_->raise();
    虚线_->raise();
}

void PaperSheet::hideEditingMarks() {
    for (auto& [i, s] : shown_) s.deleteButton->hide();
    虚线位置_->hide();
    虚线_->setGuides({});
}

void PaperSheet::hint(std::string_view text) { emit hints_.hint(platform::toQString(text)); }

bool PaperSheet::eventFilter(QObject* watched, QEvent* event) {
    auto* picture = qobject_cast<LabelPicture*>(watched);
    if (picture == nullptr || !page_.exists(picture->index())) return QWidget::eventFilter(watched, event);
    const int index = picture->index();
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            labelPress(index, e->button(), twipsAt(*e));
            return true;
        }
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            labelPress(index, e->button(), twipsAt(*e));
            emit labelDoubleClicked(index);
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            labelMove(index, e->buttons(), twipsAt(*e));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            labelRelease(index, e->button(), twipsAt(*e), e->position().toPoint());
            return true;
        }
        default: return QWidget::eventFilter(watched, event);
    }
}

void PaperSheet::labelPress(int index, Qt::MouseButton button, Twips at) {
    page_.selection.currentLabel = index;
    shown_.at(index).picture->raise();
    raiseOverlays();
    page_.selection.dragX = static_cast<float>(at.x);
    page_.selection.dragY = static_cast<float>(at.y);
    page_.selection.dragging = true;
    增加条码窗_->hide();
    emit labelPressed(index);
    if (index == document::kSimpleLabel && button == Qt::LeftButton) emit simpleLabelClicked();
}

void PaperSheet::labelMove(int index, Qt::MouseButtons buttons, Twips at) {
    虚线_->setGuides({});
    page_.selection.currentLabel = index;
    document::Label& label = page_.label(index);
    const Twips origin{static_cast<int>(page_.selection.dragX), static_cast<int>(page_.selection.dragY)};
    const PointerState state{origin, at, (buttons & Qt::LeftButton) != 0, page_.selection.dragging};
    const LabelDrag drag = labelDragKind(index, label, state);
    switch (drag) {
        case LabelDrag::WidthDrag:
        case LabelDrag::HeightDrag: resizeStep(index, drag, at); break;
        case LabelDrag::Move: {
            const Twips placeTo = movedPlace(label, origin, at);
            label.left = placeTo.x;
            label.top = placeTo.y;
            shown_.at(index).picture->move(toPixels(label.left), toPixels(label.top));
            update();
            虚线_->setGuides(alignmentGuides(page_, index, GuideEdge::LeftAndTop));
            hint(kMovingHint);
            break;
        }
        case LabelDrag::Hover: hint(labelHoverHint(professional_)); break;
    }
    shown_.at(index).picture->setCursor(cursorFor(edgePointer(label, at)));
    if (index != document::kSimpleLabel) showMarksAround(index);
}

void PaperSheet::resizeStep(int index, LabelDrag drag, Twips at) {
    emit labelResizing(index);
    document::Label& label = page_.label(index);
    const bool width = drag == LabelDrag::WidthDrag;
    int origin = static_cast<int>(width ? page_.selection.dragX : page_.selection.dragY);
    if (stepSize(width ? label.width : label.height, origin, width ? at.x : at.y)) {
        (width ? page_.selection.dragX : page_.selection.dragY) = static_cast<float>(origin);
        shown_.at(index).picture->绘制条码();
        update();
    }
    if (professional_) {
        虚线_->setGuides(alignmentGuides(page_, index, width ? GuideEdge::Right : GuideEdge::Bottom));
    } else {
        // The simple view's paper is exactly label 0, a little inside the page area.
        setGeometry(pixels({kSimplePaperOffset, kSimplePaperOffset, label.width, label.height}));
    }
}

void PaperSheet::showMarksAround(int index) {
    const document::Label& label = page_.label(index);
    platform::SkinButton* button = shown_.at(index).deleteButton;
    const Twips corner = deleteButtonPlace(label);
    button->move(toPixels(corner.x), toPixels(corner.y));
    button->show();
    button->raise();
    frameAround(index);
    虚线位置_->show();
}

void PaperSheet::frameAround(int index) {
    if (page_.exists(index)) 虚线位置_->setGeometry(pixels(dashedFrame(page_.label(index))));
}

void PaperSheet::labelRelease(int index, Qt::MouseButton button, Twips, QPoint local) {
    if (button == Qt::RightButton) {
        LabelPicture* picture = shown_.at(index).picture;
        emit labelRightReleased(index, panelHost_->mapFromGlobal(picture->mapToGlobal(local)));
    }
    page_.selection.dragging = false;
    const auto it = shown_.find(index);
    if (it == shown_.end()) return;  // a slot of the signal above took the label away
    it->second.picture->绘制条码();
    if (index == document::kSimpleLabel && button == Qt::LeftButton) emit simpleLabelClicked();
}

void PaperSheet::mousePressEvent(QMouseEvent* event) {
    paperOrigin_ = twipsAt(*event);
    paperDragging_ = true;
    page_.selection.dragging = true;
}

void PaperSheet::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && paperDragging_) {
        const Twips at = movedPaper({toTwips(x()), toTwips(y())}, paperOrigin_, twipsAt(*event));
        move(toPixels(at.x), toPixels(at.y));
    }
    增加条码窗_->hide();
    for (auto& [i, s] : shown_) s.deleteButton->hide();
    虚线位置_->hide();
    emit paperPointerMoved();
    hint(kPaperHint);
}

void PaperSheet::mouseReleaseEvent(QMouseEvent* event) {
    emit paperReleased();
    page_.selection.currentLabel = document::kSimpleLabel;
    if (event->button() == Qt::RightButton && professional_) {
        const QPoint at = panelHost_->mapFromGlobal(mapToGlobal(event->position().toPoint()));
        增加条码窗_->openAt(at, !page_.pasteMemory().empty());
    }
    paperDragging_ = false;
    page_.selection.dragging = false;
}

void PaperSheet::addLabels(int button) {
    if (button != 0 && button != 1) return;
    const QPoint corner = mapFromGlobal(增加条码窗_->mapToGlobal(QPoint(0, 0)));
    const print::Generation request{button,   toTwips(corner.x()), toTwips(corner.y()), 增加条码窗_->quantity(),
                                    paper_,   settings_.printerKind()};
    const std::vector<int> made = print::增加条码(page_, request, pictures_, ui_);
    增加条码窗_->hide();
    syncLabels();
    if (!made.empty()) emit labelsAdded(made);
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
