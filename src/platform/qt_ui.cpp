#include "platform/qt_ui.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace kestrin::platform {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void QtUi::message(MessageIcon icon, std::string_view title, std::string_view text) {
    QMessageBox box(parent_);
    switch (icon) {
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    box.setWindowTitle(toQString(title));
    box.setText(toQString(text));
    box.exec();
}

void QtUi::beep() { QApplication::beep(); }

void QtUi::endProgram() {
    QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
}

}  // namespace kestrin::platform
