#pragma once
// The help layer of Kelvor, without widgets: the lines of the help contents file
// "Kelvor.CNT", their parser, the map from the windows' help context numbers to
// topics, the topic texts compiled into the program (help/help.qrc) and the
// keyword index with its search.
//
// Topic ids are the names the contents file uses ("Begin", "Step3", "Topic14");
// they are compared without regard to case, as the old help engine did.

#include <QList>
#include <QString>
#include <QStringList>

// The 22 lines of "Kelvor.CNT", in order, without line ends. The start-up code
// writes them (Windows-1251, CR LF) when the file is missing.
QStringList helpContentsFileLines();

// One entry of the contents: a book heading (empty topicId) or a topic.
struct HelpContentsEntry {
    int level = 1;   // 1 for the top level, as written in the file
    QString title;   // trimmed
    QString topicId; // empty for a heading that only groups the entries below it
    int parent = -1; // index of the enclosing heading in HelpContents::entries, -1 at the top
};

struct HelpContents {
    QString base;                     // the ":Base" directive (help file name), if any
    QString title;                    // the ":Title" directive, if any
    QList<HelpContentsEntry> entries; // in file order (pre-order of the tree)
};

// Parses contents-file lines. Directive lines (":Base", ":Title", other ":..."),
// blank lines and lines without a leading level number are skipped. A topic
// reference "Title=Id@file>window" keeps only Id. Only headings hold entries: an
// entry hangs under the last heading of a lower level (a level that jumps by more
// than one still lands there), or at the top when there is none.
HelpContents parseHelpContents(const QStringList& lines);

// Context numbers used by the windows (F1 and the licence command), ascending.
QList<int> helpContextNumbers();
// The topic id of a context number; empty when the number is not mapped.
QString helpTopicForContext(int contextNumber);

// Every topic compiled into the program, in contents order.
QStringList helpTopicIds();
// The canonical id of a topic (matching without case), or empty when there is none.
QString helpCanonicalTopicId(const QString& topicId);
bool helpTopicExists(const QString& topicId);
// The topic's HTML, title (its <title>) and plain text (tags removed); empty when
// the topic does not exist.
QString helpTopicHtml(const QString& topicId);
QString helpTopicTitle(const QString& topicId);
QString helpTopicPlainText(const QString& topicId);

// Texts shown by the viewer in place of a topic that is not there.
QString helpContextNotFoundText(int contextNumber);
QString helpTopicNotFoundText(const QString& topicId);

// The keyword index: each topic's <meta name="keywords"> entries (separated by ";")
// and its <h2> headings without their section numbers. Sorted by keyword without
// regard to case.
struct HelpIndexEntry {
    QString keyword;
    QStringList topicIds; // in contents order, no repeats
};
QList<HelpIndexEntry> helpIndex();

// Index entries whose keyword contains every word of the query (without regard to
// case; "ё" matches "е"). Keywords that begin with the query come first. An empty
// query gives the whole index.
QList<HelpIndexEntry> searchHelpIndex(const QString& query);

// Topics whose plain text contains every word of the query, in contents order.
// An empty query gives no topic.
QStringList searchHelpTopics(const QString& query);
