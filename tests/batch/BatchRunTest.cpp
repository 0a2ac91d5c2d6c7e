// kelvor-batch: the checks of a project file, the CSV members, the files
// written, the exit status, --out and the --json summary.

#include "batch/BatchRun.h"
#include "app/DesignState.h"
#include "common/FileWriter.h"
#include "report/ReportFiles.h"

#include <functional>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// A chord in compression and a diagonal in tension of one truss.
const char* const kProject = R"({
  "passport": {"norms": "СНиП II-23-81*", "file": "Ferma1", "shifr": "17-04-КМ",
               "author": "И. Петров", "organisation": "УО \"ЗлНСК\""},
  "members": [
    {"name": "В1", "force": 250, "length": 2850, "mu_x": 1, "mu_y": 1, "kind": "compression",
     "gamma_n": 1.0, "gamma_c": 0.95, "steel": "C245", "assumed_slenderness": 90,
     "limit": {"rule": 1}, "lattice_force": null,
     "section": {"type": 1, "variant": 0, "designation": "lightest"}},
    {"name": "Р2", "force": 120, "length": 3900, "mu_x": 0.8, "mu_y": 1, "kind": "tension",
     "gamma_n": 0.95, "gamma_c": 1, "steel": {"ry": 240}, "limit": {"value": 400},
     "lattice_force": 310, "section": {"type": 9, "variant": 3, "designation": "57 x 3"}}
  ]})";

// The same members as a spreadsheet would save them.
const char* const kMembersCsv =
    "name;force;length;mu_x;mu_y;kind;gamma_n;gamma_c;steel;steel.ry;assumed_slenderness;"
    "limit.rule;limit.value;lattice_force;section.type;section.variant;section.designation\r\n"
    "В1;250;2850;1;1;compression;1.0;0.95;C245;;90;1;;;1;0;lightest\r\n"
    "Р2;120;3900;0.8;1;tension;0.95;1;;240;;;400;310;9;3;57 x 3\r\n";

QJsonObject projectObject() {
    return QJsonDocument::fromJson(kProject).object();
}

QByteArray toBytes(const QJsonObject& o) {
    return QJsonDocument(o).toJson();
}

QByteArray readAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Outcome {
    int status = -1;
    QString out, err;
};

class BatchRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir(dir_.path()).mkpath(QStringLiteral("in"));
        QDir(dir_.path()).mkpath(QStringLiteral("work"));
        QDir::setCurrent(work());
        resetDesignState();
        resetReportLines();
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QString in(const QString& name) const { return dir_.path() + QStringLiteral("/in/") + name; }
    QString work() const { return dir_.path() + QStringLiteral("/work"); }
    QStringList workFiles() const {
        return QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    // Runs the program in the working folder.
    Outcome run(const QStringList& args) {
        QProcess p;
        p.setWorkingDirectory(work());
        p.start(QStringLiteral(KELVOR_BATCH_EXE), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    Outcome runProject(const QByteArray& json, QStringList extra = {}) {
        writeAll(in(QStringLiteral("p.json")), json);
        return run(QStringList{in(QStringLiteral("p.json"))} + extra);
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A member field set (or removed with an undefined value) for one case.
QByteArray withMemberField(int index, const QString& path, const QJsonValue& value) {
    QJsonObject root = projectObject();
    QJsonArray members = root.value(QStringLiteral("members")).toArray();
    QJsonObject m = members[index].toObject();
    const QStringList parts = path.split(QLatin1Char('.'));
    if (parts.size() == 1) {
        if (value.isUndefined())
            m.remove(path);
        else
            m.insert(path, value);
    } else {
        QJsonObject inner = m.value(parts[0]).toObject();
        if (value.isUndefined())
            inner.remove(parts[1]);
        else
            inner.insert(parts[1], value);
        m.insert(parts[0], inner);
    }
    members[index] = m;
    root.insert(QStringLiteral("members"), members);
    return toBytes(root);
}

} // namespace

TEST_F(BatchRun, BadInputIsReportedExactlyAndNothingIsWritten) {
    struct Case {
        int member;
        const char* field;
        QJsonValue value;
        QString message;
    };
    const QString longName(51, QLatin1Char('x'));
    const Case cases[] = {
        {0, "force", QJsonValue(QJsonValue::Undefined), "member 1 (В1): force: missing"},
        {0, "steel", "C999",
         "member 1 (В1): steel: unknown steel \"C999\" (grades: C235, C245, C255, C275, C285, "
         "C345, C345K, C375, 20, 16Г2АФ; or {\"ry\": 200 ... 400})"},
        {0, "force", -250, "member 1 (В1): force: must be 0 or more"},
        {1, "mu_x", 0, "member 2 (Р2): mu_x: must be more than 0"},
        {1, "section.designation", "57 x 2",
         "member 2 (Р2): section.designation: no row \"57 x 2\" in the catalogue of section "
         "type 9 (variant 3)"},
        {0, "force", "250", "member 1 (В1): force: must be a number"},
        {0, "section.type", 10, "member 1 (В1): section.type: must be a whole number 1 ... 9"},
        {0, "section.variant", 3, "member 1 (В1): section.variant: type 1 takes 0 or 1"},
        {0, "gamma_n", 1.6, "member 1 (В1): gamma_n: must lie within 0.5 ... 1.5"},
        {1, "steel", QJsonObject{{"ry", 240.5}},
         "member 2 (Р2): steel.ry: must be a whole number 200 ... 400"},
        {1, "limit", QJsonObject{{"rule", 1}},
         "member 2 (Р2): limit.rule: a rule applies to compression only; a member in tension "
         "takes {\"value\": 120 ... 400}"},
        {0, "limit", QJsonObject{{"value", 119}},
         "member 1 (В1): limit.value: must be a whole number 120 ... 400"},
        {0, "assumed_slenderness", 201,
         "member 1 (В1): assumed_slenderness: must be a whole number 0 ... 200"},
        {0, "kind", "compressed", "member 1 (В1): kind: must be \"compression\" or \"tension\""},
        {0, "name", longName,
         QStringLiteral("member 1 (%1): name: longer than 50 characters").arg(longName)},
        {0, "name", "В1 ✓", "member 1 (В1 ✓): name: cannot be written in Windows-1251"},
        {0, "name", "В1\nВ2",
         "member 1 (В1\nВ2): name: must not hold line breaks or control "
         "characters"},
        {0, "section.tees", "beam", "member 1 (В1): section.tees: only for type 5"},
        {0, "mu-y", 1, "member 1 (В1): mu-y: unknown field"},
    };
    for (const Case& c : cases) {
        const Outcome r =
            runProject(withMemberField(c.member, QString::fromUtf8(c.field), c.value));
        EXPECT_EQ(r.status, 2) << c.message.toStdString();
        // The whole line, then the closing line of the run.
        EXPECT_TRUE(r.err.startsWith(c.message + QLatin1Char('\n'))) << r.err.toStdString();
        EXPECT_TRUE(r.err.endsWith(QStringLiteral("nothing written\n"))) << r.err.toStdString();
        EXPECT_TRUE(workFiles().isEmpty()) << c.message.toStdString();
        QDir(work()).removeRecursively();
        QDir().mkpath(work());
    }
}

TEST_F(BatchRun, BadPassportAndProjectShapes) {
    struct Case {
        QByteArray json;
        const char* message;
    };
    QJsonObject longFile = projectObject();
    QJsonObject passport = longFile.value(QStringLiteral("passport")).toObject();
    passport.insert(QStringLiteral("file"), QStringLiteral("Ferma12345X"));
    longFile.insert(QStringLiteral("passport"), passport);
    QJsonObject pathFile = projectObject();
    passport.insert(QStringLiteral("file"), QStringLiteral("../x"));
    pathFile.insert(QStringLiteral("passport"), passport);
    QJsonObject badNorms = projectObject();
    passport.insert(QStringLiteral("file"), QStringLiteral("F"));
    passport.insert(QStringLiteral("norms"), QStringLiteral("СНиП"));
    badNorms.insert(QStringLiteral("passport"), passport);
    QJsonObject noMembers = projectObject();
    noMembers.insert(QStringLiteral("members"), QJsonArray());
    const Case cases[] = {
        {toBytes(longFile), "passport: file: longer than 10 characters"},
        {toBytes(pathFile), "passport: file: must be a file name, not a path"},
        {toBytes(badNorms), "passport: norms: must be \"СНиП II-23-81*\" or \"СП 53-102-2004\""},
        {toBytes(noMembers), "members: must be a non-empty list"},
        {QByteArray("{\"passport\": "), "project: not valid JSON at character 13: "},
    };
    for (const Case& c : cases) {
        const Outcome r = runProject(c.json);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(workFiles().isEmpty());
    }
}

TEST_F(BatchRun, CsvMembersGiveTheSameFilesAsTheProjectFile) {
    QJsonObject passportOnly = projectObject();
    passportOnly.remove(QStringLiteral("members"));
    writeAll(in(QStringLiteral("passport.json")), toBytes(passportOnly));
    writeAll(in(QStringLiteral("members.csv")), kMembersCsv);
    // The CSV saved by a Russian spreadsheet: Windows-1251.
    writeAll(in(QStringLiteral("members1251.csv")), toWindows1251(QString::fromUtf8(kMembersCsv)));

    const Outcome fromJson =
        runProject(kProject, {QStringLiteral("--out"), QStringLiteral("json")});
    const QStringList csvArgs = {in(QStringLiteral("passport.json")), QStringLiteral("--members")};
    const Outcome fromCsv =
        run(csvArgs + QStringList{in(QStringLiteral("members.csv")), QStringLiteral("--out"),
                                  QStringLiteral("csv")});
    const Outcome fromCsv1251 =
        run(csvArgs + QStringList{in(QStringLiteral("members1251.csv")), QStringLiteral("--out"),
                                  QStringLiteral("csv1251")});
    ASSERT_EQ(fromJson.status, 0) << fromJson.err.toStdString();
    ASSERT_EQ(fromCsv.status, 0) << fromCsv.err.toStdString();
    ASSERT_EQ(fromCsv1251.status, 0) << fromCsv1251.err.toStdString();
    for (const char* name : {"Ferma1.txt", "Ferma1_Tab.txt"}) {
        const QByteArray expected = readAll(work() + QStringLiteral("/json/") + name);
        ASSERT_FALSE(expected.isEmpty()) << name;
        EXPECT_EQ(readAll(work() + QStringLiteral("/csv/") + name), expected) << name;
        EXPECT_EQ(readAll(work() + QStringLiteral("/csv1251/") + name), expected) << name;
    }
}

TEST_F(BatchRun, CsvCellsAreCheckedLikeTheProjectFile) {
    QJsonObject passportOnly = projectObject();
    passportOnly.remove(QStringLiteral("members"));
    writeAll(in(QStringLiteral("passport.json")), toBytes(passportOnly));
    QByteArray csv = kMembersCsv;
    csv.replace("В1;250;", "В1;25O;"); // a letter O typed for a zero
    writeAll(in(QStringLiteral("members.csv")), csv);
    const Outcome r = run({in(QStringLiteral("passport.json")), QStringLiteral("--members"),
                           in(QStringLiteral("members.csv"))});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("member 1 (В1): force: must be a number\n")));
    EXPECT_TRUE(workFiles().isEmpty());
}

TEST_F(BatchRun, ExitStatusAndWhatIsWritten) {
    struct Case {
        const char* what;
        QByteArray json;
        int status;
        QStringList files;
        int membersInTable; // rows of three lines after the 19 lines of the head
    };
    // Member 1 left without a passing row: 20000 kN.
    const QByteArray noRow = withMemberField(0, QStringLiteral("force"), 20000);
    // Member 2 kept with an over-stressed section: 57 x 3 carries about 50 kN.
    const QByteArray overStressed = withMemberField(1, QStringLiteral("force"), 400);
    // Member 2 thicker than the steel's range: 16Г2АФ covers 6 to 9 mm.
    QJsonObject root = QJsonDocument::fromJson(noRow).object();
    QJsonArray members = root.value(QStringLiteral("members")).toArray();
    QJsonObject second = members[1].toObject();
    second.insert(QStringLiteral("steel"), QStringLiteral("16Г2АФ"));
    members[1] = second;
    root.insert(QStringLiteral("members"), members);
    const QByteArray noneWritten = toBytes(root);

    const QStringList both = {QStringLiteral("Ferma1.txt"), QStringLiteral("Ferma1_Tab.txt")};
    const Case cases[] = {
        {"all pass", kProject, 0, both, 2},
        {"no row passes for member 1", noRow, 1, both, 1},
        {"member 2 over-stressed, written", overStressed, 1, both, 2},
        {"nothing to write", noneWritten, 1, {}, 0},
    };
    for (const Case& c : cases) {
        QDir(work()).removeRecursively();
        QDir().mkpath(work());
        const Outcome r = runProject(c.json);
        EXPECT_EQ(r.status, c.status) << c.what << r.err.toStdString();
        EXPECT_EQ(workFiles(), c.files) << c.what;
        if (!c.files.isEmpty()) {
            const QByteArray table = readAll(work() + QStringLiteral("/Ferma1_Tab.txt"));
            EXPECT_EQ(table.count("\r\n"), 19 + 3 * c.membersInTable) << c.what;
        }
    }
}

TEST_F(BatchRun, FailuresAreNamedOnStandardError) {
    const Outcome noRow = runProject(withMemberField(0, QStringLiteral("force"), 20000));
    EXPECT_TRUE(noRow.err.contains(
        QStringLiteral("member 1 (В1): section: no row meets the stability check sigma <= "
                       "Ry*gammaC; the closest is 250 x 30")))
        << noRow.err.toStdString();
    const Outcome over = runProject(withMemberField(1, QStringLiteral("force"), 400));
    EXPECT_TRUE(over.err.contains(QStringLiteral("member 2 (Р2): section: strength: sigma = ")))
        << over.err.toStdString();
    EXPECT_TRUE(over.err.contains(QStringLiteral("; written with the failure shown\n")));
    // The report shows the failure as the windows do for a section kept after "No".
    const QString report = fromWindows1251(readAll(work() + QStringLiteral("/Ferma1.txt")));
    EXPECT_TRUE(report.contains(QStringLiteral("% - НЕДОПУСТИМО!")));
}

TEST_F(BatchRun, OutFolderIsCreated) {
    const Outcome r = runProject(
        kProject, {QStringLiteral("--out"), QStringLiteral("a/b"), QStringLiteral("--quiet")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QDir(work() + QStringLiteral("/a/b")).entryList(QDir::Files),
              (QStringList{QStringLiteral("Ferma1.txt"), QStringLiteral("Ferma1_Tab.txt")}));
    EXPECT_EQ(workFiles(), QStringList{QStringLiteral("a")});
}

TEST_F(BatchRun, JsonSummary) {
    const Outcome r = runProject(kProject, {QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject summary = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QJsonArray members = summary.value(QStringLiteral("members")).toArray();
    ASSERT_EQ(members.size(), 2);
    const QJsonObject chord = members[0].toObject();
    const QJsonObject tie = members[1].toObject();
    EXPECT_EQ(chord.value(QStringLiteral("pass")).toBool(), true);
    EXPECT_EQ(chord.value(QStringLiteral("ry")).toDouble(), 240);
    EXPECT_TRUE(chord.value(QStringLiteral("phi")).isDouble());
    // Two angles: the steel is twice the report's member mass.
    EXPECT_DOUBLE_EQ(chord.value(QStringLiteral("steel_mass")).toDouble(),
                     2 * chord.value(QStringLiteral("mass")).toDouble());
    EXPECT_NEAR(chord.value(QStringLiteral("utilisation")).toDouble(),
                chord.value(QStringLiteral("sigma")).toDouble() / (240 * 0.95), 1e-12);
    // A pipe in tension: one section, no φ; 57 x 3 is 4 kg/m over 3.9 m.
    EXPECT_EQ(tie.value(QStringLiteral("section")).toString(), QStringLiteral("57 x 3"));
    EXPECT_TRUE(tie.value(QStringLiteral("phi")).isNull());
    EXPECT_NEAR(tie.value(QStringLiteral("mass")).toDouble(), 4 * 3.9, 1e-9);
    EXPECT_DOUBLE_EQ(tie.value(QStringLiteral("steel_mass")).toDouble(),
                     tie.value(QStringLiteral("mass")).toDouble());
    EXPECT_DOUBLE_EQ(summary.value(QStringLiteral("total_steel_mass")).toDouble(),
                     chord.value(QStringLiteral("steel_mass")).toDouble() +
                         tie.value(QStringLiteral("steel_mass")).toDouble());
    EXPECT_EQ(summary.value(QStringLiteral("report")).toString(), QStringLiteral("Ferma1.txt"));
}

TEST_F(BatchRun, ExampleTrussDesignsEveryMember) {
    const Outcome r =
        run({QStringLiteral(KELVOR_EXAMPLES_DIR "/truss.json"), QStringLiteral("--json")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonArray members =
        QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("members")).toArray();
    EXPECT_GE(members.size(), 10);
    for (const QJsonValue& m : members)
        EXPECT_TRUE(m.toObject().value(QStringLiteral("written")).toBool());
}
