#pragma once
// The simple view's quantity panel 列印数量窗: the box 列印数量 (digits only, at most four,
// "1" at first) and the buttons 印量加减 that add one to it or take one off while it is above 1,
// beside the print button 确定列印, whose release asks for the simple print.

#include <QWidget>

class QLineEdit;

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::print {

class QuantityPanel : public QWidget {
    Q_OBJECT
public:
    QuantityPanel(platform::HintBinder& hints, QWidget* parent);

    // The quantity Q of the simple print; an empty box counts as 0.
    int quantity() const;
    QLineEdit* quantityBox() const { return 列印数量_; }
    platform::SkinButton* printButton() const { return 确定列印_; }
    // 印量加减: 0 adds one, 1 takes one off while the value is above 1.
    void 印量加减(int button);

signals:
    void printRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* 列印数量_ = nullptr;
    platform::SkinButton* 确定列印_ = nullptr;
};

}  // namespace kestrin::print
