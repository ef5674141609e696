#include "print/batch_job.h"

#include "common/utf8.h"
#include "print/print_job.h"
#include "storage/settings_keys.h"

namespace kestrin::print {

BatchSettings batchSettings(const std::vector<storage::SettingsEntry>& entries, const BatchOptions& options) {
    namespace keys = storage::keys;
    BatchSettings s;
    s.resolution = options.resolution.value_or(
        storage::lastReadable(entries, keys::列印解析度, storage::readPrintResolution).value_or(storage::kDefaultPrintResolution));
    const auto kind = storage::lastReadable(entries, keys::印表装置, [](std::string_view v) -> std::optional<storage::PrinterKind> {
        return storage::printerKindOf(storage::leadingWholeNumber(v));
    });
    s.printerKind = options.printerKind.value_or(kind.value_or(storage::PrinterKind::Page));
    if (const auto texts = storage::lastReadable(entries, keys::列印排列, storage::readPrintArrangement)) {
        s.start.startLeft = boxValue((*texts)[2]);
        s.start.startTop = boxValue((*texts)[3]);
    }
    return s;
}

std::optional<document::Label> labelForFormat(const std::vector<storage::LayoutRecord>& records, const BatchOptions& options,
                                          const document::PictureLookup& pictures) {
    document::Label label;
    if (!document::applyRecords(records, label, false, pictures)) return std::nullopt;
    options.overrides.applyTo(label);
    return label;
}

document::Label labelForData(const BatchOptions& options, const BatchSettings& settings) {
    document::Label label;
    if (settings.printerKind == storage::PrinterKind::Label) label.width = document::kLabelPrinterLabelWidth;
    label.data = options.data;
    options.overrides.applyTo(label);
    return label;
}

ValueList readValueLines(std::string_view text) {
    ValueList list;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const std::string value(line);
        if (const std::string problem = barcodeValueProblem(value); !problem.empty()) {
            return {{}, "line " + std::to_string(lineNumber) + ": " + problem};
        }
        list.values.push_back(utf8::asciiUpper(value));
    }
    return list;
}

ValueList recordValues(const std::vector<storage::BarcodeFields>& records, const std::string& kind) {
    ValueList list;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!kind.empty() && records[i][1] != kind) continue;
        const std::string& value = records[i][0];
        if (const std::string problem = barcodeValueProblem(value); !problem.empty()) {
            return {{}, "record " + std::to_string(i + 1) + ": " + problem};
        }
        list.values.push_back(utf8::asciiUpper(value));
    }
    return list;
}

bool printBatch(PageSurface& page, document::Label label, const std::vector<std::string>& values, int copies,
                const BatchSettings& settings) {
    SimpleSheet sheet(unitsToTwips(settings.start.startLeft), unitsToTwips(settings.start.startTop), label.width,
                      label.height, settings.printerKind);
    const auto printCopies = [&] {
        for (int c = 0; c < copies; ++c) {
            const SimpleSheet::Slot slot = sheet.next();
            if (slot.newPageBefore) page.newPage();
            喷墨列印(page, label, settings.resolution, slot.left, slot.top);
        }
    };
    if (values.empty()) printCopies();
    for (const std::string& value : values) {
        label.data = value;
        printCopies();
    }
    return page.endDocument();
}

}  // namespace kestrin::print
