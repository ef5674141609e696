#pragma once
// The login panel 登入密码窗: covers the whole main window while a start-up password is set
// and opens the window the moment the typed text is the password. No button confirms and no
// message answers a wrong password.

#include <QPoint>
#include <QWidget>
#include <string>

class QLineEdit;

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::shell {

class LoginPanel : public QWidget {
    Q_OBJECT
public:
    explicit LoginPanel(QWidget* parent = nullptr);

    // The size of the panel's picture 密码窗大小, in pixels.
    static QSize pictureSize();
    // Shows the panel asking for the password whose stored form is given.
    void open(std::string stored);
    QLineEdit* passwordBox() const { return 输入密码_; }
    platform::SkinButton* showButton() const { return 显示_; }

signals:
    // The typed text is the password: the panel has hidden itself.
    void opened();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void check(const QString& typed);
    void toggleShown();

    std::string stored_;
    QLineEdit* 输入密码_ = nullptr;
    platform::SkinButton* 显示_ = nullptr;
    QPoint dragStart_;
    bool dragging_ = false;
};

}  // namespace kestrin::shell
