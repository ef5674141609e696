#pragma once
// The program as main() builds it, on a fresh data folder given by KESTRIN_DATA_DIR: the
// settings loaded into their service, the main window started and wired with its parts.

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/data_folders.h"
#include "shell/main_window.h"
#include "shell/wired_window.h"
#include "storage/settings_service.h"
#include "storage/settings_store.h"
#include "support/recording_ui.h"

namespace kestrin::test {

class WiredProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        qputenv("KESTRIN_DATA_DIR", temp.path().toUtf8());
        base = platform::toPath(platform::dataBaseFolder(QString()));
        qunsetenv("KESTRIN_DATA_DIR");
        ASSERT_TRUE(platform::createDataFolders(QString::fromStdString(base.string())));
    }
    // Starts the program on what the data folder holds and waits for the deferred start-up,
    // which lays out the saved view 50 ms after the start.
    void startProgram() {
        store = std::make_unique<storage::SettingsStore>(base, ui);
        store->读取设定();
        service = std::make_unique<storage::SettingsService>(*store);
        beforeStart();
        window.start(*service, ui);
        parts = shell::wireMainWindow(window, *service, ui, base);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const auto* deferred = window.findChild<QTimer*>(QStringLiteral("排列视窗位置"));
        ASSERT_NE(deferred, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([deferred] { return !deferred->isActive(); }, 5000));
    }
    // What a test sets on the window before it starts (where prints go, say).
    virtual void beforeStart() {}

    QTemporaryDir temp;
    std::filesystem::path base;
    RecordingUi ui;
    std::unique_ptr<storage::SettingsStore> store;
    std::unique_ptr<storage::SettingsService> service;
    shell::MainWindow window;
    shell::WindowParts parts;
};

}  // namespace kestrin::test
