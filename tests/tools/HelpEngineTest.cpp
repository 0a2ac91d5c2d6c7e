#include "tools/HelpEngine.h"
#include "tools/HelpContents.h"

#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace {

HelpWindow* shownTopic(int contextNumber) {
    HelpEngine::showTopic(nullptr, contextNumber);
    return HelpEngine::window();
}

QString shownText(HelpWindow* w) {
    return w->browser()->toPlainText();
}

TEST(HelpWindowTest, ShowsTheTopicOfAContextNumberInOneReusedWindow) {
    HelpWindow* w = shownTopic(3);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Справка — Kelvor"));
    EXPECT_EQ(w->currentTopicId(), "Step3");
    EXPECT_TRUE(shownText(w).contains(QStringLiteral("Шаг 3. Ввод исходных данных")));

    EXPECT_EQ(shownTopic(19), w);
    EXPECT_EQ(w->currentTopicId(), "Topic19");
    EXPECT_TRUE(shownText(w).contains(QStringLiteral("Лицензионное соглашение")));
}

TEST(HelpWindowTest, ReportsAnUnknownNumberInTheWindow) {
    HelpWindow* w = shownTopic(999);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->currentTopicId().isEmpty());
    EXPECT_TRUE(shownText(w).contains(QStringLiteral("Раздел справки № 999 не найден.")));
    // The window still works afterwards.
    w = shownTopic(8);
    EXPECT_EQ(w->currentTopicId(), "Step8");
}

TEST(HelpWindowTest, FollowsLinksAndGoesBackAndForward) {
    HelpWindow* w = shownTopic(3);
    QTextBrowser* b = w->browser();
    b->setSource(QUrl("Step4.html")); // as a click on a link in the topic
    EXPECT_EQ(w->currentTopicId(), "Step4");
    ASSERT_TRUE(b->isBackwardAvailable());
    b->backward();
    EXPECT_EQ(w->currentTopicId(), "Step3");
    b->forward();
    EXPECT_EQ(w->currentTopicId(), "Step4");

    b->setSource(QUrl("Nope.html"));
    EXPECT_TRUE(w->currentTopicId().isEmpty());
    EXPECT_TRUE(shownText(w).contains(QStringLiteral("Раздел справки «Nope» не найден.")));
}

TEST(HelpWindowTest, ContentsTreeMirrorsTheContentsFileAndFollowsThePage) {
    HelpEngine::showContents(nullptr);
    HelpWindow* w = HelpEngine::window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->tabs()->currentWidget(), w->contentsTree());
    QTreeWidget* tree = w->contentsTree();
    EXPECT_EQ(tree->topLevelItemCount(), 5);
    int items = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ++items;
    EXPECT_EQ(items, 20);

    w->openContext(13);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0).toStdString(),
              "Приложение 2.  Рекомендуемые толщины фасонок");

    QTreeWidgetItem* step6 = tree->topLevelItem(2)->child(5);
    emit tree->itemActivated(step6, 0);
    EXPECT_EQ(w->currentTopicId(), "Step6");
}

TEST(HelpWindowTest, IndexSearchOpensTheFoundTopic) {
    HelpEngine::showContents(nullptr);
    HelpWindow* w = HelpEngine::window();
    w->indexSearch()->setText(QStringLiteral("классы ответственности"));
    ASSERT_GE(w->indexList()->topLevelItemCount(), 1);
    emit w->indexSearch()->returnPressed();
    EXPECT_EQ(w->currentTopicId(), "Topic12");

    // A keyword of several topics lists them under it.
    w->indexSearch()->setText(QStringLiteral("рекомендуемые толщины фасонок"));
    ASSERT_GE(w->indexList()->topLevelItemCount(), 1);
    QTreeWidgetItem* keyword = w->indexList()->topLevelItem(0); // begins with the query
    EXPECT_EQ(keyword->text(0).toStdString(), "рекомендуемые толщины фасонок");
    ASSERT_EQ(keyword->childCount(), 2);
    emit w->indexList()->itemActivated(keyword->child(1), 0);
    EXPECT_EQ(w->currentTopicId(), "Topic13");

    // No keyword fits: the topics whose text has the word are offered instead.
    w->indexSearch()->setText(QStringLiteral("206000"));
    ASSERT_EQ(w->indexList()->topLevelItemCount(), 1);
    QTreeWidgetItem* header = w->indexList()->topLevelItem(0);
    ASSERT_GE(header->childCount(), 1);
    emit w->indexList()->itemActivated(header->child(0), 0);
    EXPECT_FALSE(w->currentTopicId().isEmpty());
    EXPECT_TRUE(shownText(w).contains("206000"));
}

TEST(HelpWindowTest, StaysUsableFromAModalDialogAndSurvivesItsOwner) {
    auto* dialog = new QDialog;
    HelpEngine::showTopic(dialog, 7);
    HelpWindow* w = HelpEngine::window();
    ASSERT_NE(w, nullptr);
    // Owned by the dialog's window, so the dialog's modality does not block it.
    EXPECT_EQ(w->parentWidget(), dialog);
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->currentTopicId(), "Step7");

    delete dialog;
    EXPECT_EQ(HelpEngine::window(), nullptr);
    HelpEngine::showTopic(nullptr, 10);
    ASSERT_NE(HelpEngine::window(), nullptr);
    EXPECT_EQ(HelpEngine::window()->currentTopicId(), "Step10");
}

} // namespace
