#include "report/ReportText.h"

#include "common/NumberFormat.h"

namespace report {

const QString kProgramTitle =
    QStringLiteral("Kelvor V7.1. Подбор сечений центрально-нагруженных стальных элементов");
const QString kCreditLine = QStringLiteral("Kelvor 7.1, команда Kelvor, 2026");

namespace {

using num::fixed;
using num::intText;

const QString kRule57(57, QLatin1Char('_'));

// The eight lines of the table head, 96 characters each. In "MПa" the M and
// the a are Latin letters, as the table has always been printed.
// clang-format off
const QStringList kTableHeadLines = {
    QStringLiteral("________________________________________________________________________________________________"),
    QStringLiteral("|     |Площадь| Расчетные |  Радиусы  |             |Пред-я|     |      |       |       |      |"),
    QStringLiteral("| N,  |  A,   | длины, см |инерции, см|  Гибкости   |гиб-ть| Fi  |GammaC| Sigma,| Ry*   |Унифи-|"),
    QStringLiteral("| кН  | см^2  |___________|___________|_____________|      | min |      |  MПa  |GammaC,|кация |"),
    QStringLiteral("|     |       | lx  | ly  | ix  |  iy | Lnx  | Lny  |LamdaU|     |      |       |  MПa  |      |"),
    QStringLiteral("|_____|_______|_____|_____|_____|_____|______|______|______|_____|______|_______|_______|      |"),
    QStringLiteral("|     Название стержня    |                         Принятое сечение                    |      |"),
    QStringLiteral("|_________________________|_____________________________________________________________|______|"),
};
// clang-format on

const QString kTableRowRule = QStringLiteral(
    "|_____|_______|_____|_____|_____|_____|______|______|______|_____|______|_______|"
    "_______|______|");

// The force as the files write it: compression negative. A zero force stays
// "0.00", never "-0.00".
double signedForce(const DesignState& s, bool compression) {
    return (compression ? -s.Nforce : s.Nforce) + 0.0;
}

// Equality is the favourable case in every check of the report.
bool overStressed(const DesignState& s) {
    return s.Sigma > s.Ry * s.GammaC;
}

QString slendernessLine(const QString& name, double landa, double landaU) {
    return name + fixed(landa, 3, 2) +
           (landa > landaU ? QStringLiteral(" > Lu = ") : QStringLiteral(" < Lu = ")) +
           fixed(landaU, 3, 2);
}

} // namespace

QStringList titleBlock(const DesignState& s) {
    return {
        kProgramTitle,
        kCreditLine,
        kRule57,
        QString(),
        QStringLiteral("Нормы проектирования стальных консрукций : ") + s.Normy.str(),
        QStringLiteral("Исполнитель расчета: ") + s.Ispolnitel.str(),
        QStringLiteral("Шифр : ") + s.Shifr.str(),
        QStringLiteral("Организация : ") + s.Organizacia.str(),
    };
}

QString sectionDescription(int sechType, int sortVariant) {
    switch (sechType) {
    case SechEqualAnglesT:
    case SechEqualAnglesCross:
        return QStringLiteral("из двух равнополочных уголков ГОСТ 8509-93");
    case SechUnequalAnglesShortLegs:
    case SechUnequalAnglesLongLegs:
        return QStringLiteral("из двух неравнополочных уголков ГОСТ 8510-86");
    case SechTee:
        return QStringLiteral("из тавра ГОСТ 26020-83");
    case SechSquareHollow:
        return QStringLiteral("из профиля гнутого замкнутого сварного кв. ГОСТ 30245-2003");
    case SechRectHollowA:
    case SechRectHollowB:
        return QStringLiteral("из профиля гнутого замкнутого сварного пр. ГОСТ 30245-2003");
    case SechPipe:
        // The final D is Latin: the outer diameter that SechName begins with.
        return sortVariant == SortPipesSeamless
                   ? QStringLiteral("из бесшовных горячекатанных труб ГОСТ 8732-78 D")
                   : QStringLiteral("из электросварных прямошовных труб ГОСТ 10704-91 D");
    default:
        return QString();
    }
}

QStringList memberLines(const DesignState& s, bool compression) {
    const double ryGammaC = s.Ry * s.GammaC;
    const bool over = overStressed(s);

    QStringList l(kMemberLineCount);
    l[2] = QStringLiteral("    Название стержня: ") + s.Nazvanie.str();
    l[4] = QStringLiteral("Стержень ") +
           (compression ? QStringLiteral("сжат") : QStringLiteral("растянут"));
    l[5] = QStringLiteral("Расчетное усилие в стержне  N = ") +
           fixed(signedForce(s, compression), 5, 2) + QStringLiteral(" кН");
    l[6] = QStringLiteral("Геометрическая длина  L = ") + intText(s.Lgeom) + QStringLiteral(" мм");
    l[7] = QStringLiteral("Коэффициенты приведения: mx = ") + fixed(s.MuX, 1, 2) +
           QStringLiteral(";  my = ") + fixed(s.MuY, 1, 2);
    l[9] = QStringLiteral("___ Расчетные длины:");
    l[10] =
        QStringLiteral("    - в плоскости фермы  Lx = ") + intText(s.Lx) + QStringLiteral(" мм");
    l[11] =
        QStringLiteral("    - из плоскости фермы Ly = ") + intText(s.Ly) + QStringLiteral(" мм");
    l[13] = QStringLiteral("Сталь ") + s.SteelName.str() + QStringLiteral(", Ry = ") +
            fixed(s.Ry, 3, 0) + QStringLiteral(" МПа");
    l[14] = QStringLiteral("Коэффициент надежности по назначению ") + fixed(s.GammaN, 1, 2);
    // The value is γc, the working-conditions factor (SNiP II-23-81* table 6*),
    // and the line names it so; the program has no load factor.
    l[15] = QStringLiteral("Коэффициент условий работы ") + fixed(s.GammaC, 1, 2);
    l[17] = QStringLiteral("___ Геометрические характеристики сечения:");
    l[18] = QStringLiteral("Сечение стержня ") + sectionDescription(s.SechType, s.SortVariant) +
            QStringLiteral(" ") + s.SechName.str();
    l[19] = QStringLiteral("Площадь A = ") + fixed(s.Area, 5, 3) + QStringLiteral(" см^2");
    // "iy2" for every section type, also for crossed angles whose window shows
    // ix0 / iy0: the report has always printed it this way.
    l[20] = QStringLiteral("ix = ") + fixed(s.ix, 4, 3) + QStringLiteral(" см; ") +
            QStringLiteral("      iy2 = ") + fixed(s.iy, 4, 3) + QStringLiteral(" см");
    l[21] = QStringLiteral("Масса стержня ") + fixed(s.Mass, 4, 3) + QStringLiteral(" кг");
    l[23] = compression ? QStringLiteral("___ ПРОВЕРКА УСТОЙЧИВОСТИ:")
                        : QStringLiteral("___ ПРОВЕРКА ПРОЧНОСТИ:");
    if (compression)
        l[25] = QStringLiteral("fi min  = ") + fixed(s.Fi, 1, 4);
    l[26] =
        QStringLiteral("Sigma = ") + fixed(s.Sigma, 4, 2) +
        (over ? QStringLiteral(" МПа > Ry * GammaC = ") : QStringLiteral(" МПа < Ry * GammaC = ")) +
        fixed(ryGammaC, 3, 0) + QStringLiteral(" МПа");
    // Delta is stored as a magnitude; the words say which side it is on.
    l[27] = over ? QStringLiteral("ПЕРЕНАПРЯЖЕНИЕ ") + fixed(s.Delta, 3, 2) +
                       QStringLiteral("% - НЕДОПУСТИМО!")
                 : QStringLiteral("Недонапряжение составляет ") + fixed(s.Delta, 3, 2) +
                       QStringLiteral("%");
    l[29] = QStringLiteral("___ ПРОВЕРКА ПО ГИБКОСТИ:");
    l[31] = slendernessLine(QStringLiteral("LamdaX = "), s.LandaX, s.LandaU);
    l[32] = slendernessLine(QStringLiteral("LamdaY = "), s.LandaY, s.LandaU);
    return l;
}

QStringList tableHead(const DesignState& s) {
    QStringList lines = titleBlock(s);
    lines << QString()
          << QString(30, QLatin1Char(' ')) + QStringLiteral("Таблица подбора сечений стержней")
          << QString();
    lines << kTableHeadLines;
    return lines;
}

QString tableSectionText(const DesignState& s) {
    const QString name = s.SechName.str();
    QString text;
    switch (s.SechType) {
    case SechEqualAnglesT:
    case SechEqualAnglesCross:
        text = QStringLiteral("Два уголка ") + name + QStringLiteral(" ГОСТ 8509-93");
        break;
    case SechUnequalAnglesShortLegs:
    case SechUnequalAnglesLongLegs:
        text = QStringLiteral("Два уголка ") + name + QStringLiteral(" ГОСТ 8510-86");
        break;
    case SechTee:
        text = QStringLiteral("Тавр ") + name + QStringLiteral(" ГОСТ 26020-83");
        break;
    case SechSquareHollow:
        text = QStringLiteral("Профиль Гн. кв.") + name + QStringLiteral(" ГОСТ 30245-2003");
        break;
    case SechRectHollowA:
    case SechRectHollowB:
        text = QStringLiteral("Профиль Гн. пр.") + name + QStringLiteral(" ГОСТ 30245-2003");
        break;
    case SechPipe:
        // "Тр. D": Cyrillic "Тр", a point, a blank, a Latin D.
        text = QStringLiteral("Тр. D") + name +
               (s.SortVariant == SortPipesSeamless ? QStringLiteral(" ГОСТ 8732-78")
                                                   : QStringLiteral(" ГОСТ 10704-91"));
        break;
    default:
        break;
    }
    return num::cut(text, 70);
}

QStringList tableRow(const DesignState& s, bool compression) {
    // Columns between bars; a number wider than its column pushes the rest of
    // the line to the right, nothing is cut.
    const QStringList columns = {
        intText(signedForce(s, compression), 5),
        fixed(s.Area, 7, 2),
        intText(s.Lx / 10.0, 5), // mm -> cm
        intText(s.Ly / 10.0, 5),
        fixed(s.ix, 5, 2),
        fixed(s.iy, 5, 2),
        fixed(s.LandaX, 6, 1),
        fixed(s.LandaY, 6, 1),
        fixed(s.LandaU, 6, 1),
        compression ? fixed(s.Fi, 5, 3) : QStringLiteral("  -  "),
        fixed(s.GammaC, 6, 2),
        fixed(s.Sigma, 7, 2),
        fixed(s.Ry * s.GammaC, 7, 2),
        QString(6, QLatin1Char(' ')), // unification, filled in by hand
    };
    QString numbers = QStringLiteral("|");
    for (const QString& column : columns)
        numbers += column + QLatin1Char('|');

    return {
        QStringLiteral("|   Стержень ") + s.Nazvanie.str() + QStringLiteral("   ") +
            tableSectionText(s) + QStringLiteral(" / ") + s.SteelName.str(),
        numbers,
        kTableRowRule,
    };
}

} // namespace report
