#include "shell/login_panel.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "platform/skin.h"
#include "platform/skin_button.h"
#include "shell/password.h"

namespace kestrin::shell {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;

// 4800 x 2700 twips.
constexpr int kWidth = 320;
constexpr int kHeight = 180;
const QString kShowCaption = QStringLiteral("显示密码");
const QString kHideCaption = QStringLiteral("隐藏密码");
// The box shows "*" for each character while the password is hidden.
const QString kStarStyle = QStringLiteral("QLineEdit { lineedit-password-character: 42; }");

}  // namespace

LoginPanel::LoginPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("登入密码窗"));
    setFixedSize(kWidth, kHeight);
    输入密码_ = new QLineEdit(this);
    输入密码_->setObjectName(QStringLiteral("输入密码"));
    输入密码_->setAccessibleName(输入密码_->objectName());
    输入密码_->setEchoMode(QLineEdit::Password);
    输入密码_->setStyleSheet(kStarStyle);
    输入密码_->setFont(skin::captionFont(16));
    输入密码_->setGeometry(40, 92, 240, 34);
    connect(输入密码_, &QLineEdit::textChanged, this, &LoginPanel::check);
    显示_ = new SkinButton(SkinButton::Kind::Push, kShowCaption, this);
    显示_->setObjectName(QStringLiteral("显示"));
    显示_->setGeometry(190, 134, 90, 28);
    connect(显示_, &SkinButton::clicked, this, &LoginPanel::toggleShown);
    hide();
}

QSize LoginPanel::pictureSize() { return {kWidth, kHeight}; }

void LoginPanel::open(std::string stored) {
    stored_ = std::move(stored);
    输入密码_->clear();
    move(0, 0);
    show();
    raise();
    输入密码_->setFocus();
}

void LoginPanel::check(const QString& typed) {
    if (!passwordMatches(stored_, typed.toStdString())) return;
    hide();
    emit opened();
}

void LoginPanel::toggleShown() {
    const bool hidden = 输入密码_->echoMode() == QLineEdit::Password;
    输入密码_->setEchoMode(hidden ? QLineEdit::Normal : QLineEdit::Password);
    显示_->setText(hidden ? kHideCaption : kShowCaption);
    输入密码_->setFocus();
}

void LoginPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintLogin(p, rect(), QStringLiteral("Kestrin Vorlana"));
}

void LoginPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragStart_ = event->globalPosition().toPoint() - window()->pos();
    dragging_ = true;
}

void LoginPanel::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) window()->move(event->globalPosition().toPoint() - dragStart_);
}

void LoginPanel::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

}  // namespace kestrin::shell
