#pragma once
// The one look of every window: colours, the caption font, and the painting of window and panel
// frames, picture buttons in their raised / lit / pressed states, check boxes, options and the
// bar origin handle. Everything is drawn with QPainter in logical pixels, so it stays crisp
// at any screen scale; no window paints its own variant of these.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QRectF>
#include <QString>

class QApplication;
class QWidget;

namespace kestrin::platform::skin {

// The frame blue and the inner line that runs one pixel (15 twips) inside it.
inline const QColor kFrameBlue{0, 48, 166};
inline const QColor kInnerBlue{128, 128, 255};
inline const QColor kPanelWhite{255, 255, 255};
inline const QColor kLitTint{232, 237, 255};
inline const QColor kRestLine{196, 204, 232};
inline const QColor kHintText{40, 52, 90};

constexpr int kTitleHeight = 30;     // the title strip of a window, in logical pixels
constexpr int kHintLineHeight = 24;  // the hint line along a window's bottom edge

enum class State { Raised, Lit, Pressed };
// Pictures drawn on buttons. The first eight are the bar adjustment buttons in their order.
enum class Glyph {
    None, Up, Down, Left, Right, HeightLess, HeightMore, Thinner, Bolder,
    Close, Minimise, Maximise,
};

// The font of captions and hints: the packaged CJK face, sized in logical pixels.
QFont captionFont(int pixelSize = 13, bool bold = false);
// Sets the application's font and palette to the skin's.
void applyTo(QApplication& app);

// The program's mark: a few bars of a barcode.
void paintMark(QPainter& p, const QRectF& rect, const QColor& colour);
// The window icon: the mark on a frame-blue tile, drawn for every usual size.
QIcon appIcon();

// A borderless window: white body, outer frame blue, inner line, blue title strip with the
// caption, and the hint line strip at the bottom.
void paintWindow(QPainter& p, const QRect& rect, const QString& caption);
// The gradient behind the paper inside a window's paper frame.
void paintPaperFrame(QPainter& p, const QRect& rect);
// A soft shadow under a sheet (the paper) lying on the paper frame.
void paintSheetShadow(QPainter& p, const QRect& sheet);
// The single border of the professional view's paper.
void paintSheetBorder(QPainter& p, const QRect& sheet);
// A floating panel: white with the outer frame and the inner line.
void paintPanel(QPainter& p, const QRect& rect);

// A list or text box on a panel: a thin line in the rest colour, frame blue with the focus.
void styleField(QWidget* field);
// A toolbar picture of the title strip at rest; under the pointer its button rises over it.
void paintToolbarRest(QPainter& p, const QRectF& rect, const QString& caption);
// The resize grip at a window's bottom-right corner.
void paintResizeGrip(QPainter& p, const QRectF& rect);
// The login panel: the panel frame, the mark with the caption and a padlock over the box.
void paintLogin(QPainter& p, const QRect& rect, const QString& caption);
// Notice picture n (1 added, 2 deleted, 3 recorded, 4 modified) drawn into rect: a barcode
// with a plus, a cross, a pencil or a pencil and tick, and the notice's caption.
void paintNotice(QPainter& p, const QRectF& rect, int picture);
constexpr int kNoticeWidth = 272;  // the design size of a notice picture, in pixels
constexpr int kNoticeHeight = 72;

// A picture button with a glyph or a caption; onTitle draws it for the blue title strip.
void paintButton(QPainter& p, const QRectF& rect, State state, Glyph glyph, const QString& caption,
                 bool onTitle = false);
void paintCheck(QPainter& p, const QRectF& rect, State state, bool ticked, const QString& caption);
// One segment of a row of options; first and last round the row's outer corners.
void paintOption(QPainter& p, const QRectF& rect, State state, bool chosen, const QString& caption,
                 bool first, bool last);
void paintGlyph(QPainter& p, const QRectF& rect, Glyph glyph, const QColor& colour);
// The bar origin handle of a label picture.
void paintHandle(QPainter& p, const QRectF& rect, bool lit);

}  // namespace kestrin::platform::skin
