// The text editor of the professional view, wired into the main window: opened by a double-click
// on a text item, editing it through the document, following undo, and renaming a caption on
// every label of the page.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "page/item_menu_window.h"
#include "page/add_label_window.h"
#include "page/label_picture_widget.h"
#include "page/paper_sheet_view.h"
#include "page/text_editor_panel.h"
#include "platform/skin_button.h"
#include "support/wired_program.h"

namespace kestrin::shell {
namespace {

class TextEditorGui : public test::WiredProgram {
protected:
    void startProfessional() {
        startProgram();
        QTest::mouseClick(window.findChild<platform::SkinButton*>(QStringLiteral("版本按钮")), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() == View::Professional; }, 3000));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    document::Document& doc() { return window.document(); }
    page::TextEditorPanel& editor() { return *parts.textEditor; }
    std::string caption(int label, int item) {
        if (!doc().exists(label)) return "(no label)";
        const auto& texts = doc().label(label).texts;
        return texts.contains(item) ? texts.at(item).caption : "(no item)";
    }
    const document::TextItem& text(int label, int item) { return doc().label(label).texts.at(item); }
    void undo() { QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier); }
};

TEST_F(TextEditorGui, DoubleClickedTextItemIsEditedLiveAndUndoneStepByStep) {
    startProfessional();
    QTest::mouseClick(parts.sheet, Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseClick(parts.sheet->addLabelWindow()->button(0), Qt::LeftButton);
    const int label = doc().selection().currentLabel;
    page::LabelPicture* picture = parts.sheet->labelPicture(label);
    ASSERT_NE(picture, nullptr);
    QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(14, 14));
    QTest::mouseClick(parts.sheet->itemMenu()->entry(0), Qt::LeftButton);
    ASSERT_EQ(doc().label(label).texts.size(), 1U);
    const int item = doc().label(label).texts.begin()->first;
    const document::TextItem added = text(label, item);

    ASSERT_FALSE(editor().isVisible());
    QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(12, 12));
    ASSERT_TRUE(editor().isVisible());
    EXPECT_EQ(editor().labelIndex(), label);
    EXPECT_EQ(editor().captionBox()->text().toStdString(), added.caption);
    EXPECT_GT(editor().y(), picture->mapTo(&window, QPoint(0, picture->height())).y()) << "opens below the label";

    QTest::keyClick(editor().captionBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor().captionBox(), QStringLiteral("Box,\"7"));
    EXPECT_EQ(text(label, item).caption, "Box7") << "each key applied at once, the record filter applied";
    QTest::mouseClick(editor().styleBox(0), Qt::LeftButton);
    const int size14 = editor().sizeList()->findData(14);
    ASSERT_GE(size14, 0);
    editor().sizeList()->setCurrentIndex(size14);
    emit editor().sizeList()->activated(size14);
    EXPECT_TRUE(text(label, item).font.bold);
    EXPECT_FALSE(text(label, item).font.italic);
    EXPECT_EQ(text(label, item).font.sizePoints, 14);

    undo();
    EXPECT_EQ(text(label, item).font.sizePoints, added.font.sizePoints);
    undo();
    EXPECT_FALSE(text(label, item).font.bold);
    EXPECT_FALSE(editor().styleBox(0)->isChecked()) << "the editor follows the undo";
    undo();
    EXPECT_EQ(text(label, item).caption, added.caption) << "the typing is one step";
    EXPECT_EQ(editor().captionBox()->text().toStdString(), added.caption);
    ASSERT_TRUE(editor().isVisible());
    undo();
    ASSERT_TRUE(doc().label(label).texts.empty());
    EXPECT_FALSE(editor().isVisible()) << "its item went";
    EXPECT_EQ(editor().labelIndex(), page::TextEditorPanel::kNone);
}

TEST_F(TextEditorGui, ModifyAllRenamesTheCaptionOnEveryPageLabelAndBeeps) {
    startProfessional();
    const auto withText = [](document::Label& label, int k, const char* caption) {
        label.texts[k].caption = caption;
    };
    // The page filled up, from the first label to the last.
    doc().editPage([&](document::LabelPage& page) {
        while (const auto i = page.createLabel()) {
            document::Label& label = page.label(*i);
            withText(label, 0, "A");
            withText(label, 3, *i % 2 == 0 ? "A" : "B");
        }
    });
    ASSERT_TRUE(doc().exists(document::kFirstPageLabel));
    ASSERT_TRUE(doc().exists(document::kLastPageLabel));
    ASSERT_TRUE(doc().editLabel(document::kSimpleLabel, [&](document::Label& label) { withText(label, 0, "A"); }));
    const int beepsBefore = ui.beeps;

    editor().open(1, 0);
    ASSERT_TRUE(editor().isVisible());
    EXPECT_FALSE(editor().confirmButton()->isVisible()) << "nothing to apply yet";
    QTest::keyClicks(editor().modifyAllBox(), QStringLiteral("Z"));
    ASSERT_TRUE(editor().confirmButton()->isVisible());
    QTest::mouseClick(editor().confirmButton(), Qt::LeftButton);

    for (int i = document::kFirstPageLabel; i <= document::kLastPageLabel; ++i) {
        if (!doc().exists(i)) continue;
        EXPECT_EQ(caption(i, 0), "Z") << i;
        EXPECT_EQ(caption(i, 3), i % 2 == 0 ? "Z" : "B") << i;
    }
    EXPECT_EQ(caption(document::kSimpleLabel, 0), "A") << "the simple view's label is not visited";
    EXPECT_EQ(ui.beeps, beepsBefore + 1);
    EXPECT_FALSE(editor().isVisible());
    undo();
    EXPECT_EQ(caption(document::kLastPageLabel, 0), "A") << "one step for the whole page";
}

}  // namespace
}  // namespace kestrin::shell
