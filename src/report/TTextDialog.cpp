#include "TTextDialog.h"

#include "app/DesignState.h"
#include "app/Workflow.h"
#include "catalogue/SectionSketch.h"
#include "common/Modal.h"
#include "common/NumberFormat.h"
#include "report/ReportFiles.h"
#include "report/TextViewer.h"
#include "tools/HelpEngine.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* greek(QWidget* parent, const char* name, const QString& letter) {
    QLabel* l = label(parent, name, letter);
    QFont f = l->font();
    f.setItalic(true);
    l->setFont(f);
    return l;
}

void colour(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

// A row of labels that read as one line.
QHBoxLayout* line(std::initializer_list<QWidget*> parts) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    for (QWidget* w : parts)
        row->addWidget(w);
    row->addStretch();
    return row;
}

QString sectionDescriptionInWindow(int sechType, int sortVariant) {
    switch (sechType) {
    case 1:
    case 2:
        return QStringLiteral("из двух равнополочных уголков");
    case 3:
    case 4:
        return QStringLiteral("из двух неравнополочных уголков");
    case 5:
        return QStringLiteral("из тавра");
    case 6:
        return QStringLiteral("из замкнутого квадратного профиля");
    case 7:
    case 8:
        return QStringLiteral("из замкнутого прямоугольного профиля");
    case 9:
        return sortVariant == 0 ? QStringLiteral("из электросварных прямошовных труб")
                                : QStringLiteral("из прямошовных горячекатанных труб");
    default:
        return {};
    }
}

} // namespace

ResultTexts resultTexts(bool compression) {
    const DesignState& s = designState();
    ResultTexts t;
    t.compression = compression;
    t.label1 = QStringLiteral("Название стержня: ") + s.Nazvanie.str();
    t.label2 = QStringLiteral("Стержень ") +
               (compression ? QStringLiteral("сжат") : QStringLiteral("растянут"));
    t.label3 = QStringLiteral("Усилие в стержне  N = ") + num::fixed(s.Nforce, 5, 2) +
               QStringLiteral(" кН");
    t.label4 = QStringLiteral("Геометрическая длина  L = ") + num::intText(s.Lgeom) +
               QStringLiteral(" мм");
    t.label5 = QStringLiteral("x = ") + num::fixed(s.MuX, 1, 2);
    t.label6 = QStringLiteral("y = ") + num::fixed(s.MuY, 1, 2);
    t.label9 = QStringLiteral("Lx = ") + num::intText(s.Lx) + QStringLiteral(" мм");
    t.label10 = QStringLiteral("Ly = ") + num::intText(s.Ly) + QStringLiteral(" мм");
    t.label11 = QStringLiteral("Сталь ") + s.SteelName.str() + QStringLiteral(", Ry = ") +
                num::fixed(s.Ry, 3, 0) + QStringLiteral(" МПа");
    t.label16 = QStringLiteral("n = ") + num::fixed(s.GammaN, 1, 2);
    t.label17 = QStringLiteral("c = ") + num::fixed(s.GammaC, 1, 2);
    t.label18 = QStringLiteral("Сечение стержня ") +
                sectionDescriptionInWindow(s.SechType, s.SortVariant) + QStringLiteral(" ") +
                s.SechName.str();
    t.label19 = QStringLiteral("A = ") + num::fixed(s.Area, 5, 3);
    const bool cross = s.SechType == SechEqualAnglesCross;
    t.label20 =
        (cross ? QStringLiteral("ix0 = ") : QStringLiteral("ix = ")) + num::fixed(s.ix, 4, 3) +
        QStringLiteral(" см") +
        (cross ? QStringLiteral("             iy0 = ") : QStringLiteral("             iy = ")) +
        num::fixed(s.iy, 4, 3) + QStringLiteral(" см");
    t.label25 = compression ? QStringLiteral("Проверка устойчивости:")
                            : QStringLiteral("Проверка прочности:");
    if (compression)
        t.label33 = QStringLiteral("min = ") + num::fixed(s.Fi, 1, 4);
    const double limit = s.Ry * s.GammaC;
    const bool over = s.Sigma > limit; // equality is the favourable case
    t.label24 = QStringLiteral("= ") + num::fixed(s.Sigma, 4, 2) +
                (over ? QStringLiteral(" МПа > Ry") : QStringLiteral(" МПа < Ry"));
    t.label35 = QStringLiteral("c = ") + num::fixed(limit, 3, 0) + QStringLiteral(" МПа");
    if (over)
        t.label27 = QStringLiteral(" Перенапряжение ") + num::fixed(s.Delta, 3, 2) +
                    QStringLiteral("% недопустимо!");
    else
        t.label26 = QStringLiteral(" Недонапряжение составляет ") + num::fixed(s.Delta, 3, 2) +
                    QStringLiteral("%");
    t.overSlenderness = s.LandaMax > s.LandaU;
    t.label28 = QStringLiteral("max = ") + num::fixed(s.LandaMax, 3, 2) +
                (t.overSlenderness ? QStringLiteral("    >") : QStringLiteral("    <"));
    t.label31 = QStringLiteral("u = ") + num::fixed(s.LandaU, 3, 2);
    return t;
}

TTextDialog::TTextDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TTextDialog"));
    setWindowTitle(QStringLiteral("Результаты подбора сечения стержня:"));
    HelpEngine::bindHelpKey(this, 10);
    // Left only through its buttons: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    Label1 = label(panel1, "Label1");
    Label2 = label(panel1, "Label2");
    Label3 = label(panel1, "Label3");
    Label4 = label(panel1, "Label4");
    auto* group1 = new QGroupBox(QStringLiteral(" Расчетные длины:  "), panel1);
    group1->setObjectName(QStringLiteral("GroupBox1"));
    Label7 = greek(group1, "Label7", QStringLiteral("μ"));
    Label8 = greek(group1, "Label8", QStringLiteral("μ"));
    Label5 = label(group1, "Label5");
    Label6 = label(group1, "Label6");
    Label9 = label(group1, "Label9");
    Label10 = label(group1, "Label10");
    auto* g1 = new QGridLayout(group1);
    g1->addLayout(line({Label7, Label5}), 0, 0);
    g1->addLayout(line({Label9}), 0, 1);
    g1->addLayout(line({Label8, Label6}), 1, 0);
    g1->addLayout(line({Label10}), 1, 1);
    Label11 = label(panel1, "Label11");
    auto* label12 =
        label(panel1, "Label12", QStringLiteral("Коэффициент надежности по назначению "));
    auto* label13 = label(panel1, "Label13", QStringLiteral("Коэффициент условий работы "));
    Label14 = greek(panel1, "Label14", QStringLiteral("γ"));
    Label15 = greek(panel1, "Label15", QStringLiteral("γ"));
    Label16 = label(panel1, "Label16");
    Label17 = label(panel1, "Label17");
    Label32 = greek(panel1, "Label32", QStringLiteral("φ"));
    Label33 = label(panel1, "Label33");
    Label18 = label(panel1, "Label18");
    Label18->setWordWrap(true);
    auto* group2 = new QGroupBox(QStringLiteral(" Геометрические характеристики сечения "), panel1);
    group2->setObjectName(QStringLiteral("GroupBox2"));
    Label19 = label(group2, "Label19");
    auto* label21 = label(group2, "Label21", QStringLiteral(" см"));
    auto* label22 = label(group2, "Label22", QStringLiteral("2"));
    QFont small = label22->font();
    small.setPointSizeF(small.pointSizeF() * 0.7);
    label22->setFont(small);
    label22->setAlignment(Qt::AlignTop);
    Label20 = label(group2, "Label20");
    auto* g2 = new QVBoxLayout(group2);
    g2->addLayout(line({Label19, label21, label22}));
    g2->addWidget(Label20);

    // Sketches of the nine section types on one spot.
    auto* sketches = new QStackedLayout;
    sketches->setStackingMode(QStackedLayout::StackAll);
    Image[0] = nullptr;
    for (int t = 1; t <= 9; ++t) {
        Image[t] = new SectionSketch(sketchForSechType(t), panel1);
        Image[t]->setObjectName(QStringLiteral("Image%1").arg(t));
        Image[t]->setFixedSize(100, 100);
        Image[t]->hide();
        sketches->addWidget(Image[t]);
    }

    auto* top = new QGridLayout;
    auto* texts = new QVBoxLayout;
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        texts->addWidget(l);
    top->addLayout(texts, 0, 0);
    top->addLayout(sketches, 0, 1, Qt::AlignRight | Qt::AlignTop);
    auto* p1 = new QVBoxLayout(panel1);
    p1->setContentsMargins(0, 0, 0, 0);
    p1->addLayout(top);
    p1->addWidget(group1);
    p1->addWidget(Label11);
    p1->addLayout(line({label12, Label14, Label16}));
    p1->addLayout(line({label13, Label15, Label17}));
    p1->addWidget(Label18);
    p1->addWidget(group2);

    auto* panel3 = new QGroupBox(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    Label25 = label(panel3, "Label25");
    QFont bold = Label25->font();
    bold.setBold(true);
    Label25->setFont(bold);
    Label23 = greek(panel3, "Label23", QStringLiteral("σ "));
    Label24 = label(panel3, "Label24");
    Label34 = greek(panel3, "Label34", QStringLiteral(" · γ"));
    Label35 = label(panel3, "Label35");
    Label26 = label(panel3, "Label26");
    Label27 = label(panel3, "Label27");
    colour(Label26, QColor(0, 128, 128));
    colour(Label27, Qt::red);
    auto* verdictSpot = new QStackedLayout; // Label26 and Label27 at the same place
    verdictSpot->setStackingMode(QStackedLayout::StackAll);
    verdictSpot->addWidget(Label26);
    verdictSpot->addWidget(Label27);
    Label29 = greek(panel3, "Label29", QStringLiteral("λ"));
    Label28 = label(panel3, "Label28");
    Label30 = greek(panel3, "Label30", QStringLiteral("  λ"));
    Label31 = label(panel3, "Label31");
    StaticText1 = label(panel3, "StaticText1", QStringLiteral("    - это недопустимо!    "));
    colour(StaticText1, Qt::red);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->hide();
    auto* p3 = new QVBoxLayout(panel3);
    p3->addWidget(Label25);
    p3->addLayout(line({Label32, Label33}));
    p3->addLayout(line({Label23, Label24, Label34, Label35}));
    p3->addLayout(verdictSpot);
    p3->addLayout(line({Label29, Label28, Label30, Label31, StaticText1}));

    BitBtn3 = new QPushButton(QStringLiteral("&Сначала"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setToolTip(QStringLiteral("Начать новый расчет"));
    BitBtn1 = new QPushButton(QStringLiteral("Продолжить"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Продолжить расчет"));
    BitBtn1->setDefault(true); // Enter
    BitBtn4 = new QPushButton(QStringLiteral("Отмена"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    auto* group3 = new QGroupBox(QStringLiteral(" Перерасчет "), this);
    group3->setObjectName(QStringLiteral("GroupBox3"));
    QPalette red = group3->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    group3->setPalette(red);
    BitBtn2 = new QToolButton(group3);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("Переход к окну выбора типов сечений"));
    BitBtn2->setIcon(QIcon(sectionPixmap(SketchKind::EqualAnglesT, QSize(40, 40))));
    BitBtn2->setIconSize(QSize(40, 40));
    auto* g3 = new QHBoxLayout(group3);
    g3->addWidget(BitBtn2, 0, Qt::AlignCenter);
    auto* group4 = new QGroupBox(QStringLiteral(" Отчет : "), this);
    group4->setObjectName(QStringLiteral("GroupBox4"));
    SaveButton = new QPushButton(QStringLiteral("Сохранить..."), group4);
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    SaveButton->setToolTip(QStringLiteral("Записать результаты текущего расчета"));
    SpeedButton1 = new QPushButton(QStringLiteral("Просмотр"), group4);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(
        QStringLiteral("Просмотр, редактирование и печать результатов текущего расчета"));
    BitTab = new QPushButton(QStringLiteral("Таблица"), group4);
    BitTab->setObjectName(QStringLiteral("BitTab"));
    BitTab->setToolTip(QStringLiteral("Просмотр и редактирование \n    отчета в виде таблицы"));
    auto* g4 = new QVBoxLayout(group4);
    for (QPushButton* b : {SaveButton, SpeedButton1, BitTab}) {
        b->setAutoDefault(false);
        g4->addWidget(b);
    }
    for (QPushButton* b : {BitBtn3, BitBtn4})
        b->setAutoDefault(false);

    auto* panel4 = new QVBoxLayout;
    panel4->addWidget(BitBtn3);
    panel4->addWidget(BitBtn1);
    panel4->addWidget(BitBtn4);
    panel4->addWidget(group3);
    panel4->addWidget(group4);
    panel4->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(panel1);
    left->addWidget(panel3);
    auto* root = new QHBoxLayout(this);
    root->addLayout(left, 1);
    root->addLayout(panel4);

    connect(BitBtn3, &QPushButton::clicked, this, &TTextDialog::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TTextDialog::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TTextDialog::BitBtn4Click);
    connect(BitBtn2, &QToolButton::clicked, this, &TTextDialog::BitBtn2Click);
    connect(SaveButton, &QPushButton::clicked, this, &TTextDialog::SaveButtonClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TTextDialog::SpeedButton1Click);
    connect(BitTab, &QPushButton::clicked, this, &TTextDialog::BitTabClick);
    resize(640, 470);
}

void TTextDialog::clearResults() {
    for (QLabel* l : {Label1,  Label2,  Label3,  Label4,  Label5,  Label6,  Label9,
                      Label10, Label11, Label16, Label17, Label18, Label19, Label20,
                      Label24, Label25, Label26, Label27, Label28, Label31, Label33})
        l->clear();
}

void TTextDialog::BitBtn3Click() {
    if (!Modal::ask(this, QStringLiteral("Вы уверены, что хотите начать расчет сначала? "
                                         "Результаты расчета при этом будут записаны в новый "
                                         "файл.")))
        return;
    DesignState& ds = designState();
    ds.NewProject = true;
    ds.AppendReport = false;
    ds.RezAction = RezNextMember;
    done(QDialog::Rejected);
}

void TTextDialog::BitBtn1Click() {
    DesignState& ds = designState();
    ds.NewProject = false;
    ds.AppendReport = true;
    ds.RezAction = RezNextMember;
    done(ResultYes);
}

void TTextDialog::BitBtn4Click() {
    designState().RezAction = RezNothing;
    done(QDialog::Rejected);
}

void TTextDialog::reject() {
    BitBtn4Click();
}

void TTextDialog::BitBtn2Click() {
    designState().RezAction = RezSectionTypes;
    done(ResultNo);
}

void TTextDialog::SaveButtonClick() {
    const bool createsFiles = !designState().AppendReport;
    const WriteResult r = saveMemberResults(!memberInTension());
    if (!r.ok()) {
        // The rest of the save is skipped; the button stays enabled so that
        // the save can be repeated once the cause is removed.
        Modal::error(this, r.error);
        return;
    }
    SaveButton->setEnabled(false);
    if (createsFiles) {
        SpeedButton1->setEnabled(true);
        BitTab->setEnabled(true);
    }
}

void TTextDialog::SpeedButton1Click() {
    TextViewer::open(this, designState().FileName.str());
}

void TTextDialog::BitTabClick() {
    TextViewer::open(this, designState().TabFileName);
}
