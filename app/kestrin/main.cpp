// kestrin: the label designer.

#include <QApplication>
#include <QDir>

#include "platform/data_folders.h"
#include "platform/qt_translations.h"
#include "platform/qt_ui.h"
#include "platform/single_instance.h"
#include "platform/skin.h"
#include "platform/startup_probe.h"
#include "shell/main_window.h"
#include "shell/wired_window.h"
#include "storage/settings_store.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrin Vorlana"));
    // A second start ends at once and says nothing: the user already has the program open.
    const kestrin::platform::SingleInstance instance(QStringLiteral("kestrin-vorlana"));
    if (instance.anotherIsRunning()) return 0;

    kestrin::platform::installQtTranslations(app);
    kestrin::platform::skin::applyTo(app);
    const QString base = kestrin::platform::dataBaseFolder(QApplication::applicationDirPath());
    kestrin::platform::createDataFolders(base);

    kestrin::shell::主视窗 window;
    kestrin::platform::QtUi ui(&window);
    kestrin::storage::SettingsStore store(kestrin::platform::toPath(base), ui);
    window.start(store, ui);
    kestrin::shell::wireMainWindow(window, store, ui, kestrin::platform::toPath(base));
    window.show();
    kestrin::platform::installStartupProbe(window);
    return QApplication::exec();
}
