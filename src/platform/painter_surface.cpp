#include "platform/painter_surface.h"

#include <QFontMetricsF>
#include <cmath>

#include "platform/picture_loader.h"
#include "platform/qt_ui.h"

namespace kestrin::platform {

namespace {
constexpr double kTwipsPerPoint = 20.0;
}

QFont toQFont(const Font& font) {
    QFont f(toQString(font.name));
    // The painter works in twips, so the font is sized in twips rather than points.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.sizePoints * kTwipsPerPoint))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QColor toQColor(Rgb c) { return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF)); }
QPointF toQPoint(Point p) { return {p.x.toDouble(), p.y.toDouble()}; }
QRectF toQRect(const Rect& r) { return {r.x.toDouble(), r.y.toDouble(), r.width.toDouble(), r.height.toDouble()}; }

PainterSurface::PainterSurface(QPainter& painter, Fixed4 dotTwips, StartPage startPage)
    : painter_(painter), dotTwips_(dotTwips), startPage_(std::move(startPage)), font_(toQFont(Font{})) {}

void PainterSurface::startPendingPage() {
    if (!pagePending_) return;
    pagePending_ = false;
    if (startPage_ && !startPage_()) pageOk_ = false;
}

QPen PainterSurface::currentPen() const {
    QPen pen(colour_);
    pen.setWidthF(lineDots_ * dotTwips_.toDouble());
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void PainterSurface::setFont(const Font& font) { font_ = toQFont(font); }
void PainterSurface::setColour(Rgb colour) { colour_ = toQColor(colour); }
void PainterSurface::setLineWidthDots(int dots) { lineDots_ = dots; }

void PainterSurface::line(Point from, Point to) {
    startPendingPage();
    painter_.setPen(currentPen());
    painter_.drawLine(toQPoint(from), toQPoint(to));
}

void PainterSurface::deviceDotLine(Point from, Point to) {
    startPendingPage();
    // A cosmetic pen is one device pixel wide whatever the painter's scale: one printer dot,
    // one pixel of a PNG page. Without smoothing a raster page puts it in one pixel column.
    QPen pen(colour_, 1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen);
    painter_.drawLine(toQPoint(from), toQPoint(to));
    painter_.restore();
}

void PainterSurface::text(Point topLeft, std::string_view utf8) {
    startPendingPage();
    painter_.setFont(font_);
    painter_.setPen(colour_);
    const QFontMetricsF metrics(font_, painter_.device());
    painter_.drawText(QPointF(topLeft.x.toDouble(), topLeft.y.toDouble() + metrics.ascent()), toQString(utf8));
}

Fixed4 PainterSurface::textWidth(std::string_view utf8) {
    const QFontMetricsF metrics(font_, painter_.device());
    const double w = metrics.horizontalAdvance(toQString(utf8));
    return Fixed4::fromRaw(std::llround(w * Fixed4::kScale));
}

void PainterSurface::fillRect(const Rect& r, Rgb colour) {
    startPendingPage();
    painter_.fillRect(toQRect(r), toQColor(colour));
}

void PainterSurface::outlineRect(const Rect& r) {
    startPendingPage();
    painter_.setPen(currentPen());
    painter_.setBrush(Qt::NoBrush);
    // Keep the whole line inside the rectangle, as a frame drawn on a label should be.
    const double inset = lineDots_ * dotTwips_.toDouble() / 2;
    painter_.drawRect(toQRect(r).adjusted(inset, inset, -inset, -inset));
}

void PainterSurface::picture(const Rect& r, const std::string& path) {
    startPendingPage();
    const QString key = toQString(path);
    auto it = pictures_.find(key);
    if (it == pictures_.end()) it = pictures_.insert(key, loadPicture(key).image);
    if (!it->isNull()) painter_.drawImage(toQRect(r), *it);
}

void PainterSurface::newPage() { pagePending_ = true; }

bool PainterSurface::endDocument() {
    pagePending_ = false;  // a page break right before the end would only add a blank page
    const bool ended = painter_.isActive() ? painter_.end() : true;
    return ended && pageOk_;
}

}  // namespace kestrin::platform
