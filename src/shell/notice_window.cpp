#include "shell/notice_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "common/ui.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"

namespace kestrin::shell {
namespace {

namespace skin = platform::skin;
using platform::toPixels;

// Named children of the window, so that tests can tell what it is waiting for.
void configure(QTimer& timer, QObject* window, const char* name, int interval, bool single) {
    timer.setParent(window);
    timer.setObjectName(QString::fromUtf8(name));
    timer.setInterval(interval);
    timer.setSingleShot(single);
}

}  // namespace

NoticeWindow::NoticeWindow(Ui& ui) : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), ui_(ui) {
    setObjectName(QStringLiteral("提示视窗"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    configure(展开提示_, this, "展开提示", 50, true);
    configure(视窗展开_, this, "视窗展开", 10, false);
    configure(等待_, this, "等待", 1000, true);
    configure(视窗缩关_, this, "视窗缩关", 20, false);
    connect(&展开提示_, &QTimer::timeout, this, &NoticeWindow::展开提示);
    connect(&视窗展开_, &QTimer::timeout, this, &NoticeWindow::expandTick);
    connect(&等待_, &QTimer::timeout, this, [this] { 视窗缩关_.start(); });
    connect(&视窗缩关_, &QTimer::timeout, this, &NoticeWindow::shrinkTick);
    place(kNoticeIdle);
}

void NoticeWindow::request(int picture) {
    tag_ = picture >= 1 && picture <= kNoticeCount ? picture : 0;
    展开提示_.start();
}

void NoticeWindow::展开提示() {
    if (tag_ > 0) {
        framed_ = false;
        等待_.stop();
        视窗缩关_.stop();
        place(kNoticeStart);
        show();
        raise();
        视窗展开_.start();
    }
}

void NoticeWindow::expandTick() {
    const AnimationTick tick = noticeExpandTick(size_);
    place(tick.size);
    if (!tick.arrived) return;
    视窗展开_.stop();
    framed_ = true;
    update();
    ui_.beep();
    等待_.start();
}

void NoticeWindow::shrinkTick() {
    framed_ = false;
    const AnimationTick tick = noticeShrinkTick(size_);
    place(tick.size);
    if (!tick.arrived) return;
    视窗缩关_.stop();
    hide();
    place(kNoticeIdle);
    tag_ = 0;
}

void NoticeWindow::place(WindowSize size) {
    size_ = size;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 800);
    const Corner corner = centredOn(size, {area.width() * platform::kTwipsPerPixel, area.height() * platform::kTwipsPerPixel});
    setGeometry(area.left() + toPixels(corner.left), area.top() + toPixels(corner.top), toPixels(size.width),
                toPixels(size.height));
    update();
}

void NoticeWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintNotice(p, QRectF(rect()), tag_);
    if (framed_) {
        p.setPen(skin::kFrameBlue);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(skin::kInnerBlue);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void showNotice(Notice notice) {
    static platform::QtUi ui;
    static NoticeWindow* window = new NoticeWindow(ui);  // lives as long as the program
    window->request(static_cast<int>(notice));
}

}  // namespace kestrin::shell
