#pragma once
// The help viewer of Kelvor: one non-modal window with the contents, the keyword
// index and the topic text, over the topics compiled into the program.
//
// The windows call only HelpEngine: showContents() for the menu commands "Справка"
// and "Контекстный поиск", showTopic() for F1 (with the window's help context
// number) and for "Лицензионное соглашение" (topic 19).

#include <QString>
#include <QWidget>

class QLineEdit;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Show a topic by id, or by a window's context number; what cannot be found is
    // reported in the text area ("Раздел справки № N не найден.").
    void openTopic(const QString& topicId);
    void openContext(int contextNumber);
    void showContentsTab();

    // The topic on display, empty while a not-found text is shown.
    QString currentTopicId() const;

    QTextBrowser* browser() const { return browser_; }
    QTabWidget* tabs() const { return tabs_; }
    QTreeWidget* contentsTree() const { return contentsTree_; }
    QLineEdit* indexSearch() const { return indexSearch_; }
    QTreeWidget* indexList() const { return indexList_; }

private:
    void buildContentsTree();
    void fillIndex(const QString& query);
    void syncContentsTree(const QUrl& source);
    void openItemTopic(QTreeWidgetItem* item);
    void openFirstIndexResult();

    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contentsTree_ = nullptr;
    QLineEdit* indexSearch_ = nullptr;
    QTreeWidget* indexList_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QToolButton* backButton_ = nullptr;
    QToolButton* forwardButton_ = nullptr;
};

class HelpEngine {
public:
    // The contents and index window (opens the introduction when nothing is shown yet).
    static void showContents(QWidget* parent);
    // The topic of a help context number; an unknown number is reported in the window.
    static void showTopic(QWidget* parent, int contextNumber);
    // F1 in `window` opens the topic of its help context.
    static void bindHelpKey(QWidget* window, int contextNumber);
    // The help window, or nullptr before the first use (or after its owner was deleted).
    static HelpWindow* window();
};
