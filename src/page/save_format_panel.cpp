#include "page/save_format_panel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "document/document.h"
#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "storage/layout_records.h"
#include "storage/record_text.h"

namespace kestrin::page {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;
using platform::toQString;

constexpr std::string_view kNameHint = "条码记录 名称";
constexpr std::string_view kSaveHint = "确定储存 现在编辑的 条码格式";
constexpr int kRowHeight = 28;
constexpr int kBoxWidth = 100;  // with the button the panel is as wide as the others of the simple view

// The text as the records file will hold it.
QString cleaned(const QString& text) {
    return toQString(storage::trimBlanks(storage::filterRecordText(text.toStdString())));
}

}  // namespace

void RecordNameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that brought the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void RecordNameBox::keyPressEvent(QKeyEvent* event) {
    if (event->text() == QStringLiteral(",") || event->text() == QStringLiteral("\"")) return;
    QLineEdit::keyPressEvent(event);
}

SaveFormatPanel::SaveFormatPanel(document::Document& doc, std::filesystem::path baseFolder, Ui& ui,
                                 platform::HintBinder& hints, QWidget* parent)
    : QWidget(parent), doc_(doc), baseFolder_(std::move(baseFolder)), ui_(ui) {
    setObjectName(QStringLiteral("条码储存窗"));
    buildControls(hints);
    hide();
}

void SaveFormatPanel::buildControls(platform::HintBinder& hints) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    种类选项_ = new QComboBox(this);
    种类选项_->setObjectName(QStringLiteral("种类选项"));
    种类选项_->setAccessibleName(QStringLiteral("种类"));
    种类选项_->setEditable(true);
    种类选项_->setInsertPolicy(QComboBox::NoInsert);
    种类选项_->setFixedWidth(kBoxWidth);
    种类选项_->setFixedHeight(kRowHeight);
    skin::styleField(种类选项_);
    grid->addWidget(种类选项_, 0, 0);

    记录名称_ = new RecordNameBox(this);
    记录名称_->setObjectName(QStringLiteral("记录名称"));
    记录名称_->setMaxLength(kNameLength);
    记录名称_->setFixedWidth(kBoxWidth);
    记录名称_->setFixedHeight(kRowHeight);
    skin::styleField(记录名称_);
    hints.bind(记录名称_, [] { return kNameHint; });
    记录名称_->setAccessibleName(QStringLiteral("名称"));
    grid->addWidget(记录名称_, 0, 1);

    auto* saveButton = new SkinButton(SkinButton::Kind::Push, QStringLiteral("储存排列"), this);
    saveButton->setObjectName(QStringLiteral("储存排列"));
    saveButton->setAccessibleName(QStringLiteral("储存排列"));
    saveButton->setFixedSize(80, kRowHeight);
    hints.bind(saveButton, [] { return kSaveHint; });
    connect(saveButton, &SkinButton::released, this, [this] { save(); });
    grid->addWidget(saveButton, 0, 2);

    auto* close = new SkinButton(skin::Glyph::Close, SkinButton::Kind::Push, this);
    close->setObjectName(QStringLiteral("关闭窗5"));
    close->setFixedSize(kRowHeight, kRowHeight);
    connect(close, &SkinButton::clicked, this, &QWidget::hide);
    grid->addWidget(close, 0, 3);
}

void SaveFormatPanel::openFor(int labelIndex, QPoint topLeft) {
    if (!doc_.exists(labelIndex)) return;
    labelIndex_ = labelIndex;
    种类选项_->clear();
    for (const std::string& kind : storage::LayoutRecordsFile(baseFolder_, ui_).kinds()) 种类选项_->addItem(toQString(kind));
    const document::Label& label = doc_.label(labelIndex);
    种类选项_->setCurrentIndex(-1);
    种类选项_->setEditText(toQString(label.kind));
    记录名称_->setText(toQString(label.name));
    adjustSize();
    move(topLeft);
    show();
    raise();
    种类选项_->setFocus();
}

bool SaveFormatPanel::save() {
    if (!doc_.exists(labelIndex_)) return false;
    doc_.selection().currentLabel = labelIndex_;
    种类选项_->setEditText(cleaned(种类选项_->currentText()));
    记录名称_->setText(cleaned(记录名称_->text()));
    const std::string kind = 种类选项_->currentText().toStdString();
    const std::string name = 记录名称_->text().toStdString();
    if (kind.empty()) {
        ui_.message(MessageIcon::Warning, "种类 错误提示", "[种类] 尚未输入");
        return false;
    }
    if (name.empty()) {
        ui_.message(MessageIcon::Warning, "名称 错误提示", "[名称] 尚未输入");
        return false;
    }
    doc_.nameDesign(labelIndex_, kind, name);
    doc_.写入贴上记忆(labelIndex_);
    storage::LayoutRecordsFile file(baseFolder_, ui_);
    if (file.saveFormat(kind, name, doc_.pasteMemory()) != storage::LayoutSaveOutcome::Saved) return false;
    hide();
    emit saved();
    return true;
}

void SaveFormatPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintPanel(p, rect());
}

}  // namespace kestrin::page
