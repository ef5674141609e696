#include "storage/settings_service.h"

#include <gtest/gtest.h>

#include "storage/storage_test_support.h"
#include "support/recording_ui.h"

namespace kestrin::storage {
namespace {

using test::RecordingUi;
using testing::cp936;
using testing::FailingFileSystem;
using testing::TempFolder;
using testing::writeBytes;

struct Heard {
    std::vector<std::string> keys;
    void listenTo(SettingsService& service) {
        service.subscribe([this](std::string_view key) { keys.emplace_back(key); });
    }
};

TEST(SettingsService, TypedValuesComeFromTheLastReadableEntry) {
    TempFolder folder;
    RecordingUi ui;
    SettingsStore store(folder.path(), ui);
    store.读取设定();
    store.写入设定("印表装置", "1");
    store.写入设定("列印解析度", "4.8");
    SettingsStore reloaded(folder.path(), ui);
    reloaded.读取设定();
    const SettingsService service(reloaded);
    EXPECT_EQ(service.printerKind(), PrinterKind::Label);
    EXPECT_EQ(service.printResolution(), Fixed4::fromRaw(48000));

    SettingsStore empty(folder.path() / "none", ui);
    const SettingsService defaults(empty);
    EXPECT_EQ(defaults.printerKind(), PrinterKind::Page);
    EXPECT_EQ(defaults.printResolution(), kDefaultPrintResolution);
    EXPECT_EQ(defaults.fieldCount(), kDefaultFieldCount);
    EXPECT_FALSE(defaults.arrangement());
    EXPECT_FALSE(defaults.mainWindowSize());
}

TEST(SettingsService, KeysReadInFileOrderWrongShapesIgnored) {
    const std::vector<SettingsEntry> entries{
        {"主视窗大小", "1 2 0 0 12090 7470"},
        {"主视窗大小", "0 0 10 10 6000"},  // five parts: ignored, the earlier one stays
        {"列印排列", "4 6 30.7 x"},
        {"标签A", "条码★种类★名称★自订★自订★自订★自订★自订★自订★自订★自订"},  // eleven: ignored
        {"标签_数量", "5"},
        {"使用密码", "h1$00$abc"},
        {"更新设定", "1"},
        {"印表装置", "1"},
        {"列印解析度", "7.2"},
        {"列印解析度", "0"},  // no printer has a pitch of nothing
        {"列印解析度", "7.1995"},
        {"其他", "9"},
    };
    TempFolder folder;
    std::string file;
    for (const auto& [key, value] : entries) file += "\"" + key + "\",\"" + value + "\"\r\n";
    writeBytes(settingsFilePath(folder.path()), cp936(file));
    RecordingUi ui;
    SettingsStore store(folder.path(), ui);
    store.读取设定();
    ASSERT_EQ(store.entries(), entries);

    const SettingsService s(store);
    EXPECT_EQ(s.mainWindowSize(), (MainWindowSize{1, 2, 0, 0, 12090, 7470}));
    EXPECT_EQ(s.arrangement(), (PrintArrangementTexts{"4", "6", "30.7", "x"}));
    EXPECT_FALSE(s.columnCaptions());
    EXPECT_EQ(s.fieldCount(), 5);
    EXPECT_EQ(s.storedPassword(), "h1$00$abc");
    EXPECT_EQ(s.updateCheck(), 1);
    EXPECT_EQ(s.printerKind(), PrinterKind::Label);
    EXPECT_EQ(s.printResolution(), Fixed4::fromRaw(71995));
}

TEST(SettingsService, AChangeIsWrittenThroughThenAnnounced) {
    TempFolder folder;
    RecordingUi ui;
    SettingsStore store(folder.path(), ui);
    store.读取设定();
    SettingsService service(store);
    Heard heard;
    heard.listenTo(service);

    ASSERT_TRUE(service.setPrinterKind(PrinterKind::Label));
    ASSERT_TRUE(service.setPrintResolution(Fixed4::fromRaw(48000)));
    ASSERT_TRUE(service.write("使用密码", "secret-form"));
    EXPECT_EQ(heard.keys, (std::vector<std::string>{"印表装置", "列印解析度", "使用密码"}));
    EXPECT_EQ(service.storedPassword(), "secret-form");

    SettingsStore reloaded(folder.path(), ui);
    reloaded.读取设定();
    const SettingsService again(reloaded);
    EXPECT_EQ(again.printerKind(), PrinterKind::Label);
    EXPECT_EQ(again.printResolution(), Fixed4::fromRaw(48000));
}

TEST(SettingsService, AFailedWriteKeepsTheValueAndTellsNobody) {
    TempFolder folder;
    RecordingUi ui;
    FailingFileSystem failing(0);
    SettingsStore store(folder.path(), ui, failing);
    store.读取设定();
    SettingsService service(store);
    Heard heard;
    heard.listenTo(service);
    EXPECT_FALSE(service.setPrinterKind(PrinterKind::Label));
    EXPECT_EQ(service.printerKind(), PrinterKind::Page);
    EXPECT_TRUE(heard.keys.empty());
    EXPECT_EQ(ui.titles(), std::vector<std::string>{"存档错误提示"});
}

}  // namespace
}  // namespace kestrin::storage
