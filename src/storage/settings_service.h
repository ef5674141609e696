#pragma once
// The settings the program runs with: one owner, typed values read from the settings table,
// every change written through to the file at once and then announced, so that whoever shows
// or uses a value follows it. Nobody keeps a copy of a value that can change.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "common/fixed4.h"
#include "storage/settings_keys.h"
#include "storage/settings_store.h"

namespace kestrin::storage {

enum class PrinterKind { Page = 0, Label = 1 };

// 1/200 inch per dot, until a calibration stores another.
inline const Fixed4 kDefaultPrintResolution = Fixed4::fromRaw(72000);
// The record columns a barcode record picker shows by default: columns 0..3.
constexpr int kDefaultFieldCount = 3;

class SettingsService {
public:
    // Reads the typed values from the store's table; the store must outlive the service.
    explicit SettingsService(SettingsStore& store);

    PrinterKind printerKind() const { return printerKind_; }          // 印表装置
    Fixed4 printResolution() const { return resolution_; }           // 列印解析度
    const std::optional<PrintArrangementTexts>& arrangement() const { return arrangement_; }  // 列印排列
    const std::optional<MainWindowSize>& mainWindowSize() const { return windowSize_; }   // 主视窗大小
    const std::optional<ColumnCaptions>& columnCaptions() const { return captions_; }     // 标签A
    int fieldCount() const { return fieldCount_; }                     // 标签_数量
    const std::string& storedPassword() const { return password_; }    // 使用密码
    int updateCheck() const { return updateCheck_; }                   // 更新设定

    // Each writes the value through and, when the file took it, keeps it and tells the
    // listeners. False (the user has been told, the value stays) when the write failed.
    bool setPrinterKind(PrinterKind kind);
    bool setPrintResolution(Fixed4 resolution);
    bool setArrangement(const PrintArrangementTexts& texts);
    bool setMainWindowSize(const MainWindowSize& size);

    // Any key by its stored text; a typed value follows what was written.
    bool write(std::string_view key, std::string_view value);
    const SettingsStore& store() const { return store_; }

    // Called with the key of every value that changed.
    using Listener = std::function<void(std::string_view key)>;
    int subscribe(Listener listener);
    void unsubscribe(int id);

private:
    void read();
    void readEntry(std::string_view key, std::string_view value);
    void announce(std::string_view key);

    SettingsStore& store_;
    PrinterKind printerKind_ = PrinterKind::Page;
    Fixed4 resolution_ = kDefaultPrintResolution;
    std::optional<PrintArrangementTexts> arrangement_;
    std::optional<MainWindowSize> windowSize_;
    std::optional<ColumnCaptions> captions_;
    int fieldCount_ = kDefaultFieldCount;
    std::string password_;
    int updateCheck_ = 0;
    std::map<int, Listener> listeners_;
    int nextListener_ = 0;
};

// The printer kind a stored 印表装置 value means: 1 is the label printer, anything else a page printer.
PrinterKind printerKindOf(int stored);

}  // namespace kestrin::storage
