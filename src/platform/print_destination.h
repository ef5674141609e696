#pragma once
// Where the window's print buttons send a job: the system's default printer or, on a system
// without one, a PDF in the user's documents folder, so that no print is silently lost.

#include <memory>
#include <string>

#include "common/ui.h"
#include "platform/print_output.h"

namespace kestrin::platform {

struct PrintDestination {
    std::unique_ptr<PrintOutput> output;
    std::string fallbackPdf;  // set when there is no printer and the job goes to this PDF
};

PrintDestination openPrintDestination(Fixed4 resolution);
// Ends the job and tells the user what became of it: nothing on a normal print, the PDF's
// place when there was no printer, the reason when it failed.
bool finishPrint(PrintDestination& destination, Ui& ui);

}  // namespace kestrin::platform
