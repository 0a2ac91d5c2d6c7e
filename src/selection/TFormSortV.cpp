#include "TFormSortV.h"

#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "catalogue/Loaders.h"
#include "catalogue/SectionSketch.h"
#include "catalogue/TForm2.h"
#include "common/StringGrid.h"
#include "selection/SelectionLogic.h"
#include "tools/HelpEngine.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* pictureButton(QWidget* parent, const char* name, SketchKind kind,
                           const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon(sectionPixmap(kind, QSize(72, 72))));
    b->setIconSize(QSize(72, 72));
    b->setToolTip(hint);
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoRaise(false);
    return b;
}

QToolButton* textButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(text);
    b->setCursor(Qt::PointingHandCursor);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

} // namespace

TFormSortV::TFormSortV(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormSortV"));
    setWindowTitle(QStringLiteral("Типы сечений стержней"));
    HelpEngine::bindHelpKey(this, 6);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const QString equalHint = QStringLiteral("Равнополочные уголки по ГОСТ 8509 - 93");
    // Hints keep the line breaks of their texts.
    BitBtn1 = pictureButton(this, "BitBtn1", SketchKind::EqualAnglesT, equalHint);
    BitBtn2 = pictureButton(this, "BitBtn2", SketchKind::EqualAnglesCross, equalHint);
    BitBtn3 = pictureButton(this, "BitBtn3", SketchKind::UnequalShortLegsOn,
                            QStringLiteral("Неравнополочные уголки \n     по ГОСТ 8510-86"));
    BitBtn4 = pictureButton(this, "BitBtn4", SketchKind::UnequalLongLegsOn,
                            QStringLiteral("Неравнополочные уголки\n    по ГОСТ 8510-86"));
    BitBtn5 =
        pictureButton(this, "BitBtn5", SketchKind::Tee, QStringLiteral("Тавры по ГОСТ 26020 - 83"));
    BitBtn11 = textButton(this, "BitBtn11", QStringLiteral("Балочные"));
    BitBtn12 = textButton(this, "BitBtn12", QStringLiteral("Колонные"));
    BitBtn13 = textButton(this, "BitBtn13", QStringLiteral("Широкополочные"));
    const QString rectHint =
        QStringLiteral("Профили гнутые замкнутые сварные прямоугольные \nпо ГОСТ 30245-2003");
    BitBtn6 = pictureButton(
        this, "BitBtn6", SketchKind::SquareHollow,
        QStringLiteral("Профили гнутые замкнутые сварные квадратные \nпо ГОСТ 30245-2003"));
    BitBtn7 = pictureButton(this, "BitBtn7", SketchKind::RectHollowUpright, rectHint);
    BitBtn8 = pictureButton(this, "BitBtn8", SketchKind::RectHollowFlat, rectHint);
    BitBtn9 =
        pictureButton(this, "BitBtn9", SketchKind::Pipe,
                      QStringLiteral("Электросварные прямошовные \n    трубы по ГОСТ 10704-91"));
    BitBtn10 = textButton(this, "BitBtn10", QStringLiteral("Отмена"));
    BitBtn10->setToolTip(QString());

    PopupMenu1 = new QMenu(this);
    N26020831 = PopupMenu1->addAction(QStringLiteral("Тавры балочные по ГОСТ 26020 - 83"));
    N26020832 = PopupMenu1->addAction(QStringLiteral("Тавры колонные по ГОСТ 26020 - 83"));
    N26020833 = PopupMenu1->addAction(QStringLiteral("Тавры широкополочные по ГОСТ 26020 - 83"));
    N26020831->setObjectName(QStringLiteral("N26020831"));
    N26020832->setObjectName(QStringLiteral("N26020832"));
    N26020833->setObjectName(QStringLiteral("N26020833"));
    BitBtn5->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(BitBtn5, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(BitBtn5->mapToGlobal(at)); });

    auto group = [this](const QString& title) {
        auto* box = new QGroupBox(title, this);
        return box;
    };
    auto* angles = group(QStringLiteral("Уголки"));
    auto* anglesLayout = new QGridLayout(angles);
    anglesLayout->addWidget(BitBtn1, 0, 0);
    anglesLayout->addWidget(BitBtn2, 0, 1);
    anglesLayout->addWidget(BitBtn3, 0, 2);
    anglesLayout->addWidget(BitBtn4, 0, 3);
    auto* tees = group(QStringLiteral("Тавры"));
    auto* teesLayout = new QGridLayout(tees);
    teesLayout->addWidget(BitBtn5, 0, 0, 3, 1);
    teesLayout->addWidget(BitBtn11, 0, 1);
    teesLayout->addWidget(BitBtn12, 1, 1);
    teesLayout->addWidget(BitBtn13, 2, 1);
    auto* closed = group(QStringLiteral("Замкнутые профили и трубы"));
    auto* closedLayout = new QGridLayout(closed);
    closedLayout->addWidget(BitBtn6, 0, 0);
    closedLayout->addWidget(BitBtn7, 0, 1);
    closedLayout->addWidget(BitBtn8, 0, 2);
    closedLayout->addWidget(BitBtn9, 0, 3);

    auto* layout = new QGridLayout(this);
    layout->addWidget(angles, 0, 0, 1, 2);
    layout->addWidget(tees, 1, 0);
    layout->addWidget(closed, 1, 1);
    auto* cancelRow = new QHBoxLayout;
    cancelRow->addStretch();
    BitBtn10->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    BitBtn10->setMinimumWidth(100);
    cancelRow->addWidget(BitBtn10);
    layout->addLayout(cancelRow, 2, 0, 1, 2);

    // Every type button closes the window with OK after its handler ran.
    const std::pair<QToolButton*, void (TFormSortV::*)()> handlers[] = {
        {BitBtn1, &TFormSortV::BitBtn1Click},   {BitBtn2, &TFormSortV::BitBtn2Click},
        {BitBtn3, &TFormSortV::BitBtn3Click},   {BitBtn4, &TFormSortV::BitBtn4Click},
        {BitBtn5, &TFormSortV::BitBtn5Click},   {BitBtn6, &TFormSortV::BitBtn6Click},
        {BitBtn7, &TFormSortV::BitBtn7Click},   {BitBtn8, &TFormSortV::BitBtn8Click},
        {BitBtn9, &TFormSortV::BitBtn9Click},   {BitBtn11, &TFormSortV::BitBtn11Click},
        {BitBtn12, &TFormSortV::BitBtn12Click}, {BitBtn13, &TFormSortV::BitBtn13Click},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QToolButton::clicked, this, [this, handler] {
            (this->*handler)();
            accept();
        });
    connect(BitBtn10, &QToolButton::clicked, this, &QDialog::reject);
    connect(N26020831, &QAction::triggered, this, &TFormSortV::N26020831Click);
    connect(N26020832, &QAction::triggered, this, &TFormSortV::N26020832Click);
    connect(N26020833, &QAction::triggered, this, &TFormSortV::N26020833Click);
}

void TFormSortV::configure(bool automatic) {
    for (QToolButton* b :
         {BitBtn5, BitBtn6, BitBtn7, BitBtn8, BitBtn9, BitBtn11, BitBtn12, BitBtn13})
        b->setEnabled(automatic);
}

void TFormSortV::BitBtn1Click() {
    LoadUgol1();
}

void TFormSortV::BitBtn2Click() {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = SechEqualAnglesCross;
    ds.CurveType = 2;
    loaders::enableFamilyButton(loaders::Family::Ugol1, false);
    f->Image9->hide();
    f->Image10->show();
    f->showOnlyTab(0);
    loaders::writeRequiredRadii(f->Label1, f->Label2, "ix0, тр = ", "iy0, тр = ");
    f->showCrossRadii(crossRadiusColumn(ds.Nforce));
}

void TFormSortV::unequalAngles(int sechType) {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = std::uint16_t(sechType);
    ds.CurveType = 3;
    loaders::enableFamilyButton(loaders::Family::Ugol2, true);
    const bool shortLegs = sechType == SechUnequalAnglesShortLegs;
    f->Image7->setVisible(shortLegs);
    f->Image8->setVisible(!shortLegs);
    f->showOnlyTab(1);
    loaders::writeRequiredRadii(f->Label3, f->Label4);
}

void TFormSortV::BitBtn3Click() {
    unequalAngles(SechUnequalAnglesShortLegs);
}

void TFormSortV::BitBtn4Click() {
    unequalAngles(SechUnequalAnglesLongLegs);
}

void TFormSortV::BitBtn5Click() {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = SechTee;
    ds.CurveType = 3;
    f->PageControl->setTabText(2, QStringLiteral("Тавры по ГОСТ 26020 - 83"));
    loaders::enableFamilyButton(loaders::Family::Tavr, false);
    f->loadTees(GridList::TeesAll);
    f->showOnlyTab(2);
    loaders::writeRequiredRadii(f->StaticText7, f->Label5);
}

void TFormSortV::BitBtn6Click() {
    LoadProf1();
}

void TFormSortV::rectangular(int sechType) {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = std::uint16_t(sechType);
    ds.CurveType = 1;
    loaders::enableFamilyButton(loaders::Family::Prof2, false);
    const bool upright = sechType == SechRectHollowA;
    f->Image6->setVisible(upright);
    f->Image11->setVisible(!upright);
    f->showOnlyTab(5);
    loaders::writeRequiredRadii(f->StaticText10, f->Label8);
}

void TFormSortV::BitBtn7Click() {
    rectangular(SechRectHollowA);
}

void TFormSortV::BitBtn8Click() {
    rectangular(SechRectHollowB);
}

void TFormSortV::BitBtn9Click() {
    TForm2* f = forms().Form2;
    designState().CurveType = 1;
    // The abridged list is the one shown, so it is also the one evaluated and
    // described in the report (a pipe variant chosen earlier from the main
    // window's menu would otherwise make the catalogue read a hidden grid).
    designState().SortVariant = SortDefault;
    const QString caption =
        QStringLiteral("Электросварные прямошовные трубы (сокращенный) ГОСТ 10704 - 91*");
    f->PageControl->setTabText(3, caption);
    if (TMain_Form* m = forms().Main_Form)
        m->RoundButton->setToolTip(caption);
    f->StringGrid8->hide();
    f->StringGrid9->hide();
    f->StringGrid4->show();
    LoadRound();
}

void TFormSortV::BitBtn11Click() {
    LoadTavrB();
}

void TFormSortV::BitBtn12Click() {
    LoadTavrK();
}

void TFormSortV::BitBtn13Click() {
    LoadTavrSh();
}

void TFormSortV::N26020831Click() {
    BitBtn11Click();
    accept();
}

void TFormSortV::N26020832Click() {
    BitBtn12Click();
    accept();
}

void TFormSortV::N26020833Click() {
    BitBtn13Click();
    accept();
}
