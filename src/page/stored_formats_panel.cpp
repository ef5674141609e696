#include "page/stored_formats_panel.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <algorithm>

#include "document/document.h"
#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "storage/layout_records.h"

namespace kestrin::page {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;
using platform::toPixels;
using platform::toQString;

constexpr std::string_view kKindsHint = "点选 要取用的 记录种类";
constexpr std::string_view kLeadingHint = "筛选要查询的、开头字";
constexpr std::string_view kNoNamesHint = "说明提示：请先点选左边 记录种类";
constexpr std::string_view kNamesHint = "说明提示：【Ａ 点选名称 预览 条码记录】 【Ｂ 点击二下直接取用】";
constexpr std::string_view kLoadHint = "【取用】条码记录 格式";
constexpr std::string_view kDeleteHint = "【╳删除】 条码记录 格式";

// The window's layout in pixels; its size in twips follows the preview.
constexpr QRect kKindsPlace{16, 16, 110, 124};
constexpr QRect kLeadingPlace{134, 16, 120, 26};
constexpr QRect kNamesPlace{134, 46, 120, 94};
constexpr QRect kLoadPlace{262, 16, 52, 28};
constexpr QRect kDeletePlace{262, 48, 52, 28};
constexpr QRect kClosePlace{286, 112, 28, 28};
constexpr QPoint kPreviewPlace{16, 149};
constexpr int kNarrowWidth = 4920;  // twips
constexpr int kLowHeight = 3135;

}  // namespace

YesNoQuestion messageBoxQuestion(QWidget* parent) {
    return [parent](const QString& title, const QString& question) {
        return QMessageBox::warning(parent, title, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
}

StoredFormatsPanel::StoredFormatsPanel(document::Document& doc, std::filesystem::path baseFolder, Ui& ui,
                                       platform::HintBinder& hints, ResolutionSource resolution, YesNoQuestion ask,
                                       QWidget* parent)
    : QWidget(parent), doc_(doc), baseFolder_(std::move(baseFolder)), ui_(ui), ask_(std::move(ask)) {
    setObjectName(QStringLiteral("条码读取窗"));
    preview_ = new LabelPicture(document::kPreviewLabel, doc_, std::move(resolution), this);
    preview_->setObjectName(QStringLiteral("条码签999"));
    preview_->move(kPreviewPlace);
    preview_->hide();
    buildControls(hints);
    sizeToPreview();
    hide();
}

void StoredFormatsPanel::buildControls(platform::HintBinder& hints) {
    筛选种类_ = new QListWidget(this);
    筛选种类_->setObjectName(QStringLiteral("筛选种类"));
    筛选种类_->setGeometry(kKindsPlace);
    skin::styleField(筛选种类_);
    hints.bind(筛选种类_, [] { return kKindsHint; });
    connect(筛选种类_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chooseKind(item->text()); });

    筛选字头_ = new QLineEdit(this);
    筛选字头_->setObjectName(QStringLiteral("筛选字头"));
    筛选字头_->setGeometry(kLeadingPlace);
    skin::styleField(筛选字头_);
    hints.bind(筛选字头_, [] { return kLeadingHint; });
    connect(筛选字头_, &QLineEdit::textChanged, this, &StoredFormatsPanel::filterNames);

    排列清单_ = new QListWidget(this);
    排列清单_->setObjectName(QStringLiteral("排列清单"));
    排列清单_->setGeometry(kNamesPlace);
    skin::styleField(排列清单_);
    hints.bind(排列清单_, [this] { return 排列清单_->count() == 0 ? kNoNamesHint : kNamesHint; });
    排列清单_->setAccessibleName(QStringLiteral("名称"));
    connect(排列清单_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chooseName(item->text()); });
    connect(排列清单_, &QListWidget::itemDoubleClicked, this, [this] { recall(); });

    载入排版_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("取用"), this);
    载入排版_->setObjectName(QStringLiteral("载入排版"));
    载入排版_->setGeometry(kLoadPlace);
    hints.bind(载入排版_, [] { return kLoadHint; });
    connect(载入排版_, &SkinButton::clicked, this, &StoredFormatsPanel::recall);

    删除_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("删除"), this);
    删除_->setObjectName(QStringLiteral("删除"));
    删除_->setGeometry(kDeletePlace);
    hints.bind(删除_, [] { return kDeleteHint; });
    connect(删除_, &SkinButton::released, this, &StoredFormatsPanel::deleteChosen);

    auto* close = new SkinButton(skin::Glyph::Close, SkinButton::Kind::Push, this);
    close->setObjectName(QStringLiteral("关闭窗4"));
    close->setGeometry(kClosePlace);
    connect(close, &SkinButton::clicked, this, &QWidget::hide);
}

void StoredFormatsPanel::open(QPoint topLeft) {
    写入清单读取();
    sizeToPreview();
    if (const QWidget* host = parentWidget()) {
        // Kept 60 twips inside the window it floats over.
        const int inside = toPixels(60);
        topLeft.setX(std::min(topLeft.x(), host->width() - width() - inside));
        topLeft.setY(std::min(topLeft.y(), host->height() - height() - inside));
    }
    move(topLeft);
    show();
    raise();
}

void StoredFormatsPanel::写入清单读取() {
    storage::LayoutRecordsFile file(baseFolder_, ui_);
    if (!file.exists()) return;
    preview_->hide();
    筛选种类_->clear();
    排列清单_->clear();
    排列清单2_.clear();
    kind_.clear();
    name_.clear();
    删除_->hide();
    for (const std::string& kind : file.kinds()) 筛选种类_->addItem(toQString(kind));
    筛选种类_->setCurrentRow(-1);
    筛选字头_->hide();
    载入排版_->hide();
}

void StoredFormatsPanel::chooseKind(const QString& kind) {
    storage::LayoutRecordsFile file(baseFolder_, ui_);
    if (!file.exists()) {
        ui_.message(MessageIcon::Warning, "错误提示", "尚未记录格式");
        return;
    }
    kind_ = kind.toStdString();
    name_.clear();
    preview_->hide();
    删除_->hide();
    排列清单2_ = file.namesOf(kind_);
    showNames(排列清单2_);
    筛选字头_->clear();
    筛选字头_->show();
}

void StoredFormatsPanel::filterNames(const QString& leading) {
    if (!筛选字头_->isVisible()) return;
    删除_->hide();
    showNames(storage::filterNames(排列清单2_, leading.toStdString()));
    载入排版_->hide();
}

void StoredFormatsPanel::showNames(const std::vector<std::string>& names) {
    排列清单_->clear();
    for (const std::string& name : names) 排列清单_->addItem(toQString(name));
}

void StoredFormatsPanel::chooseName(const QString& name) {
    if (name.isEmpty()) return;
    name_ = name.toStdString();
    showPreviewOf(name_);
    sizeToPreview();
    绘制读取窗();
    载入排版_->show();
    删除_->show();
}

void StoredFormatsPanel::showPreviewOf(const std::string& name) {
    storage::LayoutRecordsFile file(baseFolder_, ui_);
    doc_.setPasteMemory(file.formatRecords(kind_, name));
    preview_->hide();
    if (doc_.pasteMemory().empty()) return;
    if (!doc_.showPreview(pictures_)) {
        // Said here, where the design is first read; recalling it then changes nothing.
        ui_.message(MessageIcon::Warning, "错误提示", "【" + name + "】条码格式 记录错误，无法取用");
        return;
    }
    preview_->绘制条码();
    preview_->show();
}

void StoredFormatsPanel::sizeToPreview() {
    const bool shown = !preview_->isHidden();
    const int previewTop = platform::toTwips(kPreviewPlace.y());
    const int previewWidth = shown ? doc_.label(document::kPreviewLabel).width : 0;
    const int previewHeight = shown ? doc_.label(document::kPreviewLabel).height : 0;
    const int width = previewWidth > 4560 ? previewWidth + 480 : kNarrowWidth;
    const int height = previewHeight > 720 ? previewHeight + previewTop + 180 : kLowHeight;
    resize(toPixels(width), toPixels(height));
}

void StoredFormatsPanel::recall() {
    if (doc_.pasteMemory().empty()) return;
    const int index = doc_.selection().currentLabel;
    const document::PictureLookup& pictures = pictures_;
    // One step: the label's old items go and the design's come, or nothing changes at all.
    doc_.editPage([index, &pictures](document::LabelPage& page) {
        const auto before = page.copyOf(index);
        page.删除所有标签(index);
        if (!page.贴上条码格式(index, pictures)) page.restore(index, before);
    });
    hide();
    emit recalledInto(index);
}

void StoredFormatsPanel::deleteChosen() {
    const std::string name = name_;
    if (name.empty()) return;
    const QString question = QStringLiteral("确定删除【%1】条码格式 记录").arg(toQString(name));
    if (!ask_(QStringLiteral("删除记录"), question)) return;
    if (!storage::LayoutRecordsFile(baseFolder_, ui_).deleteFormat(kind_, name)) return;
    emit deleted();
    std::erase(排列清单2_, name);
    for (QListWidgetItem* item : 排列清单_->findItems(toQString(name), Qt::MatchExactly)) delete item;
    preview_->hide();
    name_.clear();
}

void StoredFormatsPanel::paintEvent(QPaintEvent*) {
    // The frame of the picture chooser, so that the two reading windows look alike.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int w = width();
    const int h = height();
    p.setPen(QColor(0, 48, 166));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(QColor(43, 208, 228));
    p.drawLine(w - 2, 2, w - 2, h - 2);
    p.drawLine(1, h - 2, w - 2, h - 2);
}

}  // namespace kestrin::page
