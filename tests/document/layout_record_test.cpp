#include "document/layout_record.h"

#include <gtest/gtest.h>

#include <set>

#include "document/label_page.h"

namespace kestrin::document {
namespace {

// A picture folder holding the files named; the platform's check is replaced by a set.
PictureLookup folderWith(std::set<std::string> files) {
    return {"/data/图形资料", [files = std::move(files)](const std::string& path) { return files.contains(path); }};
}

const PictureLookup kNoPictures{};

LayoutRecord labelRecord(std::string f8, std::string f9, std::string f10, std::string colour = "16777215",
                         std::string data = "123") {
    return {"样品", "A1", "条码", "3600", "900", data, colour, "1", f8, f9, f10};
}

TEST(LayoutRecord, LabelRecordOfTheExampleDesign) {
    Label label;
    label.kind = "样品";
    label.name = "A1";
    label.data = "123";
    const auto records = labelRecords(label);
    ASSERT_EQ(records.size(), 1u);
    const LayoutRecord expected{"样品", "A1", "条码", "3600", "900", "123", "16777215", "1",
                                "120 120 480", "False False False 0 10", "2 0 0 0"};
    EXPECT_EQ(records[0], expected);
}

TEST(LayoutRecord, ItemsFollowBySubIndexTextBeforePicture) {
    Label label;
    label.kind = "K";
    label.name = "N";
    label.font.sizePoints = 9.75;
    label.font.bold = true;
    label.frame = 1;
    TextItem text;
    text.caption = " A,B\"C ";
    text.left = 60;
    text.top = 120;
    text.colour = 255;
    text.font.name = "宋体";
    text.font.sizePoints = 9.75;
    text.font.italic = true;
    label.texts[2] = text;
    label.texts[1] = TextItem{};
    label.pictures[2] = PictureItem{"logo.bmp", "/x/logo.bmp", 30, 45, 600, 300};

    const auto records = labelRecords(label);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0][9], "True False False 1 9.75");
    EXPECT_EQ(records[1][2], "标签");
    EXPECT_EQ(records[1][3], "标签");
    const LayoutRecord textExpected{"K", "N", "标签", "ABC", "60", "120", "255", "9.75", "宋体", "False True False", ""};
    EXPECT_EQ(records[2], textExpected);
    const LayoutRecord pictureExpected{"K", "N", "图片", "logo.bmp", "30", "45", "600", "300", "", "", ""};
    EXPECT_EQ(records[3], pictureExpected);
    // The caption is cleaned on the label too, so the page shows what was stored.
    EXPECT_EQ(label.texts[2].caption, "ABC");
}

TEST(LayoutRecord, NumberForms) {
    EXPECT_EQ(numberText(3600), "3600");
    EXPECT_EQ(numberText(9.75), "9.75");
    EXPECT_EQ(numberText(10.0), "10");
    EXPECT_EQ(numberText(-15.5), "-15.5");
    EXPECT_EQ(flagWord(true), "True");
    EXPECT_EQ(flagWord(false), "False");
}

TEST(LayoutRecord, DesignSurvivesTheRoundTrip) {
    Label source;
    source.kind = "K";
    source.name = "N";
    source.width = 4200;
    source.height = 1200;
    source.data = "A-1";
    source.background = 65535;
    source.readable = 0;
    source.handleLeft = 180;
    source.handleTop = 60;
    source.barHeight = 600;
    source.font.underline = true;
    source.font.sizePoints = 12;
    source.moduleWidth = 3;
    source.variant = 2;
    source.centred = 1;
    for (int j : {1, 2, 3}) {
        TextItem t;
        t.caption = "T" + std::to_string(j);
        t.left = 60 * j;
        t.font.bold = j == 2;
        source.texts[j] = t;
    }
    source.pictures[1] = PictureItem{"a.jpg", "/data/图形资料/a.jpg", 10, 20, 300, 400};

    Label target;
    ASSERT_TRUE(applyRecords(labelRecords(source), target, false, folderWith({"/data/图形资料/a.jpg"})));
    EXPECT_EQ(target.kind, "K");
    EXPECT_EQ(target.width, 4200);
    EXPECT_EQ(target.height, 1200);
    EXPECT_EQ(target.data, "A-1");
    EXPECT_EQ(target.background, 65535u);
    EXPECT_EQ(target.readable, 0);
    EXPECT_EQ(target.handleLeft, 180);
    EXPECT_EQ(target.handleTop, 60);
    EXPECT_EQ(target.barHeight, 600);
    EXPECT_EQ(target.font, source.font);
    EXPECT_EQ(target.moduleWidth, 3);
    EXPECT_EQ(target.variant, 2);
    EXPECT_EQ(target.centred, 1);
    EXPECT_TRUE(target.handleShown);
    EXPECT_EQ(target.texts, source.texts);
    EXPECT_EQ(target.pictures, source.pictures);
}

TEST(LayoutRecord, LabelWithoutItemsGivesOneRecordAndNoItemsBack) {
    Label source;
    Label target;
    ASSERT_TRUE(applyRecords(labelRecords(source), target, false, kNoPictures));
    EXPECT_TRUE(target.texts.empty());
    EXPECT_TRUE(target.pictures.empty());
    EXPECT_FALSE(target.handleShown);  // no barcode data
}

TEST(LayoutRecord, SubFieldsWithTheWrongPartCountKeepTheLabelsValues) {
    struct Case {
        const char* what;
        LayoutRecord record;
        void (*check)(const Label&);
    };
    const Case cases[] = {
        {"style without size sets flags and frame, keeps size",
         labelRecord("120 120 480", "True False False 1", "2 0 0 0"),
         [](const Label& l) {
             EXPECT_TRUE(l.font.bold);
             EXPECT_EQ(l.frame, 1);
             EXPECT_EQ(l.font.sizePoints, 14);
         }},
        {"three bar settings change nothing",
         labelRecord("120 120 480", "False False False 0 10", "3 1 1"),
         [](const Label& l) {
             EXPECT_EQ(l.moduleWidth, 5);
             EXPECT_EQ(l.variant, 3);
             EXPECT_EQ(l.centred, 0);
         }},
        {"two origin parts change nothing",
         labelRecord("60 60", "False False False 0 10", "2 0 0 0"),
         [](const Label& l) {
             EXPECT_EQ(l.handleLeft, 240);
             EXPECT_EQ(l.barHeight, 720);
         }},
        {"a double blank makes four origin parts",
         labelRecord("60  60 480", "False False False 0 10", "2 0 0 0"),
         [](const Label& l) { EXPECT_EQ(l.handleLeft, 240); }},
        {"a stored module width 0 reads as 2", labelRecord("120 120 480", "False False False 0 10", "0 0 0 0"),
         [](const Label& l) { EXPECT_EQ(l.moduleWidth, 2); }},
        {"size rounds half to even", labelRecord("120 120 480", "False False False 0 10.5", "2 0 0 0"),
         [](const Label& l) { EXPECT_EQ(l.font.sizePoints, 10); }},
    };
    for (const auto& c : cases) {
        Label label;
        label.font.sizePoints = 14;
        label.moduleWidth = 5;
        label.variant = 3;
        label.handleLeft = 240;
        label.barHeight = 720;
        ASSERT_TRUE(applyRecords({c.record}, label, false, kNoPictures)) << c.what;
        SCOPED_TRACE(c.what);
        c.check(label);
    }
}

TEST(LayoutRecord, DamagedLabelRecordLeavesTheLabelAsItWas) {
    const LayoutRecord damaged[] = {
        labelRecord("120 120 480", "False False False 0 10", "2 0 0 0", "white"),
        labelRecord("120 120 480", "Yes False False 0 10", "2 0 0 0"),
        labelRecord("120 120 480", "False False False 0 300", "2 0 0 0"),
        labelRecord("120 120 480", "False False False 0 10", "2 0 x 0"),
        labelRecord("120 120 480", "False False False 7 10", "2 0 0 0"),
    };
    for (const auto& record : damaged) {
        Label label;
        label.data = "KEEP";
        label.texts[1] = TextItem{};
        const LayoutRecord textRecord{"", "", "标签", "after", "1", "2", "3", "10", "Arial", "False False False", ""};
        EXPECT_FALSE(applyRecords({record, textRecord}, label, false, kNoPictures)) << record[9] << record[10];
        EXPECT_EQ(label.data, "KEEP");
        EXPECT_EQ(label.kind, "");
        EXPECT_EQ(label.texts.at(1).caption, "标签");  // the operation stopped before the items
    }
}

TEST(LayoutRecord, LabelSizesTakeTheLeadingNumber) {
    LayoutRecord record = labelRecord("120 120 480", "False False False 0 10", "2 0 0 0");
    record[3] = "4000.5twips";
    record[4] = "";
    Label label;
    ASSERT_TRUE(applyRecords({record}, label, false, kNoPictures));
    EXPECT_EQ(label.width, 4000);
    EXPECT_EQ(label.height, 0);
}

TEST(LayoutRecord, ItemRecordsSkipOnlyTheValuesThatCannotBeRead) {
    const std::vector<LayoutRecord> records{
        labelRecord("120 120 480", "False False False 0 10", "2 0 0 0"),
        {"", "", "标签", "X", "left", "300", "red", "9.75", "", "True True", ""},
        {"", "", "标签", "Y", "60", "60", "255", "12", "黑体", "True False True", ""},
        {"", "", "未知", "ignored", "", "", "", "", "", "", ""},
        {"", "", "图片", "", "10", "wide", "200", "100", "", "", ""},
    };
    Label label;
    ASSERT_TRUE(applyRecords(records, label, false, kNoPictures));
    ASSERT_EQ(label.texts.size(), 2u);
    const TextItem& x = label.texts.at(1);
    EXPECT_EQ(x.caption, "X");
    EXPECT_EQ(x.left, 0);
    EXPECT_EQ(x.top, 300);
    EXPECT_EQ(x.colour, kBlack);
    EXPECT_EQ(x.font.sizePoints, 10);  // 9.75 rounded to a whole size
    EXPECT_EQ(x.font.name, Font{}.name);
    EXPECT_FALSE(x.font.bold);  // two style words: none applied
    const TextItem& y = label.texts.at(2);
    EXPECT_EQ(y.font.name, "黑体");
    EXPECT_TRUE(y.font.bold && !y.font.italic && y.font.underline);
    ASSERT_EQ(label.pictures.size(), 1u);
    EXPECT_EQ(label.pictures.at(1), (PictureItem{"", "", 10, 0, 200, 100}));
}

TEST(LayoutRecord, ReadingIntoALabelWithItemsRewritesThemInPlace) {
    Label label;
    label.texts[1] = TextItem{"old1", 5, 5, 0, Font{}};
    label.texts[2] = TextItem{"old2", 5, 5, 0, Font{}};
    const std::vector<LayoutRecord> records{
        labelRecord("120 120 480", "False False False 0 10", "2 0 0 0"),
        {"", "", "标签", "new", "60", "60", "0", "10", "Arial", "False False False", ""},
    };
    ASSERT_TRUE(applyRecords(records, label, false, kNoPictures));
    ASSERT_EQ(label.texts.size(), 2u);
    EXPECT_EQ(label.texts.at(1).caption, "new");
    EXPECT_EQ(label.texts.at(2).caption, "old2");
}

TEST(LayoutRecord, RecordsPastFiftyItemsAreDropped) {
    std::vector<LayoutRecord> records{labelRecord("120 120 480", "False False False 0 10", "2 0 0 0")};
    for (int j = 0; j < 60; ++j) {
        records.push_back({"", "", "标签", std::to_string(j), "0", "0", "0", "10", "Arial", "", ""});
    }
    Label label;
    ASSERT_TRUE(applyRecords(records, label, false, kNoPictures));
    EXPECT_EQ(label.texts.size(), 50u);
    EXPECT_EQ(label.texts.rbegin()->first, 50);
}

TEST(LayoutRecord, BarOriginHandleShowsOnlyWithDataAndNeverOnThePreview) {
    struct Case { std::string data; bool preview; bool shown; };
    const Case cases[] = {{"123", false, true}, {"", false, false}, {"123", true, false}};
    for (const auto& c : cases) {
        Label label;
        ASSERT_TRUE(applyRecords({labelRecord("120 120 480", "False False False 0 10", "2 0 0 0", "0", c.data)},
                                 label, c.preview, kNoPictures));
        EXPECT_EQ(label.handleShown, c.shown) << c.data << c.preview;
    }
}

TEST(LayoutRecord, PictureNamesResolveOnlyInsideThePictureFolder) {
    const PictureLookup folder = folderWith({"/data/图形资料/logo.bmp", "/data/图形资料/../secret.bmp",
                                             "/data/图形资料/sub/x.gif", "/data/图形资料/C:x.bmp"});
    struct Case { const char* name; bool found; };
    const Case cases[] = {
        {"logo.bmp", true},  {"missing.bmp", false}, {"", false},
        {"../secret.bmp", false}, {"sub/x.gif", false}, {"sub\\x.gif", false},
        {"/etc/passwd", false}, {"C:x.bmp", false}, {"..", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolvePictureFile(folder, c.name).has_value(), c.found) << c.name;
        Label label;
        const LayoutRecord picture{"", "", "图片", c.name, "1", "2", "300", "200", "", "", ""};
        ASSERT_TRUE(applyRecords({picture}, label, false, folder));
        const PictureItem& item = label.pictures.at(1);
        // A refused or missing file leaves an empty item of the stored size, named "".
        EXPECT_EQ(item.fileName, c.found ? c.name : "") << c.name;
        EXPECT_EQ(item.path, c.found ? std::string("/data/图形资料/") + c.name : "") << c.name;
        EXPECT_EQ(item.width, 300);
        EXPECT_EQ(item.height, 200);
    }
}

TEST(LayoutRecord, PageCopiesADesignThroughThePasteMemory) {
    LabelPage page;
    const int from = *page.createLabel();
    page.label(from).data = "AB";
    page.addTextItem(from, 60, 60);
    page.写入贴上记忆(from);
    const int to = *page.createLabel();
    ASSERT_TRUE(page.贴上条码格式(to, kNoPictures));
    EXPECT_EQ(page.label(to).data, "AB");
    EXPECT_EQ(page.label(to).texts.size(), 1u);
    EXPECT_FALSE(page.贴上条码格式(99, kNoPictures));

    ASSERT_TRUE(page.贴上条码格式(kPreviewLabel, kNoPictures));
    EXPECT_FALSE(page.label(kPreviewLabel).handleShown);
}

}  // namespace
}  // namespace kestrin::document
