#pragma once
// Where a print job goes: a PDF file, PNG files, or the system's default printer. Each gives a
// page surface in twips; finish() ends the document and says whether it was written.

#include <memory>
#include <string>

#include "common/surface.h"

namespace kestrin::platform {

class PrintOutput {
public:
    virtual ~PrintOutput() = default;
    virtual PageSurface& surface() = 0;
    // Ends the document. On failure returns false and sets error to a message for the user.
    virtual bool finish(std::string& error) = 0;
};

// An A4 PDF in twips, fractional coordinates kept.
std::unique_ptr<PrintOutput> openPdf(const std::string& path, Fixed4 resolution);
// A4 pages rasterised at dpi; the first page is written to path, later ones to path with
// "-2", "-3", ... before the extension.
std::unique_ptr<PrintOutput> openPng(const std::string& path, int dpi, Fixed4 resolution);
// The default printer at its own resolution, or null with error set when there is none.
std::unique_ptr<PrintOutput> openDefaultPrinter(Fixed4 resolution, const std::string& jobName, std::string& error);

}  // namespace kestrin::platform
