#pragma once
// What the batch printer prints, worked out from its options, and the printing itself onto a
// page surface. No files are read here: the caller hands over texts and stored values.

#include <string>
#include <string_view>
#include <vector>

#include "common/surface.h"
#include "document/label.h"
#include "document/layout_record.h"
#include "print/arrangement.h"
#include "print/batch_options.h"
#include "storage/barcode_records.h"
#include "storage/layout_records.h"
#include "storage/settings_service.h"
#include "storage/settings_store.h"

namespace kestrin::print {

// The settings a batch job runs with: the command line's where given, else the data folder's.
struct BatchSettings {
    Fixed4 resolution;
    storage::PrinterKind printerKind = storage::PrinterKind::Page;
    ArrangementValues start;  // only the start position is used
};

// The data folder's print resolution, printer kind and arrangement start, with the command
// line's resolution and printer kind winning where given.
BatchSettings batchSettings(const std::vector<storage::SettingsEntry>& entries, const BatchOptions& options);

// A new label carrying the --data text, with the bar options given applied.
document::Label labelForData(const BatchOptions& options, const BatchSettings& settings);

// A stored design made into a label exactly as the window recalls it, with the bar options
// given applied; nothing when the design's label record cannot be read.
std::optional<document::Label> labelForFormat(const std::vector<storage::LayoutRecord>& records, const BatchOptions& options,
                                          const document::PictureLookup& pictures);

struct ValueList {
    std::vector<std::string> values;  // in capitals, as the input box takes them
    std::string error;                // the first bad line, by number; values empty then
};
// One barcode value per line (LF or CR LF); blank lines are passed over.
ValueList readValueLines(std::string_view text);
// The barcode field of every record (of that kind only, when kind is not empty).
ValueList recordValues(const std::vector<storage::BarcodeFields>& records, const std::string& kind);

// Prints the label once per value (once as it is when values is empty), each copies times in
// turn, laid out as the simple view lays out its copies, and ends the document.
bool printBatch(PageSurface& page, document::Label label, const std::vector<std::string>& values, int copies,
                const BatchSettings& settings);

}  // namespace kestrin::print
