#include "page/text_editor_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <cmath>

#include "page/item_editing.h"
#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "platform/undo_keys.h"
#include "storage/record_text.h"

namespace kestrin::page {
namespace {

using platform::SkinButton;
using platform::skin::Glyph;

// Typing in the caption box is one step of the undo until the box loses the focus.
constexpr std::string_view kTyping = "caption typing";
constexpr std::array<int, 16> kTextSizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

struct StyleBox {
    const char* name;
    bool Font::* flag;
};
constexpr std::array<StyleBox, 3> kStyleBoxes{{{"粗体", &Font::bold}, {"斜体", &Font::italic}, {"底线", &Font::underline}}};

QString caption(std::string_view text) { return platform::toQString(text); }

std::string recordText(const QLineEdit& box) { return storage::filterRecordText(box.text().toStdString()); }

}  // namespace

TextEditorPanel::TextEditorPanel(document::Document& doc, Ui& ui, platform::HintBinder& hints, QWidget* parent)
    : QWidget(parent), doc_(doc), ui_(ui) {
    setObjectName(QStringLiteral("标签修改区"));
    setAccessibleName(QStringLiteral("标签修改区"));
    buildControls(hints);
    setFixedSize(sizeHint());
    subscription_ = doc_.subscribe([this](const document::ChangedLabels& changed) { labelsChanged(changed); });
}

TextEditorPanel::~TextEditorPanel() { doc_.unsubscribe(subscription_); }

void TextEditorPanel::buildControls(platform::HintBinder& hints) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setSpacing(8);

    标签输入_ = new QLineEdit(this);
    标签输入_->setObjectName(QStringLiteral("标签输入"));
    标签输入_->setAccessibleName(QStringLiteral("标签输入"));
    标签输入_->setMaxLength(kCaptionMaxCharacters);
    标签输入_->installEventFilter(this);
    标签输入_->installEventFilter(new platform::UndoKeysToWindow(标签输入_));
    hints.bind(标签输入_, [] { return std::string_view("修改 标签文字"); });
    connect(标签输入_, &QLineEdit::textChanged, this, [this] {
        const std::string text = recordText(*标签输入_);
        editItem([&text](document::TextItem& item) { item.caption = text; }, kTyping);
    });
    grid->addWidget(标签输入_, 0, 0, 1, 3);

    auto* close = new SkinButton(Glyph::Close, SkinButton::Kind::Push, this);
    close->setObjectName(QStringLiteral("关闭窗2"));
    close->setAccessibleName(QStringLiteral("关闭 功能视窗"));
    close->setFixedSize(32, 32);
    hints.bind(close, [] { return std::string_view("关闭 功能视窗"); });
    connect(close, &SkinButton::clicked, this, &QWidget::hide);
    grid->addWidget(close, 0, 3);

    字型_ = new QComboBox(this);
    字型_->setObjectName(QStringLiteral("字型"));
    字型_->setAccessibleName(QStringLiteral("字型"));
    connect(字型_, &QComboBox::textActivated, this, [this](const QString& name) {
        const std::string font = name.toStdString();
        editItem([&font](document::TextItem& item) { item.font.name = font; });
    });
    grid->addWidget(字型_, 1, 0, 1, 3);

    文字大小_ = new QComboBox(this);
    文字大小_->setObjectName(QStringLiteral("文字大小"));
    文字大小_->setAccessibleName(QStringLiteral("文字大小"));
    for (int size : kTextSizes) 文字大小_->addItem(QString::number(size), size);
    connect(文字大小_, &QComboBox::activated, this, [this](int index) {
        if (index < 0) return;
        const int points = 文字大小_->itemData(index).toInt();
        editItem([points](document::TextItem& item) { item.font.sizePoints = points; });
    });
    grid->addWidget(文字大小_, 1, 3);

    粗体_ = buildStyleBox(hints, 0);
    斜体_ = buildStyleBox(hints, 1);
    底线_ = buildStyleBox(hints, 2);
    for (int k = 0; k < 3; ++k) grid->addWidget(styleBox(k), 2, k);

    全部修改_ = new QLineEdit(this);
    全部修改_->setObjectName(QStringLiteral("全部修改"));
    全部修改_->setAccessibleName(QStringLiteral("全部修改"));
    全部修改_->setMaxLength(kCaptionMaxCharacters);
    hints.bind(全部修改_, [] { return std::string_view("其他条码内的相同标签文字，全部修改"); });
    grid->addWidget(全部修改_, 3, 0, 1, 3);

    确定修改_ = new QPushButton(QStringLiteral("确定修改"), this);
    确定修改_->setObjectName(QStringLiteral("确定修改"));
    确定修改_->setAccessibleName(QStringLiteral("确定修改"));
    确定修改_->hide();
    // The button has nothing to apply while the box is empty.
    connect(全部修改_, &QLineEdit::textChanged, 确定修改_, [this](const QString& text) { 确定修改_->setVisible(!text.isEmpty()); });
    connect(确定修改_, &QPushButton::clicked, this, &TextEditorPanel::modifyAll);
    grid->addWidget(确定修改_, 3, 3);
}

QCheckBox* TextEditorPanel::buildStyleBox(platform::HintBinder& hints, int which) {
    const StyleBox& style = kStyleBoxes[static_cast<std::size_t>(which)];
    auto* box = new QCheckBox(QString::fromUtf8(style.name), this);
    box->setObjectName(QString::fromUtf8(style.name));
    box->setAccessibleName(QString::fromUtf8(style.name));
    hints.bind(box, [style] { return std::string_view(style.name); });
    connect(box, &QCheckBox::toggled, this, [this, style](bool on) {
        editItem([style, on](document::TextItem& item) { item.font.*style.flag = on; });
    });
    return box;
}

QCheckBox* TextEditorPanel::styleBox(int which) const {
    switch (which) {
        case 0: return 粗体_;
        case 1: return 斜体_;
        default: return 底线_;
    }
}

bool TextEditorPanel::editsItem() const { return doc_.exists(label_) && doc_.label(label_).texts.contains(item_); }

void TextEditorPanel::editItem(const std::function<void(document::TextItem&)>& change, std::string_view mergeKey) {
    if (!editsItem()) return;
    editing_ = true;
    const int item = item_;
    doc_.editLabel(label_, [&change, item](document::Label& label) { change(label.texts.at(item)); }, mergeKey);
    editing_ = false;
}

void TextEditorPanel::follow(int label, int item) {
    if (!doc_.exists(label) || !doc_.label(label).texts.contains(item)) return;
    doc_.endMerge();
    label_ = label;
    item_ = item;
    fill(doc_.label(label).texts.at(item));
}

void TextEditorPanel::open(int label, int item) {
    follow(label, item);
    if (!editsItem()) return;
    全部修改_->clear();
    show();
    raise();
    标签输入_->setFocus(Qt::OtherFocusReason);
}

// Shows the item's values without editing it again.
void TextEditorPanel::fill(const document::TextItem& item) {
    // The system's fonts are listed the first time they are needed, not at start-up.
    if (字型_->count() == 0) 字型_->addItems(QFontDatabase::families());
    const QSignalBlocker blockCaption(标签输入_);
    标签输入_->setText(caption(item.caption));
    const QSignalBlocker blockFont(字型_);
    字型_->setCurrentIndex(字型_->findText(caption(item.font.name)));
    const QSignalBlocker blockSize(文字大小_);
    文字大小_->setCurrentIndex(文字大小_->findData(static_cast<int>(std::lround(item.font.sizePoints))));
    for (std::size_t k = 0; k < kStyleBoxes.size(); ++k) {
        QCheckBox* box = styleBox(static_cast<int>(k));
        const QSignalBlocker block(box);
        box->setChecked(item.font.*kStyleBoxes[k].flag);
    }
}

void TextEditorPanel::labelsChanged(const document::ChangedLabels& changed) {
    if (label_ == kNone || editing_ || std::find(changed.begin(), changed.end(), label_) == changed.end()) return;
    if (editsItem()) {
        fill(doc_.label(label_).texts.at(item_));
    } else {
        close();
    }
}

void TextEditorPanel::close() {
    label_ = kNone;
    item_ = kNone;
    hide();
}

// One step of the undo.
void TextEditorPanel::modifyAll() {
    const std::string from = recordText(*标签输入_);
    const std::string to = recordText(*全部修改_);
    doc_.endMerge();
    doc_.editPage([&](document::LabelPage& page) { renameCaptions(page, from, to); });
    ui_.beep();
    close();
}

bool TextEditorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == 标签输入_ && event->type() == QEvent::FocusOut) doc_.endMerge();
    return QWidget::eventFilter(watched, event);
}

void TextEditorPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    platform::skin::paintPanel(p, rect());
}

}  // namespace kestrin::page
