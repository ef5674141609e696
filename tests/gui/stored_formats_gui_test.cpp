#include "page/stored_formats_panel.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "document/document.h"
#include "page/item_menu_window.h"
#include "page/label_picture_widget.h"
#include "page/paper_sheet_view.h"
#include "page/save_format_panel.h"
#include "platform/hint_binder.h"
#include "platform/skin_button.h"
#include "shell/notice_window.h"
#include "storage/layout_records.h"
#include "storage/storage_test_support.h"
#include "support/recording_ui.h"
#include "support/wired_program.h"

namespace kestrin::page {
namespace {

using document::LayoutRecord;
using storage::testing::readBytes;

// A design of label record and one text item, as a stored file holds it.
std::vector<LayoutRecord> design(const std::string& kind, const std::string& name, const std::string& data) {
    return {{kind, name, "条码", "3600", "900", data, "16777215", "1", "120 120 480", "False False False 0 10",
             "2 0 0 0"},
            {kind, name, "标签", "净重", "120", "600", "0", "9", "Arial", "True False False", ""}};
}

bool showsNotice(shell::Notice notice) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const auto* shown = dynamic_cast<shell::NoticeWindow*>(w);
        if (shown && shown->tag() == static_cast<int>(notice)) return true;
    }
    return false;
}

QStringList texts(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
    return out;
}

void clickItem(QListWidget& list, const QString& text) {
    const auto found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.front()).center());
}

class StoredFormatsGui : public test::WiredProgram {
protected:
    // Label 0 shows the example design with kind 样品 and name A1; nothing to undo.
    void designLabelZero() {
        document::Document& doc = window.document();
        doc.setPasteMemory(design("样品", "A1", "123"));
        doc.editPage([](document::LabelPage& page) { page.贴上条码格式(document::kSimpleLabel, {}); });
        doc.clearUndo();
    }
    std::filesystem::path file() const { return storage::layoutRecordsFilePath(base); }
};

// Both panels are the main window's: its close buttons and 关闭功能窗 hide them; their
// controls carry the names screen readers announce.
TEST_F(StoredFormatsGui, PanelsBelongToTheWindowAndAreNamedForScreenReaders) {
    startProgram();
    EXPECT_EQ(window.panel(shell::PanelSlot::条码储存窗), parts.savePanel);
    EXPECT_EQ(window.panel(shell::PanelSlot::条码读取窗), parts.storedFormats);
    EXPECT_EQ(parts.savePanel->kindBox()->accessibleName(), QStringLiteral("种类"));
    EXPECT_EQ(parts.savePanel->nameBox()->accessibleName(), QStringLiteral("名称"));
    auto* save = parts.savePanel->findChild<platform::SkinButton*>(QStringLiteral("储存排列"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->accessibleName(), QStringLiteral("储存排列"));
    EXPECT_EQ(parts.storedFormats->nameList()->accessibleName(), QStringLiteral("名称"));

    parts.savePanel->openFor(document::kSimpleLabel, QPoint(20, 20));
    auto* close = parts.savePanel->findChild<platform::SkinButton*>(QStringLiteral("关闭窗5"));
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(parts.savePanel->isVisible());
    // Opened near the window's corner, the list stays 60 twips inside it.
    parts.storedFormats->open(QPoint(window.width() - 10, window.height() - 10));
    EXPECT_TRUE(parts.storedFormats->isVisible());
    EXPECT_EQ(parts.storedFormats->geometry().right() + 1, window.width() - 4);
    EXPECT_EQ(parts.storedFormats->geometry().bottom() + 1, window.height() - 4);
    window.关闭功能窗();
    EXPECT_FALSE(parts.storedFormats->isVisible());
}

// An empty kind or name is refused with its message, nothing written; what the boxes hold
// is filtered and trimmed before it counts.
TEST_F(StoredFormatsGui, SavingRefusesAnEmptyKindOrName) {
    startProgram();
    designLabelZero();
    struct Case {
        QString kind, name;
        test::RecordedMessage said;
    };
    const Case cases[] = {
        {QStringLiteral("  "), QStringLiteral("饼干"), {MessageIcon::Warning, "种类 错误提示", "[种类] 尚未输入"}},
        {QStringLiteral("\"★"), QStringLiteral("饼干"), {MessageIcon::Warning, "种类 错误提示", "[种类] 尚未输入"}},
        {QStringLiteral("食品"), QStringLiteral(" , "), {MessageIcon::Warning, "名称 错误提示", "[名称] 尚未输入"}},
    };
    for (const Case& c : cases) {
        ui.clear();
        parts.savePanel->openFor(document::kSimpleLabel, QPoint(20, 20));
        parts.savePanel->kindBox()->setEditText(c.kind);
        parts.savePanel->nameBox()->setText(c.name);
        EXPECT_FALSE(parts.savePanel->save());
        EXPECT_EQ(ui.messages, std::vector{c.said}) << c.kind.toStdString();
        EXPECT_TRUE(parts.savePanel->isVisible());
        EXPECT_FALSE(std::filesystem::exists(file()));
        EXPECT_EQ(window.label(document::kSimpleLabel).kind, "样品");
    }
}

// Saving writes the label's design in code page 936 under the typed kind and name; the list
// then offers it, filters the names by their exact leading characters, previews a name on
// label 999 without its handle and recalls it into the current label as one undoable step.
// A label's item menu opens the save panel for that label (entry 4) and, once a design is
// stored, the stored formats list (entry 3).
TEST_F(StoredFormatsGui, TheItemMenuOpensTheSavePanelAndTheList) {
    startProgram();
    QTest::mouseClick(&*window.findChild<platform::SkinButton*>(QStringLiteral("版本按钮")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() == shell::View::Professional; }, 3000));
    int label = 0;
    window.document().editPage([&](document::LabelPage& page) { label = *page.createLabel(); });
    page::LabelPicture* picture = parts.sheet->labelPicture(label);
    ASSERT_NE(picture, nullptr);
    page::ItemMenu& menu = *parts.sheet->itemMenu();
    const auto choose = [&](int entry) {
        QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(20, 10));
        ASSERT_TRUE(menu.isVisible());
        ASSERT_TRUE(menu.entry(entry)->isVisible()) << entry;
        QTest::mouseClick(menu.entry(entry), Qt::LeftButton);
    };
    choose(4);
    SaveFormatPanel& save = *parts.savePanel;
    ASSERT_TRUE(save.isVisible());
    save.kindBox()->setEditText(QStringLiteral("食品"));
    save.nameBox()->setText(QStringLiteral("饼干"));
    QTest::mouseClick(save.findChild<platform::SkinButton*>(QStringLiteral("储存排列")), Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::exists(file()));

    choose(3);
    EXPECT_TRUE(parts.storedFormats->isVisible());
}

TEST_F(StoredFormatsGui, SavedDesignIsListedFilteredPreviewedAndRecalled) {
    startProgram();
    designLabelZero();
    SaveFormatPanel& save = *parts.savePanel;
    save.openFor(document::kSimpleLabel, QPoint(20, 20));
    EXPECT_EQ(save.kindBox()->currentText(), QStringLiteral("样品"));  // the label's own
    save.kindBox()->setEditText(QStringLiteral(" 食品 "));
    save.nameBox()->setText(QStringLiteral("饼干"));
    QTest::keyClicks(save.nameBox(), QStringLiteral(",\" "));  // comma and quote are dropped as typed
    EXPECT_EQ(save.nameBox()->text(), QStringLiteral("饼干 "));
    QTest::mouseClick(save.findChild<platform::SkinButton*>(QStringLiteral("储存排列")), Qt::LeftButton);

    const std::string expected =
        "\"\xca\xb3\xc6\xb7\",\"\xb1\xfd\xb8\xc9\",\"\xcc\xf5\xc2\xeb\",\"3600\",\"900\",\"123\",\"16777215\",\"1\","
        "\"120 120 480\",\"False False False 0 10\",\"2 0 0 0\",\"\",1\r\n"
        "\"\xca\xb3\xc6\xb7\",\"\xb1\xfd\xb8\xc9\",\"\xb1\xea\xc7\xa9\",\"\xbe\xbb\xd6\xd8\",\"120\",\"600\",\"0\","
        "\"9\",\"Arial\",\"True False False\",\"\",\"\",1\r\n";
    EXPECT_EQ(readBytes(file()), expected);
    EXPECT_FALSE(save.isVisible());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window.label(document::kSimpleLabel).kind, "食品");
    EXPECT_EQ(window.label(document::kSimpleLabel).name, "饼干");
    EXPECT_FALSE(window.document().canUndo());  // a file operation, not an edit
    EXPECT_TRUE(showsNotice(shell::Notice::完成记录));

    // More designs: names that only differ in case, and one without a kind, listed nowhere.
    storage::LayoutRecordsFile records(base, ui);
    for (const char* name : {"A10", "a1", "A1"}) ASSERT_EQ(records.saveFormat("食品", name, design("食品", name, "9")), storage::LayoutSaveOutcome::Saved);
    ASSERT_EQ(records.saveFormat("", "X", design("", "X", "9")), storage::LayoutSaveOutcome::Saved);

    StoredFormatsPanel& list = *parts.storedFormats;
    list.open(QPoint(20, 20));
    EXPECT_EQ(texts(*list.kindList()), QStringList{QStringLiteral("食品")});
    EXPECT_FALSE(list.leadingBox()->isVisible());
    clickItem(*list.kindList(), QStringLiteral("食品"));
    const QStringList all{QStringLiteral("饼干"), QStringLiteral("A10"), QStringLiteral("a1"), QStringLiteral("A1")};
    EXPECT_EQ(texts(*list.nameList()), all);
    ASSERT_TRUE(list.leadingBox()->isVisible());
    QTest::keyClicks(list.leadingBox(), QStringLiteral("A1"));
    EXPECT_EQ(texts(*list.nameList()), (QStringList{QStringLiteral("A10"), QStringLiteral("A1")}));
    list.leadingBox()->clear();
    EXPECT_EQ(texts(*list.nameList()), all);

    // The current label shows something else before the recall.
    window.document().editLabel(document::kSimpleLabel, [](document::Label& l) {
        l.data = "ZZ";
        l.texts.clear();
    });
    const document::Label before = window.label(document::kSimpleLabel);

    clickItem(*list.nameList(), QStringLiteral("饼干"));
    ASSERT_TRUE(list.preview()->isVisible());
    EXPECT_EQ(window.label(document::kPreviewLabel).data, "123");
    EXPECT_FALSE(list.preview()->displayList().ops().empty());
    EXPECT_FALSE(list.preview()->handle()->isVisible());
    EXPECT_TRUE(list.loadButton()->isVisible());
    EXPECT_TRUE(list.deleteButton()->isVisible());

    QTest::mouseClick(list.loadButton(), Qt::LeftButton);
    EXPECT_FALSE(list.isVisible());
    const document::Label& recalled = window.label(document::kSimpleLabel);
    EXPECT_EQ(recalled.data, "123");
    ASSERT_EQ(recalled.texts.size(), 1u);
    EXPECT_EQ(recalled.texts.begin()->second.caption, "净重");
    window.document().undo();
    EXPECT_TRUE(window.label(document::kSimpleLabel) == before);
    window.document().redo();
    EXPECT_EQ(window.label(document::kSimpleLabel).data, "123");
}

// A recalled design finds its pictures in the picture folder, and only there.
TEST_F(StoredFormatsGui, RecalledPicturesComeFromThePictureFolder) {
    startProgram();
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(QString::fromStdString((storage::picturesFolder(base) / "logo.bmp").string())));
    auto stored = design("K", "P", "1");
    stored.push_back({"K", "P", "图片", "logo.bmp", "60", "60", "300", "300", "", "", ""});
    stored.push_back({"K", "P", "图片", "../记录资料/排版记录.zip", "60", "60", "300", "300", "", "", ""});
    ASSERT_EQ(storage::LayoutRecordsFile(base, ui).saveFormat("K", "P", stored), storage::LayoutSaveOutcome::Saved);

    parts.storedFormats->open(QPoint(20, 20));
    parts.storedFormats->chooseKind(QStringLiteral("K"));
    parts.storedFormats->chooseName(QStringLiteral("P"));
    parts.storedFormats->recall();
    const auto& pictures = window.label(document::kSimpleLabel).pictures;
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures.at(1).fileName, "logo.bmp");
    EXPECT_EQ(pictures.at(1).path, (storage::picturesFolder(base) / "logo.bmp").string());
    EXPECT_EQ(pictures.at(2).fileName, "");
}

TEST_F(StoredFormatsGui, Screenshot) {
    const QString shots = qEnvironmentVariable("KESTRIN_SCREENSHOTS");
    if (shots.isEmpty()) GTEST_SKIP() << "KESTRIN_SCREENSHOTS not set";
    startProgram();
    designLabelZero();
    storage::LayoutRecordsFile records(base, ui);
    for (const char* name : {"A10", "A1"}) records.saveFormat("食品", name, design("食品", name, "9"));
    parts.savePanel->openFor(document::kSimpleLabel, QPoint(20, 200));
    parts.savePanel->kindBox()->setEditText(QStringLiteral("食品"));
    parts.savePanel->nameBox()->setText(QStringLiteral("饼干"));
    ASSERT_TRUE(window.grab().save(QDir(shots).filePath(QStringLiteral("save-panel.png"))));
    parts.savePanel->save();
    parts.storedFormats->open(QPoint(20, 200));
    clickItem(*parts.storedFormats->kindList(), QStringLiteral("食品"));
    clickItem(*parts.storedFormats->nameList(), QStringLiteral("饼干"));
    ASSERT_TRUE(window.grab().save(QDir(shots).filePath(QStringLiteral("stored-formats-list.png"))));
}

// The list window on its own, with a file of three designs and a question answered by the test.
struct DeleteFixture {
    storage::testing::TempFolder folder;
    test::RecordingUi ui;
    document::Document doc;
    platform::HintBinder hints;
    std::vector<QString> asked;
    bool answer = false;
    StoredFormatsPanel panel{doc,   folder.path(), ui, hints, [] { return Fixed4(300); },
                             [this](const QString& title, const QString& text) {
                                 asked.push_back(title + QStringLiteral("|") + text);
                                 return answer;
                             }};

    DeleteFixture() {
        storage::LayoutRecordsFile records(folder.path(), ui);
        records.saveFormat("K", "A", design("K", "A", "1"));
        records.saveFormat("K", "B", design("K", "B", "2"));
        records.saveFormat("L", "C", design("L", "C", "3"));
    }
    std::filesystem::path file() const { return storage::layoutRecordsFilePath(folder.path()); }
};

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", at);
        out.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

// Deleting asks first; a No keeps the file, a Yes removes that design's lines alone and the
// name from the lists, for good.
TEST(StoredFormatsPanelGui, DeletingAsksThenRemovesOnlyThatDesign) {
    DeleteFixture f;
    QSignalSpy deleted(&f.panel, &StoredFormatsPanel::deleted);
    const std::string bytes = *readBytes(f.file());
    std::vector<std::string> kept = linesOf(bytes);
    ASSERT_EQ(kept.size(), 6u);
    kept.erase(kept.begin() + 2, kept.begin() + 4);  // B's two lines

    f.panel.open(QPoint(0, 0));
    f.panel.chooseKind(QStringLiteral("K"));
    f.panel.chooseName(QStringLiteral("B"));
    f.panel.deleteChosen();
    EXPECT_EQ(f.asked, std::vector{QStringLiteral("删除记录|确定删除【B】条码格式 记录")});
    EXPECT_EQ(readBytes(f.file()), bytes);
    EXPECT_EQ(deleted.count(), 0);

    f.answer = true;
    QTest::mouseClick(f.panel.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(linesOf(*readBytes(f.file())), kept);
    EXPECT_EQ(deleted.count(), 1);
    EXPECT_EQ(texts(*f.panel.nameList()), QStringList{QStringLiteral("A")});
    EXPECT_FALSE(f.panel.preview()->isVisible());
    f.panel.leadingBox()->setText(QStringLiteral("B"));
    f.panel.leadingBox()->clear();
    EXPECT_EQ(texts(*f.panel.nameList()), QStringList{QStringLiteral("A")});
    EXPECT_TRUE(f.ui.messages.empty());
}

// A design whose label record cannot be read is said once, shows no preview, and recalling
// it changes nothing and leaves nothing to undo.
TEST(StoredFormatsPanelGui, ADamagedDesignChangesNothing) {
    DeleteFixture f;
    auto damaged = design("K", "D", "4");
    damaged[0][6] = "red";
    storage::LayoutRecordsFile(f.folder.path(), f.ui).saveFormat("K", "D", damaged);
    f.doc.editPage([](document::LabelPage& page) {
        page.label(document::kSimpleLabel).data = "ZZ";
        page.addTextItem(document::kSimpleLabel, 60, 60);
    });
    f.doc.clearUndo();
    const document::Label before = f.doc.label(document::kSimpleLabel);

    f.panel.open(QPoint(0, 0));
    f.panel.chooseKind(QStringLiteral("K"));
    f.panel.chooseName(QStringLiteral("D"));
    EXPECT_FALSE(f.panel.preview()->isVisible());
    f.panel.recall();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "【D】条码格式 记录错误，无法取用");
    EXPECT_TRUE(f.doc.label(document::kSimpleLabel) == before);
    EXPECT_FALSE(f.doc.canUndo());
}

}  // namespace
}  // namespace kestrin::page
