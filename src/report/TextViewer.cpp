#include "report/TextViewer.h"

#include "common/FileWriter.h"
#include "common/Modal.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Courier New where it is installed, otherwise the system's fixed-pitch font
// (both carry Cyrillic letters).
QFont fixedPitchFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

bool representable(const QString& text) {
    return fromWindows1251(toWindows1251(text)) == text;
}

// The text with every character that Windows-1251 lacks replaced by "?" (the
// encoder itself would write the control character SUB).
QString withinWindows1251(const QString& text) {
    if (representable(text))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        result += representable(character) ? character : QStringLiteral("?");
        i += length;
    }
    return result;
}

QString lineEndsToCrLf(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

TextViewer::TextViewer(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TextViewer"));
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    editor_ = new QPlainTextEdit(this);
    QFont screenFont = fixedPitchFont();
    screenFont.setPixelSize(13);
    editor_->setFont(screenFont);
    // The table's lines are 96 characters wide: keep every line whole.
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);

    findBar_ = new QWidget(this);
    auto* findLayout = new QHBoxLayout(findBar_);
    findLayout->setContentsMargins(6, 4, 6, 4);
    findLayout->addWidget(new QLabel(QStringLiteral("Найти:"), findBar_));
    findEdit_ = new QLineEdit(findBar_);
    findLayout->addWidget(findEdit_, 1);
    caseBox_ = new QCheckBox(QStringLiteral("С учетом регистра"), findBar_);
    findLayout->addWidget(caseBox_);
    auto* findButton = new QPushButton(QStringLiteral("Найти далее"), findBar_);
    findButton->setAutoDefault(false);
    findLayout->addWidget(findButton);
    auto* hideButton = new QToolButton(findBar_);
    hideButton->setText(QStringLiteral("✕"));
    hideButton->setToolTip(QStringLiteral("Закрыть панель поиска"));
    findLayout->addWidget(hideButton);
    findBar_->hide();
    connect(findButton, &QPushButton::clicked, this, &TextViewer::findNextFromBar);
    connect(findEdit_, &QLineEdit::returnPressed, this, &TextViewer::findNextFromBar);
    connect(hideButton, &QToolButton::clicked, findBar_, &QWidget::hide);

    buildMenuAndToolBar(layout);
    layout->addWidget(editor_, 1);
    layout->addWidget(findBar_);

    const int charWidth = editor_->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    resize(charWidth * 100 + 40, 620);
}

void TextViewer::buildMenuAndToolBar(QVBoxLayout* layout) {
    auto* menuBar = new QMenuBar(this);
    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    const auto action = [this](const QString& text, const QKeySequence& keys) {
        auto* a = new QAction(text, this);
        a->setShortcut(keys);
        addAction(a); // shortcuts work while the editor has the focus
        return a;
    };

    QAction* save = action(QStringLiteral("&Сохранить"), QKeySequence::Save);
    QAction* print = action(QStringLiteral("&Печать..."), QKeySequence::Print);
    QAction* close = action(QStringLiteral("&Закрыть"), QKeySequence());
    QAction* undo = action(QStringLiteral("&Отменить"), QKeySequence::Undo);
    QAction* redo = action(QStringLiteral("&Повторить"), QKeySequence::Redo);
    QAction* cut = action(QStringLiteral("Вы&резать"), QKeySequence::Cut);
    QAction* copy = action(QStringLiteral("&Копировать"), QKeySequence::Copy);
    QAction* paste = action(QStringLiteral("Вст&авить"), QKeySequence::Paste);
    QAction* selectAll = action(QStringLiteral("Выделить &все"), QKeySequence::SelectAll);
    QAction* find = action(QStringLiteral("&Найти..."), QKeySequence::Find);
    QAction* findNext = action(QStringLiteral("Найти &далее"), QKeySequence::FindNext);
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    print->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    find->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));

    save->setObjectName(QStringLiteral("saveAction"));
    print->setObjectName(QStringLiteral("printAction"));
    find->setObjectName(QStringLiteral("findAction"));
    findNext->setObjectName(QStringLiteral("findNextAction"));

    connect(save, &QAction::triggered, this, &TextViewer::saveFile);
    connect(print, &QAction::triggered, this, &TextViewer::printFile);
    connect(close, &QAction::triggered, this, &QDialog::reject);
    connect(undo, &QAction::triggered, editor_, &QPlainTextEdit::undo);
    connect(redo, &QAction::triggered, editor_, &QPlainTextEdit::redo);
    connect(cut, &QAction::triggered, editor_, &QPlainTextEdit::cut);
    connect(copy, &QAction::triggered, editor_, &QPlainTextEdit::copy);
    connect(paste, &QAction::triggered, editor_, &QPlainTextEdit::paste);
    connect(selectAll, &QAction::triggered, editor_, &QPlainTextEdit::selectAll);
    connect(find, &QAction::triggered, this, &TextViewer::showFind);
    connect(findNext, &QAction::triggered, this, &TextViewer::findNextFromBar);

    QMenu* fileMenu = menuBar->addMenu(QStringLiteral("&Файл"));
    fileMenu->addAction(save);
    fileMenu->addAction(print);
    fileMenu->addSeparator();
    fileMenu->addAction(close);
    QMenu* editMenu = menuBar->addMenu(QStringLiteral("&Правка"));
    editMenu->addAction(undo);
    editMenu->addAction(redo);
    editMenu->addSeparator();
    editMenu->addAction(cut);
    editMenu->addAction(copy);
    editMenu->addAction(paste);
    editMenu->addSeparator();
    editMenu->addAction(selectAll);
    editMenu->addSeparator();
    editMenu->addAction(find);
    editMenu->addAction(findNext);

    toolBar->addAction(save);
    toolBar->addAction(print);
    toolBar->addSeparator();
    toolBar->addAction(find);

    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
}

bool TextViewer::open(QWidget* parent, const QString& fileName) {
    TextViewer viewer(parent);
    QString error;
    if (!viewer.load(fileName, &error)) {
        Modal::error(parent, error);
        return false;
    }
    Modal::exec(viewer);
    return true;
}

bool TextViewer::load(const QString& fileName, QString* error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Не удалось открыть файл «%1» (%2).")
                         .arg(fileName, file.errorString());
        return false;
    }
    QString text = fromWindows1251(file.readAll());
    // The files end their lines in CR LF; the editor works with LF and the
    // save puts the CR back.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    fileName_ = fileName;
    setWindowTitle(fileName);
    editor_->setPlainText(text);
    editor_->document()->setModified(false);
    return true;
}

QString TextViewer::text() const {
    return editor_->toPlainText();
}

bool TextViewer::saveTo(const QString& fileName, QString* error) {
    const QString crLfText = lineEndsToCrLf(text());
    const QByteArray bytes = toWindows1251(withinWindows1251(crLfText));
    QSaveFile file(fileName);
    // Written to a temporary file and renamed at the end: a failed save
    // leaves the file as it was.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Ошибка ввода-вывода: не удалось сохранить файл «%1» (%2).")
                         .arg(fileName, file.errorString());
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

bool TextViewer::saveAsked() {
    if (!representable(text()) &&
        !Modal::ask(this, QStringLiteral("Некоторые знаки текста не входят в кодировку "
                                         "Windows-1251 и будут записаны как «?». Сохранить?")))
        return false;
    QString error;
    if (!saveTo(fileName_, &error)) {
        Modal::error(this, error);
        return false;
    }
    return true;
}

void TextViewer::saveFile() {
    saveAsked();
}

void TextViewer::printTo(QPagedPaintDevice& device) const {
    QTextDocument document;
    QFont font = fixedPitchFont();
    // 8 pt keeps a 96-character table line within an A4 page's width.
    font.setPointSize(8);
    document.setDefaultFont(font);
    document.setPlainText(text());
    document.print(&device);
}

void TextViewer::printFile() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(fileName_);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("TextViewerPrint"));
    dialog.setWindowTitle(QStringLiteral("Печать"));
    if (Modal::exec(dialog) == QDialog::Accepted)
        printTo(printer);
}

void TextViewer::showFind() {
    findBar_->show();
    const QString selected = editor_->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        findEdit_->setText(selected);
    findEdit_->setFocus();
    findEdit_->selectAll();
}

bool TextViewer::findNext(const QString& what, bool caseSensitive) {
    if (what.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        caseSensitive ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
    if (editor_->find(what, flags))
        return true;
    // Go round to the start once.
    const QTextCursor before = editor_->textCursor();
    editor_->moveCursor(QTextCursor::Start);
    if (editor_->find(what, flags))
        return true;
    editor_->setTextCursor(before);
    return false;
}

void TextViewer::findNextFromBar() {
    if (findEdit_->text().isEmpty()) {
        showFind();
        return;
    }
    if (!findNext(findEdit_->text(), caseBox_->isChecked()))
        Modal::inform(this, QStringLiteral("Текст «%1» не найден.").arg(findEdit_->text()));
}

void TextViewer::done(int result) {
    if (editor_->document()->isModified() &&
        Modal::ask(
            this,
            QStringLiteral("Текст файла «%1» изменен. Сохранить изменения?").arg(fileName_)) &&
        !saveAsked())
        return; // stay open: the changes are not lost
    QDialog::done(result);
}
