#include "TForm2.h"

#include "app/DesignState.h"
#include "batch/LightestSection.h"
#include "catalogue/Catalogue.h"
#include "catalogue/GridCells.h"
#include "catalogue/SectionSketch.h"
#include "common/Modal.h"
#include "common/NumberFormat.h"
#include "common/StringGrid.h"
#include "tools/HelpEngine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel* bandText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 128)); // teal
    label->setPalette(palette);
    return label;
}

StringGrid* makeGrid(const QString& name, QWidget* parent) {
    auto* grid = new StringGrid(parent);
    grid->setObjectName(name);
    return grid;
}

// A catalogue grid as the window shows it at creation; `columns` may exceed
// the catalogue's columns (the gusset step fills the extra one).
// The data rows of a grid from its catalogue list; the first row current.
void fillRows(StringGrid* grid, GridList list) {
    const int rows = gridRowCount(list);
    grid->setRowCount(rows + 1);
    for (int r = 0; r < rows; ++r) {
        const QStringList cells = gridRowCells(list, r);
        for (int c = 0; c < cells.size(); ++c)
            grid->setCell(c, r + 1, cells[c]);
    }
    grid->setRow(1);
}

void fillGrid(StringGrid* grid, GridList list, int columns) {
    const QStringList headers = gridHeaders(list);
    grid->setColCount(columns);
    for (int c = 0; c < headers.size(); ++c)
        grid->setCell(c, 0, headers[c]);
    fillRows(grid, list);
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Сортамент..."));
    HelpEngine::bindHelpKey(this, 8);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl1"));

    struct Band {
        QLabel* x;
        QLabel* y;
        QLabel* area;
    };
    // One tab: left sketch, three texts, optional right sketches, grids in one place.
    // Sketches in one initializer list share one spot (exactly one is shown).
    auto sketchSpot = [](std::initializer_list<SectionSketch*> sketches) {
        auto* spot = new QStackedLayout;
        spot->setStackingMode(QStackedLayout::StackAll);
        for (SectionSketch* s : sketches) {
            s->setFixedSize(100, 100);
            spot->addWidget(s);
        }
        return spot;
    };
    auto makeTab = [this, sketchSpot](const QString& caption,
                                      std::initializer_list<SectionSketch*> left, Band band,
                                      std::initializer_list<SectionSketch*> right,
                                      std::initializer_list<StringGrid*> grids) {
        auto* sheet = new QWidget;
        auto* column = new QVBoxLayout(sheet);
        column->setContentsMargins(6, 6, 6, 6);
        auto* top = new QHBoxLayout;
        top->addLayout(sketchSpot(left));
        top->addSpacing(40);
        auto* texts = new QVBoxLayout;
        texts->addStretch();
        for (QLabel* l : {band.x, band.y, band.area}) {
            l->setParent(sheet);
            texts->addWidget(l);
        }
        texts->addStretch();
        top->addLayout(texts, 1);
        if (right.size() > 0)
            top->addLayout(sketchSpot(right));
        column->addLayout(top);
        auto* place = new QStackedLayout; // grids sharing one rectangle
        place->setStackingMode(QStackedLayout::StackAll);
        for (StringGrid* g : grids)
            place->addWidget(g);
        column->addLayout(place, 1);
        PageControl->addTab(sheet, caption);
        return sheet;
    };

    StringGrid1 = makeGrid(QStringLiteral("StringGrid1"), this);
    StringGrid7 = makeGrid(QStringLiteral("StringGrid7"), this);
    StringGrid2 = makeGrid(QStringLiteral("StringGrid2"), this);
    StringGrid3 = makeGrid(QStringLiteral("StringGrid3"), this);
    StringGrid4 = makeGrid(QStringLiteral("StringGrid4"), this);
    StringGrid8 = makeGrid(QStringLiteral("StringGrid8"), this);
    StringGrid9 = makeGrid(QStringLiteral("StringGrid9"), this);
    StringGrid5 = makeGrid(QStringLiteral("StringGrid5"), this);
    StringGrid6 = makeGrid(QStringLiteral("StringGrid6"), this);

    Label1 = bandText(QStringLiteral("ix,min = "), this);
    Label2 = bandText(QStringLiteral("iy,min =  "), this);
    StaticText1 = bandText(QStringLiteral("Atreb="), this);
    Label3 = bandText(QStringLiteral("ix,min = "), this);
    Label4 = bandText(QStringLiteral("iy,min = "), this);
    StaticText4 = bandText(QStringLiteral("Atreb="), this);
    StaticText7 = bandText(QStringLiteral("ix,min = "), this);
    Label5 = bandText(QStringLiteral("iy,min = "), this);
    StaticText2 = bandText(QStringLiteral("Atreb="), this);
    StaticText8 = bandText(QStringLiteral("ix,min = "), this);
    Label6 = bandText(QStringLiteral("iy,min = "), this);
    StaticText3 = bandText(QStringLiteral("Atreb="), this);
    StaticText9 = bandText(QStringLiteral("ix,min = "), this);
    Label7 = bandText(QStringLiteral("iy,min = "), this);
    StaticText5 = bandText(QStringLiteral("Atreb="), this);
    StaticText10 = bandText(QStringLiteral("ix,min = "), this);
    Label8 = bandText(QStringLiteral("iy,min = "), this);
    StaticText6 = bandText(QStringLiteral("Atreb="), this);

    Image1 = new SectionSketch(SketchKind::EqualAngle, this);
    Image2 = new SectionSketch(SketchKind::UnequalAngle, this);
    Image3 = new SectionSketch(SketchKind::Tee, this);
    Image4 = new SectionSketch(SketchKind::Pipe, this);
    Image5 = new SectionSketch(SketchKind::SquareHollow, this);
    Image6 = new SectionSketch(SketchKind::RectHollowUpright, this);
    Image11 = new SectionSketch(SketchKind::RectHollowFlat, this);
    Image7 = new SectionSketch(SketchKind::UnequalShortLegsOn, this);
    Image8 = new SectionSketch(SketchKind::UnequalLongLegsOn, this);
    Image9 = new SectionSketch(SketchKind::EqualAnglesT, this);
    Image10 = new SectionSketch(SketchKind::EqualAnglesCross, this);

    TabSheet1 =
        makeTab(QStringLiteral("Равнополочные уголки по ГОСТ 8509 - 93"), {Image1},
                {Label1, Label2, StaticText1}, {Image9, Image10}, {StringGrid1, StringGrid7});
    TabSheet2 = makeTab(QStringLiteral("Неравнополочные уголки по ГОСТ 8510 - 86"), {Image2},
                        {Label3, Label4, StaticText4}, {Image7, Image8}, {StringGrid2});
    TabSheet3 = makeTab(QStringLiteral("Тавры по ГОСТ 26020 - 83"), {Image3},
                        {StaticText7, Label5, StaticText2}, {}, {StringGrid3});
    TabSheet4 =
        makeTab(QStringLiteral("Электросварные прямошовные трубы по ГОСТ 10704 - 91*"), {Image4},
                {StaticText8, Label6, StaticText3}, {}, {StringGrid4, StringGrid8, StringGrid9});
    TabSheet5 =
        makeTab(QStringLiteral("Профили гнутые замкнутые сварные квадратные по ГОСТ 30245-2003"),
                {Image5}, {StaticText9, Label7, StaticText5}, {}, {StringGrid5});
    // The rectangular tab shows Image6 (type 7) or Image11 (type 8) on one spot.
    TabSheet6 =
        makeTab(QStringLiteral("Профили гнутые замкнутые сварные прамоугольные по ГОСТ 30245-2003"),
                {Image6, Image11}, {StaticText10, Label8, StaticText6}, {}, {StringGrid6});
    Image11->hide();
    Image10->hide();
    Image8->hide();
    Label1->hide();
    StringGrid7->hide();
    StringGrid8->hide();
    StringGrid9->hide();

    // Grids: contents at creation (the tee grid only gets its header).
    fillGrid(StringGrid1, GridList::EqualShort, 10);
    fillGrid(StringGrid7, GridList::EqualFull, 10);
    fillGrid(StringGrid2, GridList::Unequal, 12);
    fillGrid(StringGrid4, GridList::PipesShort, 7);
    fillGrid(StringGrid8, GridList::PipesSeamless, 7);
    fillGrid(StringGrid9, GridList::PipesFull, 7);
    fillGrid(StringGrid5, GridList::Square, 6);
    fillGrid(StringGrid6, GridList::Rect, 7);
    StringGrid3->setColCount(11);
    StringGrid3->setRowCount(1);
    const QStringList teeHeaders = gridHeaders(GridList::TeesAll);
    for (int c = 0; c < teeHeaders.size(); ++c)
        StringGrid3->setCell(c, 0, teeHeaders[c]);

    setEqualAngleWidths();
    StringGrid7->setColumnWidths({43, 46, 56, 58, 52, 53, 54, 50, 78, 100});
    StringGrid2->setColumnWidths({42, 39, 45, 52, 52, 87, 51, 47, 49, 46, 46, 100});
    StringGrid3->setColumnWidths({88, 52, 51, 49, 48, 48, 64, 54, 51, 50, 86});
    StringGrid4->setColumnWidths({87, 80, 87, 93, 90, 91, 93});
    StringGrid8->setColumnWidths({88, 78, 87, 93, 91, 90, 91});
    StringGrid9->setColumnWidths({88, 78, 88, 91, 91, 90, 92});
    StringGrid5->setColumnWidths({81, 77, 83, 96, 74, 76});
    StringGrid6->setColumnWidths({101, 86, 92, 79, 77, 80, 105});

    connectGrid(StringGrid1, &TForm2::BitBtn7Click);
    connectGrid(StringGrid7, &TForm2::BitBtn7Click);
    connectGrid(StringGrid2, &TForm2::BitBtn2Click);
    connectGrid(StringGrid3, &TForm2::BitBtn3Click);
    connectGrid(StringGrid4, &TForm2::BitBtn4Click);
    connectGrid(StringGrid8, &TForm2::BitBtn4Click);
    connectGrid(StringGrid9, &TForm2::BitBtn4Click);
    connectGrid(StringGrid5, &TForm2::BitBtn5Click);
    connectGrid(StringGrid6, &TForm2::BitBtn6Click);

    BitOk = new QPushButton(QStringLiteral("Принять"), this);
    BitOk->setObjectName(QStringLiteral("BitOk"));
    BitCancel = new QPushButton(QStringLiteral("Отмена"), this);
    BitCancel->setObjectName(QStringLiteral("BitCancel"));
    for (QPushButton* b : {BitOk, BitCancel}) {
        b->setCursor(Qt::PointingHandCursor);
        b->setMinimumSize(105, 25);
        b->setAutoDefault(false);
    }
    BitFit = new QPushButton(QStringLiteral("Подобрать"), this);
    BitFit->setObjectName(QStringLiteral("BitFit"));
    BitFit->setToolTip(
        QStringLiteral("Перейти к самому легкому сечению, которое проходит все проверки"));
    BitFit->setCursor(Qt::PointingHandCursor);
    BitFit->setMinimumSize(105, 25);
    BitFit->setAutoDefault(false);
    connect(BitFit, &QPushButton::clicked, this, &TForm2::BitFitClick);
    connect(BitOk, &QPushButton::clicked, this, &TForm2::BitOkClick);
    connect(BitCancel, &QPushButton::clicked, this, &TForm2::BitCancelClick);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel0->setMinimumWidth(250);
    StatusPanel1->setMinimumWidth(200);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitFit);
    buttons->addStretch();
    buttons->addWidget(BitOk);
    buttons->addSpacing(10);
    buttons->addWidget(BitCancel);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(4);
    root->addWidget(PageControl, 1);
    auto* buttonRow = new QWidget(this);
    buttonRow->setLayout(buttons);
    buttons->setContentsMargins(8, 0, 8, 0);
    root->addWidget(buttonRow);
    root->addWidget(StatusBar1);
    resize(680, 470);
}

void TForm2::setEqualAngleWidths() {
    StringGrid1->setColumnWidths({50, 58, 55, 58, 53, 52, 54, 49, 82, 100});
}

void TForm2::showCrossRadii(const QStringList& column7) {
    StringGrid1->setColCount(9);
    for (int r = 0; r < column7.size(); ++r)
        StringGrid1->setCell(7, r + 1, column7[r]);
    setEqualAngleWidths();
}

void TForm2::restoreEqualAngleColumns() {
    const catalogue::Table& t = catalogue::table(catalogue::Id::UgolRavnKor);
    const int iy0 = t.column("iy0");
    StringGrid1->setColCount(10);
    for (int r = 0; r < t.rows; ++r)
        StringGrid1->setCell(7, r + 1, gridNumber(t.value(r, iy0)));
    setEqualAngleWidths();
}

void TForm2::connectGrid(StringGrid* grid, bool (TForm2::*evaluation)()) {
    connect(grid, &StringGrid::rowClicked, this, [this, evaluation] {
        if ((this->*evaluation)())
            FindRezult();
    });
    connect(grid, &StringGrid::rowDoubleClicked, this,
            [this, evaluation] { (this->*evaluation)(); });
}

void TForm2::showOnlyTab(int pageIndex) {
    for (int i = 0; i < PageControl->count(); ++i)
        PageControl->setTabVisible(i, i == pageIndex);
    PageControl->setCurrentIndex(pageIndex);
}

StringGrid* TForm2::equalAngleGrid() const {
    return designState().SortVariant == SortEqualAngles8509 ? StringGrid7 : StringGrid1;
}

StringGrid* TForm2::pipeGrid() const {
    switch (designState().SortVariant) {
    case SortPipesSeamless:
        return StringGrid8;
    case SortPipesWeldedFull:
        return StringGrid9;
    default:
        return StringGrid4;
    }
}

StringGrid* TForm2::activeGrid() const {
    switch (PageControl->currentIndex()) {
    case 0:
        return equalAngleGrid();
    case 1:
        return StringGrid2;
    case 2:
        return StringGrid3;
    case 3:
        return pipeGrid();
    case 4:
        return StringGrid5;
    default:
        return StringGrid6;
    }
}

bool TForm2::evaluate(CatalogueFamily family, StringGrid* grid, bool fullEqualAngleList) {
    const int row = grid->row();
    if (row < 1) {
        Modal::error(this, QStringLiteral("В таблице сортамента нет строк: выберите тип сечения."));
        return false;
    }
    const EvaluationResult result = evaluateRow(
        family, [grid, row](int c) { return grid->cell(c, row); }, fullEqualAngleList);
    if (!result.ok)
        Modal::error(this, result.error);
    return result.ok;
}

bool TForm2::BitBtn7Click() {
    const bool full = designState().SortVariant == SortEqualAngles8509;
    return evaluate(CatalogueFamily::EqualAngles, equalAngleGrid(), full);
}

bool TForm2::BitBtn2Click() {
    return evaluate(CatalogueFamily::UnequalAngles, StringGrid2);
}

bool TForm2::BitBtn3Click() {
    return evaluate(CatalogueFamily::Tees, StringGrid3);
}

bool TForm2::BitBtn4Click() {
    return evaluate(CatalogueFamily::Pipes, pipeGrid());
}

bool TForm2::BitBtn5Click() {
    return evaluate(CatalogueFamily::SquareHollow, StringGrid5);
}

bool TForm2::BitBtn6Click() {
    return evaluate(CatalogueFamily::RectHollow, StringGrid6);
}

void TForm2::FindRezult() {
    if (!isAutoMode())
        return;
    refineRy();
    const Verdicts v = checkCurrentSection(isTension());
    StatusPanel0->setText(v.stress);
    StatusPanel1->setText(v.slenderness);
}

bool TForm2::evaluateActiveTab() {
    switch (PageControl->currentIndex()) {
    case 0:
        return BitBtn7Click();
    case 1:
        return BitBtn2Click();
    case 2:
        return BitBtn3Click();
    case 3:
        return BitBtn4Click();
    case 4:
        return BitBtn5Click();
    default:
        return BitBtn6Click();
    }
}

void TForm2::BitOkClick() {
    // A row that cannot be evaluated keeps the window open (the error box has
    // said why).
    if (!evaluateActiveTab())
        return;
    designState().SortOk = true;
    accept();
}

void TForm2::BitCancelClick() {
    reject(); // done() clears SortOk
}

void TForm2::loadTees(GridList list) {
    teeList_ = list;
    fillRows(StringGrid3, list);
}

GridList TForm2::gridList(const StringGrid* grid) const {
    if (grid == StringGrid1)
        return GridList::EqualShort;
    if (grid == StringGrid7)
        return GridList::EqualFull;
    if (grid == StringGrid2)
        return GridList::Unequal;
    if (grid == StringGrid3)
        return teeList_;
    if (grid == StringGrid4)
        return GridList::PipesShort;
    if (grid == StringGrid8)
        return GridList::PipesSeamless;
    if (grid == StringGrid9)
        return GridList::PipesFull;
    if (grid == StringGrid5)
        return GridList::Square;
    return GridList::Rect;
}

void TForm2::BitFitClick() {
    StringGrid* grid = activeGrid();
    const GridList list = gridList(grid);
    const int row = lightestAdequateRow(list, isTension());
    if (row < 0) {
        Modal::inform(this, QStringLiteral("Ни одно сечение этого сортамента не проходит "
                                           "проверку. ") +
                                noAdequateRowReason(list, isTension()));
        return;
    }
    grid->setRow(row + 1);
    emit grid->rowClicked();
}

void TForm2::markInadequateRows() {
    StringGrid* grid = activeGrid();
    if (!isAutoMode()) {
        BitFit->hide();
        grid->setGreyRows({});
        return;
    }
    BitFit->show();
    const std::vector<bool> adequate = adequateRows(gridList(grid), isTension());
    QVector<bool> grey(int(adequate.size()));
    for (std::size_t i = 0; i < adequate.size(); ++i)
        grey[int(i)] = !adequate[i];
    grid->setGreyRows(grey);
}

void TForm2::showEvent(QShowEvent* event) {
    markInadequateRows();
    QDialog::showEvent(event);
}

void TForm2::done(int result) {
    // FormClose: every closing empties both verdict panels.
    StatusPanel0->clear();
    StatusPanel1->clear();
    // Any closing but "Принять" (Отмена, Esc, the title bar) takes no row.
    if (result != QDialog::Accepted)
        designState().SortOk = false;
    QDialog::done(result);
}
