// kestrin: the label designer.

#include <QApplication>

#include "platform/skin.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kestrin::platform::skin::applyTo(app);
    kestrin::shell::主视窗 window;
    window.show();
    return QApplication::exec();
}
