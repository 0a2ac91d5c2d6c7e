#pragma once
// The windows of the program. Each is created once at start-up, in the order
// below, and lives until the program ends; all but the main window are shown
// modally (through Modal::exec) when their step runs, and keep their control
// values between showings. A window that is not built yet stays nullptr.

class TMain_Form;
class TFPoint;
class TDialog1;
class TForm1;
class TFormSortV;
class TForm2;
class TFasonka;
class TTextDialog;
class TRyNewForm;
class TAboutForm;
class TDataNew;
class TInForm;
class TFormFi;

struct Forms {
    TMain_Form* Main_Form = nullptr;   // main window (selection steps in src/selection)
    TFPoint* FPoint = nullptr;         // decimal-comma warning
    TDialog1* Dialog1 = nullptr;       // member input
    TForm1* Form1 = nullptr;           // additional design data
    TFormSortV* FormSortV = nullptr;   // section type chooser
    TForm2* Form2 = nullptr;           // catalogue window
    TFasonka* Fasonka = nullptr;       // gusset thickness
    TTextDialog* TextDialog = nullptr; // results window
    TRyNewForm* RyNewForm = nullptr;   // Ry by rolled thickness
    TAboutForm* AboutForm = nullptr;   // About
    TDataNew* DataNew = nullptr;       // project passport
    TInForm* InForm = nullptr;         // system information
    TFormFi* FormFi = nullptr;         // φ / φe calculator
};

// The windows of this process.
Forms& forms();

// Creates every window in the start-up order. Returns false when start-up must
// end (the decimal-separator check refused a decimal comma).
bool createForms();

// Destroys every window (the end of the program, and between tests).
void destroyForms();
