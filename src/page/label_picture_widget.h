#pragma once
// A label's picture on screen (one member of the array 条码签): it keeps what the barcode
// drawing drew into it as a display list and replays it when painted, 15 twips to a pixel.
// Inside it sits the bar origin handle 移动指标, which the user drags to move the bars.

#include <QWidget>
#include <functional>

#include "common/fixed4.h"
#include "common/recording_surface.h"
#include "document/document.h"

namespace kestrin::page {

class LabelPicture;

// The bar origin handle: 12 x 12 pixels at the bar origin, shown while the label has data.
class BarOriginHandle : public QWidget {
    Q_OBJECT
public:
    explicit BarOriginHandle(LabelPicture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    LabelPicture& picture_;
    int downX_ = 0;  // where the left button went down, twips in the handle's own coordinates
    int downY_ = 0;
    bool lit_ = false;
};

// The print resolution as the settings hold it now: a picture asks each time it draws, so that
// a changed resolution needs only a redraw.
using ResolutionSource = std::function<Fixed4()>;

class LabelPicture : public QWidget {
    Q_OBJECT
public:
    // The picture shows label i of the document and looks it up on every drawing, so that it
    // never holds on to a label an edit or an undo may take away. Dragging the handle is an
    // edit of the document; whoever listens to the document redraws the picture.
    LabelPicture(int index, document::Document& doc, ResolutionSource resolution, QWidget* parent = nullptr);

    int index() const { return index_; }
    document::Document& doc() const { return doc_; }
    const RecordingSurface& displayList() const { return display_; }
    BarOriginHandle* handle() const { return handle_; }

    // Clears the picture and draws the label into it again; places the handle at the bar
    // origin, shown while there is data and the label's handle flag is up (never on the
    // preview label). Also follows the label's size. Nothing once the label is gone.
    void 绘制条码();

signals:
    // 绘制条码 drew the label: the paper takes its dashed frame there.
    void drawn(int index);
    // A left press and release on the label itself (not on its handle).
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    document::Document& doc_;
    ResolutionSource resolution_;
    RecordingSurface display_;
    BarOriginHandle* handle_;
    bool pressed_ = false;
};

}  // namespace kestrin::page
