#include "page/item_menu_window.h"

#include <QPainter>
#include <QVBoxLayout>
#include <string_view>

#include "page/add_label_window.h"
#include "platform/hint_binder.h"
#include "platform/skin.h"
#include "platform/skin_button.h"

namespace kestrin::page {
namespace {

using platform::SkinButton;

constexpr std::array<const char*, ItemMenu::kEntries> kCaptions = {"文字标签", "图片", "复制格式", "读取格式",
                                                                   "储存格式"};
constexpr std::array<std::string_view, ItemMenu::kEntries> kHints = {
    "增加【文字标签】", "增加【图片】", "复制 条码设定 格式：复制后，可增加数个，相同条码", "读取 记录中的 条码格式",
    "储存 现在编辑的 条码格式"};

}  // namespace

ItemMenu::ItemMenu(platform::HintBinder& hints, QWidget* host) : QWidget(host) {
    setObjectName(QStringLiteral("功能选项"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(4);
    for (std::size_t i = 0; i < kEntries; ++i) {
        auto* b = new SkinButton(SkinButton::Kind::Push, QString::fromUtf8(kCaptions[i]), this);
        b->setObjectName(QStringLiteral("标签功能%1").arg(i));
        b->setMinimumWidth(120);
        // Screen readers name an entry by what it does, as the hint line says it.
        b->setAccessibleName(QString::fromUtf8(kHints[i].data(), static_cast<qsizetype>(kHints[i].size())));
        hints.bind(b, [i] { return kHints[i]; });
        connect(b, &SkinButton::clicked, this, [this, i] {
            hide();
            emit chosen(static_cast<int>(i));
        });
        column->addWidget(b);
        标签功能_[i] = b;
    }
    hide();
}

void ItemMenu::openAt(QPoint pointerInHost, bool layoutRecordsExist) {
    标签功能_[3]->setVisible(layoutRecordsExist);
    adjustSize();
    moveBesidePointer(*this, pointerInHost);
    show();
    raise();
}

void ItemMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    platform::skin::paintPanel(p, rect());
}

}  // namespace kestrin::page
