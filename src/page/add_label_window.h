#pragma once
// The add label window 增加条码窗: opened where the user right-clicks the paper, it offers a
// new blank label (button 0) and new labels built from the copied design (button 1, as many as
// the count 贴上数量 says). Button 2, a label from a stored design, stays hidden until stored
// designs have their own window.

#include <QPoint>
#include <QWidget>
#include <array>

class QLineEdit;

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::page {

// Places a floating window (a child of its host) beside the pointer, in the host's coordinates:
// 60 twips before the pointer, or pulled back inside the host near its far edge.
void moveBesidePointer(QWidget& window, QPoint pointerInHost);

class AddLabelWindow : public QWidget {
    Q_OBJECT
public:
    // The window floats over `host` (the main window), which it never passes.
    AddLabelWindow(platform::HintBinder& hints, QWidget* host);

    // Opens beside a pointer given in the host's pixels, the count reset to "1". Button 1
    // shows only when a design has been copied.
    void openAt(QPoint pointerInHost, bool pasteMemoryFilled);
    // The count 贴上数量 as a number; an empty box counts as 0.
    int quantity() const;
    QLineEdit* quantityBox() const { return 贴上数量_; }
    platform::SkinButton* button(int index) const { return 增加条码_[static_cast<std::size_t>(index)]; }

signals:
    void addRequested(int button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::array<platform::SkinButton*, 3> 增加条码_{};
    QLineEdit* 贴上数量_ = nullptr;
    QPoint dragOrigin_;
    bool dragging_ = false;
};

}  // namespace kestrin::page
