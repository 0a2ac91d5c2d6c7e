#pragma once
// The viewer and editor of the report and table files: opens a Windows-1251
// text file by name, shows it in a fixed-pitch font, lets the user edit it,
// find text (next match, with or without case), save it back (Windows-1251,
// CR LF line ends) and print it. A menu and a tool bar carry the commands;
// the caption is the file name.
//
// The results window opens it with TextViewer::open(), which shows it through
// the modal seam under the object name "TextViewer" (the print dialog under
// "TextViewerPrint").

#include <QDialog>
#include <QString>

class QAction;
class QCheckBox;
class QLineEdit;
class QPagedPaintDevice;
class QPlainTextEdit;
class QWidget;

class TextViewer : public QDialog {
    Q_OBJECT

public:
    explicit TextViewer(QWidget* parent = nullptr);

    // Shows `fileName` in a modal viewer. A file that cannot be read is
    // reported in an error box and no viewer opens; returns false then.
    static bool open(QWidget* parent, const QString& fileName);

    // Reads the file into the editor; on failure returns false and sets
    // `error` to the text for the error box.
    bool load(const QString& fileName, QString* error);
    // Writes the editor's text back to the file; on failure returns false
    // and sets `error`.
    bool saveTo(const QString& fileName, QString* error);

    const QString& fileName() const { return fileName_; }
    QString text() const;
    QPlainTextEdit* editor() const { return editor_; }

    // Selects the next match of `what` after the cursor, going round to the
    // start once; false when the text has none.
    bool findNext(const QString& what, bool caseSensitive);

    // Prints the text on `device` (a printer, or a PDF writer) in a
    // fixed-pitch font, page by page.
    void printTo(QPagedPaintDevice& device) const;

public slots:
    void saveFile();
    void printFile();
    void showFind();
    void findNextFromBar();

protected:
    void done(int result) override;

private:
    void buildMenuAndToolBar(class QVBoxLayout* layout);
    // Saves after the question about characters outside Windows-1251; an
    // error is shown. True when the file was written.
    bool saveAsked();

    QString fileName_;
    QPlainTextEdit* editor_ = nullptr;
    QWidget* findBar_ = nullptr;
    QLineEdit* findEdit_ = nullptr;
    QCheckBox* caseBox_ = nullptr;
};
