#include "page/add_label_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <string>

#include "page/label_editing.h"
#include "platform/hint_binder.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "print/arrangement.h"
#include "print/generation.h"

namespace kestrin::page {
namespace {

using platform::SkinButton;
using platform::toPixels;
using platform::toTwips;

constexpr const char* kCaptions[] = {"增加空白条码", "增加复制条码", "读取记录条码"};
constexpr int kQuantityDigits = 2;

// Along one axis, in pixels: the window's place beside the pointer inside the host.
int besidePointerPixels(int at, int size, int hostSize) {
    return toPixels(besidePointer(toTwips(at), toTwips(size), toTwips(hostSize)));
}

}  // namespace

void moveBesidePointer(QWidget& window, QPoint pointerInHost) {
    const QWidget* host = window.parentWidget();
    window.move(besidePointerPixels(pointerInHost.x(), window.width(), host->width()),
                besidePointerPixels(pointerInHost.y(), window.height(), host->height()));
}

AddLabelWindow::AddLabelWindow(platform::HintBinder& hints, QWidget* host) : QWidget(host) {
    setObjectName(QStringLiteral("增加条码窗"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(6);
    for (int i = 0; i < 3; ++i) {
        auto* b = new SkinButton(SkinButton::Kind::Push, QString::fromUtf8(kCaptions[i]), this);
        b->setObjectName(QStringLiteral("增加条码%1").arg(i));
        b->setMinimumWidth(120);
        connect(b, &SkinButton::clicked, this, [this, i] { emit addRequested(i); });
        增加条码_[static_cast<std::size_t>(i)] = b;
    }
    贴上数量_ = new QLineEdit(QStringLiteral("1"), this);
    贴上数量_->setObjectName(QStringLiteral("贴上数量"));
    贴上数量_->setMaxLength(kQuantityDigits);
    贴上数量_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    贴上数量_->setFixedWidth(36);
    贴上数量_->setAlignment(Qt::AlignCenter);

    auto* copyRow = new QHBoxLayout;
    copyRow->setSpacing(6);
    copyRow->addWidget(增加条码_[1], 1);
    copyRow->addWidget(贴上数量_);
    column->addWidget(增加条码_[0]);
    column->addLayout(copyRow);
    column->addWidget(增加条码_[2]);

    hints.bind(增加条码_[0], [] { return std::string_view("增加【空白 条码输入区】"); });
    // The hint names the count as it stands when the pointer arrives.
    hints.bind(增加条码_[1], [this, text = std::string()]() mutable {
        text = print::generationHint(1, 贴上数量_->text().toStdString());
        return std::string_view(text);
    });
    hints.bind(增加条码_[2], [] { return std::string_view("增加记录中的，条码格式"); });
    hints.bind(贴上数量_, [] { return kPasteQuantityHint; });
    hide();
}

void AddLabelWindow::openAt(QPoint pointerInHost, bool pasteMemoryFilled) {
    贴上数量_->setText(QStringLiteral("1"));
    增加条码_[1]->setVisible(pasteMemoryFilled);
    贴上数量_->setVisible(pasteMemoryFilled);
    增加条码_[2]->hide();
    adjustSize();
    moveBesidePointer(*this, pointerInHost);
    show();
    raise();
}

int AddLabelWindow::quantity() const { return print::boxValue(贴上数量_->text().toStdString()); }

void AddLabelWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    platform::skin::paintPanel(p, rect());
}

// Dragged by its background like every floating panel.
void AddLabelWindow::mousePressEvent(QMouseEvent* event) {
    dragOrigin_ = event->position().toPoint();
    dragging_ = true;
}

void AddLabelWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) move(pos() + event->position().toPoint() - dragOrigin_);
}

void AddLabelWindow::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

}  // namespace kestrin::page
