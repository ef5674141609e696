// The panels of the paper: arrangement, paper size and direction, quantity, and the print
// button of the professional view.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "page/add_label_window.h"
#include "page/label_picture_widget.h"
#include "page/paper_sheet_view.h"
#include "platform/hint_binder.h"
#include "platform/screen_units.h"
#include "platform/skin_button.h"
#include "print/arrangement_panel.h"
#include "print/paper_panel.h"
#include "print/professional_print_panel.h"
#include "print/quantity_panel.h"
#include "support/recording_ui.h"
#include "support/recording_output.h"
#include "support/test_settings.h"

namespace kestrin::print {
namespace {

using platform::SkinButton;
using platform::toPixels;

class ArrangementGui : public ::testing::Test {
protected:
    ArrangementGui() {
        host.resize(800, 500);
        sheet = new page::PaperSheet(doc, settings.service, ui, hints, &host, &host);
        sheet->setPaper(纸张调整(0, Direction::Upright, 12000, 7000));
        panel = new ArrangementPanel(
            doc, ui, hints, [this] { return paper; }, [this](const std::string& v) { written.push_back(v); }, &host);
        doc.editPage([](document::LabelPage& edited) {
            for (int n = 0; n < 4; ++n) {
                const int i = *edited.createLabel();
                edited.label(i).left = 6000;
                edited.label(i).top = 6000;
            }
        });
        host.show();
        panel->openBeside(400);
    }
    SkinButton& mode(int i) { return *panel->findChild<SkinButton*>(QStringLiteral("排列选择%1").arg(i)); }
    std::vector<std::pair<int, int>> places() {
        std::vector<std::pair<int, int>> out;
        for (const int i : page.pageLabels()) {
            out.emplace_back(page.label(i).left, page.label(i).top);
            const QPoint shown = sheet->labelPicture(i)->pos();
            EXPECT_EQ(shown, QPoint(toPixels(page.label(i).left), toPixels(page.label(i).top))) << i;
        }
        return out;
    }
    using Places = std::vector<std::pair<int, int>>;

    document::Document doc;
    const document::LabelPage& page = doc.page();
    test::RecordingUi ui;
    test::TestSettings settings;
    platform::HintBinder hints;
    QWidget host;
    page::PaperSheet* sheet = nullptr;
    ArrangementPanel* panel = nullptr;
    PaperSize paper{12000, 16700};
    std::vector<std::string> written;
};

TEST_F(ArrangementGui, EachModePlacesTheLabelsAndTheirPictures) {
    // Start 20 x 15 = 300, gaps 2 x 15 = 30; labels 3600 x 900.
    QTest::mouseClick(&mode(0), Qt::LeftButton);
    EXPECT_EQ(places(), (Places{{300, 300}, {300, 1230}, {300, 2160}, {300, 3090}}));
    QTest::mouseClick(&mode(1), Qt::LeftButton);
    EXPECT_EQ(places(), (Places{{300, 300}, {3930, 300}, {300, 1230}, {3930, 1230}}));
    QTest::mouseClick(&mode(2), Qt::LeftButton);
    // The fourth would end at 11190 + 3600 + 120 > 12000: it starts the next row.
    EXPECT_EQ(places(), (Places{{300, 300}, {3930, 300}, {7560, 300}, {300, 1230}}));
    EXPECT_TRUE(mode(2).isChecked());
    EXPECT_FALSE(mode(0).isChecked());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(written.empty()) << "only typing stores the boxes";
}

TEST_F(ArrangementGui, TypingStoresTheBoxesAndArrangesAgainByTheRememberedMode) {
    QTest::mouseClick(&mode(1), Qt::LeftButton);
    QLineEdit* left = panel->box("起始左");
    ASSERT_NE(left, nullptr);
    left->setFocus();
    QTest::keyClicks(left, QStringLiteral("0x"));  // "20" + "0"; the letter is refused
    EXPECT_EQ(left->text(), QStringLiteral("200"));
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.back(), "2 2 200 20");
    EXPECT_EQ(places().front(), (std::pair{3000, 300}));
    EXPECT_EQ(places()[1], (std::pair{3000 + 3600 + 30, 300}));

    QLineEdit* gap = panel->box("上下间距");
    gap->setFocus();
    QTest::keyClick(gap, Qt::Key_Backspace);
    EXPECT_EQ(written.back(), "2  200 20") << "an empty box is stored empty";
    EXPECT_EQ(places()[2], (std::pair{3000, 1200})) << "and counts as 0";
}

TEST_F(ArrangementGui, StoredValueFillsTheBoxesOnlyWithFourParts) {
    panel->loadStored("1 2 3");
    EXPECT_EQ(panel->values(), ArrangementValues{});
    panel->loadStored("4 5 6 7 8");
    EXPECT_EQ(panel->values(), ArrangementValues{});
    panel->loadStored("4 5 60 70");
    EXPECT_EQ(panel->values(), (ArrangementValues{4, 5, 60, 70}));
    EXPECT_EQ(panel->box("起始上")->text(), QStringLiteral("70"));
}

TEST_F(ArrangementGui, PastThePapersBottomTheMessageIsShownOnce) {
    paper = {12000, 2000};
    QTest::mouseClick(&mode(0), Qt::LeftButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "列印超出");
    EXPECT_EQ(ui.messages[0].text, "条码排列 高度 超出列印范围");
    EXPECT_EQ(page.label(4).top, 6000) << "not reached: stays";
}

TEST(PaperPanelGui, SizeAndDirectionChangeThePaperAtOnce) {
    platform::HintBinder hints;
    QString lastHint;
    QObject::connect(&hints, &platform::HintBinder::hint, [&](const QString& t) { lastHint = t; });
    QWidget host;
    host.resize(800, 500);
    PaperPanel panel(hints, &host);
    QSignalSpy changed(&panel, &PaperPanel::paperChanged);
    host.show();
    panel.openAt(100);
    EXPECT_EQ(panel.pos(), QPoint(100, 40));
    EXPECT_EQ(panel.paperSize(), (PaperSize{12000, 16700}));

    QTest::mouseClick(panel.findChild<SkinButton*>(QStringLiteral("纸张大小2")), Qt::LeftButton);
    QTest::mouseClick(panel.findChild<SkinButton*>(QStringLiteral("列印方向1")), Qt::LeftButton);
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(panel.paperSize(), (PaperSize{14650, 10300}));
    EXPECT_EQ(lastHint, QStringLiteral("列印方向【横印】"));

    // A press on the background picture where the A5 option lies takes A5.
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(toPixels(1000), toPixels(1300)));
    EXPECT_EQ(panel.sizeIndex(), 1);
    EXPECT_TRUE(panel.findChild<SkinButton*>(QStringLiteral("纸张大小1"))->isChecked());
    EXPECT_FALSE(panel.findChild<SkinButton*>(QStringLiteral("纸张大小2"))->isChecked());
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(toPixels(1400), toPixels(1300)));
    EXPECT_EQ(panel.sizeIndex(), 1) << "outside the options' places nothing is chosen";

    auto* plus = panel.findChild<SkinButton*>(QStringLiteral("份数按钮0"));
    auto* minus = panel.findChild<SkinButton*>(QStringLiteral("份数按钮1"));
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(panel.copies(), 2);
    QTest::mouseClick(minus, Qt::LeftButton);
    QTest::mouseClick(minus, Qt::LeftButton);
    EXPECT_EQ(panel.copies(), 1);
}

TEST(PaperPanelGui, CopiesStopAt999HoweverTheyAreEntered) {
    platform::HintBinder hints;
    PaperPanel panel(hints, nullptr);
    QLineEdit& box = *panel.copiesBox();
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("99999999"));
    EXPECT_EQ(box.text(), QStringLiteral("999"));
    EXPECT_EQ(panel.copies(), 999);
    QTest::mouseClick(panel.findChild<SkinButton*>(QStringLiteral("份数按钮0")), Qt::LeftButton);
    EXPECT_EQ(panel.copies(), 999);
    box.setText(QStringLiteral("12345"));  // as a paste would
    EXPECT_EQ(panel.copies(), 123);
}

TEST(QuantityPanelGui, ButtonsStepAndMinusStopsAtOne) {
    platform::HintBinder hints;
    QuantityPanel panel(hints, nullptr);
    auto* plus = panel.findChild<SkinButton*>(QStringLiteral("印量加减0"));
    auto* minus = panel.findChild<SkinButton*>(QStringLiteral("印量加减1"));
    EXPECT_EQ(panel.quantity(), 1);
    QTest::mouseClick(plus, Qt::LeftButton);
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(panel.quantity(), 3);
    for (int n = 0; n < 4; ++n) QTest::mouseClick(minus, Qt::LeftButton);
    EXPECT_EQ(panel.quantity(), 1);
    panel.quantityBox()->setText(QString());
    EXPECT_EQ(panel.quantity(), 0);
    panel.quantityBox()->setText(QStringLiteral("9999"));
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(panel.quantityBox()->text(), QStringLiteral("9999")) << "four digits at most";
}

using test::RecordingOutput;

class ProfessionalPrintGui : public ::testing::Test {
protected:
    ProfessionalPrintGui() {
        // Labels 1..5 of distinct widths; 3 and 4 deleted.
        for (int n = 1; n <= 5; ++n) {
            const int i = *page.createLabel();
            page.label(i).width = 1000 * n;
            page.label(i).left = 100 * n;
            page.label(i).top = 200 * n;
            page.label(i).data = "P" + std::to_string(n);
        }
        page.deleteLabel(3);
        page.deleteLabel(4);
        page.label(0).data = "ZERO";
    }
    bool print(storage::PrinterKind printerKind) {
        const DestinationOpener open = [this](Fixed4) {
            platform::PrintDestination d;
            d.output = std::make_unique<RecordingOutput>(recorded);
            return d;
        };
        return 确定列印_V(page, {Fixed4(7), printerKind, 1}, ui, open);
    }
    // Each label's background fill, in the order printed, with a page mark between pages.
    std::vector<std::string> fills() {
        std::vector<std::string> out;
        for (const DrawOp& op : recorded.ops()) {
            if (std::holds_alternative<DrawNewPage>(op)) out.push_back("page");
            if (const auto* f = std::get_if<DrawFill>(&op); f && f->colour == kWhite) {
                out.push_back(std::to_string(f->rect.width.roundToWhole()) + "@" + std::to_string(f->rect.x.roundToWhole()) +
                              "," + std::to_string(f->rect.y.roundToWhole()));
            }
        }
        return out;
    }

    document::LabelPage page;
    test::RecordingUi ui;
    RecordingSurface recorded;
};

TEST_F(ProfessionalPrintGui, PagePrinterPrintsEveryLabelAtItsPlaceOnOnePage) {
    ASSERT_TRUE(print(storage::PrinterKind::Page));
    EXPECT_EQ(fills(), (std::vector<std::string>{"1000@100,200", "2000@200,400", "5000@500,1000"}));
    EXPECT_TRUE(recorded.ended());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProfessionalPrintGui, LabelPrinterPrintsOneLabelPerPageInIndexOrder) {
    ASSERT_TRUE(print(storage::PrinterKind::Label));
    EXPECT_EQ(fills(), (std::vector<std::string>{"1000@0,0", "page", "2000@0,0", "page", "5000@0,0"}));
}

TEST_F(ProfessionalPrintGui, AFailedJobIsSaid) {
    const DestinationOpener failing = [](Fixed4 resolution) {
        platform::PrintDestination d;
        d.output = platform::openPdf("/nonexistent-folder/x.pdf", resolution);
        return d;
    };
    EXPECT_FALSE(确定列印_V(page, {Fixed4(7), storage::PrinterKind::Page, 1}, ui, failing));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "错误提示");
}

}  // namespace
}  // namespace kestrin::print

namespace kestrin::print {
namespace {

// Not a check: with KESTRIN_SCREENSHOTS set to a folder, saves the panels of the paper side by
// side, for looking at.
TEST(PaperPanelsGui, Screenshot) {
    const QString folder = qEnvironmentVariable("KESTRIN_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "KESTRIN_SCREENSHOTS not set";
    document::Document doc;
    test::RecordingUi ui;
    test::TestSettings settings;
    platform::HintBinder hints;
    QWidget host;
    host.resize(820, 260);
    host.setAutoFillBackground(true);
    host.setPalette(QColor(233, 238, 252));
    PaperPanel paper(hints, &host);
    paper.openAt(10);
    paper.move(10, 10);
    ArrangementPanel arrangement(doc, ui, hints, [] { return PaperSize{12000, 16700}; }, {}, &host);
    arrangement.move(264, 10);
    arrangement.show();
    arrangement.arrange(ArrangementMode::TwoColumns);
    QuantityPanel quantity(hints, &host);
    quantity.move(264, 200);
    page::PaperSheet sheet(doc, settings.service, ui, hints, &host, &host);
    sheet.hide();
    doc.setPasteMemory(std::vector<document::LayoutRecord>(1));
    sheet.addLabelWindow()->openAt(QPoint(600, 14), true);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    ASSERT_TRUE(host.grab().save(QString(folder + "/paper-panels.png")));
}

}  // namespace
}  // namespace kestrin::print
