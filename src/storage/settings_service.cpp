#include "storage/settings_service.h"

namespace kestrin::storage {

PrinterKind printerKindOf(int stored) { return stored == 1 ? PrinterKind::Label : PrinterKind::Page; }

SettingsService::SettingsService(SettingsStore& store) : store_(store) { read(); }

void SettingsService::read() {
    for (const SettingsEntry& entry : store_.entries()) readEntry(entry.key, entry.value);
}

// A value of the wrong shape is ignored: the value before it stays.
void SettingsService::readEntry(std::string_view key, std::string_view value) {
    if (key == keys::主视窗大小) {
        if (auto size = readMainWindowSize(value)) windowSize_ = *size;
    } else if (key == keys::列印排列) {
        if (auto texts = readPrintArrangement(value)) arrangement_ = *texts;
    } else if (key == keys::标签A) {
        if (auto captions = readColumnCaptions(value)) captions_ = *captions;
    } else if (key == keys::标签_数量) {
        fieldCount_ = leadingWholeNumber(value);
    } else if (key == keys::使用密码) {
        password_ = value;
    } else if (key == keys::更新设定) {
        updateCheck_ = leadingWholeNumber(value);
    } else if (key == keys::印表装置) {
        printerKind_ = printerKindOf(leadingWholeNumber(value));
    } else if (key == keys::列印解析度) {
        if (const auto resolution = readPrintResolution(value)) resolution_ = *resolution;
    }
}

bool SettingsService::setPrinterKind(PrinterKind kind) {
    return write(keys::印表装置, std::to_string(static_cast<int>(kind)));
}

bool SettingsService::setPrintResolution(Fixed4 resolution) { return write(keys::列印解析度, resolution.toString()); }

bool SettingsService::setArrangement(const PrintArrangementTexts& texts) {
    return write(keys::列印排列, formatPrintArrangement(texts));
}

bool SettingsService::setMainWindowSize(const MainWindowSize& size) {
    return write(keys::主视窗大小, formatMainWindowSize(size));
}

bool SettingsService::write(std::string_view key, std::string_view value) {
    if (!store_.写入设定(key, value)) return false;
    readEntry(key, value);
    announce(key);
    return true;
}

int SettingsService::subscribe(Listener listener) {
    const int id = nextListener_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void SettingsService::unsubscribe(int id) { listeners_.erase(id); }

void SettingsService::announce(std::string_view key) {
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) listener(key);
}

}  // namespace kestrin::storage
