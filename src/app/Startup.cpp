#include "Startup.h"

#include "tools/HelpContents.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

QString applicationTitle() {
    return QStringLiteral("Подбор центрально-нагруженных сечений стержней");
}

QString mainWindowCaption() {
    return QStringLiteral("Подбор сечений центрально-нагруженных стальных элементов");
}

namespace {

std::function<QChar()> separatorSource;
std::function<void()> endHandler;
bool ending = false;

} // namespace

QChar regionalDecimalSeparator() {
    if (separatorSource)
        return separatorSource();
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

void setDecimalSeparatorSource(std::function<QChar()> source) {
    separatorSource = std::move(source);
}

void endProgram() {
    ending = true;
    if (endHandler)
        endHandler();
    else
        QCoreApplication::exit(0);
}

bool programEnding() {
    return ending;
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler = std::move(handler);
    ending = false;
}

QString helpContentsFileName() {
    return QStringLiteral("Kelvor.CNT");
}

WriteResult writeHelpContentsFileIfMissing() {
    // QFileInfo::exists is also true for a folder of that name: then nothing is
    // written either, as a file cannot be created there.
    if (QFileInfo::exists(helpContentsFileName()))
        return {};
    return writeTextFile(helpContentsFileName(), helpContentsFileLines(), WriteMode::Create);
}
