// Qt's own texts follow the interface's language once its translations are in.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <memory>

#include "ui/MessageBox.h"

TEST(QtTexts, MessageBoxAndTextMenuInChinese) {
    QTranslator* translator = brimsel::ui::InstallQtTranslations();
    if (translator == nullptr) GTEST_SKIP() << "Qt's translations are not installed";
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brimsel"), QStringLiteral("x"),
                    QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QLineEdit text(QStringLiteral("100"));
    const std::unique_ptr<QMenu> menu(text.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text();
    EXPECT_TRUE(entries.join('|').contains(QStringLiteral("复制"))) << entries.join('|').toStdString();
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
