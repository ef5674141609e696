#include "print/arrangement_panel.h"

#include <QEvent>
#include <algorithm>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "storage/settings_keys.h"

namespace kestrin::print {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;

constexpr int kPanelWidth = 264;
constexpr int kPanelHeight = 170;
constexpr int kOpenLeftOfButton = 360;
constexpr int kOpenTop = 600;

struct BoxRow {
    const char* name;
    const char* caption;
    const char* initial;
    int digits;
    const char* hint;
};

// In the order of the stored value.
constexpr BoxRow kBoxes[4] = {
    {"左右间距", "左右间距", "2", 2, "条码左右 区隔拒离"},
    {"上下间距", "上下间距", "2", 2, "条码上下 区隔拒离"},
    {"起始左", "起始左", "20", 3, "排列开始 最左边 位置"},
    {"起始上", "起始上", "20", 3, "排列开始 最上方 位置"},
};
// Where each box sits: the start boxes in the first row, the gaps in the second.
constexpr QPoint kBoxPlace[4] = {{70, 118}, {196, 118}, {70, 80}, {196, 80}};

constexpr const char* kModeCaptions[3] = {"单行", "二行", "左右"};
constexpr const char* kModeHints[3] = {"单行 上下排列", "二行 上下排列", "依照 左右排列"};

}  // namespace

ArrangementPanel::ArrangementPanel(document::Document& doc, Ui& ui, platform::HintBinder& hints, PaperReader paper,
                                   Writer write, QWidget* parent)
    : QWidget(parent), doc_(doc), ui_(ui), paper_(std::move(paper)), write_(std::move(write)) {
    setObjectName(QStringLiteral("自动排列窗"));
    setFixedSize(kPanelWidth, kPanelHeight);

    for (int i = 0; i < 3; ++i) {
        auto* b = new SkinButton(SkinButton::Kind::Option, QString::fromUtf8(kModeCaptions[i]), this);
        b->setObjectName(QStringLiteral("排列选择%1").arg(i));
        b->setGeometry(12 + 80 * i, 36, 80, 28);
        b->setRowEnds(i == 0, i == 2);
        b->setAutoExclusive(false);
        connect(b, &SkinButton::clicked, this, [this, i] { arrange(static_cast<ArrangementMode>(i)); });
        hints.bind(b, [i] { return std::string_view(kModeHints[i]); });
        排列选择_[static_cast<std::size_t>(i)] = b;
    }
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit(QString::fromUtf8(kBoxes[i].initial), this);
        box->setObjectName(QString::fromUtf8(kBoxes[i].name));
        box->setMaxLength(kBoxes[i].digits);
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
        box->setAlignment(Qt::AlignCenter);
        box->setGeometry(QRect(kBoxPlace[i], QSize(52, 26)));
        box->installEventFilter(this);
        hints.bind(box, [i] { return std::string_view(kBoxes[i].hint); });
        boxes_[i] = box;
    }

    auto* close = new SkinButton(skin::Glyph::Close, SkinButton::Kind::Push, this);
    close->setObjectName(QStringLiteral("关闭窗"));
    close->setGeometry(kPanelWidth - 30, 4, 26, 22);
    connect(close, &SkinButton::clicked, this, &QWidget::hide);
    hints.bind(close, [] { return std::string_view("关闭 功能视窗"); });
    hide();
}

void ArrangementPanel::loadStored(std::string_view value) {
    const auto texts = storage::readPrintArrangement(value);
    if (!texts) return;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        // The boxes take the parts' numeric values; they hold digits only, so a hand-edited
        // negative value counts as 0.
        boxes_[i]->setText(QString::number(std::max(0, storage::leadingWholeNumber((*texts)[i]))));
    }
}

ArrangementValues ArrangementPanel::values() const {
    const auto value = [this](std::size_t i) { return boxValue(boxes_[i]->text().toStdString()); };
    return {value(0), value(1), value(2), value(3)};
}

void ArrangementPanel::arrange(ArrangementMode mode) {
    mode_ = mode;
    for (std::size_t i = 0; i < 排列选择_.size(); ++i) 排列选择_[i]->setChecked(static_cast<int>(mode) == static_cast<int>(i));
    doc_.editPage([&](document::LabelPage& page) { arrangeLabels(page, mode, values(), paper_(), ui_); });
    emit arranged();
}

void ArrangementPanel::openBeside(int buttonLeft) {
    move(buttonLeft - platform::toPixels(kOpenLeftOfButton), platform::toPixels(kOpenTop));
    show();
    raise();
}

QLineEdit* ArrangementPanel::box(std::string_view name) const {
    for (QLineEdit* b : boxes_) {
        if (b->objectName() == platform::toQString(name)) return b;
    }
    return nullptr;
}

void ArrangementPanel::boxTyped() {
    storage::PrintArrangementTexts texts;
    for (std::size_t i = 0; i < boxes_.size(); ++i) texts[i] = boxes_[i]->text().toStdString();
    if (write_) write_(storage::formatPrintArrangement(texts));
    arrange(mode_);
}

bool ArrangementPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) boxTyped();
    return QWidget::eventFilter(watched, event);
}

void ArrangementPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintPanel(p, rect());
    p.setFont(skin::captionFont(13, true));
    p.setPen(skin::kFrameBlue);
    p.drawText(QRect(12, 4, 160, 26), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("自动排列"));
    p.setFont(skin::captionFont(12));
    p.setPen(skin::kHintText);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QRect caption(kBoxPlace[i].x() - 58, kBoxPlace[i].y(), 56, 26);
        p.drawText(caption, Qt::AlignVCenter | Qt::AlignRight, QString::fromUtf8(kBoxes[i].caption));
    }
}

void ArrangementPanel::mousePressEvent(QMouseEvent* event) {
    dragOrigin_ = event->position().toPoint();
    dragging_ = true;
}

void ArrangementPanel::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) move(pos() + event->position().toPoint() - dragOrigin_);
}

void ArrangementPanel::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

}  // namespace kestrin::print
