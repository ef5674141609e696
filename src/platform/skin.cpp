#include "platform/skin.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace kestrin::platform::skin {
namespace {

constexpr double kRadius = 4.0;

// A one-pixel line lies on pixel centres so that it covers whole pixels at scale 1 and 2.
QRectF lineRect(const QRectF& r) { return r.adjusted(0.5, 0.5, -0.5, -0.5); }

QColor glyphColour(State state, bool onTitle) {
    if (onTitle) return Qt::white;
    return state == State::Pressed ? QColor(Qt::white) : kFrameBlue;
}

void fillRounded(QPainter& p, const QRectF& r, const QColor& fill, const QColor& line) {
    p.setPen(line.isValid() ? QPen(line, 1) : QPen(Qt::NoPen));
    p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    p.drawRoundedRect(lineRect(r), kRadius, kRadius);
}

// Glyphs are drawn in a 16 x 16 design box centred in the rectangle.
void inDesignBox(QPainter& p, const QRectF& r, const std::function<void()>& draw) {
    const double side = std::min(r.width(), r.height());
    const double scale = std::min(side / 24.0, 1.5);
    p.save();
    p.translate(r.center());
    p.scale(scale, scale);
    p.translate(-8, -8);
    draw();
    p.restore();
}

void triangle(QPainter& p, QPointF a, QPointF b, QPointF c) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    p.drawPath(path);
}

void bars(QPainter& p, const QColor& c, double top, double bottom, double width, int count, double gap) {
    const double total = count * width + (count - 1) * gap;
    double x = 8 - total / 2;
    for (int i = 0; i < count; ++i) {
        p.fillRect(QRectF(x, top, width, bottom - top), c);
        x += width + gap;
    }
}

void badge(QPainter& p, const QColor& c, bool plus) {
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 2.5), QPointF(16, 2.5));
    if (plus) p.drawLine(QPointF(14, 0.5), QPointF(14, 4.5));
}

}  // namespace

QFont captionFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void applyTo(QApplication& app) {
    QApplication::setFont(captionFont());
    QPalette pal = app.palette();
    pal.setColor(QPalette::Window, kPanelWhite);
    pal.setColor(QPalette::Base, kPanelWhite);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::WindowText, kHintText);
    pal.setColor(QPalette::Highlight, kFrameBlue);
    pal.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(pal);
}

void paintWindow(QPainter& p, const QRect& rect, const QString& caption) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect, kPanelWhite);
    const QRect title(rect.left(), rect.top(), rect.width(), kTitleHeight);
    p.fillRect(title, kFrameBlue);
    const QRect hint(rect.left(), rect.bottom() + 1 - kHintLineHeight, rect.width(), kHintLineHeight);
    p.fillRect(hint, QColor(244, 246, 253));
    p.setPen(kRestLine);
    p.drawLine(hint.topLeft(), hint.topRight());
    p.setPen(kFrameBlue);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.setPen(kInnerBlue);
    p.drawRect(rect.adjusted(1, title.height(), -2, -2));

    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF mark(12, title.center().y() - 7, 18, 14);
    paintMark(p, mark, Qt::white);
    p.setPen(Qt::white);
    p.setFont(captionFont(14, true));
    p.drawText(QRectF(mark.right() + 8, title.top(), rect.width() / 2.0, title.height()),
               Qt::AlignVCenter | Qt::AlignLeft, caption);
    p.restore();
}

void paintMark(QPainter& p, const QRectF& rect, const QColor& colour) {
    // Bars and spaces of a barcode fragment; they add up to 17 units across the mark.
    constexpr double kWidths[] = {1.5, 1, 3, 1, 1.5, 1, 1.5, 1, 3, 1, 1.5};
    const double unit = rect.width() / 17.0;
    double x = rect.left();
    for (std::size_t i = 0; i < std::size(kWidths); ++i) {
        if (i % 2 == 0) p.fillRect(QRectF(x, rect.top(), kWidths[i] * unit, rect.height()), colour);
        x += kWidths[i] * unit;
    }
}

QIcon appIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(kFrameBlue);
        p.drawRoundedRect(QRectF(0, 0, side, side), side / 5.0, side / 5.0);
        paintMark(p, QRectF(side * 0.22, side * 0.25, side * 0.56, side * 0.5), Qt::white);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void paintPaperFrame(QPainter& p, const QRect& rect) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, QColor(233, 238, 252));
    g.setColorAt(1, QColor(250, 251, 255));
    p.fillRect(rect, g);
}

void paintSheetBorder(QPainter& p, const QRect& sheet) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kRestLine);
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet.adjusted(-1, -1, 0, 0));
    p.restore();
}

void paintSheetShadow(QPainter& p, const QRect& sheet) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 48, 166, 14));
        p.drawRoundedRect(QRectF(sheet).adjusted(-i + 1, -i + 2, i, i + 1), i, i);
    }
    p.restore();
}

void paintPanel(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect, kPanelWhite);
    p.setPen(kFrameBlue);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.setPen(kInnerBlue);
    p.drawRect(rect.adjusted(1, 1, -2, -2));
    p.restore();
}

void styleField(QWidget* field) {
    const QString type = QString::fromLatin1(field->metaObject()->className());
    field->setStyleSheet(QStringLiteral("%1 { border: 1px solid %2; border-radius: 4px; background: %3; }"
                                        "%1:focus { border-color: %4; }")
                             .arg(type, kRestLine.name(), kPanelWhite.name(), kFrameBlue.name()));
}

void paintButton(QPainter& p, const QRectF& rect, State state, Glyph glyph, const QString& caption,
                 bool onTitle) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (onTitle && glyph == Glyph::None) {
        // A captioned button on the title strip stands out as a raised tile.
        const QRectF tile = rect.adjusted(2, 2, -2, -2);
        switch (state) {
            case State::Raised: fillRounded(p, tile, QColor(255, 255, 255, 38), QColor(255, 255, 255, 110)); break;
            case State::Lit: fillRounded(p, tile, QColor(255, 255, 255, 72), QColor(255, 255, 255, 180)); break;
            case State::Pressed: fillRounded(p, tile, QColor(0, 0, 0, 70), QColor(255, 255, 255, 110)); break;
        }
    } else if (onTitle) {
        if (state == State::Lit) fillRounded(p, rect, QColor(255, 255, 255, 46), {});
        if (state == State::Pressed) fillRounded(p, rect, QColor(0, 0, 0, 60), {});
    } else {
        switch (state) {
            case State::Raised: fillRounded(p, rect, kPanelWhite, kRestLine); break;
            case State::Lit: fillRounded(p, rect, kLitTint, kFrameBlue); break;
            case State::Pressed: fillRounded(p, rect, kFrameBlue, kFrameBlue); break;
        }
    }
    const QColor ink = glyphColour(state, onTitle);
    if (glyph != Glyph::None) {
        paintGlyph(p, rect, glyph, ink);
    } else {
        p.setPen(ink);
        p.setFont(captionFont());
        p.drawText(rect, Qt::AlignCenter, caption);
    }
    p.restore();
}

void paintCheck(QPainter& p, const QRectF& rect, State state, bool ticked, const QString& caption) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (state != State::Raised) fillRounded(p, rect, state == State::Lit ? kLitTint : QColor(214, 222, 250), {});
    const double side = 14;
    const QRectF box(rect.left() + 6, rect.center().y() - side / 2, side, side);
    if (ticked) {
        fillRounded(p, box, kFrameBlue, kFrameBlue);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const QPointF tick[] = {box.topLeft() + QPointF(3.5, 7.2), box.topLeft() + QPointF(6, 10),
                                box.topLeft() + QPointF(10.8, 4.2)};
        p.drawPolyline(tick, 3);
    } else {
        fillRounded(p, box, kPanelWhite, state == State::Raised ? kInnerBlue : kFrameBlue);
    }
    p.setPen(QColor(20, 24, 40));
    p.setFont(captionFont());
    p.drawText(rect.adjusted(side + 12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    p.restore();
}

void paintOption(QPainter& p, const QRectF& rect, State state, bool chosen, const QString& caption,
                 bool first, bool last) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Rounded only at the ends of the row: the segments share their inner edges.
    QPainterPath path;
    const QRectF r = lineRect(rect);
    const double lr = first ? kRadius : 0;
    const double rr = last ? kRadius : 0;
    path.moveTo(r.left() + lr, r.top());
    path.lineTo(r.right() - rr, r.top());
    path.arcTo(QRectF(r.right() - 2 * rr, r.top(), 2 * rr, 2 * rr), 90, -90);
    path.lineTo(r.right(), r.bottom() - rr);
    path.arcTo(QRectF(r.right() - 2 * rr, r.bottom() - 2 * rr, 2 * rr, 2 * rr), 0, -90);
    path.lineTo(r.left() + lr, r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * lr, 2 * lr, 2 * lr), 270, -90);
    path.lineTo(r.left(), r.top() + lr);
    path.arcTo(QRectF(r.left(), r.top(), 2 * lr, 2 * lr), 180, -90);
    path.closeSubpath();
    QColor fill = kPanelWhite;
    if (chosen) fill = kFrameBlue;
    else if (state == State::Lit) fill = kLitTint;
    else if (state == State::Pressed) fill = QColor(214, 222, 250);
    p.setPen(QPen(chosen || state != State::Raised ? kFrameBlue : kRestLine, 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.setPen(chosen ? QColor(Qt::white) : QColor(20, 24, 40));
    p.setFont(captionFont(13, chosen));
    p.drawText(rect, Qt::AlignCenter, caption);
    p.restore();
}

void paintGlyph(QPainter& p, const QRectF& rect, Glyph glyph, const QColor& c) {
    inDesignBox(p, rect, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        switch (glyph) {
            case Glyph::Up: triangle(p, {8, 3}, {14, 12}, {2, 12}); break;
            case Glyph::Down: triangle(p, {8, 13}, {2, 4}, {14, 4}); break;
            case Glyph::Left: triangle(p, {3, 8}, {12, 2}, {12, 14}); break;
            case Glyph::Right: triangle(p, {13, 8}, {4, 2}, {4, 14}); break;
            case Glyph::HeightLess: bars(p, c, 7, 14, 2, 3, 2); badge(p, c, false); break;
            case Glyph::HeightMore: bars(p, c, 2, 15, 2, 3, 2); badge(p, c, true); break;
            case Glyph::Thinner: bars(p, c, 4, 15, 1, 4, 2); badge(p, c, false); break;
            case Glyph::Bolder: bars(p, c, 4, 15, 3, 3, 1.5); badge(p, c, true); break;
            case Glyph::Close:
                p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
                p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
                break;
            case Glyph::Minimise:
                p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(3, 8.5), QPointF(13, 8.5));
                break;
            case Glyph::Maximise:
                p.setPen(QPen(c, 1.5));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(3.5, 3.5, 9, 9));
                break;
            case Glyph::None: break;
        }
    });
}

void paintHandle(QPainter& p, const QRectF& rect, bool lit) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = rect.toRect();
    p.fillRect(r, lit ? QColor(0, 48, 166, 90) : QColor(0, 48, 166, 40));
    p.setPen(kFrameBlue);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    // The corner that is the bar origin.
    p.fillRect(QRect(r.topLeft(), QSize(4, 4)), kFrameBlue);
    p.restore();
}

}  // namespace kestrin::platform::skin

namespace kestrin::platform::skin {
namespace {

void pencil(QPainter& p, const QPointF& tip, double length, const QColor& c) {
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(6, -3.5);
    body.lineTo(length, -3.5);
    body.lineTo(length, 3.5);
    body.lineTo(6, 3.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kPanelWhite);
    p.drawRect(QRectF(length - 5, -2, 2, 4));
    p.restore();
}

}  // namespace

void paintToolbarRest(QPainter& p, const QRectF& rect, const QString& caption) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(255, 255, 255, 215));
    p.setFont(captionFont(13));
    p.drawText(rect, Qt::AlignCenter, caption);
    p.restore();
}

void paintResizeGrip(QPainter& p, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInnerBlue, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 3; ++i) {
        const double d = rect.width() * i / 4.0;
        p.drawLine(QPointF(rect.right() - d, rect.bottom() - 2), QPointF(rect.right() - 2, rect.bottom() - d));
    }
    p.restore();
}

void paintLogin(QPainter& p, const QRect& rect, const QString& caption) {
    paintPanel(p, rect);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRect strip(rect.left() + 2, rect.top() + 2, rect.width() - 4, 40);
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, kFrameBlue);
    g.setColorAt(1, QColor(24, 78, 196));
    p.fillRect(strip, g);
    paintMark(p, QRectF(strip.left() + 14, strip.center().y() - 8, 20, 16), Qt::white);
    p.setPen(Qt::white);
    p.setFont(captionFont(15, true));
    p.drawText(QRectF(strip.left() + 44, strip.top(), strip.width() - 60, strip.height()),
               Qt::AlignVCenter | Qt::AlignLeft, caption);
    // A padlock in front of the password box.
    const QRectF lock(rect.left() + 14, rect.top() + 97, 16, 22);
    p.setPen(QPen(kFrameBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(lock.left() + 3, lock.top(), 10, 12), 0, 180 * 16);
    p.drawLine(QPointF(lock.left() + 3, lock.top() + 6), QPointF(lock.left() + 3, lock.top() + 10));
    p.drawLine(QPointF(lock.right() - 3, lock.top() + 6), QPointF(lock.right() - 3, lock.top() + 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kFrameBlue);
    p.drawRoundedRect(QRectF(lock.left(), lock.top() + 9, lock.width(), 13), 2, 2);
    p.restore();
}

void paintNotice(QPainter& p, const QRectF& rect, int picture) {
    static const char* const kCaptions[] = {"", "完成新增", "完成删除", "完成记录", "完成修改"};
    if (picture < 1 || picture > 4) return;
    p.save();
    p.translate(rect.topLeft());
    p.scale(rect.width() / kNoticeWidth, rect.height() / kNoticeHeight);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, kNoticeHeight);
    g.setColorAt(0, kPanelWhite);
    g.setColorAt(1, QColor(233, 238, 252));
    p.fillRect(QRectF(0, 0, kNoticeWidth, kNoticeHeight), g);
    // The barcode, then the badge over its corner.
    paintMark(p, QRectF(18, 14, 62, 44), QColor(20, 24, 40));
    const QPointF badge(78, 50);
    const QColor accent = picture == 2 ? QColor(196, 40, 40) : kFrameBlue;
    p.setPen(Qt::NoPen);
    p.setBrush(kPanelWhite);
    p.drawEllipse(badge, 14, 14);
    p.setBrush(accent);
    p.drawEllipse(badge, 12, 12);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    switch (picture) {
        case 1:
            p.drawLine(badge + QPointF(-6, 0), badge + QPointF(6, 0));
            p.drawLine(badge + QPointF(0, -6), badge + QPointF(0, 6));
            break;
        case 2:
            p.drawLine(badge + QPointF(-5, -5), badge + QPointF(5, 5));
            p.drawLine(badge + QPointF(5, -5), badge + QPointF(-5, 5));
            break;
        case 3: pencil(p, badge + QPointF(-6, 6), 17, Qt::white); break;
        default:
            pencil(p, badge + QPointF(-6, 6), 17, Qt::white);
            p.setPen(QPen(QColor(120, 220, 140), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(badge + QPointF(2, 4), badge + QPointF(5, 7));
            p.drawLine(badge + QPointF(5, 7), badge + QPointF(10, 0));
            break;
    }
    p.setPen(kFrameBlue);
    p.setFont(captionFont(26, true));
    p.drawText(QRectF(104, 0, kNoticeWidth - 112, kNoticeHeight), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(kCaptions[picture]));
    p.restore();
}

}  // namespace kestrin::platform::skin
