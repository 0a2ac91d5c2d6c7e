#include "tools/HelpEngine.h"
#include <QShortcut>

#include "tools/HelpContents.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Справка — Kelvor");
const QString kFirstTopic = QStringLiteral("Begin");
constexpr int kTopicRole = Qt::UserRole;

// Topics live at qrc:/help/<id>.html, so the relative links between topics
// ("Step4.html") resolve and stay inside the viewer. A context number without a
// topic gets an address of its own, so that Back and Forward keep it too.
const QString kTopicPath = QStringLiteral("/help/");
const QString kMissingContext = QStringLiteral("missing-context-");

QUrl topicUrl(const QString& topicId) {
    return QUrl(QStringLiteral("qrc:") + kTopicPath + topicId + QStringLiteral(".html"));
}

QUrl missingContextUrl(int contextNumber) {
    return QUrl(QStringLiteral("qrc:") + kTopicPath + kMissingContext +
                QString::number(contextNumber));
}

QString notFoundPage(const QString& message) {
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h1>Раздел не найден</h1><p class=\"warning\">%2</p>"
                          "<p>Выберите раздел на вкладке «Содержание» или «Указатель» "
                          "или откройте <a href=\"%3.html\">Введение</a>.</p></body></html>")
        .arg(kCaption, message.toHtmlEscaped(), kFirstTopic);
}

const char* const kStyleSheet = R"(
body { line-height: 130%; }
h1 { color: #1f4e79; font-size: x-large; margin-bottom: 8px; }
h2 { color: #1f4e79; font-size: large; margin-top: 16px; }
h3 { color: #2e5f8a; margin-top: 12px; }
p, li { margin-top: 3px; margin-bottom: 3px; }
table { border-collapse: collapse; margin-top: 6px; margin-bottom: 6px; }
th { background-color: #dbe7f3; font-weight: bold; padding: 3px 8px; }
td { padding: 3px 8px; }
.formula { font-family: serif; font-size: large; margin-left: 24px; }
.note { background-color: #fff8dc; padding: 6px; }
.warning { color: #a00000; font-weight: bold; }
code { font-family: monospace; }
)";

// Reads topics from the help layer and reports addresses that lead nowhere.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& url) override {
        if (type != QTextDocument::HtmlResource || url.scheme() != QLatin1String("qrc"))
            return QTextBrowser::loadResource(type, url);
        const QString name = QFileInfo(url.path()).fileName();
        if (name.startsWith(kMissingContext))
            return notFoundPage(helpContextNotFoundText(name.mid(kMissingContext.size()).toInt()));
        const QString id = name.endsWith(QLatin1String(".html")) ? name.chopped(5) : name;
        const QString html = helpTopicHtml(id);
        return html.isEmpty() ? notFoundPage(helpTopicNotFoundText(id)) : html;
    }
};

// The topic at an address, empty for an address of a missing topic or context.
QString topicIdOf(const QUrl& url) {
    const QString name = QFileInfo(url.path()).fileName();
    if (!name.endsWith(QLatin1String(".html")))
        return {};
    return helpCanonicalTopicId(name.chopped(5));
}

QPointer<HelpWindow>& instance() {
    static QPointer<HelpWindow> window;
    return window;
}

// The help window must not be blocked by the modal dialog that asked for it, so it
// belongs to that dialog's window while the dialog is up.
HelpWindow* windowFor(QWidget* parent) {
    QWidget* owner = parent ? parent->window() : nullptr;
    QPointer<HelpWindow>& window = instance();
    if (!window) {
        window = new HelpWindow(owner);
    } else if (owner != window && owner != window->parentWidget()) {
        const QRect geometry = window->geometry();
        window->setParent(owner, window->windowFlags());
        window->setGeometry(geometry);
    }
    return window;
}

void present(HelpWindow* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("HelpWindow"));

    auto navigationButton = [this](const QString& text, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return button;
    };
    backButton_ = navigationButton(QStringLiteral("Назад"), QStyle::SP_ArrowBack);
    backButton_->setEnabled(false);
    forwardButton_ = navigationButton(QStringLiteral("Вперёд"), QStyle::SP_ArrowForward);
    forwardButton_->setEnabled(false);
    auto* homeButton = navigationButton(QStringLiteral("Введение"), QStyle::SP_DirHomeIcon);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton_);
    buttons->addWidget(forwardButton_);
    buttons->addWidget(homeButton);
    buttons->addStretch(1);

    tabs_ = new QTabWidget(this);
    contentsTree_ = new QTreeWidget(tabs_);
    contentsTree_->setHeaderHidden(true);
    contentsTree_->setColumnCount(1);
    tabs_->addTab(contentsTree_, QStringLiteral("Содержание"));

    auto* indexPage = new QWidget(tabs_);
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* indexLabel = new QLabel(QStringLiteral("Введите слово для поиска:"), indexPage);
    indexSearch_ = new QLineEdit(indexPage);
    indexSearch_->setClearButtonEnabled(true);
    indexLabel->setBuddy(indexSearch_);
    indexList_ = new QTreeWidget(indexPage);
    indexList_->setHeaderHidden(true);
    indexList_->setColumnCount(1);
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(indexSearch_);
    indexLayout->addWidget(indexList_, 1);
    tabs_->addTab(indexPage, QStringLiteral("Указатель"));

    browser_ = new HelpBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDefaultStyleSheet(QString::fromUtf8(kStyleSheet));
    QFont font = browser_->font();
    font.setPointSizeF(std::max(11.0, QApplication::font().pointSizeF() + 1.5));
    browser_->setFont(font);
    browser_->document()->setDocumentMargin(12);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({390, 730});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(1120, 740);

    buildContentsTree();
    fillIndex(QString());

    connect(backButton_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(homeButton, &QToolButton::clicked, this, [this] { openTopic(kFirstTopic); });
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::syncContentsTree);
    connect(contentsTree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { openItemTopic(item); });
    connect(contentsTree_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openItemTopic(item); });
    connect(indexSearch_, &QLineEdit::textChanged, this, &HelpWindow::fillIndex);
    connect(indexSearch_, &QLineEdit::returnPressed, this, &HelpWindow::openFirstIndexResult);
    connect(indexList_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { openItemTopic(item); });
    connect(indexList_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openItemTopic(item); });
}

void HelpWindow::openTopic(const QString& topicId) {
    const QString id = helpCanonicalTopicId(topicId);
    browser_->setSource(topicUrl(id.isEmpty() ? topicId : id));
}

void HelpWindow::openContext(int contextNumber) {
    const QString id = helpTopicForContext(contextNumber);
    if (id.isEmpty())
        browser_->setSource(missingContextUrl(contextNumber));
    else
        openTopic(id);
}

void HelpWindow::showContentsTab() {
    tabs_->setCurrentWidget(contentsTree_);
    if (browser_->source().isEmpty())
        openTopic(kFirstTopic);
}

QString HelpWindow::currentTopicId() const {
    return topicIdOf(browser_->source());
}

void HelpWindow::buildContentsTree() {
    const HelpContents contents = parseHelpContents(helpContentsFileLines());
    QList<QTreeWidgetItem*> items;
    for (const HelpContentsEntry& e : contents.entries) {
        auto* item = e.parent < 0 ? new QTreeWidgetItem(contentsTree_)
                                  : new QTreeWidgetItem(items[e.parent]);
        item->setText(0, e.title);
        item->setToolTip(0, e.title);
        if (e.topicId.isEmpty()) {
            item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
        } else {
            item->setData(0, kTopicRole, helpCanonicalTopicId(e.topicId));
            item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
        }
        items << item;
    }
    contentsTree_->expandAll();
}

void HelpWindow::fillIndex(const QString& query) {
    indexList_->clear();
    const QList<HelpIndexEntry> entries = searchHelpIndex(query);
    for (const HelpIndexEntry& e : entries) {
        auto* item = new QTreeWidgetItem(indexList_);
        item->setText(0, e.keyword);
        if (e.topicIds.size() == 1) {
            item->setData(0, kTopicRole, e.topicIds.first());
            item->setToolTip(0, helpTopicTitle(e.topicIds.first()));
            continue;
        }
        for (const QString& id : e.topicIds) {
            auto* child = new QTreeWidgetItem(item);
            child->setText(0, helpTopicTitle(id));
            child->setData(0, kTopicRole, id);
        }
    }
    if (!entries.isEmpty() || query.trimmed().isEmpty())
        return;
    // No keyword fits: offer the topics whose text has the words.
    const QStringList topics = searchHelpTopics(query);
    auto* header = new QTreeWidgetItem(indexList_);
    header->setFlags(Qt::ItemIsEnabled);
    header->setText(0, topics.isEmpty()
                           ? QStringLiteral("Ничего не найдено.")
                           : QStringLiteral("В указателе нет; найдено в тексте разделов:"));
    for (const QString& id : topics) {
        auto* item = new QTreeWidgetItem(header);
        item->setText(0, helpTopicTitle(id));
        item->setData(0, kTopicRole, id);
    }
    header->setExpanded(true);
}

void HelpWindow::syncContentsTree(const QUrl& source) {
    const QString id = topicIdOf(source);
    const QSignalBlocker block(contentsTree_);
    for (QTreeWidgetItemIterator it(contentsTree_); *it; ++it) {
        if (!id.isEmpty() && (*it)->data(0, kTopicRole).toString() == id) {
            contentsTree_->setCurrentItem(*it);
            return;
        }
    }
    contentsTree_->clearSelection();
}

void HelpWindow::openItemTopic(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QString id = item->data(0, kTopicRole).toString();
    if (!id.isEmpty())
        openTopic(id);
    else if (item->childCount() > 0 && item->treeWidget() == indexList_)
        openTopic(item->child(0)->data(0, kTopicRole).toString());
}

void HelpWindow::openFirstIndexResult() {
    for (QTreeWidgetItemIterator it(indexList_); *it; ++it) {
        const QString id = (*it)->data(0, kTopicRole).toString();
        if (!id.isEmpty()) {
            indexList_->setCurrentItem(*it);
            openTopic(id);
            return;
        }
    }
}

void HelpEngine::showContents(QWidget* parent) {
    HelpWindow* window = windowFor(parent);
    window->showContentsTab();
    present(window);
}

void HelpEngine::showTopic(QWidget* parent, int contextNumber) {
    HelpWindow* window = windowFor(parent);
    window->openContext(contextNumber);
    present(window);
}

HelpWindow* HelpEngine::window() {
    return instance();
}

void HelpEngine::bindHelpKey(QWidget* window, int contextNumber) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [window, contextNumber] { showTopic(window, contextNumber); });
}
