#include "shell/main_window.h"

#include <QComboBox>
#include <array>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/barcode_drawing.h"
#include "page/barcode_input_panel.h"
#include "page/label_picture_widget.h"
#include "platform/qt_ui.h"
#include "platform/skin_button.h"

namespace kestrin::shell {
namespace {

using platform::SkinButton;

// Draw operations have no equality of their own; lines compare by their end points.
std::vector<std::array<std::int64_t, 4>> coords(const std::vector<DrawLine>& lines) {
    std::vector<std::array<std::int64_t, 4>> out;
    for (const auto& l : lines) out.push_back({l.from.x.raw(), l.from.y.raw(), l.to.x.raw(), l.to.y.raw()});
    return out;
}

class MainWindowGui : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    const document::Label& label() { return window.label(0); }
    page::LabelPicture& picture() { return *window.labelPicture(0); }
    page::BarcodeDataBox& dataBox() { return *window.barcodeInputPanel()->dataBox(); }
    SkinButton& button(const QString& name) {
        auto* b = window.findChild<SkinButton*>(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return *b;
    }
    QString hintFor(QWidget& control) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), control.mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(&control, &enter);
        return window.findChild<QLabel*>(QStringLiteral("说明提示"))->text();
    }
    void type(const QString& text) {
        dataBox().setFocus();
        QTest::keyClicks(&dataBox(), text);
    }
    std::vector<DrawLine> lines() { return picture().displayList().all<DrawLine>(); }

    MainWindow window;
};

TEST_F(MainWindowGui, DataBoxShowsWhatWasTypedAndStoresCapitals) {
    EXPECT_EQ(hintFor(dataBox()), QStringLiteral("说明：【输入条码数字】"));
    type(QStringLiteral("ab-1"));
    EXPECT_EQ(dataBox().text(), QStringLiteral("ab-1"));
    EXPECT_EQ(label().data, "AB-1");
    EXPECT_TRUE(picture().handle()->isVisible());
    EXPECT_FALSE(lines().empty());

    QTest::keyClicks(&dataBox(), QStringLiteral("$*%"));
    EXPECT_EQ(dataBox().text(), QStringLiteral("ab-1"));
    EXPECT_EQ(label().data, "AB-1");

    QTest::keyClicks(&dataBox(), QStringLiteral("0123456789ABCDEFGHIJ"));
    EXPECT_EQ(dataBox().text().size(), 20);
    EXPECT_EQ(label().data, "AB-10123456789ABCDEF");
}

TEST_F(MainWindowGui, PastedTextWithARefusedCharacterIsRefusedWhole) {
    dataBox().insert(QStringLiteral("AB$C"));
    EXPECT_EQ(dataBox().text(), QString());
    dataBox().insert(QStringLiteral("中"));
    EXPECT_EQ(dataBox().text(), QString());
    dataBox().insert(QStringLiteral("ab c"));
    EXPECT_EQ(label().data, "AB C");
}

TEST_F(MainWindowGui, EmptyDataHidesTheHandleAndClearsTheLabel) {
    type(QStringLiteral("X1"));
    dataBox().selectAll();
    QTest::keyClick(&dataBox(), Qt::Key_Backspace);
    EXPECT_EQ(label().data, "");
    EXPECT_TRUE(picture().displayList().all<DrawLine>().empty()) << "no bars";
    EXPECT_TRUE(picture().displayList().all<DrawText>().empty()) << "no readable characters";
    EXPECT_FALSE(picture().handle()->isVisible());
}

TEST_F(MainWindowGui, EnterHidesThePanelAndAClickOnTheLabelBringsItBackWithAllSelected) {
    type(QStringLiteral("k9"));
    QTest::keyClick(&dataBox(), Qt::Key_Return);
    EXPECT_FALSE(window.barcodeInputPanel()->isVisible());

    // The label says what its buttons do.
    EXPECT_EQ(hintFor(picture()), QStringLiteral("【Ａ输入条码，左键】【Ｂ功能选择，右键】【列印 F1】"));
    QTest::mouseClick(&picture(), Qt::LeftButton, {}, QPoint(200, 50));
    EXPECT_TRUE(window.barcodeInputPanel()->isVisible());
    EXPECT_EQ(window.barcodeInputPanel()->tag(), 0);
    // Reopened, the box shows the label's data, which is kept in capitals; the selection
    // follows the focus on a later turn of the event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dataBox().selectedText() == QStringLiteral("K9"); }, 1000))
        << dataBox().selectedText().toStdString();
}

TEST_F(MainWindowGui, AdjustButtonsStepWithinTheirLimitsAndRedraw) {
    struct Case {
        int button;
        std::function<void(document::Label&)> before;
        std::function<int(const document::Label&)> value;
        int expected;
    };
    const auto top = [](const document::Label& l) { return l.handleTop; };
    const auto left = [](const document::Label& l) { return l.handleLeft; };
    const auto height = [](const document::Label& l) { return l.barHeight; };
    const auto module = [](const document::Label& l) { return int{l.moduleWidth}; };
    const Case cases[] = {
        {0, [](document::Label& l) { l.handleTop = 120; }, top, 60},
        {0, [](document::Label& l) { l.handleTop = 30; }, top, 0},
        {1, [](document::Label& l) { l.handleTop = 120; }, top, 180},
        {2, [](document::Label& l) { l.handleLeft = 45; }, left, 0},
        {3, [](document::Label& l) { l.handleLeft = 120; }, left, 180},
        {4, [](document::Label& l) { l.barHeight = 150; }, height, 120},
        {4, [](document::Label& l) { l.barHeight = 480; }, height, 360},
        {5, [](document::Label& l) { l.barHeight = 480; }, height, 600},
        {6, [](document::Label& l) { l.moduleWidth = 1; }, module, 1},
        {6, [](document::Label& l) { l.moduleWidth = 3; }, module, 2},
        {7, [](document::Label& l) { l.moduleWidth = 6; }, module, 6},
        {7, [](document::Label& l) { l.moduleWidth = 2; }, module, 3},
    };
    type(QStringLiteral("A1"));
    for (const auto& c : cases) {
        window.document().editLabel(0, c.before);
        SkinButton& b = button(QStringLiteral("调整位置%1").arg(c.button));
        QTest::mouseClick(&b, Qt::LeftButton);
        EXPECT_EQ(c.value(label()), c.expected) << "button " << c.button;
        // Redrawn: the first bar stands at the bar origin, the handle sits on it.
        ASSERT_FALSE(lines().empty());
        EXPECT_EQ(lines().front().from, (Point{label().handleLeft, label().handleTop})) << c.button;
        EXPECT_EQ(lines().front().to.y, Fixed4(label().handleTop + label().barHeight)) << c.button;
        EXPECT_EQ(picture().handle()->pos() * 15, QPoint(label().handleLeft, label().handleTop)) << c.button;
        EXPECT_EQ(hintFor(b), platform::toQString(engine::adjustHint(c.button)));
    }
}

class HandleDrag : public MainWindowGui {
protected:
    void SetUp() override {
        MainWindowGui::SetUp();
        type(QStringLiteral("H"));
        window.document().editLabel(0, [](document::Label& l) {
            l.handleLeft = 600;
            l.handleTop = 300;
        });
        send(QEvent::MouseButtonPress, {6, 6}, Qt::LeftButton);
    }
    // A pointer event at a position relative to where the handle went down, in pixels.
    void send(QEvent::Type type, QPointF local, Qt::MouseButtons buttons) {
        QWidget& h = *picture().handle();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, local, h.mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&h, &e);
    }
    void moveBy(double dx, double dy) { send(QEvent::MouseMove, QPointF(6 + dx, 6 + dy), Qt::LeftButton); }
};

TEST_F(HandleDrag, MovesOnlyBeyondSixtyTwips) {
    moveBy(4, -4);  // 60 twips each way: not yet
    EXPECT_EQ(label().handleLeft, 600);
    EXPECT_EQ(label().handleTop, 300);
    moveBy(5, 0);  // 75 twips right
    EXPECT_EQ(label().handleLeft, 675);
    EXPECT_EQ(label().handleTop, 300);
    EXPECT_EQ(lines().front().from.x, Fixed4(675));
    moveBy(0, 6);  // the handle followed, so this is measured from its new place
    EXPECT_EQ(label().handleLeft, 675);
    EXPECT_EQ(label().handleTop, 390);
}

TEST_F(HandleDrag, IsClampedInsideTheLabel) {
    moveBy(-38, -18);  // to 30, 30 twips: below 60 snaps to the edge
    EXPECT_EQ(label().handleLeft, 0);
    EXPECT_EQ(label().handleTop, 0);
    moveBy(400, 200);
    EXPECT_EQ(label().handleLeft, label().width - engine::kHandleSize);
    EXPECT_EQ(label().handleTop, label().height - engine::kHandleSize);
    EXPECT_EQ(hintFor(*picture().handle()), QStringLiteral("按下滑鼠右键，移动调整 条码位置"));
}

TEST_F(MainWindowGui, ChangingTheVariantRedrawsNarrower) {
    type(QStringLiteral("A"));
    const Fixed4 wide = lines().back().from.x;
    QTest::mouseClick(&button(QStringLiteral("格式设定3")), Qt::LeftButton);
    EXPECT_EQ(label().variant, 3);
    // W shrinks from 3 x 16 to 3 x 13 modules of 2 dots; the screen stops at W.
    const Fixed4 narrowW = storage::kDefaultPrintResolution * (3 * 13 * 2);
    EXPECT_LT(lines().back().from.x, Fixed4(label().handleLeft) + narrowW);
    EXPECT_LT(lines().back().from.x, wide);
    RecordingSurface fresh;
    engine::绘制条码(fresh, label(), storage::kDefaultPrintResolution);
    EXPECT_EQ(coords(fresh.all<DrawLine>()), coords(lines()));
}

TEST_F(MainWindowGui, CheckBoxesEditTheLabelAndNameWhatAClickWouldDo) {
    type(QStringLiteral("AB"));
    SkinButton& readable = button(QStringLiteral("识别字符"));
    EXPECT_TRUE(readable.isChecked());
    EXPECT_EQ(hintFor(readable), QStringLiteral("隐藏 条码识别字符"));
    QTest::mouseClick(&readable, Qt::LeftButton);
    EXPECT_EQ(label().readable, 0);
    EXPECT_TRUE(picture().displayList().all<DrawText>().empty());
    EXPECT_EQ(hintFor(readable), QStringLiteral("使用 条码识别字符"));
    QTest::mouseClick(&readable, Qt::LeftButton);

    QTest::mouseClick(&button(QStringLiteral("字集中")), Qt::LeftButton);
    ASSERT_EQ(picture().displayList().all<DrawText>().size(), 1u);
    EXPECT_EQ(picture().displayList().all<DrawText>().front().text, "AB");

    QTest::mouseClick(&button(QStringLiteral("符号粗")), Qt::LeftButton);
    EXPECT_TRUE(picture().displayList().all<DrawFont>().front().font.bold);

    // The frame is drawn around the label as it prints; the bars stay where they were.
    const auto before = coords(lines());
    EXPECT_TRUE(picture().displayList().all<DrawOutline>().empty());
    SkinButton& frame = button(QStringLiteral("外框勾选"));
    EXPECT_EQ(hintFor(frame), QStringLiteral("使用 条码外框、注意!使用外框有些印表机会降低清晰度"));
    QTest::mouseClick(&frame, Qt::LeftButton);
    EXPECT_EQ(label().frame, 1);
    EXPECT_EQ(coords(lines()), before);
    EXPECT_EQ(picture().displayList().all<DrawOutline>().size(), 1u);
    EXPECT_EQ(hintFor(frame), QStringLiteral("关闭 条码外框"));
}

TEST_F(MainWindowGui, SizeListSetsTheReadableFontSize) {
    type(QStringLiteral("7"));
    auto* sizes = window.findChild<QComboBox*>(QStringLiteral("识符字大小"));
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(sizes->currentText(), QStringLiteral("10"));
    QTest::keyClick(sizes, Qt::Key_Down);
    EXPECT_EQ(label().font.sizePoints, 11);
    EXPECT_EQ(picture().displayList().all<DrawFont>().front().font.sizePoints, 11);
}

TEST_F(MainWindowGui, DraggingTheBackgroundMovesTheWindow) {
    auto* frame = window.findChild<QWidget*>(QStringLiteral("新增载入窗"));
    ASSERT_NE(frame, nullptr);
    const QPoint start = window.pos();
    const auto send = [frame](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, frame->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(frame, &e);
    };
    send(QEvent::MouseMove, {300, 350}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("说明提示"))->text(),
              QStringLiteral("按住滑鼠左键，移动滑鼠，调整 视窗位置"));
    send(QEvent::MouseButtonPress, {300, 350}, Qt::LeftButton, Qt::LeftButton);
    // The frame moves with the window, so the pointer's frame position stays put while the
    // global position carries the displacement.
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 350), frame->mapToGlobal(QPointF(330, 370)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &move);
    send(QEvent::MouseButtonRelease, {300, 350}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));
}

// Not a check: with KESTRIN_SCREENSHOTS set to a folder, saves the window with a barcode in
// each ratio variant there, for looking at.
TEST_F(MainWindowGui, Screenshots) {
    const QString folder = qEnvironmentVariable("KESTRIN_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "KESTRIN_SCREENSHOTS not set";
    type(QStringLiteral("Kestrin-2026"));
    for (int v = 0; v < 4; ++v) {
        QTest::mouseClick(&button(QStringLiteral("格式设定%1").arg(v)), Qt::LeftButton);
        hintFor(*picture().handle());
        ASSERT_TRUE(window.grab().save(QDir(folder).filePath(QStringLiteral("kestrin-variant%1.png").arg(v))));
    }
}

}  // namespace
}  // namespace kestrin::shell
