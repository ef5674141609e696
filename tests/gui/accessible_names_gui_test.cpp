// The main window as a screen reader or a UI automation tool sees it: its accessible tree, in
// which every control a user can reach must carry a name, and the buttons must carry the names
// a user knows them by.

#include <QAccessible>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "page/add_label_window.h"
#include "page/barcode_input_panel.h"
#include "page/label_picture_widget.h"
#include "page/paper_sheet_view.h"
#include "page/record_picker_panel.h"
#include "platform/data_folders.h"
#include "platform/skin_button.h"
#include "print/arrangement_panel.h"
#include "print/paper_panel.h"
#include "shell/login_panel.h"
#include "shell/main_window.h"
#include "shell/wired_window.h"
#include "storage/barcode_records.h"
#include "storage/settings_service.h"
#include "storage/settings_store.h"
#include "support/recording_ui.h"
#include "support/wired_program.h"

namespace kestrin::shell {
namespace {

struct Control {
    QString name;
    QAccessible::Role role;
    QString objectName;
    bool labelled;  // by a caption beside it, the way a list or a choice box is named
};

// What a user operates, as opposed to what only shows (labels, pictures, panels).
bool isOperable(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::List:
        case QAccessible::ScrollBar:
        case QAccessible::SpinBox:
            return true;
        default:
            return false;
    }
}

void collectShown(QAccessibleInterface* node, std::vector<Control>& out) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || !child->isValid() || child->state().invisible) continue;
        const QObject* object = child->object();
        out.push_back({child->text(QAccessible::Name), child->role(), object ? object->objectName() : QString(),
                       !child->relations(QAccessible::Label).isEmpty()});
        collectShown(child, out);
    }
}

std::vector<Control> shownControls(QWidget& window) {
    std::vector<Control> out;
    collectShown(QAccessible::queryAccessibleInterface(&window), out);
    return out;
}

std::string unnamedOperable(QWidget& window) {
    std::string out;
    for (const Control& c : shownControls(window)) {
        if (isOperable(c.role) && c.name.trimmed().isEmpty() && !c.labelled)
            out += c.objectName.toStdString() + " (role " + std::to_string(c.role) + ") ";
    }
    return out;
}

// The program as main() builds it, on a fresh data folder.
class AccessibleNamesGui : public test::WiredProgram {
protected:
    void toProfessionalView() {
        window.findChild<platform::SkinButton*>(QStringLiteral("版本按钮"))->click();
        // Until the animation arrives, the deferred start-up may lay out the view half-way.
        const WindowSize full{kProfessionalViewWidth, kProfessionalViewHeight};
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() == View::Professional && window.sizeInTwips() == full; }, 5000));
    }
    // The object names of the shown buttons that bear the name, or why there are none.
    std::string controlNamed(const QString& name) {
        std::string found;
        for (const Control& c : shownControls(window)) {
            if (c.name == name && c.role == QAccessible::Button) found += c.objectName.toStdString();
        }
        return found.empty() ? "no button named " + name.toStdString() : found;
    }

};

struct NamedButton {
    const char* name;
    const char* objectName;
};

TEST_F(AccessibleNamesGui, ButtonsAreFoundByTheirCaptionOrHint) {
    startProgram();
    // The professional toolbar is out of the simple view's reach: its print is not this view's.
    const NamedButton simple[] = {
        {"专业版", "版本按钮"}, {"确定列印", "确定列印"}, {"视窗 最小化", "视窗按钮0"}, {"关闭程式", "关闭功能"},
    };
    for (const NamedButton& b : simple)
        EXPECT_EQ(controlNamed(QString::fromUtf8(b.name)), b.objectName) << "simple view";

    toProfessionalView();
    const NamedButton professional[] = {
        {"条码管理", "条码管理"}, {"纸张设定", "纸张设定"},   {"条码排列", "条码排列钮"},    {"确定列印", "确定列印_V"},
        {"系统设定", "系统按钮"}, {"简易版", "版本按钮"},     {"视窗 最大化", "视窗按钮1"}, {"关闭程式", "关闭功能"},
    };
    for (const NamedButton& b : professional)
        EXPECT_EQ(controlNamed(QString::fromUtf8(b.name)), b.objectName) << "professional view";
}

TEST_F(AccessibleNamesGui, EveryShownControlHasAName) {
    {
        storage::BarcodeRecordsFile records(base, ui);
        ASSERT_TRUE(records.append(std::vector<storage::BarcodeColumns>{{"A100", "箱", "红色", "", "", "", ""}}));
    }
    startProgram();
    EXPECT_EQ(unnamedOperable(window), "") << "simple view";
    QTest::mouseDClick(window.barcodeInputPanel()->dataBox(), Qt::LeftButton);
    ASSERT_TRUE(parts.picker->isVisible());
    auto& barcodes = *parts.picker->findChild<QListWidget*>(QStringLiteral("筛选项0"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return barcodes.count() == 1; }, 3000));
    EXPECT_EQ(unnamedOperable(window), "") << "record picker";

    toProfessionalView();
    EXPECT_EQ(unnamedOperable(window), "") << "professional view";
    window.toolbarButton(ToolbarButton::纸张设定)->click();
    ASSERT_TRUE(parts.paperPanel->isVisible());
    EXPECT_EQ(unnamedOperable(window), "") << "paper panel";
    window.toolbarButton(ToolbarButton::条码排列钮)->click();
    ASSERT_TRUE(parts.arrangementPanel->isVisible());
    EXPECT_EQ(unnamedOperable(window), "") << "arrangement panel";
    QTest::mouseClick(parts.sheet, Qt::RightButton, {}, {300, 80});
    ASSERT_TRUE(parts.sheet->addLabelWindow()->isVisible());
    EXPECT_EQ(unnamedOperable(window), "") << "add label window";
    QTest::mouseClick(parts.sheet->addLabelWindow()->button(0), Qt::LeftButton);
    const int label = window.document().selection().currentLabel;
    QTest::mouseDClick(parts.sheet->labelPicture(label), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(window.barcodeInputPanel()->isVisible());
    EXPECT_EQ(unnamedOperable(window), "") << "a label and its input panel";
}

TEST(AccessibleNamesLoginGui, PasswordBoxHasAName) {
    LoginPanel login;
    login.show();
    EXPECT_EQ(unnamedOperable(login), "");
}

}  // namespace
}  // namespace kestrin::shell
