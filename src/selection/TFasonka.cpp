#include "TFasonka.h"

#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/InputDialog.h"
#include "app/Workflow.h"
#include "calc/RodCalc.h"
#include "catalogue/TForm2.h"
#include "common/Modal.h"
#include "common/StringGrid.h"
#include "common/TextToReal.h"
#include "selection/SelectionLogic.h"
#include "tools/HelpEngine.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFasonka::TFasonka(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFasonka"));
    setWindowTitle(QStringLiteral("Рекомендуемые толщины фасонок"));
    HelpEngine::bindHelpKey(this, 7);
    // Left only through OK: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    QFont bold = StaticText1->font();
    bold.setBold(true);
    StaticText1->setFont(bold);
    FasGrid = new StringGrid(this);
    FasGrid->setObjectName(QStringLiteral("FasGrid"));
    FasGrid->setColCount(2);
    FasGrid->setRowCount(9);
    FasGrid->setColumnWidths({170, 170});
    FasGrid->horizontalHeader()->setStretchLastSection(true);
    fillBands();
    FasGrid->setRow(1);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(FasGrid, &QAbstractItemView::doubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StaticText1);
    layout->addWidget(FasGrid, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(BitBtn1);
    row->addStretch();
    layout->addLayout(row);
    resize(380, 285);
}

void TFasonka::fillBands() {
    for (int r = 0; r < 9; ++r) {
        FasGrid->setCell(0, r, QString::fromUtf8(kGussetTable[r].force));
        FasGrid->setCell(1, r, QString::fromUtf8(kGussetTable[r].thickness));
    }
}

double TFasonka::selectedThickness() const {
    double t = 0;
    tryTextToReal(FasGrid->cell(1, FasGrid->row()), t);
    return t;
}

void Fas_Change() {
    DesignState& ds = designState();
    const TDialog1* input = forms().Dialog1;
    const bool latticeGiven = input && input->CheckBox1->isChecked();
    const QString latticeText = input ? TDialog1::maskedText(input->StrangeRas) : QString();
    const std::optional<double> force = gussetForce(latticeGiven, latticeText, ds.Nforce);
    if (!force) {
        // The input mask guarantees a number; a text that still does not
        // convert stops the step like any other typed number.
        Modal::error(nullptr, ConversionError(DelProbel(latticeText)).message());
        return;
    }
    const double F = *force;

    if (stepByStepMode()) {
        TFasonka* window = forms().Fasonka;
        window->StaticText1->setText(gussetCaption(latticeGiven, latticeText, ds.Nforce));
        window->fillBands();
        const double required = Fas_Tolsh(F);
        for (;;) {
            Modal::exec(*window);
            ds.Tfas = window->selectedThickness();
            if (ds.Tfas == required)
                break;
            Modal::inform(window, QStringLiteral("Толщина фасонки выбрана неправильно!"));
        }
    } else if (automaticMode()) {
        ds.Tfas = Fas_Tolsh(F);
    }

    TForm2* grids = forms().Form2;
    auto write = [](StringGrid* grid, const PairRadiusColumn& col) {
        grid->setCell(col.column, 0, col.header);
        for (int r = 0; r < col.values.size(); ++r)
            grid->setCell(col.column, r + 1, col.values[r]);
    };
    if (ds.SechType == SechEqualAnglesT) {
        grids->restoreEqualAngleColumns();
        write(grids->StringGrid1, pairRadiusColumn(ds.SechType, ds.Tfas, false));
        grids->StringGrid7->setColCount(10);
        write(grids->StringGrid7, pairRadiusColumn(ds.SechType, ds.Tfas, true));
    } else if (ds.SechType == SechUnequalAnglesShortLegs ||
               ds.SechType == SechUnequalAnglesLongLegs) {
        write(grids->StringGrid2, pairRadiusColumn(ds.SechType, ds.Tfas));
    }
}
