#include "platform/print_destination.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/recording_ui.h"

namespace kestrin::platform {
namespace {

// With no printer on the system, a print becomes a PDF in the documents folder and the user
// is told its place; with the PDF's folder unwritable, the failure is said, not swallowed.
TEST(PrintDestination, WithoutAPrinterTheJobBecomesAPdfTheUserIsToldAbout) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DOCUMENTS_DIR", (home.path() + "/Documents").toUtf8());
    qputenv("PRINTER", "KestrinNoSuchPrinter");
    PrintDestination d = openPrintDestination(Fixed4(7));
    if (d.fallbackPdf.empty()) GTEST_SKIP() << "this machine has a default printer";
    d.output->surface().fillRect({0, 0, 1440, 1440}, kBlack);
    test::RecordingUi ui;
    ASSERT_TRUE(finishPrint(d, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(d.fallbackPdf), std::string::npos);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(d.fallbackPdf)));
    EXPECT_GT(QFile(QString::fromStdString(d.fallbackPdf)).size(), 100);
}

TEST(PrintDestination, AFailedWriteIsSaid) {
    PrintDestination d;
    d.output = openPdf("/nonexistent-folder/x.pdf", Fixed4(7));
    test::RecordingUi ui;
    EXPECT_FALSE(finishPrint(d, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(ui.messages[0].title, "错误提示");
}

}  // namespace
}  // namespace kestrin::platform
