#include "AdditionalDataForm.h"

#include "app/DesignState.h"
#include "app/ReferenceTexts.h"
#include "app/SteelTable.h"
#include "tools/HelpEngine.h"

#include <algorithm>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Help contexts: the dialog, its coefficient and steel tabs, its slenderness tabs.
constexpr int helpContextDialog = 1;
constexpr int helpContextCoefficients = 4;
constexpr int helpContextSlenderness = 5;

QRadioButton* radio(QWidget* parent, QLayout* layout, const char* name, const QString& caption) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
}

// A read-only reference memo on a light background, with both scroll bars.
QPlainTextEdit* memo(QWidget* parent, const QString& text) {
    auto* m = new QPlainTextEdit(parent);
    m->setReadOnly(true);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    m->setFont(font);
    QPalette pal = m->palette();
    pal.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xE8));
    pal.setColor(QPalette::Text, Qt::black);
    m->setPalette(pal);
    m->setPlainText(text);
    return m;
}

QLabel* heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

// The "Другое..." choice of a group: its spin edit is enabled only while it is chosen.
void linkSpinToChoice(QRadioButton* choice, QWidget* spin) {
    spin->setEnabled(choice->isChecked());
    QObject::connect(choice, &QRadioButton::toggled, spin, &QWidget::setEnabled);
}

// An emptied limit-slenderness spin edit is set back to 120.
void restoreEmptiedTo120(QSpinBox* spin) {
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    if (!edit)
        return;
    QObject::connect(edit, &QLineEdit::textChanged, spin, [spin, edit](const QString& text) {
        if (!text.trimmed().isEmpty())
            return;
        spin->setValue(120);
        edit->setText(QStringLiteral("120"));
    });
}

} // namespace

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral(" Дополнительные данные..."));
    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = buildGammaNTab();
    TabSheet2 = buildGammaCTab();
    TabSheet3 = buildSteelTab();
    TabSheet4 = buildCompressionTab();
    TabSheet5 = buildTensionTab();
    PageControl1->addTab(TabSheet1, QStringLiteral("Таблица 1"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Таблица 2"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Таблица 3"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Таблица 4"));
    PageControl1->addTab(TabSheet5, QStringLiteral("Таблица 5"));
    layout->addWidget(PageControl1);

    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Сохранить выбранные значения и выйти"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Отмена"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("Выйти без сохранения выбранных значений"));
    BitBtn3 = new QPushButton(QStringLiteral("&Далее..."), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        designState().NextStep = false;
        accept();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TForm1::showHelp);

    resize(880, 560);
    FormCreate();
}

QWidget* TForm1::buildGammaNTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(heading(tab, QStringLiteral("γn - коэффициент надежности по назначению")));
    auto* panel = new QLabel(
        QStringLiteral("К Л А С С Ы   О Т В Е Т С Т В Е Н Н О С Т И    З Д А Н И Й "), tab);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAlignment(Qt::AlignCenter);
    layout->addWidget(panel);

    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(QStringLiteral(" Выберете коэффициент"), tab);
    group->setToolTip(QStringLiteral("Коэффициент надежности по назначению "));
    auto* g = new QVBoxLayout(group);
    RadioButton1 = radio(group, g, "RadioButton1", QStringLiteral(" Класс I     =  1"));
    RadioButton2 = radio(group, g, "RadioButton2", QStringLiteral(" Класс II    =   0.95"));
    RadioButton3 = radio(group, g, "RadioButton3", QStringLiteral(" Класс III   =  0.9"));
    RadioButton4 = radio(group, g, "RadioButton4", QStringLiteral("Другое..."));
    RxSpinEdit3 = new QDoubleSpinBox(group);
    RxSpinEdit3->setObjectName(QStringLiteral("RxSpinEdit3"));
    RxSpinEdit3->setRange(0.5, 1.5);
    RxSpinEdit3->setSingleStep(0.01);
    RxSpinEdit3->setDecimals(2);
    RxSpinEdit3->setValue(0.8);
    g->addWidget(RxSpinEdit3);
    g->addStretch();
    RadioButton1->setChecked(true);
    linkSpinToChoice(RadioButton4, RxSpinEdit3);
    row->addWidget(group);

    auto* pages = new QTabWidget(tab);
    pages->addTab(memo(pages, responsibilityClassesOrderText()),
                  QStringLiteral("Приказ №91 Госстроя РБ от 30.10.1992"));
    pages->addTab(memo(pages, responsibilityClassesLoadsCodeText()),
                  QStringLiteral("СНиП 2.01.07 - 85 "));
    row->addWidget(pages, 1);
    layout->addLayout(row, 1);
    return tab;
}

QWidget* TForm1::buildGammaCTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(heading(tab, QStringLiteral("Коэффициент условий работы по СНиП II-23-81*  "
                                                  "\" Стальные конструкции\"")));
    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(QStringLiteral(" Выберете коэффициент "), tab);
    group->setToolTip(QStringLiteral("Коэффициент условий работы "));
    auto* g = new QVBoxLayout(group);
    RadioButton5 = radio(group, g, "RadioButton5", QStringLiteral("     1.05"));
    RadioButton6 = radio(group, g, "RadioButton6", QStringLiteral("     1"));
    RadioButton7 = radio(group, g, "RadioButton7", QStringLiteral("      0.95"));
    RadioButton8 = radio(group, g, "RadioButton8", QStringLiteral("      0.9"));
    RadioButton9 = radio(group, g, "RadioButton9", QStringLiteral("      0.8"));
    g->addStretch();
    RadioButton6->setChecked(true);
    row->addWidget(group);
    row->addWidget(memo(tab, workingConditionsText()), 1);
    layout->addLayout(row, 1);
    return tab;
}

QWidget* TForm1::buildSteelTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(
        heading(tab, QStringLiteral("Класс стали по СНиП II-23-81*  \"Стальные конструкции\"")));
    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(QStringLiteral("Сталь"), tab);
    group->setToolTip(QStringLiteral("Класс стали по ГОСТ 27772-88"));
    auto* g = new QVBoxLayout(group);
    for (int i = 0; i < int(steelChoices().size()); ++i) {
        const SteelChoice& c = steelChoices()[i];
        steelButtons_[i] = radio(group, g, c.control, QString::fromUtf8(c.name));
    }
    RadioButton10 = steelButtons_[0];
    RadioButton11 = steelButtons_[1];
    RadioButton12 = steelButtons_[2];
    RadioButton13 = steelButtons_[3];
    RadioButton14 = steelButtons_[4];
    RadioButton15 = steelButtons_[5];
    RadioButton16 = steelButtons_[6];
    RadioButton17 = steelButtons_[7];
    Stal20 = steelButtons_[8];
    G2AF = steelButtons_[9];
    Stal20->setToolTip(QStringLiteral("ГОСТ 8731-87"));
    G2AF->setToolTip(QStringLiteral("ТУ 14-3-567-76"));
    SteelNew = radio(group, g, "SteelNew", QStringLiteral("Ry = ..."));
    RxRyNew = new QSpinBox(group);
    RxRyNew->setObjectName(QStringLiteral("RxRyNew"));
    RxRyNew->setRange(200, 400);
    RxRyNew->setValue(200);
    g->addWidget(RxRyNew);
    g->addStretch();
    RadioButton10->setChecked(true);
    linkSpinToChoice(SteelNew, RxRyNew);
    row->addWidget(group);

    StringGrid1 = new QTableWidget(tab);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
    row->addWidget(StringGrid1, 1);
    layout->addLayout(row, 1);

    for (int i = 0; i < int(steelChoices().size()); ++i) {
        const int gridRow = steelChoices()[i].gridRow;
        connect(steelButtons_[i], &QRadioButton::toggled, this, [this, gridRow](bool on) {
            if (!on)
                return;
            if (gridRow < gridRows())
                StringGrid1->selectRow(gridRow - 1);
            RxRyNew->setEnabled(false);
        });
    }
    connect(StringGrid1, &QTableWidget::cellClicked, this, &TForm1::StringGrid1Click);
    return tab;
}

QWidget* TForm1::buildCompressionTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(heading(tab, QStringLiteral("Предельные гибкости для сжатых стержней "
                                                  "(СНиП II-23-81*, Таблица 19*)")));
    auto* assumed = new QHBoxLayout;
    assumed->addWidget(new QLabel(QStringLiteral("Задаемся гибкостью стержня -"), tab));
    GibkostEdit = new QLineEdit(tab);
    GibkostEdit->setObjectName(QStringLiteral("GibkostEdit"));
    GibkostEdit->setInputMask(QStringLiteral("000; "));
    GibkostEdit->setMaxLength(3);
    GibkostEdit->setText(QStringLiteral(" 90"));
    GibkostEdit->setFixedWidth(
        GibkostEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    assumed->addWidget(GibkostEdit);
    // The up-down control bound to the field: 0 … 200, position 90.
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    UpDownUp = new QToolButton(tab);
    UpDownUp->setObjectName(QStringLiteral("UpDown1Up"));
    UpDownUp->setArrowType(Qt::UpArrow);
    UpDownUp->setAutoRepeat(true);
    UpDownDown = new QToolButton(tab);
    UpDownDown->setObjectName(QStringLiteral("UpDown1Down"));
    UpDownDown->setArrowType(Qt::DownArrow);
    UpDownDown->setAutoRepeat(true);
    for (QToolButton* b : {UpDownUp, UpDownDown})
        b->setFixedSize(18, 12);
    arrows->addWidget(UpDownUp);
    arrows->addWidget(UpDownDown);
    assumed->addLayout(arrows);
    assumed->addStretch();
    layout->addLayout(assumed);
    connect(UpDownUp, &QToolButton::clicked, this, [this] { stepUpDown(+1); });
    connect(UpDownDown, &QToolButton::clicked, this, [this] { stepUpDown(-1); });
    connect(GibkostEdit, &QLineEdit::textEdited, this, [this] {
        bool ok = false;
        const int typed = GibkostEdit->displayText().trimmed().toInt(&ok);
        if (ok)
            upDownPosition_ = std::clamp(typed, 0, 200);
    });

    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(QStringLiteral(" Выберете..."), tab);
    group->setToolTip(QStringLiteral("Предельные гибкости для сжатых стержней"));
    auto* g = new QVBoxLayout(group);
    RadioButton18 = radio(group, g, "RadioButton18", QStringLiteral("180 - 60α"));
    RadioButton19 = radio(group, g, "RadioButton19", QStringLiteral("120"));
    RadioButton20 = radio(group, g, "RadioButton20", QStringLiteral("210 - 60α"));
    RadioButton21 = radio(group, g, "RadioButton21", QStringLiteral("220"));
    RadioButton28 = radio(group, g, "RadioButton28", QStringLiteral("Другое..."));
    RxSpinEdit1 = new QSpinBox(group);
    RxSpinEdit1->setObjectName(QStringLiteral("RxSpinEdit1"));
    RxSpinEdit1->setRange(120, 400);
    RxSpinEdit1->setValue(120);
    g->addWidget(RxSpinEdit1);
    g->addStretch();
    RadioButton18->setChecked(true);
    linkSpinToChoice(RadioButton28, RxSpinEdit1);
    restoreEmptiedTo120(RxSpinEdit1);
    row->addWidget(group);
    row->addWidget(memo(tab, compressionLimitsText()), 1);
    layout->addLayout(row, 1);
    return tab;
}

QWidget* TForm1::buildTensionTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(heading(tab, QStringLiteral("Выбор предельных гибкостей для растянутых "
                                                  "стержней (СНиП II-23-81*, Таблица 20*)")));
    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(QStringLiteral(" Выберете..."), tab);
    group->setToolTip(QStringLiteral("Предельные гибкости для растянутых стержней"));
    auto* g = new QVBoxLayout(group);
    RadioButton22 = radio(group, g, "RadioButton22", QStringLiteral("150"));
    RadioButton23 = radio(group, g, "RadioButton23", QStringLiteral("200"));
    RadioButton24 = radio(group, g, "RadioButton24", QStringLiteral("250"));
    RadioButton25 = radio(group, g, "RadioButton25", QStringLiteral("300"));
    RadioButton26 = radio(group, g, "RadioButton26", QStringLiteral("350"));
    RadioButton27 = radio(group, g, "RadioButton27", QStringLiteral("400"));
    RadioButton29 = radio(group, g, "RadioButton29", QStringLiteral("Другое..."));
    RxSpinEdit2 = new QSpinBox(group);
    RxSpinEdit2->setObjectName(QStringLiteral("RxSpinEdit2"));
    RxSpinEdit2->setRange(120, 400);
    RxSpinEdit2->setValue(120);
    g->addWidget(RxSpinEdit2);
    g->addStretch();
    RadioButton24->setChecked(true);
    linkSpinToChoice(RadioButton29, RxSpinEdit2);
    restoreEmptiedTo120(RxSpinEdit2);
    row->addWidget(group);
    row->addWidget(memo(tab, tensionLimitsText()), 1);
    layout->addLayout(row, 1);
    return tab;
}

void TForm1::FormCreate() {
    StringGrid1->setColumnCount(steelGridColumns);
    QStringList headings;
    for (int c = 0; c < steelGridColumns; ++c)
        headings << steelGridHeading(c);
    StringGrid1->setHorizontalHeaderLabels(headings);
    StringGrid1->setRowCount(steelGridDataRows);
    for (int r = 1; r <= steelGridDataRows; ++r)
        for (int c = 0; c < steelGridColumns; ++c) {
            auto* item = new QTableWidgetItem(steelGridCell(c, r));
            item->setTextAlignment(c == 1 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                          : Qt::Alignment(Qt::AlignCenter));
            StringGrid1->setItem(r - 1, c, item);
        }
    StringGrid1->resizeColumnsToContents();
    StringGrid1->selectRow(0);
    RxSpinEdit3->setEnabled(false);
}

QRadioButton* TForm1::steelButton(int choice) const {
    return choice >= 0 && choice < 10 ? steelButtons_[choice] : nullptr;
}

int TForm1::gridRows() const {
    return shownRows_;
}

void TForm1::setGridRows(int rowsWithHeading) {
    // Rows beyond the count are dropped from view, not from the table: the
    // cells stay as filled at creation.
    for (int r = 0; r < steelGridDataRows; ++r)
        StringGrid1->setRowHidden(r, r + 1 >= rowsWithHeading);
    shownRows_ = rowsWithHeading;
}

int TForm1::gridRow() const {
    const int current = StringGrid1->currentRow();
    return current < 0 ? 0 : current + 1;
}

void TForm1::setTabShown(int index, bool shown) {
    PageControl1->setTabVisible(index, shown);
}

bool TForm1::tabShown(int index) const {
    return PageControl1->isTabVisible(index);
}

void TForm1::StringGrid1Click() {
    const int row = gridRow();
    if (row < 1)
        return;
    const int choice = steelChoiceOfGridRow(row);
    if (choice < 0)
        SteelNew->setChecked(true);
    else
        steelButtons_[choice]->setChecked(true);
}

void TForm1::BitBtn3Click() {
    designState().NextStep = true;
    accept();
}

void TForm1::stepUpDown(int delta) {
    upDownPosition_ = std::clamp(upDownPosition_ + delta, 0, 200);
    GibkostEdit->setText(QStringLiteral("%1").arg(upDownPosition_, 3));
}

void TForm1::showHelp() {
    const QWidget* tab = PageControl1->currentWidget();
    int context = helpContextDialog;
    if (tab == TabSheet1 || tab == TabSheet2 || tab == TabSheet3)
        context = helpContextCoefficients;
    else if (tab == TabSheet4 || tab == TabSheet5)
        context = helpContextSlenderness;
    HelpEngine::showTopic(this, context);
}
