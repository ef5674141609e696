#pragma once
// The simple view's print quantity 列印数量窗 in its smallest form: the quantity box 列印数量
// and the print button 确定列印. The full quantity panel replaces it when it arrives.

#include <QWidget>

class QLineEdit;

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::shell {

class PrintQuantityWidget : public QWidget {
    Q_OBJECT
public:
    explicit PrintQuantityWidget(platform::HintBinder& hints, QWidget* parent = nullptr);

    // Q: the box's numeric value; an empty box is 0.
    int quantity() const;
    QLineEdit* box() const { return 列印数量_; }
    platform::SkinButton* printButton() const { return 确定列印_; }

signals:
    void printRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* 列印数量_ = nullptr;
    platform::SkinButton* 确定列印_ = nullptr;
};

}  // namespace kestrin::shell
