#include "shell/main_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "engine/barcode_drawing.h"
#include "page/barcode_input.h"
#include "page/barcode_input_panel.h"
#include "page/label_picture_widget.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "shell/window_geometry.h"

namespace kestrin::shell {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;
using platform::toPixels;

constexpr std::string_view kMoveWindowHint = "按住滑鼠左键，移动滑鼠，调整 视窗位置";
constexpr int kTitleButtonWidth = 40;

// The area inside the window's skin that holds the paper, painted with a soft gradient. Its
// mouse events fall through to the window, which moves when its background is dragged.
class PaperFrame : public QWidget {
public:
    explicit PaperFrame(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("新增载入窗"));
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        skin::paintPaperFrame(p, rect());
        for (const QWidget* paper : findChildren<QWidget*>(QStringLiteral("列印范围"), Qt::FindDirectChildrenOnly)) {
            if (paper->isVisible()) skin::paintSheetShadow(p, paper->geometry());
        }
    }
};

}  // namespace

主视窗::主视窗(QWidget* parent) : QWidget(parent), resolution_(engine::kDefaultResolution) {
    setObjectName(QStringLiteral("主视窗"));
    setWindowTitle(QStringLiteral("Kestrin Vorlana"));
    setWindowIcon(skin::appIcon());
    setWindowFlag(Qt::FramelessWindowHint);
    setMouseTracking(true);
    label0_.readable = 1;

    新增载入窗_ = new PaperFrame(this);
    列印范围_ = new QWidget(新增载入窗_);
    列印范围_->setObjectName(QStringLiteral("列印范围"));
    列印范围_->setMouseTracking(true);
    条码签0_ = new page::LabelPicture(0, label0_, resolution_, 列印范围_);
    connect(条码签0_, &page::LabelPicture::clicked, this, &主视窗::openBarcodeInput);
    hints_.bind(条码签0_->handle(), [] { return page::kHandleHint; });

    条码输入区_ = new page::条码输入区(hints_, this);
    条码输入区_->setPrinterKind(printerKind_);

    说明提示_ = new QLabel(this);
    说明提示_->setObjectName(QStringLiteral("说明提示"));
    说明提示_->setFont(skin::captionFont(12));
    connect(&hints_, &platform::HintBinder::hint, this, &主视窗::showHint);

    视窗按钮0_ = new SkinButton(skin::Glyph::Minimise, SkinButton::Kind::Title, this);
    视窗按钮0_->setObjectName(QStringLiteral("视窗按钮0"));
    hints_.bind(视窗按钮0_, [] { return std::string_view("视窗 最小化"); });
    connect(视窗按钮0_, &SkinButton::clicked, this, &QWidget::showMinimized);
    关闭功能_ = new SkinButton(skin::Glyph::Close, SkinButton::Kind::Title, this);
    关闭功能_->setObjectName(QStringLiteral("关闭功能"));
    hints_.bind(关闭功能_, [] { return std::string_view("关闭程式"); });
    connect(关闭功能_, &SkinButton::clicked, this, &QWidget::close);

    resize(toPixels(kSimpleViewWidth), toPixels(kSimpleViewHeight));
    视窗底图排列();
    版本切换("简易版");
    openBarcodeInput(0);
}

page::LabelPicture* 主视窗::labelPicture(int index) const { return index == 0 ? 条码签0_ : nullptr; }

page::Label& 主视窗::label(int) {
    // Only label 0 exists until the label page arrives.
    return label0_;
}

void 主视窗::绘制条码(int labelIndex) {
    if (auto* picture = labelPicture(labelIndex)) picture->绘制条码();
}

void 主视窗::版本切换(std::string_view view) {
    view_ = view;
    if (view != "简易版") return;
    条码签0_->move(0, 0);
    条码签0_->show();
    条码签0_->raise();
    列印范围_->setGeometry(toPixels(kSimplePaperOffset), toPixels(kSimplePaperOffset), 条码签0_->width(),
                           条码签0_->height());
    列印范围_->show();
    const int frameTop = 新增载入窗_->y() * platform::kTwipsPerPixel;
    条码输入区_->move(toPixels(kPanelColumnLeft), toPixels(firstPanelTop(frameTop, label0_.height)));
    条码输入区_->show();
    条码输入区_->raise();
}

void 主视窗::视窗底图排列() {
    const int w = width();
    const int h = height();
    新增载入窗_->setGeometry(2, skin::kTitleHeight + 1, w - 4, h - skin::kTitleHeight - 1 - skin::kHintLineHeight);
    说明提示_->setGeometry(12, h - skin::kHintLineHeight + 1, w - 24, skin::kHintLineHeight - 2);
    关闭功能_->setGeometry(w - kTitleButtonWidth, 0, kTitleButtonWidth, skin::kTitleHeight);
    视窗按钮0_->setGeometry(w - 2 * kTitleButtonWidth, 0, kTitleButtonWidth, skin::kTitleHeight);
    update();
}

void 主视窗::openBarcodeInput(int labelIndex) {
    if (auto* picture = labelPicture(labelIndex)) 条码输入区_->open(*picture);
}

void 主视窗::showHint(const QString& text) { 说明提示_->setText(text); }

void 主视窗::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintWindow(p, rect(), windowTitle());
}

void 主视窗::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    视窗底图排列();
}

void 主视窗::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragStart_ = event->globalPosition().toPoint() - pos();
    dragging_ = true;
}

void 主视窗::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) {
        if (windowState() == Qt::WindowNoState) showHint(platform::toQString(kMoveWindowHint));
        return;
    }
    if (dragging_ && (event->buttons() & Qt::LeftButton) && !isMaximized()) {
        move(event->globalPosition().toPoint() - dragStart_);
    }
}

void 主视窗::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

}  // namespace kestrin::shell
