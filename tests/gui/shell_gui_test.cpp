// The main window's start-up, views, frame, printing, login and closing, and the notice
// window, driven through the real widgets.

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "common/recording_surface.h"
#include "page/barcode_input_panel.h"
#include "page/label_picture_widget.h"
#include "platform/data_folders.h"
#include "platform/single_instance.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "shell/login_panel.h"
#include "shell/main_window.h"
#include "shell/notice_window.h"
#include "shell/password.h"
#include "storage/settings_service.h"
#include "storage/settings_store.h"
#include "support/recording_ui.h"
#include "support/recording_output.h"

namespace kestrin::shell {
namespace {

using platform::SkinButton;

using test::RecordingOutput;

// A data folder in a temporary place, optionally holding settings, and a window started on it.
class ShellGui : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    storage::SettingsStore& store() {
        if (!store_) {
            platform::createDataFolders(folder.path());
            store_ = std::make_unique<storage::SettingsStore>(platform::toPath(folder.path()), ui);
        }
        return *store_;
    }
    // The settings the program runs with, loaded from the folder at the first use.
    storage::SettingsService& settings() {
        if (!settings_) {
            store().读取设定();
            settings_ = std::make_unique<storage::SettingsService>(store());
        }
        return *settings_;
    }
    void save(std::string_view key, std::string_view value) { ASSERT_TRUE(settings().write(key, value)); }
    // Starts the window on the settings saved so far and lets the deferred start-up run.
    void startWindow() {
        window.setPrintDestination([this] {
            platform::PrintDestination d;
            d.output = std::make_unique<RecordingOutput>(printed);
            return d;
        });
        window.start(settings(), ui);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The deferred start-up, 50 ms after the start, lays out the saved view.
        const auto* deferred = window.findChild<QTimer*>(QStringLiteral("排列视窗位置"));
        ASSERT_NE(deferred, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([deferred] { return !deferred->isActive(); }, 5000));
    }
    SkinButton& button(const QString& name) {
        auto* b = window.findChild<SkinButton*>(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return *b;
    }
    QString hint() { return window.findChild<QLabel*>(QStringLiteral("说明提示"))->text(); }
    QSize twips(QSize pixels) { return pixels * 15; }
    // A pointer event on the window's background at a position in twips.
    void pointer(QEvent::Type type, QPoint twipsAt, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPointF at(twipsAt.x() / 15.0, twipsAt.y() / 15.0);
        QMouseEvent e(type, at, window.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&window, &e);
    }
    std::string savedSize() {
        std::string value;
        for (const auto& e : store().entries()) {
            if (e.key == "主视窗大小") value = e.value;
        }
        return value;
    }

    QTemporaryDir folder;
    test::RecordingUi ui;
    std::unique_ptr<storage::SettingsStore> store_;
    std::unique_ptr<storage::SettingsService> settings_;
    RecordingSurface printed;
    MainWindow window;
};

// The program itself on an empty data folder, as a user's first start: main() makes the folders.
TEST(FirstStart, TheProgramMakesTheDataFoldersAndShowsItsWindow) {
    QTemporaryDir data;
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTRIN_DATA_DIR"), data.path());
    env.insert(QStringLiteral("KESTRIN_STARTUP_PROBE"), QStringLiteral("1"));  // "shown", then it ends
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());  // a single-instance lock of its own
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QString::fromUtf8(KESTRIN_PROGRAM), QStringList());
    // A message box at the start would hold the window back and the program with it.
    ASSERT_TRUE(program.waitForFinished(60000)) << "the program did not show its window and end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(program.readAllStandardOutput().startsWith("shown\n"));
    EXPECT_TRUE(QDir(data.path()).exists(QStringLiteral("记录资料")));
    EXPECT_TRUE(QDir(data.path()).exists(QStringLiteral("图形资料")));
}

TEST_F(ShellGui, AFreshStartShowsTheSimpleView) {
    startWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrin Vorlana"));
    EXPECT_EQ(window.view(), View::Simple);
    EXPECT_EQ(twips(window.size()), QSize(6000, 7470));
    EXPECT_FALSE(window.loginPanel()->isVisible());
    EXPECT_TRUE(window.barcodeInputPanel()->isVisible());
    EXPECT_TRUE(window.panel(PanelSlot::列印数量窗)->isVisible());
    EXPECT_FALSE(button(QStringLiteral("视窗按钮1")).isVisible());
    EXPECT_FALSE(button(QStringLiteral("条码管理")).isVisible());
    EXPECT_TRUE(ui.messages.empty());
    // The panels stand in a column at 255 under the paper, each 120 below what is above it.
    const QWidget& paper = *window.findChild<QWidget*>(QStringLiteral("列印范围"));
    const QWidget& input = *window.barcodeInputPanel();
    const QWidget& quantity = *window.panel(PanelSlot::列印数量窗);
    const int paperBottom = window.paperFrame()->y() + paper.y() + paper.height();
    EXPECT_EQ(input.pos() * 15, QPoint(255, paperBottom * 15 + 120));
    EXPECT_EQ(quantity.pos() * 15, QPoint(255, (input.y() + input.height()) * 15 + 120));
}

TEST(DataFolders, TheEnvironmentNamesTheDataFolderForTests) {
    QTemporaryDir folder;
    qputenv("KESTRIN_DATA_DIR", folder.path().toUtf8());
    const QString base = platform::dataBaseFolder(QStringLiteral("/nowhere"));
    qunsetenv("KESTRIN_DATA_DIR");
    EXPECT_EQ(base, folder.path());
}

TEST(DataFolders, AProgramFolderThatCannotBeWrittenSendsTheDataToTheUsersFolder) {
    qunsetenv("KESTRIN_DATA_DIR");
    QTemporaryDir writable;
    EXPECT_EQ(platform::dataBaseFolder(writable.path()), writable.path());
    // Nobody, not even the superuser, creates files in /proc.
    const QString fallback = platform::dataBaseFolder(QStringLiteral("/proc"));
    EXPECT_NE(fallback, QStringLiteral("/proc"));
    EXPECT_FALSE(fallback.isEmpty());
}

TEST_F(ShellGui, SavedProfessionalViewAndPlaceAreRestored) {
    save("主视窗大小", "1 0 300 450 12090 7470");
    save("列印排列", "3 4 10 12");
    save("列印解析度", "7.1");
    startWindow();
    EXPECT_EQ(window.view(), View::Professional);
    EXPECT_EQ(window.chosenView(), View::Professional);
    EXPECT_EQ(twips(window.size()), QSize(12090, 7470));
    EXPECT_EQ(window.pos() * 15, QPoint(300, 450));
    EXPECT_FALSE(window.labelPicture(0)->isVisible());
    EXPECT_TRUE(button(QStringLiteral("视窗按钮1")).isVisible());
    EXPECT_FALSE(window.barcodeInputPanel()->isVisible());
    EXPECT_EQ(window.arrangement(), (print::ArrangementValues{3, 4, 10, 12}));
    EXPECT_EQ(window.resolution(), Fixed4::fromRaw(71000));
    // The A4 sheet is taller than the frame: the vertical bar ranges over the overflow.
    auto* vertical = window.findChild<QScrollBar*>(QStringLiteral("垂直卷轴"));
    EXPECT_TRUE(vertical->isVisible());
    EXPECT_GT(vertical->maximum(), 0);
    auto* paper = window.findChild<QWidget*>(QStringLiteral("列印范围"));
    vertical->setValue(2);
    EXPECT_EQ(paper->y() * 15, 300 - 2 * 360);
    // A press and release on the background places the paper again, where the bar says.
    pointer(QEvent::MouseButtonPress, {3000, 3000}, Qt::LeftButton, Qt::LeftButton);
    pointer(QEvent::MouseButtonRelease, {3000, 3000}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(paper->y() * 15, 300 - 2 * 360);
}

TEST_F(ShellGui, LabelPrinterKindNarrowsLabelZero) {
    save("印表装置", "1");
    startWindow();
    EXPECT_EQ(window.printerKind(), storage::PrinterKind::Label);
    EXPECT_EQ(window.label(0).width, 2700);
    EXPECT_EQ(window.labelPicture(0)->width() * 15, 2700);
}

TEST_F(ShellGui, SavedMaximisedStateStartsMaximisedInTheProfessionalView) {
    save("主视窗大小", "1 2 0 0 12090 7470");
    startWindow();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.view(), View::Professional);
    // 视窗放大 lays the skin out once the window is visible.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.paperFrame()->width() == window.width() - 4; }, 5000))
        << window.paperFrame()->width() << " in " << window.width();
}

TEST_F(ShellGui, SavedSimpleViewAndAWrongShapeLeaveTheDefaults) {
    save("主视窗大小", "0 0 300 450 9000 9000");
    save("列印排列", "3 4 10");
    startWindow();
    EXPECT_EQ(window.view(), View::Simple);
    // The deferred start-up sets the simple view's own size whatever was saved.
    EXPECT_EQ(twips(window.size()), QSize(6000, 7470));
    EXPECT_EQ(window.arrangement(), print::ArrangementValues{});
}

TEST_F(ShellGui, SavedNumberOfNeitherViewKeepsTheSavedSizeInTheSimpleView) {
    save("主视窗大小", "7 0 300 450 9000 7980");
    startWindow();
    EXPECT_EQ(window.view(), View::Simple);
    EXPECT_EQ(twips(window.size()), QSize(9000, 7980));
    // The view button, offering the professional view, takes the window there.
    EXPECT_EQ(button(QStringLiteral("版本按钮")).text(), QStringLiteral("专业版"));
    QTest::mouseClick(&button(QStringLiteral("版本按钮")), Qt::LeftButton);
    EXPECT_EQ(window.chosenView(), View::Professional);
}

TEST_F(ShellGui, ViewButtonAnimatesToTheOtherViewAndBack) {
    startWindow();
    QTest::mouseClick(&button(QStringLiteral("版本按钮")), Qt::LeftButton);
    EXPECT_EQ(window.chosenView(), View::Professional);
    EXPECT_FALSE(window.barcodeInputPanel()->isVisible());  // panels close at the press
    // On its way: wider than the simple view, not yet the professional one.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() > 400; }, 500));
    EXPECT_LT(window.width(), 806);
    EXPECT_EQ(window.view(), View::Simple);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() == View::Professional; }, 2000));
    EXPECT_EQ(twips(window.size()), QSize(12090, 7470));
    EXPECT_EQ(button(QStringLiteral("版本按钮")).text(), QStringLiteral("简易版"));

    QTest::mouseClick(&button(QStringLiteral("版本按钮")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() == View::Simple; }, 2000));
    EXPECT_EQ(twips(window.size()), QSize(6000, 7470));
    EXPECT_TRUE(window.labelPicture(0)->isVisible());

    // Pressed again mid-way, the window turns round and still arrives.
    QTest::mouseClick(&button(QStringLiteral("版本按钮")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() > 460; }, 500));
    QTest::mouseClick(&button(QStringLiteral("版本按钮")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() == 400 && window.view() == View::Simple; }, 2000));
    EXPECT_EQ(twips(window.size()), QSize(6000, 7470));
    EXPECT_TRUE(window.panel(PanelSlot::列印数量窗)->isVisible());
}

TEST_F(ShellGui, TypedLabelPrintsThreeTimesAcrossTheSheet) {
    startWindow();
    auto* box = window.barcodeInputPanel()->dataBox();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("kv-7"));
    EXPECT_EQ(window.label(0).data, "KV-7");
    auto* quantity = window.findChild<QLineEdit*>(QStringLiteral("列印数量"));
    ASSERT_NE(quantity, nullptr);
    quantity->setText(QStringLiteral("3"));
    QTest::mouseClick(&button(QStringLiteral("确定列印")), Qt::LeftButton);

    ASSERT_TRUE(printed.ended());
    // Each copy starts with its background; the start boxes' 20 units are 300 twips.
    std::vector<std::pair<Fixed4, Fixed4>> corners;
    for (const DrawFill& f : printed.all<DrawFill>()) {
        if (f.rect.width == Fixed4(3600) && f.rect.height == Fixed4(900)) corners.emplace_back(f.rect.x, f.rect.y);
    }
    const std::vector<std::pair<Fixed4, Fixed4>> expected{{300, 300}, {3920, 300}, {7540, 300}};
    EXPECT_EQ(corners, expected);
    EXPECT_GT(printed.all<DrawFill>().size(), 3u);  // the bars after the backgrounds
    EXPECT_TRUE(printed.all<DrawNewPage>().empty());
    EXPECT_TRUE(ui.messages.empty());
    // Back to typing: the input panel is shown with the focus in the data box.
    EXPECT_TRUE(window.barcodeInputPanel()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box);
}

TEST_F(ShellGui, F1PrintsTheCurrentViewWhileOurWindowIsActive) {
    startWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.barcodeInputPanel()->dataBox(), Qt::Key_F1);
    EXPECT_TRUE(printed.ended());
    EXPECT_EQ(printed.all<DrawFill>().size(), 1u);  // label 0 once, with no data: its background

    int prints = 0;
    QObject::connect(&window, &MainWindow::professionalPrintRequested, [&] { ++prints; });
    QTest::mouseClick(&button(QStringLiteral("版本按钮")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() == View::Professional; }, 2000));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(prints, 1);
}

TEST(SingleInstance, ASecondHolderFindsTheFirst) {
    const QString name = QStringLiteral("kestrin-test-%1").arg(QCoreApplication::applicationPid());
    auto first = std::make_unique<platform::SingleInstance>(name);
    EXPECT_FALSE(first->anotherIsRunning());
    EXPECT_TRUE(platform::SingleInstance(name).anotherIsRunning());
    first.reset();
    EXPECT_FALSE(platform::SingleInstance(name).anotherIsRunning());
}

TEST_F(ShellGui, AQuantityOfNothingPrintsNothing) {
    startWindow();
    window.findChild<QLineEdit*>(QStringLiteral("列印数量"))->setText(QString());
    window.确定列印();
    EXPECT_TRUE(printed.ops().empty());
    EXPECT_FALSE(printed.ended());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ShellGui, LoginOpensExactlyWhenTheTypedTextIsThePassword) {
    save("使用密码", makeStoredPassword("Ab1").value());
    startWindow();
    LoginPanel& login = *window.loginPanel();
    ASSERT_TRUE(login.isVisible());
    EXPECT_EQ(window.size(), LoginPanel::pictureSize());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("关离功能"))->isVisible());

    QLineEdit& box = *login.passwordBox();
    QTest::keyClicks(&box, QStringLiteral("ab1"));
    EXPECT_TRUE(login.isVisible());
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("Ab"));
    // Showing and hiding the password keeps what was typed.
    QTest::mouseClick(login.showButton(), Qt::LeftButton);
    EXPECT_EQ(box.echoMode(), QLineEdit::Normal);
    EXPECT_EQ(login.showButton()->text(), QStringLiteral("隐藏密码"));
    QTest::mouseClick(login.showButton(), Qt::LeftButton);
    EXPECT_EQ(box.echoMode(), QLineEdit::Password);
    EXPECT_EQ(box.text(), QStringLiteral("Ab"));
    // One character too many, typed in front of the last: deleting it opens the window.
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("x1"));
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClicks(&box, QStringLiteral("Ab"));
    EXPECT_EQ(box.text(), QStringLiteral("Abx1"));
    EXPECT_TRUE(login.isVisible());
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_FALSE(login.isVisible());
    EXPECT_EQ(twips(window.size()), QSize(6000, 7470));
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("关离功能"))->isVisible());
}

TEST_F(ShellGui, ClosingSavesTheWindowSizeHoweverTheCloseCame) {
    startWindow();
    window.move(200, 100);
    QTest::mouseClick(&button(QStringLiteral("关闭功能")), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(savedSize(), "0 0 3000 1500 6000 7470");

    // A close from the system (window manager, log-out) arrives as a close event alone.
    window.show();
    window.move(300, 100);
    QCloseEvent systemClose;
    QApplication::sendEvent(&window, &systemClose);
    EXPECT_EQ(savedSize(), "0 0 4500 1500 6000 7470");
    // Read back by the next start.
    storage::SettingsStore again(platform::toPath(folder.path()), ui);
    again.读取设定();
    EXPECT_EQ(storage::SettingsService(again).mainWindowSize(), (storage::MainWindowSize{0, 0, 4500, 1500, 6000, 7470}));
}

TEST_F(ShellGui, ResizeGripWorksInTheProfessionalViewWithinTheMinimum) {
    save("主视窗大小", "1 0 0 0 12090 7470");
    startWindow();
    const QPoint grip(12090 - 100, 7470 - 100);
    pointer(QEvent::MouseMove, grip, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(hint(), QStringLiteral("按住滑鼠左键，移动滑鼠，调整 视窗大小"));
    pointer(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    pointer(QEvent::MouseMove, grip + QPoint(150, 150), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(twips(window.size()), QSize(12240, 7620));
    pointer(QEvent::MouseMove, grip - QPoint(3000, 3000), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(twips(window.size()), QSize(12000, 7200));
    pointer(QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);

    pointer(QEvent::MouseMove, {3000, 3000}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(hint(), QStringLiteral("按住滑鼠左键，移动滑鼠，调整 视窗位置"));
}

TEST_F(ShellGui, TheGripDoesNothingInTheSimpleView) {
    startWindow();
    const QPoint grip(6000 - 100, 7470 - 100);
    pointer(QEvent::MouseMove, grip, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(hint(), QStringLiteral("按住滑鼠左键，移动滑鼠，调整 视窗位置"));
}

TEST_F(ShellGui, ToolbarPictureRisesWhileThePointerIsInItsZone) {
    save("主视窗大小", "1 0 0 0 12090 7470");
    startWindow();
    SkinButton& paper = button(QStringLiteral("纸张设定"));
    SkinButton& print = button(QStringLiteral("确定列印_V"));
    pointer(QEvent::MouseMove, {6500, 200}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(paper.y(), 0);
    EXPECT_LT(print.y(), 0);
    pointer(QEvent::MouseMove, {8500, 200}, Qt::NoButton, Qt::NoButton);
    EXPECT_LT(paper.y(), 0);
    EXPECT_EQ(print.y(), 0);
    pointer(QEvent::MouseMove, {8500, 420}, Qt::NoButton, Qt::NoButton);
    EXPECT_LT(print.y(), 0);

    int prints = 0;
    QObject::connect(&window, &MainWindow::professionalPrintRequested, [&] { ++prints; });
    QTest::mouseClick(&print, Qt::LeftButton);
    EXPECT_EQ(prints, 1);
}

TEST_F(ShellGui, PanelCloseButtonHidesOnlyItsPanelInTheSimpleView) {
    startWindow();
    QWidget& quantity = *window.panel(PanelSlot::列印数量窗);
    const int before = quantity.y();
    QTest::mouseClick(&button(QStringLiteral("关闭窗1")), Qt::LeftButton);
    EXPECT_FALSE(window.barcodeInputPanel()->isVisible());
    EXPECT_TRUE(quantity.isVisible());
    EXPECT_LT(quantity.y(), before);  // restacked into the panel's place
    window.关闭功能窗();
    EXPECT_FALSE(quantity.isVisible());
}

TEST(NoticeWindowGui, GrowsBeepsOnceWaitsAndShrinksAway) {
    test::RecordingUi ui;
    NoticeWindow notice(ui);
    const auto timer = [&notice](const char* name) { return notice.findChild<QTimer*>(QString::fromUtf8(name)); };
    QTimer* start = timer("展开提示");
    ASSERT_NE(start, nullptr);
    notice.request(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !start->isActive(); }, 1000));
    EXPECT_FALSE(notice.isVisible());

    notice.request(static_cast<int>(Notice::完成记录));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice.isVisible(); }, 500));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.beeps == 1; }, 1000));
    EXPECT_EQ(notice.sizeInTwips(), kNoticePicture);
    EXPECT_EQ(notice.tag(), 3);
    QTimer* wait = timer("等待");
    ASSERT_NE(wait, nullptr);
    EXPECT_TRUE(wait->isActive()) << "it waits its second before it shrinks";
    EXPECT_EQ(wait->interval(), 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notice.isVisible(); }, 2000));
    EXPECT_EQ(notice.tag(), 0);
    EXPECT_EQ(notice.sizeInTwips(), kNoticeIdle);
    EXPECT_EQ(ui.beeps, 1);
}

// Not a check: with KESTRIN_SCREENSHOTS set to a folder, saves both views and the login.
TEST_F(ShellGui, Screenshots) {
    const QString out = qEnvironmentVariable("KESTRIN_SCREENSHOTS");
    if (out.isEmpty()) GTEST_SKIP() << "KESTRIN_SCREENSHOTS not set";
    startWindow();
    QTest::keyClicks(window.barcodeInputPanel()->dataBox(), QStringLiteral("KV-2026"));
    ASSERT_TRUE(window.grab().save(QDir(out).filePath(QStringLiteral("shell-simple.png"))));
    QTest::mouseClick(&button(QStringLiteral("版本按钮")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() == View::Professional; }, 2000));
    pointer(QEvent::MouseMove, {8500, 200}, Qt::NoButton, Qt::NoButton);
    ASSERT_TRUE(window.grab().save(QDir(out).filePath(QStringLiteral("shell-professional.png"))));

    save("使用密码", makeStoredPassword("x").value());
    MainWindow locked;
    locked.start(settings(), ui);
    locked.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return locked.loginPanel()->isVisible(); }, 1000));
    QTest::keyClicks(locked.loginPanel()->passwordBox(), QStringLiteral("abc"));
    ASSERT_TRUE(locked.grab().save(QDir(out).filePath(QStringLiteral("shell-login.png"))));

    QImage notices(platform::skin::kNoticeWidth, platform::skin::kNoticeHeight * 4, QImage::Format_RGB32);
    QPainter p(&notices);
    for (int n = 1; n <= 4; ++n) {
        platform::skin::paintNotice(p, QRectF(0, (n - 1) * platform::skin::kNoticeHeight, platform::skin::kNoticeWidth,
                                              platform::skin::kNoticeHeight), n);
    }
    p.end();
    ASSERT_TRUE(notices.save(QDir(out).filePath(QStringLiteral("shell-notices.png"))));
}

}  // namespace
}  // namespace kestrin::shell
