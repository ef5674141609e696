#pragma once
// Qt's own texts (the standard buttons of a message box, the file and print dialogs) in the
// program's language, Chinese, whatever the system's language: a 确定 next to the program's
// own captions, not an OK.

class QCoreApplication;
class QTranslator;

namespace kestrin::platform {

// Installs Qt's Simplified Chinese translation on the application. Dialogs made afterwards
// speak it. Returns the translator (owned by the application), or nullptr when Qt's
// translation files are not installed; the program then carries on in Qt's English.
QTranslator* installQtTranslations(QCoreApplication& app);

}  // namespace kestrin::platform
