// kestrin: the label designer.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle("Kestrin Vorlana");
    w.show();
    return QApplication::exec();
}
