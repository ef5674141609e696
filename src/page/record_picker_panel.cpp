#include "page/record_picker_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/qt_ui.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "storage/barcode_records.h"
#include "storage/file_system.h"

namespace kestrin::page {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;
using platform::toQString;

constexpr int kPanelWidth = 366;  // the width of the barcode input panel it opens over
constexpr int kListWidth = 138;
constexpr int kRowHeight = 28;

QString q(const std::string& text) { return toQString(text); }

QStringList qList(const std::vector<std::string>& texts) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& t : texts) out << q(t);
    return out;
}

}  // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
}

void LeadingCodeBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that brought the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

RecordPickerPanel::RecordPickerPanel(std::filesystem::path baseFolder, Ui& ui, QWidget* parent)
    : QWidget(parent),
      baseFolder_(std::move(baseFolder)),
      ui_(ui),
      读条码档_(new QTimer(this)),
      稍后执行_(new QTimer(this)),
      终点显示_(new QTimer(this)) {
    setObjectName(QStringLiteral("条码载入窗"));
    读条码档_->setObjectName(QStringLiteral("读条码档"));
    读条码档_->setInterval(kReadInterval);
    稍后执行_->setObjectName(QStringLiteral("稍后执行"));
    稍后执行_->setInterval(kLaterInterval);
    终点显示_->setObjectName(QStringLiteral("终点显示"));
    终点显示_->setInterval(kEndInterval);
    connect(读条码档_, &QTimer::timeout, this, &RecordPickerPanel::readRecords);
    connect(稍后执行_, &QTimer::timeout, this, &RecordPickerPanel::runLater);
    connect(终点显示_, &QTimer::timeout, this, &RecordPickerPanel::showEnd);
    connect(&hints_, &platform::HintBinder::hint, this, &RecordPickerPanel::showHint);
    buildControls();
    setFixedWidth(kPanelWidth);
    showHeadings();
    hide();
}

void RecordPickerPanel::buildControls() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    // Heading row: the barcode column's captions, the reset and the close buttons.
    auto* heading = new QHBoxLayout;
    heading->setSpacing(6);
    heading->addWidget(buildCaption(0));
    heading->addWidget(说明2_[0]);
    heading->addStretch(1);
    重新设定_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("重新设定"), this);
    重新设定_->setObjectName(QStringLiteral("重新设定"));
    重新设定_->setFixedSize(76, kRowHeight);
    hints_.bind(重新设定_, [] { return kResetHint; });
    connect(重新设定_, &SkinButton::clicked, this, [this] { 读条码档_->start(); });
    heading->addWidget(重新设定_);
    auto* close = new SkinButton(skin::Glyph::Close, SkinButton::Kind::Push, this);
    close->setObjectName(QStringLiteral("关闭窗0"));
    close->setFixedSize(kRowHeight, kRowHeight);
    hints_.bind(close, [] { return kPanelCloseHint; });
    connect(close, &SkinButton::clicked, this, &QWidget::hide);
    heading->addWidget(close);
    grid->addLayout(heading, 0, 0, 1, 2);

    开头码_ = new LeadingCodeBox(this);
    开头码_->setObjectName(QStringLiteral("开头码"));
    开头码_->setFixedSize(kListWidth, kRowHeight);
    skin::styleField(开头码_);
    hints_.bind(开头码_, [] { return kLeadingCodeHint; });
    connect(开头码_, &QLineEdit::textEdited, this, &RecordPickerPanel::leadingTyped);
    grid->addWidget(开头码_, 1, 0);

    筛选项0_ = new QListWidget(this);
    筛选项0_->setObjectName(QStringLiteral("筛选项0"));
    筛选项0_->setFixedWidth(kListWidth);
    筛选项0_->setFont(skin::captionFont(14));
    skin::styleField(筛选项0_);
    connect(筛选项0_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(item->text()); });
    grid->addWidget(筛选项0_, 2, 0);

    grid->addWidget(buildChoiceRows(), 1, 1, 2, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    buildHintLines(grid, 3);
}

QWidget* RecordPickerPanel::buildChoiceRows() {
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    for (std::size_t k = 1; k < kPickerColumns; ++k) {
        const int row = static_cast<int>(k) - 1;
        grid->addWidget(buildCaption(k), row, 0);
        auto* choice = new QComboBox(rows);
        choice->setObjectName(QStringLiteral("记录选项%1").arg(k));
        说明_[k]->setBuddy(choice);  // the caption names the choice for a screen reader
        choice->setFixedHeight(kRowHeight);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(4);
        connect(choice, &QComboBox::activated, this, [this, k](int index) { choiceMade(k, index); });
        grid->addWidget(choice, row, 1);
        grid->addWidget(说明2_[k], row, 2);
        记录选项_[k] = choice;
    }
    grid->setColumnStretch(1, 1);
    return rows;
}

ClickLabel* RecordPickerPanel::buildCaption(std::size_t k) {
    auto* caption = new ClickLabel(this);
    caption->setObjectName(QStringLiteral("说明%1").arg(k));
    caption->setFont(skin::captionFont(13, true));
    caption->setMinimumWidth(k == 0 ? 0 : 40);
    caption->onClick = [this, k] { 说明2_[k]->setText(说明_[k]->text()); };
    说明_[k] = caption;
    auto* second = new QLabel(this);
    second->setObjectName(QStringLiteral("说明2%1").arg(k));
    second->setFont(skin::captionFont(11));
    second->setForegroundRole(QPalette::PlaceholderText);
    // Empty until a caption is clicked; then as wide as its text, within reason.
    second->setMaximumWidth(k == 0 ? 80 : 48);
    说明2_[k] = second;
    return caption;
}

void RecordPickerPanel::buildHintLines(QGridLayout* grid, int row) {
    说明提示_ = new ClickLabel(this);
    说明提示_->setObjectName(QStringLiteral("说明提示"));
    说明提示2_ = new QLabel(this);
    说明提示2_->setObjectName(QStringLiteral("说明提示2"));
    for (QLabel* line : {static_cast<QLabel*>(说明提示_), 说明提示2_}) {
        line->setFont(skin::captionFont(12));
        line->setFixedHeight(18);
    }
    说明提示_->onClick = [this] { 说明提示2_->setText(说明提示_->text()); };
    grid->addWidget(说明提示_, row, 0, 1, 2);
    grid->addWidget(说明提示2_, row + 1, 0, 1, 2);
}

void RecordPickerPanel::setHeadings(const PickerHeadings& headings) {
    model_.setHeadings(headings);
    showHeadings();
    showLists();
}

void RecordPickerPanel::showHeadings() {
    const PickerHeadings& h = model_.headings();
    for (std::size_t k = 0; k < kPickerColumns; ++k) {
        说明_[k]->setText(q(h.captions[k]));
        说明_[k]->setVisible(h.visible[k]);
        说明2_[k]->setVisible(h.visible[k]);
        if (记录选项_[k]) 记录选项_[k]->setVisible(h.visible[k]);
    }
    // A list view takes no name from a caption's buddy.
    筛选项0_->setAccessibleName(说明_[0]->text());
    setFixedHeight(sizeHint().height());
}

bool RecordPickerPanel::recordsFileExists() const {
    return storage::realFileSystem().exists(storage::barcodeRecordsFilePath(baseFolder_));
}

void RecordPickerPanel::open(QPoint topLeft) {
    读条码档_->start();
    move(topLeft);
    show();
    raise();
}

void RecordPickerPanel::readRecords() {
    // Off before reading: a damaged file's messages must not let the next tick read it again.
    读条码档_->stop();
    storage::BarcodeRecordsFile file(baseFolder_, ui_);
    storage::PickerValues values;
    std::vector<PickerRecord> records;
    switch (file.pickerLoad(values, &records)) {
        case storage::BarcodeReadOutcome::Missing:
            读条码档_->start();  // tried again at the next tick until the file is there
            return;
        case storage::BarcodeReadOutcome::Repaired:
            return;  // the program is ending
        case storage::BarcodeReadOutcome::Complete:
        case storage::BarcodeReadOutcome::LimitReached:
        case storage::BarcodeReadOutcome::Unrepaired:
            break;
    }
    // A retry still pending would look for text the load has just cleared.
    稍后执行_->stop();
    开头码_->clear();
    model_.load(std::move(records));
    showLists();
}

void RecordPickerPanel::leadingTyped(const QString& text) {
    if (!text.isEmpty()) 稍后执行_->start();
}

void RecordPickerPanel::runLater() {
    if (model_.filterByLeading(开头码_->text().toStdString())) {
        稍后执行_->stop();
        listsRebuilt();
    } else {
        showLists();  // emptied; the timer stays on and tries again
    }
}

void RecordPickerPanel::choiceMade(std::size_t k, int index) {
    if (index < 0) return;
    const std::string value = 记录选项_[k]->itemText(index).toStdString();
    if (model_.filterByValue(k, value)) listsRebuilt();
    else showLists();
}

void RecordPickerPanel::写入选择清单() {
    model_.写入选择清单();
    listsRebuilt();
}

void RecordPickerPanel::listsRebuilt() {
    showLists();
    终点显示_->start();
}

void RecordPickerPanel::showEnd() {
    终点显示_->stop();
    model_.终点显示();
    showLists();
}

void RecordPickerPanel::showLists() {
    筛选项0_->clear();
    筛选项0_->addItems(qList(model_.column(0)));
    for (std::size_t k = 1; k < kPickerColumns; ++k) {
        QComboBox* choice = 记录选项_[k];
        const QSignalBlocker block(choice);
        choice->clear();
        choice->addItems(qList(model_.choices(k)));
        // The box shows a text that need not be one of its entries (a caption, in grey); the
        // one value left is shown as the box's own entry.
        const QString shown = q(model_.choiceText(k));
        choice->setPlaceholderText(shown);
        choice->setCurrentIndex(choice->count() == 1 && choice->itemText(0) == shown ? 0 : -1);
    }
}

void RecordPickerPanel::choose(const QString& barcode) {
    const QString picked = q(pickedBarcode(barcode.toStdString()));
    hide();
    emit chosen(picked);
}

void RecordPickerPanel::showHint(const QString& text) {
    说明提示_->setText(text);
    emit hintShown(text);
}

void RecordPickerPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintPanel(p, rect());
}

void RecordPickerPanel::hideEvent(QHideEvent* event) {
    // Nobody sees the lists of a hidden picker; opening it again reloads them.
    读条码档_->stop();
    稍后执行_->stop();
    QWidget::hideEvent(event);
}

}  // namespace kestrin::page
