// kelvor-batch: designs every member of a truss project file in the automatic
// mode and writes the calculation report and the summary table, as the
// windows write them member after member.
//
//   kelvor-batch PROJECT.json [--members MEMBERS.csv] [--out DIR] [--json] [--quiet]
//
// Exit status: 0 every member passes; 1 a member fails (no row passes, its
// section fails a check, or its thickness is outside the steel's range);
// 2 bad input (nothing is written); 3 a file could not be written.

#include "batch/BatchRun.h"

#include <cstdio>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kBadInput = 2;
constexpr int kProgressEvery = 100; // members between progress lines

void printErr(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

const char* const kUsage =
    "usage: kelvor-batch PROJECT.json [--members MEMBERS.csv] [--out DIR] [--json] [--quiet]\n"
    "  PROJECT.json   the passport and the members of the truss (JSON)\n"
    "  --members FILE the members as a CSV file (column heads: the field names);\n"
    "                 PROJECT.json then holds the passport only\n"
    "  --out DIR      write the report and the table into DIR (created when missing)\n"
    "  --json         print a summary of every member on standard output\n"
    "  --quiet        no progress lines\n";

struct Options {
    QString project, members, out;
    bool json = false, quiet = false;
};

bool parseOptions(const QStringList& args, Options& o, QString& error) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto value = [&](QString& target) {
            if (i + 1 >= args.size()) {
                error = a + QStringLiteral(" needs a value");
                return false;
            }
            target = args[++i];
            return true;
        };
        if (a == QStringLiteral("--json"))
            o.json = true;
        else if (a == QStringLiteral("--quiet"))
            o.quiet = true;
        else if (a == QStringLiteral("--out")) {
            if (!value(o.out))
                return false;
        } else if (a == QStringLiteral("--members")) {
            if (!value(o.members))
                return false;
        } else if (a.startsWith(QLatin1Char('-')) || !o.project.isEmpty()) {
            error = QStringLiteral("unexpected argument ") + a;
            return false;
        } else {
            o.project = a;
        }
    }
    if (o.project.isEmpty()) {
        error = QStringLiteral("no project file given");
        return false;
    }
    return true;
}

bool readFile(const QString& name, QByteArray& bytes, QStringList& errors) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) {
        errors << name + QStringLiteral(": cannot be read: ") + f.errorString();
        return false;
    }
    bytes = f.readAll();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options o;
    QString argError;
    if (!parseOptions(app.arguments(), o, argError)) {
        printErr(QStringLiteral("kelvor-batch: ") + argError);
        std::fputs(kUsage, stderr);
        return kBadInput;
    }

    // The whole input is read and checked before anything is written.
    QStringList errors;
    QByteArray json, csv;
    const bool haveJson = readFile(o.project, json, errors);
    const bool haveCsv = o.members.isEmpty() || readFile(o.members, csv, errors);
    batch::Loaded loaded;
    if (haveJson && haveCsv) {
        loaded = batch::loadProjectJson(json, !o.members.isEmpty());
        errors << loaded.errors;
        if (!o.members.isEmpty())
            batch::loadMembersCsv(csv, loaded.project, errors);
    }
    if (!errors.isEmpty()) {
        for (const QString& e : errors)
            printErr(e);
        printErr(QStringLiteral("kelvor-batch: %1 problem(s) in the input; nothing written")
                     .arg(errors.size()));
        return kBadInput;
    }

    batch::RunHooks hooks;
    const QString outDir = o.out.isEmpty() ? QString() : QFileInfo(o.out).absoluteFilePath();
    hooks.beforeFirstWrite = [outDir]() -> QString {
        if (outDir.isEmpty())
            return {};
        if (!QDir().mkpath(outDir) || !QDir::setCurrent(outDir))
            return outDir + QStringLiteral(": the output folder cannot be created or entered");
        return {};
    };
    if (!o.quiet && loaded.project.members.size() >= std::size_t(kProgressEvery))
        hooks.progress = [](int done, int total) {
            if (done % kProgressEvery == 0 || done == total)
                printErr(
                    QStringLiteral("kelvor-batch: %1 of %2 members designed").arg(done).arg(total));
        };

    const batch::RunResult result = batch::runProject(loaded.project, hooks);
    for (const batch::MemberOutcome& m : result.members)
        if (!m.passes)
            printErr(QStringLiteral("member %1 (%2): section: %3%4")
                         .arg(m.number)
                         .arg(m.name, m.problem,
                              m.written ? QStringLiteral("; written with the failure shown")
                                        : QString()));
    if (!result.ioError.isEmpty())
        printErr(QStringLiteral("kelvor-batch: ") + result.ioError);
    if (o.json) {
        const QByteArray summary = batch::summaryJson(result);
        std::fwrite(summary.constData(), 1, std::size_t(summary.size()), stdout);
    }
    return batch::exitStatus(result);
}
