#pragma once
// The drawing surface on a QPainter whose units are twips: the printer, the PDF writer, a
// rasterised page, and the screen replaying a label picture's drawing.

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <functional>

#include "common/surface.h"

namespace kestrin::platform {

class PainterSurface : public PageSurface {
public:
    // painter must already map one unit to one twip. dotTwips is the width of a one-dot line:
    // the print resolution on paper, one pixel (15 twips) on screen. startPage begins the
    // next page (false when the device refuses); without it the surface is a single picture.
    using StartPage = std::function<bool()>;
    PainterSurface(QPainter& painter, Fixed4 dotTwips, StartPage startPage = {});

    void setFont(const Font& font) override;
    void setColour(Rgb colour) override;
    void setLineWidthDots(int dots) override;
    void line(Point from, Point to) override;
    void deviceDotLine(Point from, Point to) override;
    void text(Point topLeft, std::string_view utf8) override;
    Fixed4 textWidth(std::string_view utf8) override;
    void fillRect(const Rect& r, Rgb colour) override;
    void outlineRect(const Rect& r) override;
    void picture(const Rect& r, const std::string& path) override;
    void newPage() override;
    bool endDocument() override;

private:
    void startPendingPage();
    QPen currentPen() const;

    QPainter& painter_;
    Fixed4 dotTwips_;
    StartPage startPage_;
    QFont font_;
    QColor colour_ = Qt::black;
    int lineDots_ = 1;
    bool pagePending_ = false;
    bool pageOk_ = true;
    QHash<QString, QImage> pictures_;
};

QFont toQFont(const Font& font);
QColor toQColor(Rgb colour);
QPointF toQPoint(Point p);
QRectF toQRect(const Rect& r);

}  // namespace kestrin::platform
