// The text viewer of the report files: opening through the modal seam,
// Windows-1251 and CR LF kept on save, search, printing to PDF.

#include "report/TextViewer.h"
#include "common/FileWriter.h"
#include "ScriptedModal.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QToolBar>

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QByteArray readFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// "Стержень сжат", "", "Стержень растянут" in Windows-1251 with CR LF.
const QByteArray kReport = "\xD1\xF2\xE5\xF0\xE6\xE5\xED\xFC \xF1\xE6\xE0\xF2\r\n"
                           "\r\n"
                           "\xD1\xF2\xE5\xF0\xE6\xE5\xED\xFC \xF0\xE0\xF1\xF2\xFF\xED\xF3\xF2\r\n";

class TextViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        QFile file(QStringLiteral("Noname.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kReport);
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir dir_;
    QString previous_;
};

TEST_F(TextViewerTest, OpensTheFileByNameThroughTheModalSeam) {
    ScriptedModal modal;
    QString caption, text;
    bool fixedPitch = false;
    modal.onDialog(QStringLiteral("TextViewer"), [&](QDialog& d) {
        auto& viewer = static_cast<TextViewer&>(d);
        caption = viewer.windowTitle();
        text = viewer.text();
        fixedPitch = QFontInfo(viewer.editor()->font()).fixedPitch();
        return rejectDialog(d);
    });
    EXPECT_TRUE(TextViewer::open(nullptr, QStringLiteral("Noname.txt")));
    EXPECT_EQ(modal.dialogs(), QStringList{QStringLiteral("TextViewer")});
    EXPECT_EQ(caption, QStringLiteral("Noname.txt"));
    EXPECT_EQ(text, q("Стержень сжат\n\nСтержень растянут\n"));
    EXPECT_TRUE(fixedPitch);
}

TEST_F(TextViewerTest, AFileThatCannotBeReadIsReportedAndNoViewerOpens) {
    ScriptedModal modal;
    EXPECT_FALSE(TextViewer::open(nullptr, QStringLiteral("Noname_Tab.txt")));
    EXPECT_TRUE(modal.dialogs().isEmpty());
    const QStringList errors = modal.texts(ScriptedModal::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("Noname_Tab.txt")));
}

TEST_F(TextViewerTest, SavingKeepsWindows1251AndCrLf) {
    TextViewer viewer;
    ASSERT_TRUE(viewer.load(QStringLiteral("Noname.txt"), nullptr));
    QString error;
    ASSERT_TRUE(viewer.saveTo(QStringLiteral("Noname.txt"), &error)) << error.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), kReport) << "an unedited file is unchanged";

    QTextCursor cursor(viewer.editor()->document());
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.insertText(q("Ёж"));
    EXPECT_TRUE(viewer.editor()->document()->isModified());
    viewer.saveFile();
    EXPECT_FALSE(viewer.editor()->document()->isModified());
    QByteArray expected = kReport;
    expected.replace("\r\n\r\n", "\r\n\xA8\xE6\r\n");
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), expected);
}

TEST_F(TextViewerTest, CharactersOutsideWindows1251AreSavedOnlyAfterTheQuestion) {
    ScriptedModal modal;
    TextViewer viewer;
    ASSERT_TRUE(viewer.load(QStringLiteral("Noname.txt"), nullptr));
    viewer.editor()->moveCursor(QTextCursor::End);
    viewer.editor()->insertPlainText(QString::fromUtf16(u"\u2264"));
    modal.answer(false);
    viewer.saveFile();
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), kReport);
    modal.answer(true);
    viewer.saveFile();
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), kReport + "?");
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Ask).size(), 2);
}

TEST_F(TextViewerTest, ClosingWithChangesAsksToSave) {
    ScriptedModal modal;
    TextViewer viewer;
    ASSERT_TRUE(viewer.load(QStringLiteral("Noname.txt"), nullptr));
    viewer.editor()->moveCursor(QTextCursor::End);
    viewer.editor()->insertPlainText(QStringLiteral("x"));
    modal.answer(true);
    viewer.reject();
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Ask).size(), 1);
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), kReport + "x");
}

TEST_F(TextViewerTest, FindNextWithAndWithoutCase) {
    ScriptedModal modal;
    TextViewer viewer;
    ASSERT_TRUE(viewer.load(QStringLiteral("Noname.txt"), nullptr));
    struct Step {
        const char* what;
        bool caseSensitive;
        bool found;
        int line; // block of the selection when found
    };
    const Step steps[] = {
        {"стержень", false, true, 0}, {"стержень", false, true, 2},
        {"стержень", false, true, 0}, // round to the start
        {"стержень", true, false, 0}, {"растянут", true, true, 2},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(viewer.findNext(q(s.what), s.caseSensitive), s.found) << s.what;
        if (s.found) {
            EXPECT_EQ(viewer.editor()->textCursor().blockNumber(), s.line) << s.what;
            EXPECT_EQ(viewer.editor()->textCursor().selectedText().toLower(), q(s.what));
        }
    }
}

TEST_F(TextViewerTest, HasAMenuAndAToolBar) {
    TextViewer viewer;
    auto* menuBar = viewer.findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    QStringList menus;
    for (QAction* a : menuBar->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({q("&Файл"), q("&Правка")}));
    auto* toolBar = viewer.findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    for (const char* name : {"saveAction", "printAction", "findAction"}) {
        auto* action = viewer.findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(toolBar->actions().contains(action)) << name;
    }
}

TEST_F(TextViewerTest, PrintsToPdf) {
    TextViewer viewer;
    ASSERT_TRUE(viewer.load(QStringLiteral("Noname.txt"), nullptr));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("report.pdf"));
    viewer.printTo(printer);
    const QByteArray pdf = readFile(QStringLiteral("report.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
}

TEST_F(TextViewerTest, PrintCommandGoesThroughThePrintDialog) {
    ScriptedModal modal;
    TextViewer viewer;
    ASSERT_TRUE(viewer.load(QStringLiteral("Noname.txt"), nullptr));
    const QString pdfName = QDir::current().filePath(QStringLiteral("printed.pdf"));
    modal.onDialog(QStringLiteral("TextViewerPrint"), [&](QDialog& d) {
        // Accepting takes the dialog's settings into the printer; the PDF
        // file is chosen after that, as the user would in the dialog.
        const int result = acceptDialog(d);
        QPrinter* printer = static_cast<QPrintDialog&>(d).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfName);
        return result;
    });
    viewer.findChild<QAction*>(QStringLiteral("printAction"))->trigger();
    EXPECT_EQ(modal.dialogs(), QStringList{QStringLiteral("TextViewerPrint")});
    EXPECT_TRUE(readFile(pdfName).startsWith("%PDF"));
}

} // namespace
