#include "print/professional_print_panel.h"

namespace kestrin::print {

bool 确定列印_V(const document::LabelPage& page, const PrintSettings& settings, Ui& ui, const DestinationOpener& open) {
    platform::PrintDestination destination = open(settings.resolution);
    professionalPrint(destination.output->surface(), page, settings);
    return platform::finishPrint(destination, ui);
}

}  // namespace kestrin::print
