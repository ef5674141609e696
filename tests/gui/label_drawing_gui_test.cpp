// The same label on the screen picture and on the printed page: its text and picture items
// stand at the same place inside the label on both.

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/recording_surface.h"
#include "document/document.h"
#include "page/label_picture_widget.h"
#include "print/print_job.h"
#include "storage/settings_service.h"

namespace kestrin::page {
namespace {

struct Placed {
    std::string what;
    Fixed4 x, y;
};

// Where each item landed, relative to the label's top-left corner on that surface.
std::vector<Placed> itemsOn(const RecordingSurface& surface, Fixed4 left, Fixed4 top) {
    std::vector<Placed> out;
    for (const DrawText& t : surface.all<DrawText>()) out.push_back({t.text, t.topLeft.x - left, t.topLeft.y - top});
    for (const DrawPicture& p : surface.all<DrawPicture>()) out.push_back({p.path, p.rect.x - left, p.rect.y - top});
    return out;
}

TEST(LabelDrawingGui, ItemsStandWhereTheyPrint) {
    document::Document doc;
    const Fixed4 resolution = storage::kDefaultPrintResolution;
    int index = 0;
    doc.editPage([&](document::LabelPage& page) {
        index = *page.createLabel();
        document::Label& label = page.label(index);
        label.left = 1230;
        label.top = 2475;
        const int text = *page.addTextItem(index, 615, 240);
        label.texts.at(text).caption = "品名 A";
        const int picture = *page.addPictureItem(index, 1800, 90);
        document::PictureItem& item = label.pictures.at(picture);
        item.path = "/pictures/logo.bmp";
        item.width = 450;
        item.height = 300;
    });

    LabelPicture screen(index, doc, [resolution] { return resolution; });
    screen.绘制条码();
    const std::vector<Placed> onScreen = itemsOn(screen.displayList(), 0, 0);

    RecordingSurface paper;
    print::喷墨列印(paper, doc.label(index), print::PrintSettings{resolution, storage::PrinterKind::Page, 1});
    const std::vector<Placed> onPaper = itemsOn(paper, 1230, 2475);

    ASSERT_EQ(onScreen.size(), 2u);
    ASSERT_EQ(onPaper.size(), onScreen.size());
    for (std::size_t i = 0; i < onScreen.size(); ++i) {
        SCOPED_TRACE(onScreen[i].what);
        EXPECT_EQ(onPaper[i].what, onScreen[i].what);
        // Within one screen pixel.
        EXPECT_LE(std::llabs((onPaper[i].x - onScreen[i].x).raw()), Fixed4(15).raw());
        EXPECT_LE(std::llabs((onPaper[i].y - onScreen[i].y).raw()), Fixed4(15).raw());
    }
}

}  // namespace
}  // namespace kestrin::page
