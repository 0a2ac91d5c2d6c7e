#pragma once
// "Типы сечений стержней": the section type chooser. Each button fixes the
// section type and its buckling curve, enables the one catalogue button of the
// main window, prepares the catalogue window and writes the required radii.

#include <QDialog>

class QAction;
class QMenu;
class QToolButton;

class TFormSortV : public QDialog {
    Q_OBJECT
public:
    explicit TFormSortV(QWidget* parent = nullptr);

    QToolButton* BitBtn1;  // equal angles paired in a T
    QToolButton* BitBtn2;  // equal angles crossed
    QToolButton* BitBtn3;  // unequal angles, short legs on the gusset
    QToolButton* BitBtn4;  // unequal angles, long legs on the gusset
    QToolButton* BitBtn5;  // all tees (with the pop-up of the three series)
    QToolButton* BitBtn11; // beam tees
    QToolButton* BitBtn12; // column tees
    QToolButton* BitBtn13; // wide-flange tees
    QToolButton* BitBtn6;  // square hollow sections
    QToolButton* BitBtn7;  // rectangular, upright
    QToolButton* BitBtn8;  // rectangular, turned
    QToolButton* BitBtn9;  // round welded pipes
    QToolButton* BitBtn10; // "Отмена"
    QMenu* PopupMenu1;
    QAction* N26020831; // "Тавры балочные по ГОСТ 26020 - 83"
    QAction* N26020832; // "Тавры колонные по ГОСТ 26020 - 83"
    QAction* N26020833; // "Тавры широкополочные по ГОСТ 26020 - 83"

public slots:
    // Step-by-step (false): only the four angle buttons; automatic (true): all.
    void configure(bool automatic);

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn11Click();
    void BitBtn12Click();
    void BitBtn13Click();
    void N26020831Click();
    void N26020832Click();
    void N26020833Click();

private:
    void unequalAngles(int sechType);
    void rectangular(int sechType);
};
