#include "tools/HelpContents.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The contents file as the help engine expects it, line by line.
const QStringList kContentsFile = {
    ":Base  Kelvor.HLP",
    ":Title Kelvor Help",
    "1 Введение=Begin",
    "1 Лицензионное соглашение=Topic19",
    "1 Порядок работы с программой",
    "2 Шаг 1. Запуск программы=Step1",
    "2 Шаг 2. Начало расчета=Step2",
    "2 Шаг 3. Ввод исходных данных=Step3",
    "2 Шаг 4. Ввод дополнительных данных=Step4",
    "2 Шаг 5. Задание предельной гибкости стержня lu=Step5",
    "2 Шаг 6. Выбор типа сечения стержня=Step6",
    "2 Шаг 7. Задание толщины фасонки=Step7",
    "2 Шаг 8. Сортамент=Step8",
    "2 Шаг 9. Уточнение расчетного сопротивления стали Ry=Step9",
    "2 Шаг 10. Просмотр результатов расчета=Step10",
    "2 Шаг 11. Просмотр, редактирование и печать результатов расчета=Step11",
    "1 Приложения",
    "2 Приложение 1.  КЛАССЫ ответственности зданий=Topic12",
    "2 Приложение 2.  Рекомендуемые толщины фасонок=Topic13",
    "2 Приложение 3.  Определение коэффициента продольного изгиба =Topic14",
    "2 Приложение 4.  Алгоритм подбора сечений стержней=Topic16",
    "1 Литература=Step16",
};

TEST(HelpContentsFile, HasExactlyTheTwentyTwoLines) {
    const QStringList lines = helpContentsFileLines();
    ASSERT_EQ(lines.size(), 22);
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], kContentsFile[i]) << "line " << i + 1;
}

TEST(HelpContentsParser, BuildsTheTreeOfTheContentsFile) {
    const HelpContents c = parseHelpContents(helpContentsFileLines());
    EXPECT_EQ(c.base, "Kelvor.HLP");
    EXPECT_EQ(c.title, "Kelvor Help");
    ASSERT_EQ(c.entries.size(), 20);

    struct Expected {
        int index;
        int level;
        const char* title;
        const char* topic;
        int parent;
    };
    const Expected cases[] = {
        {0, 1, "Введение", "Begin", -1},
        {2, 1, "Порядок работы с программой", "", -1},
        {3, 2, "Шаг 1. Запуск программы", "Step1", 2},
        {13, 2, "Шаг 11. Просмотр, редактирование и печать результатов расчета", "Step11", 2},
        {14, 1, "Приложения", "", -1},
        // The trailing blank before "=" is not part of the title.
        {17, 2, "Приложение 3.  Определение коэффициента продольного изгиба", "Topic14", 14},
        {19, 1, "Литература", "Step16", -1},
    };
    for (const Expected& e : cases) {
        const HelpContentsEntry& got = c.entries[e.index];
        EXPECT_EQ(got.level, e.level) << e.title;
        EXPECT_EQ(got.title, QString::fromUtf8(e.title));
        EXPECT_EQ(got.topicId, QString::fromUtf8(e.topic)) << e.title;
        EXPECT_EQ(got.parent, e.parent) << e.title;
    }
}

TEST(HelpContentsParser, ToleratesTheOtherFormsOfTheFormat) {
    const HelpContents c = parseHelpContents({
        ":Index Kelvor Index=Kelvor.hlp", // other directives are skipped
        "",                               // blank line
        "no level here=Nowhere",          // not an entry
        "1 Book",
        "3 Deep=Deep",                   // jumps a level: still under "Book"
        "2 Remote=Other@other.hlp>main", // file and window parts are dropped
        "1 Top=Top",
        "2 Orphan=Orphan", // a topic opens no level: stays at the top
        "   2   Padded  =  Padded  ",
    });
    ASSERT_EQ(c.entries.size(), 6);
    EXPECT_TRUE(c.base.isEmpty());
    EXPECT_EQ(c.entries[1].topicId, "Deep");
    EXPECT_EQ(c.entries[1].parent, 0);
    EXPECT_EQ(c.entries[2].topicId, "Other");
    EXPECT_EQ(c.entries[2].title, "Remote");
    EXPECT_EQ(c.entries[2].parent, 0);
    EXPECT_EQ(c.entries[3].parent, -1);
    EXPECT_EQ(c.entries[4].parent, -1);
    EXPECT_EQ(c.entries[5].title, "Padded");
    EXPECT_EQ(c.entries[5].topicId, "Padded");
}

// Every entry of the contents opens a written topic with the entry's title.
TEST(HelpTopics, EveryContentsEntryHasARealTopic) {
    int topicCount = 0;
    for (const HelpContentsEntry& e : parseHelpContents(helpContentsFileLines()).entries) {
        if (e.topicId.isEmpty())
            continue;
        ++topicCount;
        SCOPED_TRACE(e.topicId.toStdString());
        ASSERT_TRUE(helpTopicExists(e.topicId));
        EXPECT_EQ(helpTopicTitle(e.topicId).toLower().toStdString(),
                  e.title.simplified().toLower().toStdString());
        EXPECT_GT(helpTopicPlainText(e.topicId).size(), 800);
    }
    EXPECT_EQ(topicCount, 18);
    EXPECT_EQ(helpTopicIds().size(), 18); // no topic file outside the contents
}

TEST(HelpTopics, LinksBetweenTopicsLeadToTopics) {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (const QString& id : helpTopicIds()) {
        for (auto it = link.globalMatch(helpTopicHtml(id)); it.hasNext();) {
            const QString target = it.next().captured(1);
            ASSERT_TRUE(target.endsWith(".html"))
                << id.toStdString() << " -> " << target.toStdString();
            EXPECT_TRUE(helpTopicExists(target.chopped(5)))
                << id.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST(HelpTopics, LookupIgnoresCase) {
    EXPECT_EQ(helpCanonicalTopicId("step3"), "Step3");
    EXPECT_EQ(helpCanonicalTopicId("TOPIC14"), "Topic14");
    EXPECT_TRUE(helpCanonicalTopicId("Step12").isEmpty());
    EXPECT_TRUE(helpTopicHtml("Step12").isEmpty());
    EXPECT_TRUE(helpTopicTitle("").isEmpty());
}

// The reference values a topic must state (taken from the design code tables).
TEST(HelpTopics, StateTheDesignValuesTheyExplain) {
    struct Case {
        const char* topic;
        QStringList phrases;
    };
    const Case cases[] = {
        {"Topic12", {"1.0", "0.95", "0.9", "0.8", "СНиП 2.01.07-85"}},
        {"Topic13",
         {"N ≤ 150", "150 < N ≤ 250", "250 < N ≤ 400", "400 < N ≤ 600", "600 < N ≤ 1000",
          "1000 < N ≤ 1400", "1400 < N ≤ 1800", "N > 1800"}},
        {"Topic14",
         {"206000", "0.073 − 5.53", "332 / (λ̄² · (51 − λ̄))", "7.6 / λ̄²", "39.48", "0.03", "0.06",
          "0.09", "0.14", "таблица 74", "таблица 75", "недоступн", "1.0"}},
        {"Topic16", {"Ry·γc", "N·γn / (φ·A)", "λmax ≤ λu", "0.5 ≤ α ≤ 1.0"}},
        {"Step16",
         {"СНиП II-23-81*", "СП 53-102-2004", "ГОСТ 8509-93", "ГОСТ 8510-86", "ГОСТ 26020-83",
          "ГОСТ 10704-91", "ГОСТ 8732-78", "ГОСТ 30245-2003"}},
        {"Step9", {"C345K", "16Г2АФ", "Ry выбрано неверно!"}},
        {"Topic19", {"команд", "как есть"}},
    };
    for (const Case& c : cases) {
        const QString text = helpTopicPlainText(c.topic);
        for (const QString& phrase : c.phrases)
            EXPECT_TRUE(text.contains(phrase)) << c.topic << ": " << phrase.toStdString();
    }
}

TEST(HelpContexts, EveryWindowNumberOpensItsTopic) {
    const QList<QPair<int, QString>> cases = {
        {1, "Step4"}, {2, "Step1"}, {3, "Step3"}, {4, "Step4"},   {5, "Step5"},    {6, "Step6"},
        {7, "Step7"}, {8, "Step8"}, {9, "Step9"}, {10, "Step10"}, {14, "Topic14"}, {19, "Topic19"},
    };
    for (const auto& [number, topic] : cases) {
        EXPECT_EQ(helpTopicForContext(number), topic) << number;
        EXPECT_TRUE(helpContextNumbers().contains(number)) << number;
    }
    for (int number : helpContextNumbers())
        EXPECT_TRUE(helpTopicExists(helpTopicForContext(number))) << number;
}

TEST(HelpContexts, UnknownNumbersHaveNoTopicAndANotFoundText) {
    for (int number : {0, -1, 15, 17, 18, 20, 999}) {
        EXPECT_TRUE(helpTopicForContext(number).isEmpty()) << number;
        EXPECT_EQ(helpContextNotFoundText(number),
                  QStringLiteral("Раздел справки № %1 не найден.").arg(number));
    }
    EXPECT_EQ(helpTopicNotFoundText("Nope"), QStringLiteral("Раздел справки «Nope» не найден."));
}

TEST(HelpIndex, IsSortedAndEveryKeywordLeadsToTopics) {
    const QList<HelpIndexEntry> index = helpIndex();
    ASSERT_GT(index.size(), 100);
    auto order = [](QString k) { return k.toLower().replace(QChar(0x0451), QChar(0x0435)); };
    for (int i = 0; i < index.size(); ++i) {
        EXPECT_FALSE(index[i].topicIds.isEmpty()) << index[i].keyword.toStdString();
        for (const QString& id : index[i].topicIds)
            EXPECT_TRUE(helpTopicExists(id));
        if (i > 0) {
            EXPECT_LT(order(index[i - 1].keyword), order(index[i].keyword));
        }
    }
}

TEST(HelpIndex, SearchFindsTopicsByKeyword) {
    struct Case {
        const char* query;
        const char* keyword; // expected among the results
        const char* topic;   // opened by that keyword
    };
    const Case cases[] = {
        {"фасонк", "толщина фасонки", "Step7"},
        {"ФАСОНОК", "рекомендуемые толщины фасонок", "Topic13"},
        {"класс ответственности", "класс ответственности", "Topic12"},
        {"γn", "γn", "Topic12"},
        {"таблица 75", "таблица 75", "Topic14"},
        {"паспорт", "паспорт", "Step2"},
        {"уточнение", "уточнение Ry", "Step9"},
        {"лицензия", "лицензия", "Topic19"},
    };
    for (const Case& c : cases) {
        const QList<HelpIndexEntry> found = searchHelpIndex(c.query);
        const auto hit = std::find_if(found.begin(), found.end(), [&c](const HelpIndexEntry& e) {
            return e.keyword == QString::fromUtf8(c.keyword);
        });
        ASSERT_NE(hit, found.end()) << c.query;
        EXPECT_TRUE(hit->topicIds.contains(c.topic)) << c.query;
    }
}

TEST(HelpIndex, SearchPutsKeywordsThatBeginWithTheQueryFirst) {
    const QList<HelpIndexEntry> found = searchHelpIndex("толщина");
    ASSERT_GE(found.size(), 2);
    EXPECT_TRUE(found.first().keyword.startsWith("толщина"));
    EXPECT_FALSE(found.last().keyword.startsWith("толщина"));
}

TEST(HelpIndex, EmptyQueryGivesEverythingAndNonsenseNothing) {
    EXPECT_EQ(searchHelpIndex("").size(), helpIndex().size());
    EXPECT_EQ(searchHelpIndex("   ").size(), helpIndex().size());
    EXPECT_TRUE(searchHelpIndex("зюзюкалка").isEmpty());
}

TEST(HelpFullText, FindsWordsInTopicText) {
    EXPECT_TRUE(searchHelpTopics("206000").contains("Topic14"));
    EXPECT_TRUE(searchHelpTopics("Недонапряжение составляет").contains("Step10"));
    // "ё" and "е" are the same letter for the search.
    EXPECT_EQ(searchHelpTopics("расчёт отчёт"), searchHelpTopics("расчет отчет"));
    EXPECT_TRUE(searchHelpTopics("").isEmpty());
    EXPECT_TRUE(searchHelpTopics("зюзюкалка").isEmpty());
}

} // namespace
