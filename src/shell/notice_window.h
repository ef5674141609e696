#pragma once
// The notice window 提示视窗: a borderless pop-up that grows from the centre of the screen,
// shows one of four "done" pictures for a second with a beep and shrinks away. The caller
// asks for a picture and goes on at once; the notice runs on its own timers.

#include <QTimer>
#include <QWidget>
#include <memory>

#include "shell/notice_steps.h"

namespace kestrin {
class Ui;
}

namespace kestrin::shell {

enum class Notice { 完成新增 = 1, 完成删除 = 2, 完成记录 = 3, 完成修改 = 4 };

class NoticeWindow : public QWidget {
public:
    explicit NoticeWindow(Ui& ui);

    // Shows picture n (1 to 4); 0 or anything else shows nothing.
    void request(int picture);
    // The picture being shown, 0 while idle (the rules keep it in the window's tag).
    int tag() const { return tag_; }
    // The size in twips the window last took.
    WindowSize sizeInTwips() const { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void 展开提示();
    void expandTick();
    void shrinkTick();
    void place(WindowSize size);

    Ui& ui_;
    int tag_ = 0;
    WindowSize size_ = kNoticeIdle;
    bool framed_ = false;
    QTimer 展开提示_;
    QTimer 视窗展开_;
    QTimer 等待_;
    QTimer 视窗缩关_;
};

// The one notice window of the program, created on first use and kept.
void showNotice(Notice notice);

}  // namespace kestrin::shell
