// Qt's own dialogs speak the program's language once the start-up has set it.

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

#include "platform/qt_translations.h"

namespace kestrin::platform {
namespace {

TEST(QtTranslations, StandardMessageBoxButtonsReadChinese) {
    QTranslator* translator = installQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are not installed";
    struct Case {
        QMessageBox::StandardButton button;
        QString text;
    };
    const Case cases[] = {{QMessageBox::Ok, QStringLiteral("确定")},
                          {QMessageBox::Cancel, QStringLiteral("取消")},
                          {QMessageBox::Yes, QStringLiteral("是")},
                          {QMessageBox::No, QStringLiteral("否")}};
    QMessageBox box;
    for (const Case& c : cases) box.addButton(c.button);
    // Chinese captions carry their keyboard mnemonic after the word: 是(&Y).
    static const QRegularExpression mnemonic(QStringLiteral("\\(&\\w\\)$|&"));
    for (const Case& c : cases) EXPECT_EQ(box.button(c.button)->text().remove(mnemonic), c.text);
    // The other tests see Qt's texts as they were.
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace kestrin::platform
