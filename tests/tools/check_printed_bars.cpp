// Checks a page rasterised at one pixel per printer dot (PGM, as pdftoppm -gray writes it):
// along one row through the bars, every module must be exactly its width in pixel columns,
// starting at the snapped bar origin, in pure black or white.
//
//   check_printed_bars PAGE.pgm <the kestrin-print options that made the page>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/barcode_drawing.h"
#include "engine/code39.h"
#include "print/batch_job.h"
#include "print/batch_options.h"
#include "print/print_job.h"

namespace {

struct Gray {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

bool readPgm(const std::string& path, Gray& g) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> g.width >> g.height >> maxval;
    in.get();
    if (magic != "P5" || maxval != 255 || g.width <= 0 || g.height <= 0) return false;
    g.pixels.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height));
    in.read(reinterpret_cast<char*>(g.pixels.data()), static_cast<std::streamsize>(g.pixels.size()));
    return static_cast<bool>(in);
}

std::string expectedDots(kestrin::document::Label& label) {
    const kestrin::engine::Cells cells = kestrin::engine::buildCells(label.data, label.variant);
    const int w = kestrin::engine::effectiveModuleWidth(label);
    std::string dots;
    for (std::string m : cells.modules) {
        m.resize(cells.cellModules, '0');
        for (char bit : m) dots.append(static_cast<std::size_t>(w), bit);
    }
    return dots;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kestrin;
    if (argc < 2) return 2;
    const auto parsed = print::parseBatchOptions(std::vector<std::string>(argv + 2, argv + argc));
    if (!parsed.options) {
        std::cerr << parsed.error << "\n";
        return 2;
    }
    const print::BatchOptions& o = *parsed.options;
    const print::BatchSettings settings{o.resolution.value_or(storage::kDefaultPrintResolution),
                                        o.printerKind.value_or(storage::PrinterKind::Page), {}};
    document::Label label = print::labelForData(o, settings);
    Gray page;
    if (!readPgm(argv[1], page)) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    const print::SimpleSheet::Slot first = print::SimpleSheet(print::unitsToTwips(settings.start.startLeft),
                                                              print::unitsToTwips(settings.start.startTop),
                                                              label.width, label.height, settings.printerKind)
                                               .next();
    const auto x0 = static_cast<int>((Fixed4(first.left + label.handleLeft)).roundedQuotient(settings.resolution));
    const auto y0 = static_cast<int>((Fixed4(first.top + label.handleTop)).roundedQuotient(settings.resolution));
    const int row = y0 + static_cast<int>(Fixed4(label.barHeight).roundedQuotient(settings.resolution) / 2);
    const std::string expected = expectedDots(label);

    std::string seen;
    int grey = 0;
    for (int x = x0 - 4; x < x0 + static_cast<int>(expected.size()) + 4; ++x) {
        const int v = page.at(x, row);
        if (v > 48 && v < 208) ++grey;
        if (x >= x0 && x < x0 + static_cast<int>(expected.size())) seen.push_back(v < 128 ? '1' : '0');
        else if (v < 128) {
            std::cerr << "dark pixel outside the bars at column " << x << "\n";
            return 1;
        }
    }
    if (grey > 0) {
        std::cerr << grey << " grey pixels along the row: bar edges are off the pixel grid\n";
        return 1;
    }
    if (seen != expected) {
        std::cerr << "row " << row << " from column " << x0 << "\n expected " << expected << "\n seen     " << seen << "\n";
        return 1;
    }
    std::cout << "ok: " << expected.size() << " dots from column " << x0 << " at row " << row << "\n";
    return 0;
}
