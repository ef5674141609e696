// kestrin: the label designer.

#include <QApplication>
#include <QDir>
#include <memory>

#include "platform/data_folders.h"
#include "platform/qt_translations.h"
#include "platform/qt_ui.h"
#include "platform/single_instance.h"
#include "platform/skin.h"
#include "platform/startup_probe.h"
#include "shell/main_window.h"
#include "shell/wired_window.h"
#include "storage/settings_service.h"
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

    // The settings outlive the window: its parts leave the service's listeners as they close.
    std::unique_ptr<kestrin::storage::SettingsStore> store;
    std::unique_ptr<kestrin::storage::SettingsService> settings;
    kestrin::shell::MainWindow window;
    kestrin::platform::QtUi ui(&window);
    store = std::make_unique<kestrin::storage::SettingsStore>(kestrin::platform::toPath(base), ui);
    store->读取设定();
    settings = std::make_unique<kestrin::storage::SettingsService>(*store);
    window.start(*settings, ui);
    kestrin::shell::wireMainWindow(window, *settings, ui, kestrin::platform::toPath(base));
    window.show();
    kestrin::platform::installStartupProbe(window);
    return QApplication::exec();
}
