#pragma once
// The main window 主视窗: a borderless window with its own skin, the paper frame with label 0
// on its paper, the floating barcode input panel and the hint line along the bottom. For now
// it shows the simple view only; the professional view, the paper's labels and the other
// panels grow into this same window.

#include <QPoint>
#include <QWidget>
#include <string_view>

#include "common/fixed4.h"
#include "page/label.h"
#include "platform/hint_binder.h"

class QLabel;

namespace kestrin::page {
class LabelPicture;
class 条码输入区;
}  // namespace kestrin::page
namespace kestrin::platform {
class SkinButton;
}

namespace kestrin::shell {

// No Q_OBJECT: moc cannot read a non-ASCII class name, and this class needs no signals of its
// own (its connections are to functions and lambdas).
class 主视窗 : public QWidget {
public:
    explicit 主视窗(QWidget* parent = nullptr);

    // Redraws label i's barcode (only label 0 exists so far).
    void 绘制条码(int labelIndex);
    // Lays the window out for a view; only "简易版" is built so far, any other name is kept.
    void 版本切换(std::string_view view);
    // Places the skin's parts for the current window size.
    void 视窗底图排列();

    page::LabelPicture* labelPicture(int index) const;
    page::条码输入区* barcodeInputPanel() const { return 条码输入区_; }
    // Only label 0 exists so far.
    page::Label& label(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showHint(const QString& text);
    void openBarcodeInput(int labelIndex);

    page::Label label0_;  // until the label page arrives: the simple view's one label
    Fixed4 resolution_;
    int printerKind_ = 0;
    std::string view_;

    platform::HintBinder hints_;
    QWidget* 新增载入窗_ = nullptr;  // the paper frame
    QWidget* 列印范围_ = nullptr;    // the paper
    page::LabelPicture* 条码签0_ = nullptr;
    page::条码输入区* 条码输入区_ = nullptr;
    QLabel* 说明提示_ = nullptr;
    platform::SkinButton* 视窗按钮0_ = nullptr;
    platform::SkinButton* 关闭功能_ = nullptr;

    QPoint dragStart_;
    bool dragging_ = false;
};

}  // namespace kestrin::shell
