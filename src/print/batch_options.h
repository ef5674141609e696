#pragma once
// The command line of the batch printer, read into plain values. Every problem is one line of
// text naming it; nothing is printed or written when there is one.

#include <optional>
#include <string>
#include <vector>

#include "common/fixed4.h"
#include "document/label.h"
#include "storage/settings_service.h"

namespace kestrin::print {

enum class BatchSource { Data, Format, Calibration };
enum class CalibrationPages { Coarse, Fine };

// Bar options given on the command line; each one given replaces the label's own value.
struct LabelOverrides {
    std::optional<int> variant, moduleWidth, barHeight, x, y, readable, centred;
    void applyTo(document::Label& label) const;
};

struct BatchOptions {
    BatchSource source = BatchSource::Data;
    std::string data;  // --data, in capitals as the input box takes it
    std::string formatKind, formatName;
    CalibrationPages calibration = CalibrationPages::Coarse;
    LabelOverrides overrides;

    std::string valuesPath;  // --values FILE ("-": standard input)
    bool records = false;    // --records [KIND]
    std::string recordsKind;
    int copies = 1;

    // Given on the command line, these win over the data folder's settings.
    std::optional<Fixed4> resolution;
    std::optional<storage::PrinterKind> printerKind;
    std::string dataDir;  // "" for the folder the program uses

    std::string pdfPath;  // neither path: the system's default printer
    std::string pngPath;
    int dpi = 0;
};

struct BatchParse {
    std::optional<BatchOptions> options;
    std::string error;  // set when options is empty
};

BatchParse parseBatchOptions(const std::vector<std::string>& args);
// A barcode value as the input box takes it: "" when acceptable, else the problem.
std::string barcodeValueProblem(const std::string& value);
extern const char* const kBatchUsage;

}  // namespace kestrin::print
