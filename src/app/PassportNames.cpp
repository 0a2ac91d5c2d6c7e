#include "PassportNames.h"

#include "app/DesignState.h"

PassportFileNames passportFileNames(const QString& typedName) {
    // The report name is a bounded text of the design state: every assignment
    // keeps the first 15 characters.
    using FileNameText = decltype(DesignState::FileName);
    FileNameText name = typedName;
    if (name.isEmpty())
        name = QStringLiteral("Noname.txt");
    else if (!name.str().endsWith(QLatin1String(".txt")) &&
             !name.str().endsWith(QLatin1String(".TXT")))
        name = name.str() + QStringLiteral(".txt");

    QString table = name.str();
    const qsizetype at = table.indexOf(QLatin1String(".txt"), 0, Qt::CaseSensitive);
    if (at >= 0)
        table.remove(at, 4);
    return {name.str(), table + QStringLiteral("_Tab.txt")};
}
