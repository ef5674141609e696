#include "print/paper_panel.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <string>

#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "print/arrangement.h"
#include "print/print_job.h"
#include "print/quantity.h"

namespace kestrin::print {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;

constexpr int kPanelWidth = 240;
constexpr int kPanelHeight = 176;
constexpr int kPanelTop = 600;  // twips below the parent's top
// The size options lie over the places of the background picture that a press selects them by
// (paperSizeAt), so a press just beside an option's caption still takes it.
constexpr QRect kSizeOption[kPaperSizeCount] = {{57, 60, 36, 16}, {57, 78, 36, 16}, {57, 96, 36, 16}};
constexpr QRect kDirectionOption[2] = {{57, 30, 44, 24}, {101, 30, 44, 24}};
constexpr QRect kPreview{160, 34, 66, 80};
constexpr int kCopiesTop = 128;
constexpr int kCopiesDigits = 3;  // kMostCopies at most

QRegularExpressionValidator* digitsOnly(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent);
}

// The copies box selects all of its text when it receives the focus.
class CopiesBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        QMetaObject::invokeMethod(this, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
};

}  // namespace

PaperPanel::PaperPanel(platform::HintBinder& hints, QWidget* parent) : QWidget(parent), hints_(hints) {
    setObjectName(QStringLiteral("纸张设定窗"));
    setFixedSize(kPanelWidth, kPanelHeight);
    setMouseTracking(true);

    for (int i = 0; i < kPaperSizeCount; ++i) {
        auto* b = new SkinButton(SkinButton::Kind::Option, QString::fromUtf8(paperCaption(i)), this);
        b->setObjectName(QStringLiteral("纸张大小%1").arg(i));
        b->setGeometry(kSizeOption[i]);
        b->setAutoExclusive(false);  // the panel keeps the choice; a click on the chosen one keeps it
        connect(b, &SkinButton::clicked, this, [this, i] { chooseSize(i); });
        hints.bind(b, [i, text = std::string()]() mutable {
            text = paperSizeHint(i);
            return std::string_view(text);
        });
        纸张大小_[static_cast<std::size_t>(i)] = b;
    }
    for (int i = 0; i < 2; ++i) {
        const Direction d = i == 0 ? Direction::Upright : Direction::Sideways;
        auto* b = new SkinButton(SkinButton::Kind::Option, i == 0 ? QStringLiteral("直印") : QStringLiteral("横印"), this);
        b->setObjectName(QStringLiteral("列印方向%1").arg(i));
        b->setGeometry(kDirectionOption[i]);
        b->setRowEnds(i == 0, i == 1);
        b->setAutoExclusive(false);
        connect(b, &SkinButton::clicked, this, [this, d] { chooseDirection(d); });
        列印方向_[static_cast<std::size_t>(i)] = b;
    }

    列印份数_ = new CopiesBox(QStringLiteral("1"), this);
    列印份数_->setObjectName(QStringLiteral("列印份数"));
    列印份数_->setMaxLength(kCopiesDigits);
    列印份数_->setAccessibleName(列印份数_->objectName());
    列印份数_->setValidator(digitsOnly(列印份数_));
    列印份数_->setAlignment(Qt::AlignCenter);
    列印份数_->setGeometry(80, kCopiesTop, 52, 26);
    for (int i = 0; i < 2; ++i) {
        auto* b = new SkinButton(i == 0 ? skin::Glyph::Up : skin::Glyph::Down, SkinButton::Kind::Push, this);
        b->setObjectName(QStringLiteral("份数按钮%1").arg(i));
        b->setGeometry(138 + 32 * i, kCopiesTop, 30, 26);
        connect(b, &SkinButton::clicked, this, [this, i] { stepCopies(i); });
        hints.bind(b, [i] { return std::string_view(i == 0 ? "增加 列印份数" : "减少 列印份数"); });
    }

    auto* close = new SkinButton(skin::Glyph::Close, SkinButton::Kind::Push, this);
    close->setObjectName(QStringLiteral("关闭窗"));
    close->setGeometry(kPanelWidth - 30, 4, 26, 22);
    connect(close, &SkinButton::clicked, this, &QWidget::hide);
    hints.bind(close, [] { return std::string_view("关闭 功能视窗"); });

    纸张大小_[0]->setChecked(true);
    列印方向_[0]->setChecked(true);
    hide();
}

int PaperPanel::copies() const { return boxValue(列印份数_->text().toStdString()); }

void PaperPanel::openAt(int x) {
    move(x, platform::toPixels(kPanelTop));
    show();
    raise();
}

void PaperPanel::chooseSize(int sizeIndex) {
    if (sizeIndex < 0 || sizeIndex >= kPaperSizeCount) return;
    sizeIndex_ = sizeIndex;
    for (int i = 0; i < kPaperSizeCount; ++i) 纸张大小_[static_cast<std::size_t>(i)]->setChecked(i == sizeIndex);
    update();
    emit paperChanged();
}

void PaperPanel::chooseDirection(Direction direction) {
    direction_ = direction;
    列印方向_[0]->setChecked(direction == Direction::Upright);
    列印方向_[1]->setChecked(direction == Direction::Sideways);
    emit hints_.hint(platform::toQString(directionHint(direction)));
    update();
    emit paperChanged();
}

void PaperPanel::stepCopies(int button) {
    列印份数_->setText(QString::number(std::min(印量加减(copies(), button), kMostCopies)));
}

void PaperPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintPanel(p, rect());
    p.setFont(skin::captionFont(13, true));
    p.setPen(skin::kFrameBlue);
    p.drawText(QRect(12, 4, 120, 24), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("纸张设定"));
    p.setFont(skin::captionFont(12));
    p.setPen(skin::kHintText);
    p.drawText(QRect(12, 30, 44, 24), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("方向"));
    p.drawText(QRect(12, 61, 44, 50), Qt::AlignTop | Qt::AlignLeft, QStringLiteral("纸张\n大小"));
    p.drawText(QRect(12, kCopiesTop, 66, 26), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("列印份数"));

    // A small picture of the chosen sheet, to scale, in its direction.
    const PaperSize size = paperSize();
    const double scale = std::min(kPreview.width() / 16700.0, kPreview.height() / 16700.0);
    const QSizeF sheet(size.width * scale, size.height * scale);
    const QRectF r(kPreview.center().x() - sheet.width() / 2, kPreview.center().y() - sheet.height() / 2,
                   sheet.width(), sheet.height());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(skin::kFrameBlue, 1));
    p.setBrush(skin::kLitTint);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(skin::kFrameBlue);
    p.drawText(r, Qt::AlignCenter, QString::fromUtf8(paperCaption(sizeIndex_)));
}

void PaperPanel::mousePressEvent(QMouseEvent* event) {
    const auto at = event->position();
    if (const auto size = paperSizeAt(platform::toTwips(at.x()), platform::toTwips(at.y()))) {
        chooseSize(*size);
        return;
    }
    dragOrigin_ = at.toPoint();
    dragging_ = true;
}

void PaperPanel::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(pos() + event->position().toPoint() - dragOrigin_);
        return;
    }
    emit hints_.hint(QString());
}

void PaperPanel::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

}  // namespace kestrin::print
