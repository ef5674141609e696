#include "page/barcode_input_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/barcode_drawing.h"
#include "engine/code39.h"
#include "page/barcode_input.h"
#include "page/record_picker_panel.h"
#include "page/serial_step.h"
#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "platform/undo_keys.h"
#include "storage/file_system.h"

namespace kestrin::page {
namespace {

using platform::SkinButton;
using platform::skin::Glyph;

constexpr int kPanelWidth = 366;  // fits the simple view's column beside its margins
constexpr std::string_view kCloseHint = "关闭 功能视窗";
// Typing in the data box is one step of the undo until the box loses the focus.
constexpr std::string_view kTyping = "typing";

// Typed and pasted text alike: every character must be one the barcode can store. Keys that
// are not text (Enter, backspace, tab, escape, the arrows) never reach the validator.
class BarcodeCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return engine::firstRefusedCharacter(input.toStdString()).empty() ? Acceptable : Invalid;
    }
};

const char* checkCaption(PanelCheck box) {
    switch (box) {
        case PanelCheck::识别字符: return "识别字符";
        case PanelCheck::字集中: return "字集中";
        case PanelCheck::符号粗: return "符号粗";
        case PanelCheck::外框勾选: return "外框";
    }
    return "";
}

const char* checkName(PanelCheck box) {
    switch (box) {
        case PanelCheck::识别字符: return "识别字符";
        case PanelCheck::字集中: return "字集中";
        case PanelCheck::符号粗: return "符号粗";
        case PanelCheck::外框勾选: return "外框勾选";
    }
    return "";
}

}  // namespace

BarcodeDataBox::BarcodeDataBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("条码输入"));
    setMaxLength(static_cast<int>(kBarcodeInputMaxCharacters));
    setValidator(new BarcodeCharacters(this));
    setFont(platform::skin::captionFont(16));
    setMinimumHeight(32);
    installEventFilter(new platform::UndoKeysToWindow(this));
}

void BarcodeDataBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft();
}

void BarcodeDataBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that brought the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void BarcodeDataBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

条码输入区::条码输入区(document::Document& doc, platform::HintBinder& hints, QWidget* parent)
    : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("条码输入区"));
    buildControls(hints);
    setFixedWidth(kPanelWidth);
    setFixedHeight(sizeHint().height());
    subscription_ = doc_.subscribe([this](const document::ChangedLabels& changed) { labelsChanged(changed); });
}

条码输入区::~条码输入区() { doc_.unsubscribe(subscription_); }

void 条码输入区::buildControls(platform::HintBinder& hints) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);
    column->addLayout(buildDataRow(hints));
    QHBoxLayout* variants = buildVariantRow();
    column->addLayout(variants);
    column->addLayout(buildAdjustRow(hints));
    // The frame check box sits with the variants, as both change the look of the whole
    // barcode; the other three join the size list in the readable characters' row.
    auto* characters = new QHBoxLayout;
    characters->setSpacing(2);
    for (std::size_t k = 0; k < kPanelChecks.size(); ++k) {
        checks_[k] = buildCheck(hints, kPanelChecks[k]);
        if (kPanelChecks[k] == PanelCheck::外框勾选) {
            variants->addSpacing(8);
            variants->addWidget(checks_[k]);
        } else {
            characters->addWidget(checks_[k]);
        }
    }
    characters->addStretch(1);
    characters->addWidget(buildSizeList());
    column->addLayout(characters);
}

QHBoxLayout* 条码输入区::buildDataRow(platform::HintBinder& hints) {
    auto* row = new QHBoxLayout;
    条码输入_ = new BarcodeDataBox(this);
    hints.bind(条码输入_, [this] { return dataBoxHint(recordsFileExists()); });
    connect(条码输入_, &QLineEdit::textChanged, this, &条码输入区::takeData);
    connect(条码输入_, &QLineEdit::returnPressed, this, &QWidget::hide);
    connect(条码输入_, &BarcodeDataBox::doubleClicked, this, &条码输入区::openPicker);
    connect(条码输入_, &BarcodeDataBox::focusLeft, this, [this] { doc_.endMerge(); });
    row->addWidget(条码输入_, 1);
    row->addWidget(buildSerialStep(hints, 0));
    row->addWidget(buildSerialStep(hints, 1));
    auto* close = new SkinButton(Glyph::Close, SkinButton::Kind::Push, this);
    close->setObjectName(QStringLiteral("关闭窗1"));
    close->setFixedSize(32, 32);
    hints.bind(close, [] { return kCloseHint; });
    connect(close, &SkinButton::clicked, this, &QWidget::hide);
    row->addWidget(close);
    return row;
}

platform::SkinButton* 条码输入区::buildSerialStep(platform::HintBinder& hints, int button) {
    auto* step = new SkinButton(SkinButton::Kind::Push, button == 0 ? QStringLiteral("+1") : QStringLiteral("−1"), this);
    step->setObjectName(QStringLiteral("流水加减%1").arg(button));
    step->setFixedSize(36, 32);
    hints.bind(step, [this, button] {
        // The hint text is built per call, so it lives in the panel until the next one.
        serialHint_ = serialStepHint(条码输入_->text().toStdString(), button);
        return std::string_view(serialHint_);
    });
    connect(step, &SkinButton::clicked, this, [this, button] {
        const std::string typed = 条码输入_->text().toStdString();
        if (typed.empty()) return;
        条码输入_->setText(platform::toQString(流水加减(typed, button)));
    });
    return step;
}

QHBoxLayout* 条码输入区::buildVariantRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    for (int v = 0; v < 4; ++v) {
        auto* option = new SkinButton(SkinButton::Kind::Option, platform::toQString(variantCaption(v)), this);
        option->setObjectName(QStringLiteral("格式设定%1").arg(v));
        option->setRowEnds(v == 0, v == 3);
        option->setFixedHeight(28);
        connect(option, &SkinButton::toggled, this, [this, v](bool on) {
            if (on) editLabel([v](document::Label& label) { label.variant = static_cast<std::uint8_t>(v); });
        });
        row->addWidget(option, 1);
        格式设定_[static_cast<std::size_t>(v)] = option;
    }
    return row;
}

QHBoxLayout* 条码输入区::buildAdjustRow(platform::HintBinder& hints) {
    // Four pairs: up/down, left/right, bar height, module width.
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (int i = 0; i < 8; ++i) {
        auto* button = new SkinButton(static_cast<Glyph>(static_cast<int>(Glyph::Up) + i), SkinButton::Kind::Push, this);
        button->setObjectName(QStringLiteral("调整位置%1").arg(i));
        button->setFixedSize(36, 30);
        hints.bind(button, [i] { return std::string_view(engine::adjustHint(i)); });
        connect(button, &SkinButton::clicked, this,
                [this, i] { editLabel([i](document::Label& label) { engine::调整位置(label, i); }); });
        row->addWidget(button);
        if (i % 2 == 1 && i < 7) row->addSpacing(6);
    }
    row->addStretch(1);
    return row;
}

platform::SkinButton* 条码输入区::buildCheck(platform::HintBinder& hints, PanelCheck box) {
    auto* check = new SkinButton(SkinButton::Kind::Check, QString::fromUtf8(checkCaption(box)), this);
    check->setObjectName(QString::fromUtf8(checkName(box)));
    hints.bind(check, [this, box, check] { return checkHint(box, check->isChecked(), printerKind_()); });
    connect(check, &SkinButton::toggled, this, [this, box, check, &hints](bool on) {
        hints.refresh(check);
        editLabel([box, on](document::Label& label) { setTicked(label, box, on); });
    });
    return check;
}

QComboBox* 条码输入区::buildSizeList() {
    识符字大小_ = new QComboBox(this);
    识符字大小_->setObjectName(QStringLiteral("识符字大小"));
    识符字大小_->setPlaceholderText(platform::toQString(kReadableSizePlaceholder));
    for (int size : kReadableSizes) 识符字大小_->addItem(QString::number(size), size);
    识符字大小_->setFixedSize(104, 28);
    connect(识符字大小_, &QComboBox::activated, this, [this](int index) {
        if (index < 0) return;
        const int points = 识符字大小_->itemData(index).toInt();
        editLabel([points](document::Label& label) { setReadableSize(label, points); });
    });
    return 识符字大小_;
}

void 条码输入区::editLabel(const std::function<void(document::Label&)>& change, std::string_view mergeKey) {
    if (!doc_.exists(tag_)) return;
    editing_ = true;
    doc_.editLabel(tag_, change, mergeKey);
    editing_ = false;
}

void 条码输入区::takeData(const QString& text) {
    editLabel([&text](document::Label& label) { takeBarcodeInput(label, text.toStdString()); }, kTyping);
}

void 条码输入区::labelsChanged(const document::ChangedLabels& changed) {
    if (tag_ == kNoLabel || editing_ || std::find(changed.begin(), changed.end(), tag_) == changed.end()) return;
    if (doc_.exists(tag_)) {
        fill(doc_.label(tag_));
    } else {
        labelGone(tag_);
    }
}

bool 条码输入区::recordsFileExists() const {
    return dataFolder_ && storage::realFileSystem().exists(storage::barcodeRecordsFilePath(*dataFolder_));
}

void 条码输入区::attachPicker(RecordPickerPanel& picker) {
    picker_ = &picker;
    connect(&picker, &RecordPickerPanel::chosen, this, [this](const QString& barcode) {
        if (!doc_.exists(tag_)) return;
        条码输入_->setText(barcode);
        条码输入_->setFocus(Qt::OtherFocusReason);
    });
}

void 条码输入区::openPicker() {
    if (!picker_ || !recordsFileExists()) return;
    QWidget* host = picker_->parentWidget();
    const QPoint corner = host && host->isAncestorOf(this) ? mapTo(host, QPoint(0, 0)) : mapToGlobal(QPoint(0, 0));
    picker_->open(corner);
}

void 条码输入区::labelGone(int index) {
    if (index != tag_) return;
    tag_ = kNoLabel;
    hide();
    if (picker_) picker_->hide();
}

void 条码输入区::open(int index) {
    if (!doc_.exists(index)) return;
    tag_ = index;
    doc_.endMerge();
    fill(doc_.label(index));
    show();
    raise();
    条码输入_->setFocus(Qt::OtherFocusReason);
}

// Shows the label's values without editing it again.
void 条码输入区::fill(const document::Label& label) {
    {
        const QSignalBlocker block(条码输入_);
        条码输入_->setText(platform::toQString(label.data));
    }
    for (std::size_t k = 0; k < kPanelChecks.size(); ++k) {
        const QSignalBlocker block(checks_[k]);
        checks_[k]->setChecked(isTicked(label, kPanelChecks[k]));
    }
    const int variant = label.variant < 4 ? label.variant : 0;
    {
        const QSignalBlocker block(格式设定_[static_cast<std::size_t>(variant)]);
        格式设定_[static_cast<std::size_t>(variant)]->setChecked(true);
    }
    识符字大小_->setCurrentIndex(识符字大小_->findData(shownReadableSize(label)));
}

void 条码输入区::paintEvent(QPaintEvent*) {
    QPainter p(this);
    platform::skin::paintPanel(p, rect());
}

}  // namespace kestrin::page
