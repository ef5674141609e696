#include "shell/print_quantity_widget.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "platform/hint_binder.h"
#include "platform/skin.h"
#include "platform/skin_button.h"

namespace kestrin::shell {
namespace {
constexpr int kWidth = 330;
constexpr int kMaxQuantity = 9999;
}  // namespace

using platform::SkinButton;

PrintQuantityWidget::PrintQuantityWidget(platform::HintBinder& hints, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("列印数量窗"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 10, 12, 10);
    row->setSpacing(8);
    auto* caption = new QLabel(QStringLiteral("列印数量"), this);
    caption->setFont(platform::skin::captionFont(13));
    row->addWidget(caption);
    列印数量_ = new QLineEdit(QStringLiteral("1"), this);
    列印数量_->setObjectName(QStringLiteral("列印数量"));
    列印数量_->setValidator(new QIntValidator(0, kMaxQuantity, 列印数量_));
    列印数量_->setMaxLength(4);
    列印数量_->setFixedSize(64, 30);
    列印数量_->setAlignment(Qt::AlignCenter);
    row->addWidget(列印数量_);
    row->addStretch(1);
    确定列印_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("确定列印"), this);
    确定列印_->setObjectName(QStringLiteral("确定列印"));
    确定列印_->setFixedSize(110, 34);
    hints.bind(确定列印_, [] { return std::string_view("确定列印"); });
    connect(确定列印_, &SkinButton::clicked, this, &PrintQuantityWidget::printRequested);
    row->addWidget(确定列印_);
    setFixedSize(kWidth, sizeHint().height());
}

int PrintQuantityWidget::quantity() const { return 列印数量_->text().toInt(); }

void PrintQuantityWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    platform::skin::paintPanel(p, rect());
}

}  // namespace kestrin::shell
