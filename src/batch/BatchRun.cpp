#include "batch/BatchRun.h"

#include "app/DesignState.h"
#include "app/PassportNames.h"
#include "calc/RodCalc.h"
#include "catalogue/SteelThickness.h"
#include "common/NumberFormat.h"
#include "report/ReportFiles.h"
#include "selection/SelectionLogic.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace batch {

namespace {

// Buckling curve of each section type after SP 53-102-2004, as the section
// type chooser and the loaders set it (index: SechType).
constexpr std::uint8_t kCurveOfType[10] = {0, 3, 2, 3, 3, 3, 1, 1, 1, 1};

bool isAnglePair(int sechType) {
    return sechType >= SechEqualAnglesT && sechType <= SechUnequalAnglesLongLegs;
}

// The member's check values after its row was taken.
void recordSection(MemberOutcome& out) {
    const DesignState& ds = designState();
    out.section = ds.SechName.str().trimmed();
    out.mass = ds.Mass;
    out.steelMass = isAnglePair(ds.SechType) ? 2 * ds.Mass : ds.Mass;
    out.ry = ds.Ry;
    if (!out.tension)
        out.fi = ds.Fi;
    out.sigma = ds.Sigma;
    out.ryGammaC = ds.Ry * ds.GammaC;
    out.lambdaMax = ds.LandaMax;
    out.lambdaU = ds.LandaU;
}

QString failedChecks(const RowCheck& check, bool tension) {
    const DesignState& ds = designState();
    QStringList failed;
    if (!check.strengthOk)
        failed << QStringLiteral("%1: sigma = %2 MPa > Ry*gammaC = %3 MPa")
                      .arg(tension ? QStringLiteral("strength") : QStringLiteral("stability"),
                           num::fixed(ds.Sigma, 0, 2), num::fixed(ds.Ry * ds.GammaC, 0, 2));
    if (!check.slendernessOk)
        failed << QStringLiteral("slenderness: lambda_max = %1 > lambda_u = %2")
                      .arg(num::fixed(ds.LandaMax, 0, 2), num::fixed(ds.LandaU, 0, 2));
    return failed.join(QStringLiteral("; "));
}

} // namespace

bool RunResult::allPass() const {
    for (const MemberOutcome& m : members)
        if (!m.passes)
            return false;
    return ioError.isEmpty();
}

int RunResult::written() const {
    int n = 0;
    for (const MemberOutcome& m : members)
        n += m.written ? 1 : 0;
    return n;
}

void applyPassport(const Passport& passport) {
    DesignState& ds = designState();
    ds.NormIndex = std::uint8_t(passport.normIndex);
    ds.Normy = passport.norms;
    const PassportFileNames names = passportFileNames(passport.file);
    ds.FileName = names.fileName;
    ds.TabFileName = names.tabFileName;
    ds.Shifr = passport.shifr;
    ds.Ispolnitel = passport.author;
    ds.Organizacia = passport.organisation;
}

void applyMember(const Member& m) {
    DesignState& ds = designState();
    // Member input.
    ds.Nazvanie = m.name;
    ds.Nforce = m.force;
    ds.Lgeom = m.length;
    ds.MuX = m.muX;
    ds.MuY = m.muY;
    Length_Ef(ds.Lgeom, ds.MuX, ds.MuY, ds.Lx, ds.Ly);
    // Additional data.
    ds.GammaN = m.gammaN;
    ds.GammaC = m.gammaC;
    ds.SteelName = m.steelName;
    ds.Ry = m.ry;
    if (m.tension) {
        ds.LandaType = LandaTension;
        ds.LandaU = m.landaU;
    } else {
        ds.Gibkost = m.assumedSlenderness;
        ds.LandaType = std::uint8_t(m.landaType);
        if (m.landaType == LandaTypedIn)
            ds.LandaU = m.landaU;
    }
    // Section type, catalogue variant and the gusset of angle pairs (the
    // lattice force sizes it when given); crossed angles take the gusset of
    // their own force for the cross radii.
    ds.SechType = std::uint16_t(m.sechType);
    ds.CurveType = kCurveOfType[m.sechType];
    ds.SortVariant = std::uint8_t(m.sortVariant);
    if (m.sechType == SechEqualAnglesCross)
        ds.Tfas = Fas_Tolsh(ds.Nforce);
    else if (isAnglePair(m.sechType))
        ds.Tfas = Fas_Tolsh(m.latticeForce.value_or(ds.Nforce));
    computeRequiredArea(m.tension);
}

RunResult runProject(const Project& project, const RunHooks& hooks) {
    RunResult result;
    applyPassport(project.passport);
    DesignState& ds = designState();
    result.reportFile = ds.FileName.str();
    result.tableFile = ds.TabFileName;
    bool firstWrite = true;
    const int total = int(project.members.size());

    for (const Member& m : project.members) {
        MemberOutcome out;
        out.number = m.number;
        out.name = m.name;
        out.tension = m.tension;
        applyMember(m);
        const GridList grid = m.grid();
        int row = m.row;
        if (m.lightest) {
            row = lightestAdequateRow(grid, m.tension);
            if (row < 0)
                out.problem = noAdequateRowReason(grid, m.tension);
        }
        if (row >= 0) {
            const RowCheck check = takeRow(grid, row, m.tension);
            if (!check.evaluated) {
                out.problem = check.error;
            } else if (!check.thicknessInRange) {
                // The automatic selection stops here: no results, nothing saved.
                out.section = ds.SechName.str().trimmed();
                const SteelThicknessRule* rule = steelThicknessRule(ds.SteelName);
                out.problem = QStringLiteral("rolled thickness t = %1 mm lies outside the range of "
                                             "steel %2 (%3 to %4 mm); not written")
                                  .arg(num::fixed(ds.Tst, 0, 2), ds.SteelName.str(),
                                       num::general(rule->minThickness()),
                                       num::general(rule->maxThickness()));
            } else {
                recordSection(out);
                out.passes = check.passes();
                if (!out.passes)
                    out.problem = failedChecks(check, m.tension);
                // The results window: the report lines, then "Сохранить...".
                Rez_to_Report(!m.tension);
                if (firstWrite && hooks.beforeFirstWrite) {
                    const QString error = hooks.beforeFirstWrite();
                    if (!error.isEmpty()) {
                        result.ioError = error;
                        result.members.push_back(out);
                        return result;
                    }
                }
                ds.AppendReport = !firstWrite;
                const WriteResult saved = saveMemberResults(!m.tension);
                if (!saved.ok()) {
                    result.ioError = saved.error;
                    result.members.push_back(out);
                    return result;
                }
                out.written = true;
                result.totalSteelMass += out.steelMass;
                // "Продолжить": the next member is appended.
                firstWrite = false;
                ds.NewProject = false;
                ds.AppendReport = true;
            }
        }
        result.members.push_back(out);
        if (hooks.progress)
            hooks.progress(int(result.members.size()), total);
    }
    return result;
}

QByteArray summaryJson(const RunResult& result) {
    QJsonArray members;
    for (const MemberOutcome& m : result.members) {
        QJsonObject o;
        o.insert(QStringLiteral("number"), m.number);
        o.insert(QStringLiteral("name"), m.name);
        o.insert(QStringLiteral("kind"),
                 m.tension ? QStringLiteral("tension") : QStringLiteral("compression"));
        o.insert(QStringLiteral("pass"), m.passes);
        o.insert(QStringLiteral("written"), m.written);
        if (!m.problem.isEmpty())
            o.insert(QStringLiteral("problem"), m.problem);
        if (m.written) {
            o.insert(QStringLiteral("section"), m.section);
            o.insert(QStringLiteral("mass"), m.mass);
            o.insert(QStringLiteral("steel_mass"), m.steelMass);
            o.insert(QStringLiteral("ry"), m.ry);
            o.insert(QStringLiteral("phi"), m.fi ? QJsonValue(*m.fi) : QJsonValue());
            o.insert(QStringLiteral("sigma"), m.sigma);
            o.insert(QStringLiteral("ry_gamma_c"), m.ryGammaC);
            o.insert(QStringLiteral("utilisation"), m.sigma / m.ryGammaC);
            o.insert(QStringLiteral("lambda_max"), m.lambdaMax);
            o.insert(QStringLiteral("lambda_u"), m.lambdaU);
        } else if (!m.section.isEmpty()) {
            o.insert(QStringLiteral("section"), m.section);
        }
        members.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("members"), members);
    root.insert(QStringLiteral("total_steel_mass"), result.totalSteelMass);
    root.insert(QStringLiteral("report"),
                result.written() ? QJsonValue(result.reportFile) : QJsonValue());
    root.insert(QStringLiteral("table"),
                result.written() ? QJsonValue(result.tableFile) : QJsonValue());
    if (!result.ioError.isEmpty())
        root.insert(QStringLiteral("io_error"), result.ioError);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

int exitStatus(const RunResult& result) {
    if (!result.ioError.isEmpty())
        return 3;
    return result.allPass() ? 0 : 1;
}

} // namespace batch
