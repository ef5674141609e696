#pragma once
// The settings the main window takes at start, read from the settings table in the order the
// store returns its entries: a later entry of a key wins, a value of the wrong shape is
// ignored and the default stays. Values no window uses yet are kept here for later windows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed4.h"
#include "print/arrangement.h"
#include "storage/settings_keys.h"
#include "storage/settings_store.h"

namespace kestrin::shell {

// The record columns a barcode record picker shows by default: columns 0..3.
constexpr int kDefaultFieldCount = 3;

struct StartupSettings {
    std::optional<storage::MainWindowSize> windowSize;     // 主视窗大小
    print::ArrangementValues arrangement;                  // 列印排列
    std::optional<storage::ColumnCaptions> captions;       // 标签A
    int fieldCount = kDefaultFieldCount;                   // 标签_数量
    std::string password;                                  // 使用密码, in its stored form
    int updateCheck = 0;                                   // 更新设定
    int printerKind = 0;                                   // 印表装置
    Fixed4 resolution = Fixed4::fromRaw(72000);            // 列印解析度

    // The arrangement boxes' texts, each the decimal form of its value.
    storage::PrintArrangementTexts arrangementTexts() const;
};

// The four values of a "列印排列" value; nothing unless it has exactly four parts.
std::optional<print::ArrangementValues> readArrangementValues(std::string_view value);

// Applies one entry of the settings table; keys the main window does not read are ignored.
void applyStartupSetting(StartupSettings& settings, const storage::SettingsEntry& entry);
StartupSettings readStartupSettings(const std::vector<storage::SettingsEntry>& entries);

}  // namespace kestrin::shell
