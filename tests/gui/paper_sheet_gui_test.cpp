#include "page/paper_sheet_view.h"

#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/barcode_drawing.h"
#include "page/add_label_window.h"
#include "page/barcode_input.h"
#include "page/item_menu_window.h"
#include "page/label_picture_widget.h"
#include "platform/hint_binder.h"
#include "platform/screen_units.h"
#include "platform/skin_button.h"
#include "support/recording_ui.h"
#include "support/test_settings.h"

namespace kestrin::page {
namespace {

using platform::toPixels;

// The paper in a page area inside a window the size of the professional view, as the main
// window will hold it.
class PaperSheetGui : public ::testing::Test {
protected:
    PaperSheetGui() {
        host.resize(toPixels(12090), toPixels(7470));
        frame = new QWidget(&host);
        frame->setGeometry(2, 31, host.width() - 4, host.height() - 56);
        sheet = new PaperSheet(doc, settings.service, ui, hints, frame, &host);
        sheet->setPaper(print::纸张调整(0, print::Direction::Upright, frame->width() * 15, frame->height() * 15));
        QObject::connect(&hints, &platform::HintBinder::hint, [this](const QString& text) { lastHint = text; });
    }
    void SetUp() override {
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    int addLabel(int left, int top) {
        int i = 0;
        doc.editPage([&](document::LabelPage& edited) {
            i = *edited.createLabel();
            edited.label(i).left = left;
            edited.label(i).top = top;
        });
        return i;
    }
    LabelPicture& picture(int i) {
        LabelPicture* p = sheet->labelPicture(i);
        EXPECT_NE(p, nullptr) << i;
        return *p;
    }
    // A pointer event on label i at a point in twips inside the label.
    void send(int i, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget& w = picture(i);
        const QPointF at(x / 15.0, y / 15.0);
        QMouseEvent e(type, at, w.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    void press(int i, int x, int y) { send(i, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton); }
    void drag(int i, int x, int y) { send(i, QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton); }
    void hover(int i, int x, int y) { send(i, QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton); }
    void release(int i, int x, int y) { send(i, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton); }
    QRect pixelsOf(int i) {
        const document::Label& l = page.label(i);
        return {toPixels(l.left), toPixels(l.top), toPixels(l.width), toPixels(l.height)};
    }
    QWidget* child(const QString& name) { return sheet->findChild<QWidget*>(name); }

    document::Document doc;
    const document::LabelPage& page = doc.page();
    test::RecordingUi ui;
    test::TestSettings settings;
    platform::HintBinder hints;
    QWidget host;
    QWidget* frame = nullptr;
    PaperSheet* sheet = nullptr;
    QString lastHint;
};

TEST_F(PaperSheetGui, RightClickOnThePaperOpensTheAddWindowWhichCreatesLabelsAtItsCorner) {
    AddLabelWindow& window = *sheet->addLabelWindow();
    QTest::mouseClick(sheet, Qt::RightButton, {}, QPoint(100, 80));
    ASSERT_TRUE(window.isVisible());
    // 60 twips (4 pixels) up and left of the pointer.
    EXPECT_EQ(sheet->mapFromGlobal(window.mapToGlobal(QPoint(0, 0))), QPoint(96, 76));
    EXPECT_EQ(window.quantityBox()->text(), QStringLiteral("1"));
    EXPECT_FALSE(window.button(1)->isVisible()) << "nothing copied yet";
    EXPECT_FALSE(window.button(2)->isVisible());

    QTest::mouseClick(window.button(0), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    ASSERT_TRUE(page.exists(1));
    EXPECT_EQ(page.label(1).left, 96 * 15);
    EXPECT_EQ(page.label(1).top, 76 * 15);
    EXPECT_EQ(picture(1).geometry(), pixelsOf(1));

    // A copied design makes button 1 appear; it stacks that many copies 60 twips apart.
    doc.editLabel(1, [](document::Label& label) { label.data = "AB1"; });
    doc.写入贴上记忆(1);
    QTest::mouseClick(sheet, Qt::RightButton, {}, QPoint(400, 100));
    ASSERT_TRUE(window.button(1)->isVisible());
    window.quantityBox()->setText(QStringLiteral("3"));
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    for (const int i : {2, 3, 4}) {
        ASSERT_TRUE(page.exists(i));
        EXPECT_EQ(page.label(i).data, "AB1");
        EXPECT_EQ(page.label(i).left, 396 * 15);
        EXPECT_EQ(page.label(i).top, 96 * 15 + (i - 2) * 960);
        EXPECT_EQ(picture(i).geometry(), pixelsOf(i));
        EXPECT_FALSE(picture(i).displayList().ops().empty()) << "drawn";
    }
    EXPECT_EQ(page.selection.currentLabel, 4);
}

TEST_F(PaperSheetGui, AddWindowNeverPassesTheHostsEdge) {
    AddLabelWindow& window = *sheet->addLabelWindow();
    const QPoint nearCorner = sheet->mapFrom(&host, QPoint(host.width() - 5, host.height() - 5));
    QTest::mouseClick(sheet, Qt::RightButton, {}, nearCorner);
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.x(), host.width() - window.width() - 4);
    EXPECT_EQ(window.y(), host.height() - window.height() - 4);
}

TEST_F(PaperSheetGui, DraggedLabelsMoveOnTheGridWithGuides) {
    const int other = addLabel(660, 3000);
    const int i = addLabel(600, 600);
    press(i, 300, 300);
    drag(i, 360, 240);  // 60 each way: not yet
    EXPECT_EQ(page.label(i).left, 600);
    EXPECT_EQ(page.label(i).top, 600);
    drag(i, 375, 300);  // 75 right: 675 goes to 660
    EXPECT_EQ(page.label(i).left, 660);
    EXPECT_EQ(picture(i).geometry(), pixelsOf(i));
    EXPECT_EQ(lastHint, QStringLiteral("放开滑鼠，确定移动位置"));
    QWidget* guides = child(QStringLiteral("虚线"));
    ASSERT_NE(guides, nullptr);
    EXPECT_TRUE(guides->isVisible()) << "the other label's left edge lines up";
    // The label moved under the pointer: the same spot in the label is back at the origin.
    drag(i, 300, 1200);
    EXPECT_EQ(page.label(i).top, 1500);
    release(i, 300, 1200);
    EXPECT_FALSE(page.selection.dragging);
    drag(i, 300, 100);  // no longer dragging
    EXPECT_EQ(page.label(i).top, 1500);
    EXPECT_EQ(page.label(other).left, 660);
}

TEST_F(PaperSheetGui, EdgeDragsResizeInSixtyTwipSteps) {
    const int i = addLabel(600, 600);
    QSignalSpy resizing(sheet, &PaperSheet::labelResizing);
    press(i, 3540, 300);
    drag(i, 3600, 300);
    EXPECT_EQ(resizing.size(), 1) << "the input and quantity panels hide even before the first step";
    EXPECT_EQ(page.label(i).width, 3600);
    drag(i, 3615, 300);
    EXPECT_EQ(page.label(i).width, 3660);
    EXPECT_EQ(picture(i).width(), toPixels(3660));
    drag(i, 3660, 300);  // measured from the origin carried along: 3540 + 60
    EXPECT_EQ(page.label(i).width, 3660);
    drag(i, 3675, 300);
    EXPECT_EQ(page.label(i).width, 3720);
    EXPECT_EQ(picture(i).cursor().shape(), Qt::SizeHorCursor);
    release(i, 3675, 300);

    press(i, 300, 840);
    drag(i, 300, 600);
    EXPECT_EQ(page.label(i).height, 840);
    EXPECT_EQ(picture(i).height(), toPixels(840));
    EXPECT_EQ(page.label(i).width, 3720);
    EXPECT_EQ(page.label(i).left, 600) << "a resize does not move the label";
    release(i, 300, 600);
    hover(i, 300, 780);
    EXPECT_EQ(picture(i).cursor().shape(), Qt::SizeVerCursor);
}

TEST_F(PaperSheetGui, HoverShowsTheDeleteButtonAndFrameAndTheButtonDeletes) {
    const int i = addLabel(600, 600);
    QSignalSpy deleted(sheet, &PaperSheet::labelDeleted);
    hover(i, 300, 300);
    EXPECT_EQ(lastHint, QStringLiteral("功能提示：【Ａ 点击二下，设定条码数字】【Ｂ 功能选择，滑鼠右键】【Ｃ 按住滑鼠左键，移动条码区域】【列印 F1】"));
    auto* button = picture(i).findChild<platform::SkinButton*>(QStringLiteral("删除码%1").arg(i));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->pos(), QPoint(toPixels(3600 - 180), 0));
    QWidget* frameMark = child(QStringLiteral("虚线位置"));
    ASSERT_NE(frameMark, nullptr);
    EXPECT_TRUE(frameMark->isVisible());
    EXPECT_EQ(frameMark->geometry(), pixelsOf(i).adjusted(-1, -1, 1, 1));

    // Moving over the bare paper takes them away again.
    QMouseEvent overPaper(QEvent::MouseMove, QPointF(600, 600), sheet->mapToGlobal(QPointF(600, 600)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(sheet, &overPaper);
    EXPECT_FALSE(frameMark->isVisible());
    EXPECT_FALSE(button->isVisible());
    EXPECT_EQ(lastHint.left(5), QStringLiteral("功能提示："));

    hover(i, 300, 300);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(page.exists(i));
    EXPECT_EQ(sheet->labelPicture(i), nullptr);
    ASSERT_EQ(deleted.size(), 1);
    EXPECT_EQ(deleted.front().front().toInt(), i);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet->findChildren<LabelPicture*>().empty());
    // The index is free again and the new label starts clean.
    EXPECT_EQ(addLabel(0, 0), i);
}

TEST_F(PaperSheetGui, DoubleClickAsksForTheBarcodeInputOfThatLabel) {
    addLabel(0, 0);
    const int i = addLabel(0, 1200);
    QSignalSpy pressed(sheet, &PaperSheet::labelPressed);
    QSignalSpy doubleClicked(sheet, &PaperSheet::labelDoubleClicked);
    QTest::mouseDClick(&picture(i), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_EQ(doubleClicked.size(), 1);
    EXPECT_EQ(doubleClicked.front().front().toInt(), i);
    EXPECT_GE(pressed.size(), 1);
    EXPECT_EQ(page.selection.currentLabel, i);

    // A right click asks for the item menu at the pointer, in the host window's coordinates.
    QSignalSpy menu(sheet, &PaperSheet::labelRightReleased);
    QTest::mouseClick(&picture(i), Qt::RightButton, {}, QPoint(30, 10));
    ASSERT_EQ(menu.size(), 1);
    EXPECT_EQ(menu.front().at(0).toInt(), i);
    EXPECT_EQ(menu.front().at(1).toPoint(), picture(i).mapTo(&host, QPoint(30, 10)));
    EXPECT_FALSE(sheet->addLabelWindow()->isVisible());
}

// The item menu opens on a right release, 60 twips up and left of the pointer: its text and
// picture entries put an item where the menu's corner is, the copy entry fills the paste
// memory, and the read entry shows only while there are stored designs.
TEST_F(PaperSheetGui, ItemMenuCreatesItemsAtItsCornerAndCopiesTheDesign) {
    const int i = addLabel(1200, 1200);
    ItemMenu& menu = *sheet->itemMenu();
    const auto open = [&](QPoint at) {
        QTest::mouseClick(&picture(i), Qt::RightButton, {}, at);
        EXPECT_TRUE(menu.isVisible());
    };
    open({40, 20});
    EXPECT_FALSE(menu.entry(3)->isVisible()) << "no layout records file";
    EXPECT_EQ(menu.entry(0)->accessibleName(), QStringLiteral("增加【文字标签】"));
    EXPECT_EQ(menu.entry(4)->accessibleName(), QStringLiteral("储存 现在编辑的 条码格式"));
    QTest::mouseClick(menu.entry(0), Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());
    ASSERT_EQ(page.label(i).texts.size(), 1U);
    const document::TextItem& text = page.label(i).texts.begin()->second;
    EXPECT_EQ(text.caption, "标签");
    EXPECT_EQ(QPoint(text.left, text.top), QPoint(36 * 15, 16 * 15));

    open({100, 30});
    QTest::mouseClick(menu.entry(1), Qt::LeftButton);
    ASSERT_EQ(page.label(i).pictures.size(), 1U);
    const document::PictureItem& pictureItem = page.label(i).pictures.begin()->second;
    EXPECT_EQ(QPoint(pictureItem.left, pictureItem.top), QPoint(96 * 15, 26 * 15));
    EXPECT_TRUE(pictureItem.fileName.empty());

    EXPECT_TRUE(doc.pasteMemory().empty());
    open({10, 10});
    QTest::mouseClick(menu.entry(2), Qt::LeftButton);
    EXPECT_FALSE(doc.pasteMemory().empty());

    sheet->setLayoutRecordsCheck([] { return true; });
    open({10, 10});
    EXPECT_TRUE(menu.entry(3)->isVisible());
}

// A text item dragged past its label's corner is pulled back to lie wholly inside it, in one
// undo step; the delete button at its top right then removes it.
TEST_F(PaperSheetGui, TextItemDraggedOutIsPulledBackAndDeletedWithItsButton) {
    const int i = addLabel(600, 600);
    doc.editLabel(i, [](document::Label& label) {
        document::TextItem& text = label.texts[1];
        text.caption = "ABC";
        text.left = 120;
        text.top = 120;
    });
    press(i, 150, 150);
    drag(i, 1000, 400);
    drag(i, 5000, 3000);  // far past the label's bottom right
    release(i, 5000, 3000);
    const document::TextItem& text = page.label(i).texts.at(1);
    EXPECT_GT(text.left, 120);
    EXPECT_GT(text.top, 120);

    hover(i, text.left + 10, text.top + 10);
    EXPECT_EQ(lastHint.toStdString(), kTextItemHint);
    platform::SkinButton* remove = sheet->itemDeleteButton(i);
    ASSERT_TRUE(remove->isVisible());
    // The button sits at the item's right edge, which the pull-back put on the label's own.
    EXPECT_EQ(remove->pos(), QPoint(3600 / 15, toPixels(text.top)));
    EXPECT_LT(text.top, 900);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(remove, &enter);
    EXPECT_EQ(lastHint, QStringLiteral("【删除】标签"));

    doc.undo();
    EXPECT_EQ(QPoint(page.label(i).texts.at(1).left, page.label(i).texts.at(1).top), QPoint(120, 120))
        << "the whole drag is one step";
    doc.redo();
    hover(i, page.label(i).texts.at(1).left + 10, page.label(i).texts.at(1).top + 10);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_TRUE(page.label(i).texts.empty());
    EXPECT_FALSE(remove->isVisible());
}

// A picture grows by 60 twips per step from its right and bottom edges, and shows the picture
// hint on its delete button.
TEST_F(PaperSheetGui, PictureItemResizesFromItsEdges) {
    const int i = addLabel(600, 600);
    doc.editLabel(i, [](document::Label& label) {
        label.pictures[1].width = 900;
        label.pictures[1].height = 600;
    });
    press(i, 850, 100);
    drag(i, 961, 100);
    drag(i, 1030, 100);
    release(i, 1030, 100);
    EXPECT_EQ(page.label(i).pictures.at(1).width, 1020);
    press(i, 100, 550);
    drag(i, 100, 420);
    release(i, 100, 420);
    EXPECT_EQ(page.label(i).pictures.at(1).height, 540);
    EXPECT_EQ(page.label(i).pictures.at(1).left, 0) << "resizing never moves it";

    hover(i, 300, 300);
    EXPECT_EQ(lastHint.toStdString(), kPictureItemHint);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(sheet->itemDeleteButton(i), &enter);
    EXPECT_EQ(lastHint, QStringLiteral("【删除】图片"));
}

TEST_F(PaperSheetGui, PaperFollowsALeftDragBeyondSixtyTwips) {
    const QPoint start = sheet->pos();
    const auto send = [this](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, sheet->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(sheet, &e);
    };
    send(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {304, 296}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(sheet->pos(), start);
    send(QEvent::MouseMove, {310, 300}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(sheet->pos(), start + QPoint(10, 0));
    send(QEvent::MouseButtonRelease, {300, 300}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(page.selection.currentLabel, document::kSimpleLabel);
}

TEST_F(PaperSheetGui, RedrawingALabelTakesTheDashedFrameToIt) {
    const int hovered = addLabel(600, 600);
    const int redrawn = addLabel(600, 2400);
    QWidget* frameMark = child(QStringLiteral("虚线位置"));
    hover(hovered, 300, 300);
    ASSERT_EQ(frameMark->geometry(), pixelsOf(hovered).adjusted(-1, -1, 1, 1));
    picture(redrawn).绘制条码();
    EXPECT_EQ(frameMark->geometry(), pixelsOf(redrawn).adjusted(-1, -1, 1, 1));
    EXPECT_TRUE(frameMark->isVisible()) << "moved, neither shown nor hidden";
}

// The bar origin handle shows where the label has data and its handle flag is up: typed data
// raises it, a stored design raises it on every label but the preview label 999.
TEST(LabelPictureHandle, ShowsWithDataWhereTheLabelsFlagAllows) {
    document::Document labels;
    int source = 0, pasted = 0, cleared = 0;
    labels.editPage([&](document::LabelPage& page) {
        source = *page.createLabel();
        takeBarcodeInput(page.label(source), "K1");
        page.写入贴上记忆(source);
        pasted = *page.createLabel();
        ASSERT_TRUE(page.贴上条码格式(pasted, {}));
        ASSERT_TRUE(page.贴上条码格式(document::kPreviewLabel, {}));
        cleared = *page.createLabel();
        takeBarcodeInput(page.label(cleared), "K2");
        takeBarcodeInput(page.label(cleared), "");
    });
    struct Case { int index; bool shown; };
    for (const Case c : {Case{source, true}, Case{pasted, true}, Case{document::kPreviewLabel, false}, Case{cleared, false}}) {
        LabelPicture picture(c.index, labels, [] { return storage::kDefaultPrintResolution; });
        picture.绘制条码();
        EXPECT_EQ(picture.handle()->isVisibleTo(&picture), c.shown) << c.index;
    }
}

// Not a check: with KESTRIN_SCREENSHOTS set to a folder, saves the paper with a few labels, one
// of them under the pointer with its frame, delete button and an alignment guide.
TEST_F(PaperSheetGui, Screenshot) {
    const QString folder = qEnvironmentVariable("KESTRIN_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "KESTRIN_SCREENSHOTS not set";
    const char* data[] = {"KV-1001", "KV-1002", "KV-1003", "A4-77"};
    const int places[][2] = {{300, 300}, {300, 1260}, {4200, 300}, {4220, 1300}};
    for (int n = 0; n < 4; ++n) {
        const int i = addLabel(places[n][0], places[n][1]);
        doc.editPage([&](document::LabelPage& edited) {
            takeBarcodeInput(edited.label(i), data[n]);
            if (n == 2) edited.label(i).frame = 1;
            edited.addTextItem(i, 2000, 600);
        });
    }
    sheet->syncLabels();
    press(4, 300, 300);
    drag(4, 300, 300);
    ASSERT_TRUE(host.grab().save(QDir(folder).filePath(QStringLiteral("paper-labels.png"))));
    release(4, 300, 300);
    QTest::mouseClick(&picture(1), Qt::RightButton, {}, QPoint(60, 30));
    ASSERT_TRUE(host.grab().save(QDir(folder).filePath(QStringLiteral("item-menu.png"))));
}

}  // namespace
}  // namespace kestrin::page
