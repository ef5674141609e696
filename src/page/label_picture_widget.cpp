#include "page/label_picture_widget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include "document/label_drawing.h"
#include "engine/barcode_drawing.h"
#include "platform/painter_surface.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"

namespace kestrin::page {
namespace {

constexpr int kHandlePixels = 12;
// A whole drag of the handle is one step of the undo.
constexpr std::string_view kHandleDrag = "handle drag";

// The display list measures text as the screen will draw it: the label's font in twips.
Fixed4 screenTextWidth(const Font& font, std::string_view utf8) {
    const QFontMetricsF metrics(platform::toQFont(font));
    return Fixed4::fromRaw(std::llround(metrics.horizontalAdvance(platform::toQString(utf8)) * Fixed4::kScale));
}

}  // namespace

BarOriginHandle::BarOriginHandle(LabelPicture& picture) : QWidget(&picture), picture_(picture) {
    setObjectName(QStringLiteral("移动指标%1").arg(picture.index()));
    setFixedSize(kHandlePixels, kHandlePixels);
    setCursor(Qt::SizeAllCursor);
    hide();
}

void BarOriginHandle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    platform::skin::paintHandle(p, rect(), lit_);
}

void BarOriginHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    downX_ = platform::toTwips(event->position().x());
    downY_ = platform::toTwips(event->position().y());
}

void BarOriginHandle::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    // The handle moves under the pointer, so the pointer stays near where it went down in the
    // handle's own coordinates and each step is measured from there.
    const int x = platform::toTwips(event->position().x());
    const int y = platform::toTwips(event->position().y());
    picture_.doc().editLabel(
        picture_.index(),
        [&](document::Label& label) { engine::dragHandle(label, label.width, label.height, downX_, downY_, x, y); },
        kHandleDrag);
}

void BarOriginHandle::mouseReleaseEvent(QMouseEvent*) { picture_.doc().endMerge(); }

void BarOriginHandle::enterEvent(QEnterEvent* event) {
    lit_ = true;
    update();
    QWidget::enterEvent(event);
}

void BarOriginHandle::leaveEvent(QEvent* event) {
    lit_ = false;
    update();
    QWidget::leaveEvent(event);
}

LabelPicture::LabelPicture(int index, document::Document& doc, ResolutionSource resolution, QWidget* parent)
    : QWidget(parent), index_(index), doc_(doc), resolution_(std::move(resolution)), display_(screenTextWidth),
      handle_(new BarOriginHandle(*this)) {
    setObjectName(QStringLiteral("条码签%1").arg(index));
    if (doc.exists(index)) {
        setFixedSize(platform::toPixels(doc.label(index).width), platform::toPixels(doc.label(index).height));
    }
}

void LabelPicture::绘制条码() {
    if (!doc_.exists(index_)) return;
    const document::Label& label = doc_.label(index_);
    setFixedSize(platform::toPixels(label.width), platform::toPixels(label.height));
    display_.clear();
    document::drawLabel(display_, label, document::LabelMedium::Screen, resolution_(), 0, 0);
    handle_->move(platform::toPixels(label.handleLeft), platform::toPixels(label.handleTop));
    handle_->setVisible(label.handleShown && !label.data.empty());
    update();
    emit drawn(index_);
}

void LabelPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(1.0 / platform::kTwipsPerPixel, 1.0 / platform::kTwipsPerPixel);
    platform::PainterSurface surface(p, Fixed4(platform::kTwipsPerPixel));
    display_.replay(surface);
}

void LabelPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void LabelPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(index_);
    }
    pressed_ = false;
}

}  // namespace kestrin::page
