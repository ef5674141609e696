// The calibration pages as they reach a device: the same whatever resolution is stored, and
// every comb line one pixel wide on a rasterised page.

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "common/recording_surface.h"
#include "platform/painter_surface.h"
#include "platform/print_output.h"
#include "print/calibration.h"

namespace kestrin::print {
namespace {

using PagePrinter = bool (*)(PageSurface&);

struct Pages {
    const char* name;
    PagePrinter print;
    int lineLength;  // of each comb line, down from its row's top
};
const Pages kPages[] = {{"coarse", printCoarseCalibration, 300}, {"fine", printFineCalibration, 200}};

Fixed4 twips(const char* text) { return *Fixed4::parse(text); }

// Every painter command the page gives, as QPicture records them.
QByteArray recordedShapes(PagePrinter print, Fixed4 resolution) {
    QPicture picture;
    QPainter painter(&picture);
    platform::PainterSurface surface(painter, resolution);
    print(surface);
    return QByteArray(picture.data(), static_cast<qsizetype>(picture.size()));
}

TEST(CalibrationPagesGui, TheStoredResolutionDoesNotChangeWhatIsDrawn) {
    for (const Pages& pages : kPages) {
        const QByteArray at300dpi = recordedShapes(pages.print, twips("4.8"));
        ASSERT_FALSE(at300dpi.isEmpty()) << pages.name;
        EXPECT_EQ(at300dpi, recordedShapes(pages.print, twips("7.2"))) << pages.name;
    }
}

// The comb lines of each page, as x positions keyed by their row's top.
std::vector<std::map<Fixed4, std::vector<Fixed4>>> combLines(PagePrinter print) {
    RecordingSurface s;
    print(s);
    std::vector<std::map<Fixed4, std::vector<Fixed4>>> out(1);
    for (const DrawOp& op : s.ops()) {
        if (std::holds_alternative<DrawNewPage>(op)) out.emplace_back();
        if (const auto* l = std::get_if<DrawDeviceDotLine>(&op)) out.back()[l->from.y].push_back(l->from.x);
    }
    return out;
}

// The widths of the runs of dark pixels along one pixel row, from x to the right edge.
std::vector<int> darkRuns(const QImage& image, int fromX, int y) {
    std::vector<int> runs;
    int run = 0;
    for (int x = fromX; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0) runs.push_back(run);
    return runs;
}

TEST(CalibrationPagesGui, EveryCombLineIsOnePixelWideOnA300DpiPage) {
    constexpr int kDpi = 300;
    constexpr double kPixelTwips = 1440.0 / kDpi;
    for (const char* stored : {"7.2", "4.8"}) {
        for (const Pages& pages : kPages) {
            const std::string what = std::string(pages.name) + " page, stored " + stored;
            QTemporaryDir folder;
            const std::string path = folder.filePath(QStringLiteral("page.png")).toStdString();
            auto output = platform::openPng(path, kDpi, twips(stored));
            pages.print(output->surface());
            std::string error;
            ASSERT_TRUE(output->finish(error)) << error;

            const auto rows = combLines(pages.print);
            for (std::size_t p = 0; p < rows.size(); ++p) {
                const QString name = p == 0 ? QStringLiteral("page.png") : QStringLiteral("page-%1.png").arg(p + 1);
                const QImage image(folder.filePath(name));
                ASSERT_FALSE(image.isNull()) << what << ", page " << p + 1;
                for (const auto& [top, xs] : rows[p]) {
                    // Lines two dots apart can only stay apart when a dot is at least a pixel.
                    const double pitch = (xs[1] - xs[0]).toDouble() / 2;
                    if (pitch < kPixelTwips) continue;
                    // Near the lines' ends, right of the row's caption.
                    const double y = (top + Fixed4(pages.lineLength - 20)).toDouble() / kPixelTwips;
                    const double fromX = xs.front().toDouble() / kPixelTwips - 1;
                    const std::vector<int> runs =
                        darkRuns(image, static_cast<int>(fromX), static_cast<int>(std::lround(y)));
                    EXPECT_EQ(runs.size(), xs.size()) << what << ", row at " << top.toString();
                    EXPECT_EQ(std::count(runs.begin(), runs.end(), 1), static_cast<std::ptrdiff_t>(runs.size()))
                        << what << ", row at " << top.toString();
                }
            }
        }
    }
}

}  // namespace
}  // namespace kestrin::print
