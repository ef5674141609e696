#include "document/document.h"

#include <gtest/gtest.h>

#include "engine/barcode_drawing.h"
#include "page/barcode_input.h"
#include "page/serial_step.h"
#include "print/arrangement.h"
#include "print/generation.h"
#include "support/recording_ui.h"

namespace kestrin::document {
namespace {

using Slots = std::vector<std::optional<Label>>;

Slots slotsOf(const Document& doc) {
    Slots out;
    for (int i = 0; i < kLabelIndexCount; ++i) out.push_back(doc.page().copyOf(i));
    return out;
}

// A document with three labels 1..3, label 2 with data, a text and a picture item; nothing to undo.
struct Fixture {
    Document doc;
    std::vector<ChangedLabels> heard;

    Fixture() {
        doc.editPage([](LabelPage& page) {
            for (int n = 0; n < 3; ++n) page.createLabel();
            page.label(2).data = "AB12";
            page.addTextItem(2, 60, 60);
            page.addPictureItem(2, 120, 120);
        });
        doc.clearUndo();
        doc.subscribe([this](const ChangedLabels& c) { heard.push_back(c); });
    }
};

struct EditCase {
    const char* name;
    std::function<void(Document&)> edit;
    ChangedLabels changed;
};

// Every kind of change a user makes, each one step that undo takes back whole and redo
// brings back whole, telling the listeners which labels it touched.
TEST(Document, EveryKindOfChangeUndoesAndRedoesAsOneStep) {
    test::RecordingUi ui;
    const print::PaperSize a4{12000, 16700};
    const EditCase cases[] = {
        {"create a label", [](Document& d) { d.editPage([](LabelPage& p) { p.createLabel(); }); }, {4}},
        {"delete a label with items", [](Document& d) { d.editPage([](LabelPage& p) { p.deleteLabel(2); }); }, {2}},
        {"move a label", [](Document& d) { d.editLabel(1, [](Label& l) { l.left += 600; l.top += 60; }); }, {1}},
        {"resize a label", [](Document& d) { d.editLabel(3, [](Label& l) { l.width = 4200; }); }, {3}},
        {"add a text item", [](Document& d) { d.editPage([](LabelPage& p) { p.addTextItem(1, 0, 0); }); }, {1}},
        {"move an item", [](Document& d) { d.editLabel(2, [](Label& l) { l.texts.at(1).left = 900; }); }, {2}},
        {"delete a picture item", [](Document& d) { d.editPage([](LabelPage& p) { p.deletePictureItem(2, 1); }); }, {2}},
        {"caption, font and colour", [](Document& d) {
             d.editLabel(2, [](Label& l) {
                 l.texts.at(1).caption = "品名";
                 l.texts.at(1).font.bold = true;
                 l.texts.at(1).colour = rgb(255, 0, 0);
             });
         }, {2}},
        {"barcode data", [](Document& d) { d.editLabel(1, [](Label& l) { page::takeBarcodeInput(l, "x-9"); }); }, {1}},
        {"bar settings", [](Document& d) { d.editLabel(2, [](Label& l) { engine::调整位置(l, 7); engine::调整位置(l, 5); }); }, {2}},
        {"background and frame", [](Document& d) { d.editLabel(3, [](Label& l) { l.background = rgb(0, 0, 255); l.frame = 1; }); }, {3}},
        {"serial step", [](Document& d) { d.editLabel(2, [](Label& l) { l.data = page::流水加减(l.data, 0); }); }, {2}},
        {"arrangement", [&](Document& d) {
             d.editPage([&](LabelPage& p) { print::arrangeLabels(p, print::ArrangementMode::TwoColumns, {}, a4, ui); });
         }, {1, 2, 3}},
        {"generation from a copied design", [&](Document& d) {
             d.写入贴上记忆(2);
             d.editPage([&](LabelPage& p) { print::增加条码(p, {1, 600, 6000, 2, a4}, {}, ui); });
         }, {4, 5}},
        {"recalled design on a label", [](Document& d) {
             d.写入贴上记忆(2);
             d.editPage([](LabelPage& p) { p.贴上条码格式(1, {}); });
         }, {1}},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        const Slots before = slotsOf(f.doc);
        const auto highestBefore = f.doc.page().highestIndex();
        c.edit(f.doc);
        const Slots after = slotsOf(f.doc);
        const auto highestAfter = f.doc.page().highestIndex();
        ASSERT_NE(before, after);
        ASSERT_EQ(f.heard, std::vector<ChangedLabels>{c.changed});

        f.doc.undo();
        EXPECT_EQ(slotsOf(f.doc), before);
        EXPECT_EQ(f.doc.page().highestIndex(), highestBefore);
        EXPECT_FALSE(f.doc.canUndo());
        f.doc.redo();
        EXPECT_EQ(slotsOf(f.doc), after);
        EXPECT_EQ(f.doc.page().highestIndex(), highestAfter);
        EXPECT_EQ(f.heard, (std::vector<ChangedLabels>{c.changed, c.changed, c.changed}));
    }
}

TEST(Document, EditsWithOneMergeKeyAreOneStepUntilTheMergeEnds) {
    Fixture f;
    for (int step = 0; step < 5; ++step) f.doc.editLabel(1, [](Label& l) { l.left += 60; }, "drag");
    f.doc.endMerge();
    for (const char* typed : {"A", "AB", "ABC"}) {
        f.doc.editLabel(1, [&](Label& l) { l.data = typed; }, "data");
    }
    f.doc.editLabel(1, [](Label& l) { l.top = 900; }, "other");  // another key: a new step
    f.doc.editLabel(1, [](Label& l) { l.top = 960; }, "data");  // not merged across "other"

    EXPECT_EQ(f.doc.label(1).left, 300);
    f.doc.undo();
    EXPECT_EQ(f.doc.label(1).top, 900);
    f.doc.undo();
    EXPECT_EQ(f.doc.label(1).top, 0);
    EXPECT_EQ(f.doc.label(1).data, "ABC");
    f.doc.undo();
    EXPECT_EQ(f.doc.label(1).data, "");
    EXPECT_EQ(f.doc.label(1).left, 300);
    f.doc.undo();
    EXPECT_EQ(f.doc.label(1).left, 0);
    EXPECT_FALSE(f.doc.canUndo());
}

TEST(Document, ANewEditDropsWhatCouldBeRedone) {
    Fixture f;
    f.doc.editLabel(1, [](Label& l) { l.left = 60; });
    f.doc.undo();
    ASSERT_TRUE(f.doc.canRedo());
    f.doc.editLabel(1, [](Label& l) { l.top = 60; });
    EXPECT_FALSE(f.doc.canRedo());
    f.doc.redo();  // nothing to redo: nothing changes
    EXPECT_EQ(f.doc.label(1).left, 0);
}

TEST(Document, EditsThatChangeNothingLeaveNoStepAndNoAnnouncement) {
    Fixture f;
    EXPECT_FALSE(f.doc.editLabel(1, [](Label& l) { l.left = l.left; }));
    EXPECT_FALSE(f.doc.editLabel(77, [](Label& l) { l.left = 60; }));  // no such label
    EXPECT_TRUE(f.doc.editPage([](LabelPage& p) { p.deleteLabel(77); }).empty());
    EXPECT_FALSE(f.doc.canUndo());
    EXPECT_TRUE(f.heard.empty());
}

TEST(Document, UndoingACreationFreesItsIndexAndTheHighestIndex) {
    Fixture f;
    f.doc.editPage([](LabelPage& p) { p.createLabel(storage::PrinterKind::Label); });
    ASSERT_EQ(f.doc.page().highestIndex(), 4);
    f.doc.undo();
    EXPECT_FALSE(f.doc.exists(4));
    EXPECT_EQ(f.doc.page().highestIndex(), 3);
    f.doc.editPage([](LabelPage& p) { p.createLabel(); });
    EXPECT_EQ(f.doc.label(4).width, kLabelWidth);  // a fresh label, not the undone one
}

TEST(Document, ListenersCanLeaveWhileBeingTold) {
    Fixture f;
    int calls = 0;
    int id = 0;
    id = f.doc.subscribe([&](const ChangedLabels&) {
        ++calls;
        f.doc.unsubscribe(id);
    });
    f.doc.editLabel(1, [](Label& l) { l.left = 60; });
    f.doc.editLabel(1, [](Label& l) { l.left = 120; });
    EXPECT_EQ(calls, 1);
}

// The preview label shows a stored design in place of the last one, without an undo step; a
// design whose label record cannot be read leaves the preview empty.
TEST(Document, APreviewReplacesTheLastOneAndIsNotUndone) {
    Fixture f;
    f.doc.写入贴上记忆(2);
    ASSERT_TRUE(f.doc.showPreview({}));
    ASSERT_TRUE(f.doc.showPreview({}));  // twice: the items are not doubled
    EXPECT_EQ(f.doc.label(kPreviewLabel).data, "AB12");
    EXPECT_EQ(f.doc.label(kPreviewLabel).texts.size(), 1u);
    EXPECT_FALSE(f.doc.label(kPreviewLabel).handleShown);
    EXPECT_FALSE(f.doc.canUndo());
    EXPECT_EQ(f.heard.back(), ChangedLabels{kPreviewLabel});

    auto damaged = f.doc.pasteMemory();
    damaged.front()[6] = "red";  // the background colour
    f.doc.setPasteMemory(damaged);
    EXPECT_FALSE(f.doc.showPreview({}));
    EXPECT_TRUE(f.doc.label(kPreviewLabel).texts.empty());
    EXPECT_FALSE(f.doc.canUndo());
}

}  // namespace
}  // namespace kestrin::document
