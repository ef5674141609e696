#include "platform/skin_button.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace kestrin::platform {

SkinButton::SkinButton(Kind kind, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), kind_(kind) {
    setText(caption);
    setCheckable(kind == Kind::Check || kind == Kind::Option);
    setAutoExclusive(kind == Kind::Option);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

SkinButton::SkinButton(skin::Glyph glyph, Kind kind, QWidget* parent) : SkinButton(kind, {}, parent) {
    glyph_ = glyph;
}

void SkinButton::setRowEnds(bool first, bool last) {
    first_ = first;
    last_ = last;
    update();
}

skin::State SkinButton::state() const {
    if (isDown()) return skin::State::Pressed;
    if (underMouse()) return skin::State::Lit;
    return skin::State::Raised;
}

QSize SkinButton::sizeHint() const {
    if (glyph_ != skin::Glyph::None) return {30, 28};
    const QFontMetrics fm(skin::captionFont());
    const int width = fm.horizontalAdvance(text());
    return kind_ == Kind::Check ? QSize(width + 30, 26) : QSize(width + 20, 26);
}

void SkinButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = rect();
    switch (kind_) {
        case Kind::Push: skin::paintButton(p, r, state(), glyph_, text()); break;
        case Kind::Title: skin::paintButton(p, r, state(), glyph_, text(), true); break;
        case Kind::Check: skin::paintCheck(p, r, state(), isChecked(), text()); break;
        case Kind::Option: skin::paintOption(p, r, state(), isChecked(), text(), first_, last_); break;
    }
}

bool SkinButton::event(QEvent* e) {
    // The lit picture follows the pointer in and out.
    if (e->type() == QEvent::HoverEnter || e->type() == QEvent::HoverLeave) update();
    return QAbstractButton::event(e);
}

}  // namespace kestrin::platform
