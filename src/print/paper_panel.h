#pragma once
// The paper panel 纸张设定窗: the paper size options 纸张大小 (A4, A5, B5), the direction
// pictures 列印方向 (直印, 横印) and the copies box 列印份数 with its buttons 份数按钮. A size or
// direction chosen here takes effect at once: the panel says so and the main window runs
// 纸张调整 with sizeIndex() and direction().

#include <QWidget>
#include <array>

#include "print/paper.h"

class QLineEdit;

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::print {

class PaperPanel : public QWidget {
    Q_OBJECT
public:
    PaperPanel(platform::HintBinder& hints, QWidget* parent);

    int sizeIndex() const { return sizeIndex_; }
    Direction direction() const { return direction_; }
    PaperSize paperSize() const { return print::paperSize(sizeIndex_, direction_); }
    // 列印份数 as a number, 999 at most (an empty box counts as 0). Both views' prints read it.
    int copies() const;

    // Opens with its left edge at x (pixels in the parent) and its top 600 twips down, in front.
    void openAt(int x);
    // The same as a click on the size option or the direction picture.
    void chooseSize(int sizeIndex);
    void chooseDirection(Direction direction);

    QLineEdit* copiesBox() const { return 列印份数_; }

signals:
    void paperChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void stepCopies(int button);

    platform::HintBinder& hints_;
    int sizeIndex_ = 0;
    Direction direction_ = Direction::Upright;
    std::array<platform::SkinButton*, kPaperSizeCount> 纸张大小_{};
    std::array<platform::SkinButton*, 2> 列印方向_{};
    QLineEdit* 列印份数_ = nullptr;
    QPoint dragOrigin_;
    bool dragging_ = false;
};

}  // namespace kestrin::print
