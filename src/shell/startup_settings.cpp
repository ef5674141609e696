#include "shell/startup_settings.h"

namespace kestrin::shell {

namespace keys = storage::keys;

storage::PrintArrangementTexts StartupSettings::arrangementTexts() const {
    return {std::to_string(arrangement.gapLeftRight), std::to_string(arrangement.gapUpDown),
            std::to_string(arrangement.startLeft), std::to_string(arrangement.startTop)};
}

std::optional<print::ArrangementValues> readArrangementValues(std::string_view value) {
    const auto texts = storage::readPrintArrangement(value);
    if (!texts) return std::nullopt;
    return print::ArrangementValues{storage::leadingWholeNumber((*texts)[0]), storage::leadingWholeNumber((*texts)[1]),
                                    storage::leadingWholeNumber((*texts)[2]), storage::leadingWholeNumber((*texts)[3])};
}

void applyStartupSetting(StartupSettings& settings, const storage::SettingsEntry& entry) {
    const std::string_view key = entry.key;
    const std::string_view value = entry.value;
    if (key == keys::主视窗大小) {
        if (auto size = storage::readMainWindowSize(value)) settings.windowSize = *size;
    } else if (key == keys::列印排列) {
        if (auto values = readArrangementValues(value)) settings.arrangement = *values;
    } else if (key == keys::标签A) {
        if (auto captions = storage::readColumnCaptions(value)) settings.captions = *captions;
    } else if (key == keys::标签_数量) {
        settings.fieldCount = storage::leadingWholeNumber(value);
    } else if (key == keys::使用密码) {
        settings.password = value;
    } else if (key == keys::更新设定) {
        settings.updateCheck = storage::leadingWholeNumber(value);
    } else if (key == keys::印表装置) {
        settings.printerKind = storage::leadingWholeNumber(value);
    } else if (key == keys::列印解析度) {
        if (const auto resolution = storage::readPrintResolution(value)) settings.resolution = *resolution;
    }
}

StartupSettings readStartupSettings(const std::vector<storage::SettingsEntry>& entries) {
    StartupSettings settings;
    for (const auto& entry : entries) applyStartupSetting(settings, entry);
    return settings;
}

}  // namespace kestrin::shell
