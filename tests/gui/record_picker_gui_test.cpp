#include "page/record_picker_panel.h"

#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/barcode_drawing.h"
#include "page/barcode_input_panel.h"
#include "document/label_page.h"
#include "page/label_picture_widget.h"
#include "platform/hint_binder.h"
#include "platform/qt_ui.h"
#include "platform/skin_button.h"
#include "storage/barcode_records.h"
#include "storage/storage_test_support.h"
#include "support/recording_ui.h"

namespace kestrin::page {
namespace {

using platform::SkinButton;

constexpr int kLoadWait = 3000;  // ms: generous for a loaded machine; the timers are 200 and 1000

QStringList texts(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
    return out;
}

QStringList entries(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i) out << box.itemText(i);
    return out;
}

// A host standing in for the main window: label 0, the barcode input panel and the picker on
// a temporary data folder. The records file is written by the storage code (code page 936).
class RecordPickerGui : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(420, 520);
        picture = new LabelPicture(0, doc, [] { return storage::kDefaultPrintResolution; }, &host);
        // As the main window does: label 0's picture follows the document.
        doc.subscribe([this](const document::ChangedLabels&) { picture->绘制条码(); });
        panel = new 条码输入区(doc, hints, &host);
        panel->move(16, 90);
        panel->setDataFolder(folder.path());
        picker = new RecordPickerPanel(folder.path(), ui, &host);
        panel->attachPicker(*picker);
        QObject::connect(&hints, &platform::HintBinder::hint, &host, [this](const QString& t) { mainHint = t; });
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        panel->open(document::kSimpleLabel);
    }

    void writeRecords() {
        storage::BarcodeRecordsFile file(folder.path(), ui);
        const std::vector<storage::BarcodeColumns> rows = {
            {"A100", "箱", "红色", "甲", "", "", ""}, {"A101", "箱", "蓝色", "", "", "", ""},
            {"B200", "袋", "红色", "", "", "", ""},   {"A300", "袋", "绿色", "乙", "", "", ""},
            {"a400", "袋", "", "", "", "", ""},
        };
        ASSERT_TRUE(file.append(rows));
    }

    QListWidget& barcodes() { return *picker->findChild<QListWidget*>(QStringLiteral("筛选项0")); }
    QComboBox& choice(int k) { return *picker->findChild<QComboBox*>(QStringLiteral("记录选项%1").arg(k)); }
    QLineEdit& leading() { return *picker->findChild<QLineEdit*>(QStringLiteral("开头码")); }
    template <typename T>
    T& named(QWidget& in, const QString& name) {
        auto* w = in.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return *w;
    }
    QString hover(QWidget& control) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), control.mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(&control, &enter);
        return mainHint;
    }
    void openPicker() {
        QTest::mouseDClick(panel->dataBox(), Qt::LeftButton);
        ASSERT_TRUE(picker->isVisible());
        ASSERT_TRUE(QTest::qWaitFor([&] { return barcodes().count() > 0; }, kLoadWait));
    }
    void choose(QComboBox& box, const QString& value) {
        const int index = box.findText(value);
        ASSERT_GE(index, 0) << value.toStdString();
        box.setCurrentIndex(index);
        emit box.activated(index);
    }

    storage::testing::TempFolder folder;
    test::RecordingUi ui;
    platform::HintBinder hints;
    QString mainHint;
    document::Document doc;  // outlives the host's widgets that listen to it
    QWidget host;
    LabelPicture* picture = nullptr;
    条码输入区* panel = nullptr;
    RecordPickerPanel* picker = nullptr;
};

TEST_F(RecordPickerGui, WithoutTheRecordsFileTheDataBoxWorksAndThePickerStaysShut) {
    EXPECT_EQ(hover(*panel->dataBox()), QStringLiteral("说明：【输入条码数字】"));
    QTest::mouseDClick(panel->dataBox(), Qt::LeftButton);
    EXPECT_FALSE(picker->isVisible());
    QTest::keyClicks(panel->dataBox(), QStringLiteral("x1"));
    EXPECT_EQ(doc.label(0).data, "X1");
}

TEST_F(RecordPickerGui, NarrowByKindAndLeadingCharactersResetAndChoose) {
    writeRecords();
    EXPECT_EQ(hover(*panel->dataBox()), QStringLiteral("说明：【Ａ 输入条码数字】【Ｂ 点击二下选择 条码记录】"));
    openPicker();
    EXPECT_EQ(picker->pos(), panel->pos());
    EXPECT_EQ(texts(barcodes()), (QStringList{"A100", "A101", "B200", "A300", "a400"}));
    EXPECT_EQ(entries(choice(1)), (QStringList{"箱", "袋"}));
    EXPECT_EQ(choice(1).currentText(), QString());
    EXPECT_EQ(choice(1).placeholderText(), QStringLiteral("种类"));
    EXPECT_FALSE(choice(4).isVisible());  // "标签_数量" defaults to 3

    choose(choice(1), QStringLiteral("袋"));
    EXPECT_EQ(texts(barcodes()), (QStringList{"B200", "A300", "a400"}));
    // The end display shows the only kind left in its box.
    ASSERT_TRUE(QTest::qWaitFor([&] { return choice(1).currentText() == QStringLiteral("袋"); }, kLoadWait));
    EXPECT_EQ(choice(2).currentIndex(), -1);
    EXPECT_EQ(choice(2).placeholderText(), QStringLiteral("名称"));

    leading().setFocus();
    QTest::keyClicks(&leading(), QStringLiteral("A"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return barcodes().count() == 1; }, kLoadWait));
    EXPECT_EQ(texts(barcodes()), QStringList{"A300"});
    hover(leading());  // the picker's hints go to its own hint line
    EXPECT_EQ(named<QLabel>(*picker, QStringLiteral("说明提示")).text(), QStringLiteral("说明提示：输入要查询的、条码开头字"));

    named<SkinButton>(*picker, QStringLiteral("重新设定")).click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return barcodes().count() == 5; }, kLoadWait));
    EXPECT_EQ(leading().text(), QString());
    EXPECT_EQ(choice(1).placeholderText(), QStringLiteral("种类"));

    const QListWidgetItem* item = barcodes().item(1);
    QTest::mouseClick(barcodes().viewport(), Qt::LeftButton, {}, barcodes().visualItemRect(item).center());
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(panel->dataBox()->text(), QStringLiteral("A101"));
    EXPECT_EQ(doc.label(0).data, "A101");
    EXPECT_TRUE(picture->handle()->isVisible());
}

TEST_F(RecordPickerGui, LeadingCharactersThatMatchNothingEmptyTheListsAndKeepTrying) {
    writeRecords();
    openPicker();
    auto* later = picker->findChild<QTimer*>(QStringLiteral("稍后执行"));
    leading().setFocus();
    QTest::keyClicks(&leading(), QStringLiteral("Z"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return barcodes().count() == 0; }, kLoadWait));
    EXPECT_EQ(choice(1).count(), 0);
    EXPECT_TRUE(later->isActive());

    QTest::keyClick(&leading(), Qt::Key_Backspace);
    QTest::keyClicks(&leading(), QStringLiteral("B"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return barcodes().count() == 1; }, kLoadWait));
    EXPECT_EQ(texts(barcodes()), QStringList{"B200"});
    EXPECT_FALSE(later->isActive());
}

TEST_F(RecordPickerGui, ADamagedRecordsFileIsRepairedOnceAndNotReadAgain) {
    writeRecords();
    storage::testing::writeBytes(storage::barcodeRecordsFilePath(folder.path()),
                                 *storage::testing::readBytes(storage::barcodeRecordsFilePath(folder.path())) +
                                     "\"C1\",\"K\"");
    QTest::mouseDClick(panel->dataBox(), Qt::LeftButton);
    auto* read = picker->findChild<QTimer*>(QStringLiteral("读条码档"));
    // Once the repair has ended the program, nothing is left to read the file again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.endProgramCalls > 0 && !read->isActive(); }, kLoadWait));
    EXPECT_EQ(ui.titles(), (std::vector<std::string>{"自动修复提示", "完成修复提示"}));
    EXPECT_EQ(ui.endProgramCalls, 1);
}

TEST_F(RecordPickerGui, CaptionsHeadingsAndHintLineClicks) {
    writeRecords();
    PickerHeadings headings;
    headings.captions[1] = "品类";
    headings.visible = visibleRows(4);
    picker->setHeadings(headings);
    openPicker();
    EXPECT_TRUE(choice(4).isVisible());
    EXPECT_FALSE(choice(5).isVisible());
    EXPECT_EQ(choice(1).placeholderText(), QStringLiteral("品类"));

    auto& caption = named<QLabel>(*picker, QStringLiteral("说明1"));
    QTest::mouseClick(&caption, Qt::LeftButton);
    EXPECT_EQ(named<QLabel>(*picker, QStringLiteral("说明21")).text(), QStringLiteral("品类"));

    hover(named<SkinButton>(*picker, QStringLiteral("重新设定")));
    QTest::mouseClick(&named<QLabel>(*picker, QStringLiteral("说明提示")), Qt::LeftButton);
    EXPECT_EQ(named<QLabel>(*picker, QStringLiteral("说明提示2")).text(), QStringLiteral("说明提示：恢复预设 资料状态"));

    named<SkinButton>(*picker, QStringLiteral("关闭窗0")).click();
    EXPECT_FALSE(picker->isVisible());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecordPickerGui, SerialStepButtonsStepTheDataAndNameWhatTheyDo) {
    auto& plus = named<SkinButton>(*panel, QStringLiteral("流水加减0"));
    auto& minus = named<SkinButton>(*panel, QStringLiteral("流水加减1"));
    EXPECT_EQ(hover(plus), QStringLiteral("请先输入条码，才能使用此功能"));
    plus.click();
    EXPECT_EQ(panel->dataBox()->text(), QString());

    QTest::keyClicks(panel->dataBox(), QStringLiteral("a009-9"));
    EXPECT_EQ(hover(plus), QStringLiteral("依照条码编号【增加一码】"));
    EXPECT_EQ(hover(minus), QStringLiteral("依照条码编号【扣除一码】"));
    plus.click();
    EXPECT_EQ(panel->dataBox()->text(), QStringLiteral("a010-0"));
    EXPECT_EQ(doc.label(0).data, "A010-0");
    minus.click();
    minus.click();
    EXPECT_EQ(doc.label(0).data, "A009-8");
}

// Not a check: with KESTRIN_SCREENSHOTS set to a folder, saves the picker narrowed by a kind
// there, for looking at.
TEST_F(RecordPickerGui, Screenshot) {
    const QString shots = qEnvironmentVariable("KESTRIN_SCREENSHOTS");
    if (shots.isEmpty()) GTEST_SKIP() << "KESTRIN_SCREENSHOTS not set";
    writeRecords();
    QTest::keyClicks(panel->dataBox(), QStringLiteral("A100"));
    ASSERT_TRUE(host.grab().save(QDir(shots).filePath(QStringLiteral("barcode-input-panel.png"))));
    PickerHeadings headings;
    headings.visible = visibleRows(4);
    picker->setHeadings(headings);
    openPicker();
    choose(choice(1), QStringLiteral("箱"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return choice(1).currentText() == QStringLiteral("箱"); }, kLoadWait));
    hover(leading());
    ASSERT_TRUE(host.grab().save(QDir(shots).filePath(QStringLiteral("record-picker.png"))));
}

}  // namespace
}  // namespace kestrin::page
