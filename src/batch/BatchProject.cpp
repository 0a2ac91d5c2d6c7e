#include "batch/BatchProject.h"

#include "app/SteelTable.h"
#include "common/FileWriter.h"
#include "common/TextToReal.h"

#include <cmath>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringDecoder>

namespace batch {

const char* const kNormsSnip = "СНиП II-23-81*";
const char* const kNormsSp = "СП 53-102-2004";

namespace {

// Field lengths of the windows: the member name, the passport's file name and
// its code, author and organisation.
constexpr int kNameLength = 50;
constexpr int kFileLength = 10;
constexpr int kPassportTextLength = 50;

// Limits of the additional-data dialog's spin edits and up-down control.
constexpr double kGammaNMin = 0.5, kGammaNMax = 1.5;
constexpr int kTypedRyMin = 200, kTypedRyMax = 400;
constexpr int kTypedLimitMin = 120, kTypedLimitMax = 400;
constexpr int kAssumedSlendernessMax = 200;
constexpr int kDefaultAssumedSlenderness = 90;

const QStringList kMemberFields = {QStringLiteral("name"),    QStringLiteral("force"),
                                   QStringLiteral("length"),  QStringLiteral("mu_x"),
                                   QStringLiteral("mu_y"),    QStringLiteral("kind"),
                                   QStringLiteral("gamma_n"), QStringLiteral("gamma_c"),
                                   QStringLiteral("steel"),   QStringLiteral("assumed_slenderness"),
                                   QStringLiteral("limit"),   QStringLiteral("lattice_force"),
                                   QStringLiteral("section")};
const QStringList kPassportFields = {QStringLiteral("norms"), QStringLiteral("file"),
                                     QStringLiteral("shifr"), QStringLiteral("author"),
                                     QStringLiteral("organisation")};
const QStringList kSectionFields = {QStringLiteral("type"), QStringLiteral("variant"),
                                    QStringLiteral("tees"), QStringLiteral("designation")};

// Collects the problems of one object under one label ("member 2 (В1)").
class Checker {
public:
    Checker(QString label, QStringList& errors) : label_(std::move(label)), errors_(errors) {}

    void fail(const QString& field, const QString& what) {
        errors_ << label_ + QStringLiteral(": ") + field + QStringLiteral(": ") + what;
        ok_ = false;
    }
    bool ok() const { return ok_; }

    void unknownFields(const QJsonObject& o, const QStringList& known, const QString& prefix = {}) {
        for (const QString& key : o.keys())
            if (!known.contains(key))
                fail(prefix + key, QStringLiteral("unknown field"));
    }

    std::optional<double> number(const QJsonObject& o, const QString& key, const QString& field,
                                 bool required = true) {
        const QJsonValue v = o.value(key);
        if (v.isUndefined() || (!required && v.isNull())) {
            if (required)
                fail(field, QStringLiteral("missing"));
            return std::nullopt;
        }
        if (!v.isDouble()) {
            fail(field, QStringLiteral("must be a number"));
            return std::nullopt;
        }
        return v.toDouble();
    }

    std::optional<int> whole(const QJsonObject& o, const QString& key, const QString& field,
                             int min, int max, bool required = true) {
        const std::optional<double> v = number(o, key, field, required);
        if (!v)
            return std::nullopt;
        if (*v != std::floor(*v) || *v < min || *v > max) {
            fail(field, QStringLiteral("must be a whole number %1 ... %2").arg(min).arg(max));
            return std::nullopt;
        }
        return int(*v);
    }

    // A text that the report can carry: a single line, writable in
    // Windows-1251, within the field's length (a longer text is not cut).
    std::optional<QString> text(const QJsonObject& o, const QString& key, const QString& field,
                                int maxLength, bool required = true) {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            if (required)
                fail(field, QStringLiteral("missing"));
            return std::nullopt;
        }
        if (!v.isString()) {
            fail(field, QStringLiteral("must be a text"));
            return std::nullopt;
        }
        const QString s = v.toString();
        if (s.size() > maxLength) {
            fail(field, QStringLiteral("longer than %1 characters").arg(maxLength));
            return std::nullopt;
        }
        for (const QChar c : s)
            if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
                fail(field, QStringLiteral("must not hold line breaks or control characters"));
                return std::nullopt;
            }
        if (fromWindows1251(toWindows1251(s)) != s) {
            fail(field, QStringLiteral("cannot be written in Windows-1251"));
            return std::nullopt;
        }
        return s;
    }

private:
    QString label_;
    QStringList& errors_;
    bool ok_ = true;
};

// Steel grades are written with Latin letters; the Cyrillic look-alikes an
// engineer types on a Russian keyboard name the same grade.
QString latinGrade(const QString& text) {
    QString s = text;
    s.replace(QChar(u'С'), QLatin1Char('C')).replace(QChar(u'К'), QLatin1Char('K'));
    return s;
}

QString gradeList() {
    QStringList names;
    for (const SteelChoice& c : steelChoices())
        names << QString::fromUtf8(c.name);
    return names.join(QStringLiteral(", "));
}

void readSteel(const QJsonObject& o, Checker& check, Member& m) {
    const QJsonValue v = o.value(QStringLiteral("steel"));
    if (v.isUndefined()) {
        check.fail(QStringLiteral("steel"), QStringLiteral("missing"));
        return;
    }
    if (v.isObject()) {
        const QJsonObject s = v.toObject();
        check.unknownFields(s, {QStringLiteral("ry")}, QStringLiteral("steel."));
        if (const auto ry = check.whole(s, QStringLiteral("ry"), QStringLiteral("steel.ry"),
                                        kTypedRyMin, kTypedRyMax)) {
            m.steelName.clear(); // a typed-in Ry has no grade
            m.ry = *ry;
        }
        return;
    }
    if (!v.isString()) {
        check.fail(QStringLiteral("steel"), QStringLiteral("must be a grade or {\"ry\": %1 ... %2}")
                                                .arg(kTypedRyMin)
                                                .arg(kTypedRyMax));
        return;
    }
    const QString grade = latinGrade(v.toString().trimmed());
    for (const SteelChoice& c : steelChoices())
        if (grade == QString::fromUtf8(c.name)) {
            m.steelName = grade;
            m.ry = c.ry;
            return;
        }
    check.fail(QStringLiteral("steel"), QStringLiteral("unknown steel \"%1\" (grades: %2; or "
                                                       "{\"ry\": %3 ... %4})")
                                            .arg(v.toString(), gradeList())
                                            .arg(kTypedRyMin)
                                            .arg(kTypedRyMax));
}

void readLimit(const QJsonObject& o, Checker& check, Member& m) {
    const QJsonValue v = o.value(QStringLiteral("limit"));
    if (v.isUndefined()) {
        check.fail(QStringLiteral("limit"), QStringLiteral("missing"));
        return;
    }
    const QJsonObject l = v.toObject();
    const bool hasRule = l.contains(QStringLiteral("rule"));
    const bool hasValue = l.contains(QStringLiteral("value"));
    if (!v.isObject() || hasRule == hasValue) {
        check.fail(QStringLiteral("limit"),
                   m.tension ? QStringLiteral("must be {\"value\": 120 ... 400}")
                             : QStringLiteral("must be {\"rule\": 1 ... 4} or {\"value\": 120 ... "
                                              "400}"));
        return;
    }
    check.unknownFields(l, {QStringLiteral("rule"), QStringLiteral("value")},
                        QStringLiteral("limit."));
    if (hasRule) {
        if (m.tension) {
            check.fail(QStringLiteral("limit.rule"),
                       QStringLiteral("a rule applies to compression only; a member in tension "
                                      "takes {\"value\": 120 ... 400}"));
            return;
        }
        if (const auto rule =
                check.whole(l, QStringLiteral("rule"), QStringLiteral("limit.rule"), 1, 4))
            m.landaType = *rule;
        return;
    }
    if (const auto value = check.whole(l, QStringLiteral("value"), QStringLiteral("limit.value"),
                                       kTypedLimitMin, kTypedLimitMax)) {
        m.landaType = m.tension ? 5 : 66;
        m.landaU = *value;
    }
}

void readSection(const QJsonObject& o, Checker& check, Member& m) {
    const QJsonValue v = o.value(QStringLiteral("section"));
    if (v.isUndefined() || !v.isObject()) {
        check.fail(QStringLiteral("section"), v.isUndefined()
                                                  ? QStringLiteral("missing")
                                                  : QStringLiteral("must be an object"));
        return;
    }
    const QJsonObject s = v.toObject();
    check.unknownFields(s, kSectionFields, QStringLiteral("section."));
    const auto type = check.whole(s, QStringLiteral("type"), QStringLiteral("section.type"), 1, 9);
    if (!type)
        return;
    m.sechType = *type;

    if (const auto variant = check.whole(s, QStringLiteral("variant"),
                                         QStringLiteral("section.variant"), 0, 4, false)) {
        const bool allowed = *variant == 0 || (m.sechType == 1 && *variant == 1) ||
                             (m.sechType == 9 && *variant >= 2);
        if (!allowed) {
            check.fail(QStringLiteral("section.variant"),
                       m.sechType == 1   ? QStringLiteral("type 1 takes 0 or 1")
                       : m.sechType == 9 ? QStringLiteral("type 9 takes 0, 2, 3 or 4")
                                         : QStringLiteral("type %1 takes only 0").arg(m.sechType));
            return;
        }
        m.sortVariant = *variant;
    }

    if (const auto tees = check.text(s, QStringLiteral("tees"), QStringLiteral("section.tees"),
                                     kNameLength, false)) {
        static const QStringList names = {QStringLiteral("all"), QStringLiteral("beam"),
                                          QStringLiteral("column"), QStringLiteral("wide")};
        if (m.sechType != 5) {
            check.fail(QStringLiteral("section.tees"), QStringLiteral("only for type 5"));
            return;
        }
        const int i = int(names.indexOf(*tees));
        if (i < 0) {
            check.fail(QStringLiteral("section.tees"),
                       QStringLiteral("must be \"all\", \"beam\", \"column\" or \"wide\""));
            return;
        }
        m.tees = TeeSeries(i);
    }

    const auto designation = check.text(s, QStringLiteral("designation"),
                                        QStringLiteral("section.designation"), kNameLength);
    if (!designation)
        return;
    m.designation = *designation;
    m.lightest = designation->trimmed() == QStringLiteral("lightest");
    if (!m.lightest) {
        m.row = findDesignation(m.grid(), *designation);
        if (m.row < 0)
            check.fail(QStringLiteral("section.designation"),
                       QStringLiteral("no row \"%1\" in the catalogue of section type %2 "
                                      "(variant %3)")
                           .arg(*designation)
                           .arg(m.sechType)
                           .arg(m.sortVariant));
    }
}

QString memberLabel(int number, const QJsonObject& o) {
    const QJsonValue name = o.value(QStringLiteral("name"));
    return QStringLiteral("member %1 (%2)")
        .arg(number)
        .arg(name.isString() ? name.toString() : QString());
}

std::optional<Member> readMember(int number, const QJsonValue& value, QStringList& errors) {
    const QJsonObject o = value.toObject();
    Checker check(memberLabel(number, o), errors);
    if (!value.isObject()) {
        check.fail(QStringLiteral("member"), QStringLiteral("must be an object"));
        return std::nullopt;
    }
    Member m;
    m.number = number;
    check.unknownFields(o, kMemberFields);
    if (const auto name =
            check.text(o, QStringLiteral("name"), QStringLiteral("name"), kNameLength))
        m.name = *name;
    if (const auto f = check.number(o, QStringLiteral("force"), QStringLiteral("force"))) {
        if (*f < 0)
            check.fail(QStringLiteral("force"), QStringLiteral("must be 0 or more"));
        m.force = *f;
    }
    const auto positive = [&](const char* key, double& target) {
        const QString k = QString::fromLatin1(key);
        if (const auto v = check.number(o, k, k)) {
            if (!(*v > 0))
                check.fail(k, QStringLiteral("must be more than 0"));
            target = *v;
        }
    };
    positive("length", m.length);
    positive("mu_x", m.muX);
    positive("mu_y", m.muY);

    const QJsonValue kind = o.value(QStringLiteral("kind"));
    if (kind.isUndefined())
        check.fail(QStringLiteral("kind"), QStringLiteral("missing"));
    else if (kind == QStringLiteral("tension"))
        m.tension = true;
    else if (kind != QStringLiteral("compression"))
        check.fail(QStringLiteral("kind"),
                   QStringLiteral("must be \"compression\" or \"tension\""));

    if (const auto g = check.number(o, QStringLiteral("gamma_n"), QStringLiteral("gamma_n"))) {
        if (*g < kGammaNMin || *g > kGammaNMax)
            check.fail(QStringLiteral("gamma_n"), QStringLiteral("must lie within 0.5 ... 1.5"));
        m.gammaN = *g;
    }
    positive("gamma_c", m.gammaC);
    readSteel(o, check, m);
    readLimit(o, check, m);
    m.assumedSlenderness = kDefaultAssumedSlenderness;
    if (const auto a =
            check.whole(o, QStringLiteral("assumed_slenderness"),
                        QStringLiteral("assumed_slenderness"), 0, kAssumedSlendernessMax, false))
        m.assumedSlenderness = *a;
    if (const auto lattice = check.number(o, QStringLiteral("lattice_force"),
                                          QStringLiteral("lattice_force"), false)) {
        if (*lattice < 0)
            check.fail(QStringLiteral("lattice_force"), QStringLiteral("must be 0 or more"));
        m.latticeForce = *lattice;
    }
    readSection(o, check, m);
    if (!check.ok())
        return std::nullopt;
    return m;
}

void readPassport(const QJsonObject& root, Project& project, QStringList& errors) {
    Checker check(QStringLiteral("passport"), errors);
    const QJsonValue v = root.value(QStringLiteral("passport"));
    if (!v.isObject()) {
        errors << (v.isUndefined() ? QStringLiteral("passport: missing")
                                   : QStringLiteral("passport: must be an object"));
        return;
    }
    const QJsonObject p = v.toObject();
    check.unknownFields(p, kPassportFields);
    Passport& out = project.passport;
    if (const auto norms = check.text(p, QStringLiteral("norms"), QStringLiteral("norms"), 20)) {
        if (*norms == QString::fromUtf8(kNormsSnip))
            out.normIndex = 0;
        else if (*norms == QString::fromUtf8(kNormsSp))
            out.normIndex = 1;
        else
            check.fail(QStringLiteral("norms"),
                       QStringLiteral("must be \"%1\" or \"%2\"")
                           .arg(QString::fromUtf8(kNormsSnip), QString::fromUtf8(kNormsSp)));
        out.norms = *norms;
    }
    if (const auto file =
            check.text(p, QStringLiteral("file"), QStringLiteral("file"), kFileLength, false)) {
        // The files are written beside each other in one folder.
        if (file->contains(QLatin1Char('/')) || file->contains(QLatin1Char('\\')) ||
            *file == QStringLiteral(".") || *file == QStringLiteral(".."))
            check.fail(QStringLiteral("file"), QStringLiteral("must be a file name, not a path"));
        out.file = *file;
    }
    const auto passportText = [&](const char* key, QString& target) {
        const QString k = QString::fromLatin1(key);
        if (const auto t = check.text(p, k, k, kPassportTextLength, false))
            target = *t;
    };
    passportText("shifr", out.shifr);
    passportText("author", out.author);
    passportText("organisation", out.organisation);
}

} // namespace

Loaded loadProjectJson(const QByteArray& json, bool membersGiven) {
    Loaded loaded;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        loaded.errors << QStringLiteral("project: not valid JSON at character %1: %2")
                             .arg(error.offset)
                             .arg(error.errorString());
        return loaded;
    }
    if (!doc.isObject()) {
        loaded.errors << QStringLiteral("project: must be an object with a passport and members");
        return loaded;
    }
    const QJsonObject root = doc.object();
    for (const QString& key : root.keys())
        if (key != QStringLiteral("passport") && key != QStringLiteral("members"))
            loaded.errors << key + QStringLiteral(": unknown field");
    readPassport(root, loaded.project, loaded.errors);

    const QJsonValue members = root.value(QStringLiteral("members"));
    if (membersGiven) {
        if (!members.isUndefined())
            loaded.errors << QStringLiteral("members: given both in the project file and as a "
                                            "CSV file");
        return loaded;
    }
    if (members.isUndefined()) {
        loaded.errors << QStringLiteral("members: missing");
        return loaded;
    }
    if (!members.isArray() || members.toArray().isEmpty()) {
        loaded.errors << QStringLiteral("members: must be a non-empty list");
        return loaded;
    }
    const QJsonArray list = members.toArray();
    for (int i = 0; i < list.size(); ++i)
        if (auto m = readMember(i + 1, list[i], loaded.errors))
            loaded.project.members.push_back(std::move(*m));
    return loaded;
}

namespace {

// Splits CSV text into rows of cells (quotes as in RFC 4180).
std::vector<QStringList> splitCsv(const QString& text, QChar separator) {
    std::vector<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false, any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == separator) {
            row << cell;
            cell.clear();
            any = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            if (any || !cell.isEmpty()) {
                row << cell;
                rows.push_back(row);
            }
            row.clear();
            cell.clear();
            any = false;
        } else {
            cell += c;
            any = true;
        }
    }
    if (any || !cell.isEmpty()) {
        row << cell;
        rows.push_back(row);
    }
    return rows;
}

QString decodeCsv(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) // a spreadsheet saved in the Russian code page
        text = fromWindows1251(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

const QStringList kNumericCsvFields = {
    QStringLiteral("force"),          QStringLiteral("length"),
    QStringLiteral("mu_x"),           QStringLiteral("mu_y"),
    QStringLiteral("gamma_n"),        QStringLiteral("gamma_c"),
    QStringLiteral("steel.ry"),       QStringLiteral("assumed_slenderness"),
    QStringLiteral("limit.rule"),     QStringLiteral("limit.value"),
    QStringLiteral("lattice_force"),  QStringLiteral("section.type"),
    QStringLiteral("section.variant")};

} // namespace

std::vector<QJsonObject> csvMembers(const QByteArray& csv, QStringList& errors) {
    const QString text = decodeCsv(csv);
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    const QChar separator =
        firstLine.contains(QLatin1Char(';')) && !firstLine.contains(QLatin1Char(','))
            ? QLatin1Char(';')
            : QLatin1Char(',');
    const std::vector<QStringList> rows = splitCsv(text, separator);
    std::vector<QJsonObject> members;
    if (rows.empty()) {
        errors << QStringLiteral("members: the CSV file has no header line");
        return members;
    }
    QStringList heads = rows.front();
    for (QString& h : heads)
        h = h.trimmed();
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        QJsonObject member, nested[3];
        const QStringList groups = {QStringLiteral("section"), QStringLiteral("limit"),
                                    QStringLiteral("steel")};
        if (cells.size() > heads.size())
            errors << QStringLiteral("member %1 (%2): row: more cells than column heads")
                          .arg(r)
                          .arg(cells.value(int(heads.indexOf(QStringLiteral("name")))));
        for (int c = 0; c < heads.size() && c < cells.size(); ++c) {
            const QString cell = cells[c].trimmed();
            if (cell.isEmpty())
                continue;
            QJsonValue value = cell;
            double number = 0;
            if (kNumericCsvFields.contains(heads[c]) && tryTextToReal(cell, number))
                value = number;
            const int dot = int(heads[c].indexOf(QLatin1Char('.')));
            const int group = dot > 0 ? int(groups.indexOf(heads[c].left(dot))) : -1;
            if (group >= 0)
                nested[group].insert(heads[c].mid(dot + 1), value);
            else
                member.insert(heads[c], value);
        }
        for (int g = 0; g < 3; ++g)
            if (!nested[g].isEmpty()) {
                if (member.contains(groups[g]))
                    errors << QStringLiteral("member %1 (%2): %3: given both as a cell and as "
                                             "%3.* cells")
                                  .arg(r)
                                  .arg(member.value(QStringLiteral("name")).toString(), groups[g]);
                else
                    member.insert(groups[g], nested[g]);
            }
        members.push_back(member);
    }
    if (members.empty())
        errors << QStringLiteral("members: the CSV file lists no member");
    return members;
}

void loadMembersCsv(const QByteArray& csv, Project& project, QStringList& errors) {
    const std::vector<QJsonObject> members = csvMembers(csv, errors);
    for (std::size_t i = 0; i < members.size(); ++i)
        if (auto m = readMember(int(i) + 1, members[i], errors))
            project.members.push_back(std::move(*m));
}

} // namespace batch
