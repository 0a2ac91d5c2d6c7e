#include "report/ReportFiles.h"

#include "app/DesignState.h"
#include "report/ReportText.h"

#include <functional>
#include <QFileInfo>
#include <vector>

namespace {

struct ReportStore {
    QStringList lines = QStringList(report::kMemberLineCount);
    // Writers of the current save already done: a save that failed is
    // repeated from the writer that failed. Rebuilding the lines starts over.
    int saveStepsDone = 0;
    bool saveAppends = false;
};

ReportStore& store() {
    static ReportStore instance;
    return instance;
}

// ReportLines from `first` to 34.
QStringList memberLinesFrom(int first) {
    return store().lines.mid(first, 35 - first);
}

} // namespace

const QStringList& ReportLines() {
    return store().lines;
}

void Rez_to_Report(bool compression) {
    store().lines = report::memberLines(designState(), compression);
    store().saveStepsDone = 0;
}

WriteResult Report_New() {
    const DesignState& s = designState();
    return writeTextFile(s.FileName.str(), report::titleBlock(s) + memberLinesFrom(0),
                         WriteMode::Create);
}

WriteResult Report_Add() {
    const QString name = designState().FileName.str();
    // Only a missing file starts over with a title block; emptying an existing
    // report because it could not be opened would lose the project's members.
    if (!QFileInfo::exists(name))
        return Report_New();
    return writeTextFile(name, memberLinesFrom(1), WriteMode::Append);
}

WriteResult Table_New() {
    const DesignState& s = designState();
    return writeTextFile(s.TabFileName, report::tableHead(s), WriteMode::Create);
}

WriteResult Table_Add(bool compression) {
    const DesignState& s = designState();
    if (!QFileInfo::exists(s.TabFileName)) {
        const WriteResult head = Table_New();
        if (!head.ok())
            return head;
    }
    return writeTextFile(s.TabFileName, report::tableRow(s, compression), WriteMode::Append);
}

WriteResult saveMemberResults(bool compression) {
    ReportStore& st = store();
    const bool appends = designState().AppendReport;
    if (appends != st.saveAppends) {
        st.saveAppends = appends;
        st.saveStepsDone = 0;
    }
    const auto tableAdd = [compression] { return Table_Add(compression); };
    const std::vector<std::function<WriteResult()>> steps =
        appends ? std::vector<std::function<WriteResult()>>{Report_Add, tableAdd}
                : std::vector<std::function<WriteResult()>>{Report_New, Table_New, tableAdd};

    for (int i = st.saveStepsDone; i < int(steps.size()); ++i) {
        const WriteResult result = steps[std::size_t(i)]();
        if (!result.ok()) {
            st.saveStepsDone = i;
            return result;
        }
    }
    st.saveStepsDone = 0;
    return {};
}

void resetReportLines() {
    store() = ReportStore();
}
