#include "print/quantity_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "platform/hint_binder.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "print/arrangement.h"
#include "print/quantity.h"

namespace kestrin::print {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;

constexpr int kQuantityDigits = 4;
constexpr int kWidth = 366;  // the width of the barcode input panel above it

}  // namespace

QuantityPanel::QuantityPanel(platform::HintBinder& hints, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("列印数量窗"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 6, 10, 6);
    row->setSpacing(6);
    auto* caption = new QLabel(QStringLiteral("列印数量"), this);
    caption->setFont(skin::captionFont(12));
    row->addWidget(caption);

    列印数量_ = new QLineEdit(QStringLiteral("1"), this);
    列印数量_->setObjectName(QStringLiteral("列印数量"));
    列印数量_->setMaxLength(kQuantityDigits);
    列印数量_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), 列印数量_));
    列印数量_->setAlignment(Qt::AlignCenter);
    列印数量_->setFixedSize(56, 26);
    row->addWidget(列印数量_);
    hints.bind(列印数量_, [] { return std::string_view("点选 输入要列印的 条码数量"); });

    for (int i = 0; i < 2; ++i) {
        auto* b = new SkinButton(i == 0 ? skin::Glyph::Up : skin::Glyph::Down, SkinButton::Kind::Push, this);
        b->setObjectName(QStringLiteral("印量加减%1").arg(i));
        b->setFixedSize(30, 26);
        connect(b, &SkinButton::clicked, this, [this, i] { 印量加减(i); });
        hints.bind(b, [i] { return std::string_view(i == 0 ? "增加 列印数量" : "减少 列印数量"); });
        row->addWidget(b);
    }
    row->addStretch(1);
    确定列印_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("确定列印"), this);
    确定列印_->setObjectName(QStringLiteral("确定列印"));
    确定列印_->setFixedSize(96, 30);
    hints.bind(确定列印_, [] { return std::string_view("确定列印"); });
    connect(确定列印_, &SkinButton::clicked, this, &QuantityPanel::printRequested);
    row->addWidget(确定列印_);
    setFixedSize(kWidth, sizeHint().height());
}

int QuantityPanel::quantity() const { return boxValue(列印数量_->text().toStdString()); }

void QuantityPanel::印量加减(int button) {
    // Four digits at most, as if typed.
    列印数量_->setText(QString::number(std::min(print::印量加减(quantity(), button), 9999)));
}

void QuantityPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintPanel(p, rect());
}

}  // namespace kestrin::print
