#include "tools/HelpContents.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>

// The topics are compiled in from help/help.qrc. Naming the resource's init
// function here also makes the linker keep it when this library is static.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {

const QString kTopicFolder = QStringLiteral(":/help/");

struct Topic {
    QString id;
    QString html;
    QString title;
    QString plainText;
    QStringList keywords;
};

QString decodeEntities(QString text) {
    static const QRegularExpression numeric(QStringLiteral("&#(\\d+);"));
    QString out;
    qsizetype last = 0;
    for (auto it = numeric.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += QChar(char16_t(m.captured(1).toUInt()));
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    out.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}

QString stripTags(const QString& html) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.remove(tag);
    return decodeEntities(text).simplified();
}

QString firstMatch(const QString& html, const QString& pattern) {
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(html);
    return m.hasMatch() ? stripTags(m.captured(1)) : QString();
}

QString bodyPlainText(const QString& html) {
    static const QRegularExpression head(QStringLiteral("<head>.*</head>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression blockEnd(
        QStringLiteral("<br\\s*/?>|</(p|h\\d|li|tr|td|th|div|pre)>"),
        QRegularExpression::CaseInsensitiveOption);
    QString body = html;
    body.remove(head);
    body.replace(blockEnd, QStringLiteral(" "));
    return stripTags(body);
}

QStringList topicKeywords(const QString& html) {
    QStringList keywords;
    const QString meta =
        firstMatch(html, QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""));
    for (const QString& k : meta.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!k.trimmed().isEmpty())
            keywords << k.trimmed();
    }
    static const QRegularExpression h2(QStringLiteral("<h2[^>]*>(.*?)</h2>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    // Headings without their section numbers ("3. Фасонка" is listed as "Фасонка").
    static const QRegularExpression number(QStringLiteral("^\\d+\\.\\s*"));
    for (auto it = h2.globalMatch(html); it.hasNext();)
        keywords << stripTags(it.next().captured(1)).remove(number);
    return keywords;
}

QString readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// All topics, loaded once: contents order first, then any topic file the contents
// does not name, by name.
const QList<Topic>& topics() {
    static const QList<Topic> all = [] {
        initHelpResources();
        QStringList order;
        for (const auto& e : parseHelpContents(helpContentsFileLines()).entries) {
            if (!e.topicId.isEmpty())
                order << e.topicId;
        }
        QStringList files =
            QDir(kTopicFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
        QList<Topic> list;
        auto add = [&list](const QString& id, const QString& path) {
            Topic t;
            t.id = id;
            t.html = readResource(path);
            t.title = firstMatch(t.html, QStringLiteral("<title>(.*?)</title>"));
            t.plainText = bodyPlainText(t.html);
            t.keywords = topicKeywords(t.html);
            list << t;
        };
        for (const QString& id : order) {
            const QString file = id + QStringLiteral(".html");
            if (files.removeAll(file) > 0)
                add(id, kTopicFolder + file);
        }
        for (const QString& file : files)
            add(file.chopped(5), kTopicFolder + file);
        return list;
    }();
    return all;
}

const Topic* findTopic(const QString& topicId) {
    for (const Topic& t : topics()) {
        if (t.id.compare(topicId, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

QString searchForm(const QString& text) {
    QString s = text.toLower();
    s.replace(QChar(0x0451), QChar(0x0435)); // ё -> е
    return s;
}

QStringList queryWords(const QString& query) {
    return searchForm(query).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool containsAll(const QString& text, const QStringList& words) {
    const QString s = searchForm(text);
    return std::all_of(words.begin(), words.end(),
                       [&s](const QString& w) { return s.contains(w); });
}

} // namespace

QStringList helpContentsFileLines() {
    return {
        QStringLiteral(":Base  Kelvor.HLP"),
        QStringLiteral(":Title Kelvor Help"),
        QStringLiteral("1 Введение=Begin"),
        QStringLiteral("1 Лицензионное соглашение=Topic19"),
        QStringLiteral("1 Порядок работы с программой"),
        QStringLiteral("2 Шаг 1. Запуск программы=Step1"),
        QStringLiteral("2 Шаг 2. Начало расчета=Step2"),
        QStringLiteral("2 Шаг 3. Ввод исходных данных=Step3"),
        QStringLiteral("2 Шаг 4. Ввод дополнительных данных=Step4"),
        QStringLiteral("2 Шаг 5. Задание предельной гибкости стержня lu=Step5"),
        QStringLiteral("2 Шаг 6. Выбор типа сечения стержня=Step6"),
        QStringLiteral("2 Шаг 7. Задание толщины фасонки=Step7"),
        QStringLiteral("2 Шаг 8. Сортамент=Step8"),
        QStringLiteral("2 Шаг 9. Уточнение расчетного сопротивления стали Ry=Step9"),
        QStringLiteral("2 Шаг 10. Просмотр результатов расчета=Step10"),
        QStringLiteral("2 Шаг 11. Просмотр, редактирование и печать результатов расчета=Step11"),
        QStringLiteral("1 Приложения"),
        QStringLiteral("2 Приложение 1.  КЛАССЫ ответственности зданий=Topic12"),
        QStringLiteral("2 Приложение 2.  Рекомендуемые толщины фасонок=Topic13"),
        QStringLiteral("2 Приложение 3.  Определение коэффициента продольного изгиба =Topic14"),
        QStringLiteral("2 Приложение 4.  Алгоритм подбора сечений стержней=Topic16"),
        QStringLiteral("1 Литература=Step16"),
    };
}

HelpContents parseHelpContents(const QStringList& lines) {
    static const QRegularExpression entry(QStringLiteral("^\\s*(\\d+)\\s+(.*)$"));
    HelpContents contents;
    QList<int> headings; // open headings, shallowest first
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char(':'))) {
            const qsizetype gap = line.indexOf(QLatin1Char(' '));
            const QString name = line.left(gap < 0 ? line.size() : gap).toLower();
            const QString value = gap < 0 ? QString() : line.mid(gap).trimmed();
            if (name == QLatin1String(":base"))
                contents.base = value;
            else if (name == QLatin1String(":title"))
                contents.title = value;
            continue;
        }
        const auto m = entry.match(line);
        if (!m.hasMatch())
            continue;
        HelpContentsEntry e;
        e.level = std::max(1, m.captured(1).toInt());
        QString rest = m.captured(2);
        const qsizetype eq = rest.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            QString ref = rest.mid(eq + 1);
            ref = ref.section(QLatin1Char('>'), 0, 0).section(QLatin1Char('@'), 0, 0);
            e.topicId = ref.trimmed();
            rest.truncate(eq);
        }
        e.title = rest.trimmed();
        if (e.title.isEmpty() && e.topicId.isEmpty())
            continue;
        // Only a heading (an entry without a topic) opens a level.
        while (!headings.isEmpty() && contents.entries[headings.last()].level >= e.level)
            headings.removeLast();
        e.parent = headings.isEmpty() ? -1 : headings.last();
        contents.entries << e;
        if (e.topicId.isEmpty())
            headings << int(contents.entries.size() - 1);
    }
    return contents;
}

// The help context numbers of the windows and the topic each one opens. Numbers
// 11, 12, 13 and 16 are not used by a window; they open the topic of that number.
static const QList<QPair<int, QString>>& contextMap() {
    static const QList<QPair<int, QString>> map = {
        {1, QStringLiteral("Step4")}, // additional design data, whole dialog
        {2, QStringLiteral("Step1")}, // main window
        {3, QStringLiteral("Step3")}, // member input dialog
        {4, QStringLiteral("Step4")}, // additional data, tabs "Таблица 1" to "Таблица 3"
        {5, QStringLiteral("Step5")}, // additional data, tabs "Таблица 4" and "Таблица 5"
        {6, QStringLiteral("Step6")},    // section type chooser
        {7, QStringLiteral("Step7")},    // recommended gusset thicknesses
        {8, QStringLiteral("Step8")},    // catalogue window
        {9, QStringLiteral("Step9")},    // Ry by rolled thickness
        {10, QStringLiteral("Step10")},  // results window
        {11, QStringLiteral("Step11")},  // report and table files
        {12, QStringLiteral("Topic12")}, // responsibility classes, γn
        {13, QStringLiteral("Topic13")}, // gusset thickness by force
        {14, QStringLiteral("Topic14")}, // φ calculator window
        {16, QStringLiteral("Topic16")}, // selection algorithm
        {19, QStringLiteral("Topic19")}, // About window and the licence command
    };
    return map;
}

QList<int> helpContextNumbers() {
    QList<int> numbers;
    for (const auto& [number, topic] : contextMap())
        numbers << number;
    return numbers;
}

QString helpTopicForContext(int contextNumber) {
    for (const auto& [number, topic] : contextMap()) {
        if (number == contextNumber)
            return topic;
    }
    return {};
}

QStringList helpTopicIds() {
    QStringList ids;
    for (const Topic& t : topics())
        ids << t.id;
    return ids;
}

QString helpCanonicalTopicId(const QString& topicId) {
    const Topic* t = findTopic(topicId);
    return t ? t->id : QString();
}

bool helpTopicExists(const QString& topicId) {
    return findTopic(topicId) != nullptr;
}

QString helpTopicHtml(const QString& topicId) {
    const Topic* t = findTopic(topicId);
    return t ? t->html : QString();
}

QString helpTopicTitle(const QString& topicId) {
    const Topic* t = findTopic(topicId);
    return t ? t->title : QString();
}

QString helpTopicPlainText(const QString& topicId) {
    const Topic* t = findTopic(topicId);
    return t ? t->plainText : QString();
}

QString helpContextNotFoundText(int contextNumber) {
    return QStringLiteral("Раздел справки № %1 не найден.").arg(contextNumber);
}

QString helpTopicNotFoundText(const QString& topicId) {
    return QStringLiteral("Раздел справки «%1» не найден.").arg(topicId);
}

QList<HelpIndexEntry> helpIndex() {
    static const QList<HelpIndexEntry> index = [] {
        QMap<QString, HelpIndexEntry> byKey; // keyed by the search form, so sorted
        for (const Topic& t : topics()) {
            for (const QString& k : t.keywords) {
                HelpIndexEntry& e = byKey[searchForm(k)];
                if (e.keyword.isEmpty())
                    e.keyword = k;
                if (!e.topicIds.contains(t.id))
                    e.topicIds << t.id;
            }
        }
        return byKey.values();
    }();
    return index;
}

QList<HelpIndexEntry> searchHelpIndex(const QString& query) {
    const QStringList words = queryWords(query);
    QList<HelpIndexEntry> prefix;
    QList<HelpIndexEntry> inside;
    for (const HelpIndexEntry& e : helpIndex()) {
        if (!containsAll(e.keyword, words))
            continue;
        if (!words.isEmpty() && searchForm(e.keyword).startsWith(words.first()))
            prefix << e;
        else
            inside << e;
    }
    return prefix + inside;
}

QStringList searchHelpTopics(const QString& query) {
    const QStringList words = queryWords(query);
    QStringList found;
    if (words.isEmpty())
        return found;
    for (const Topic& t : topics()) {
        if (containsAll(t.title + QLatin1Char(' ') + t.plainText, words))
            found << t.id;
    }
    return found;
}
