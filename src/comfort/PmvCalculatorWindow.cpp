#include "comfort/PmvCalculatorWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MessageDialog.h"
#include "comfort/Pmv.h"
#include "comfort/PmvCalculator.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <vector>

namespace vamok {

namespace {

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* NewLabel(QWidget* parent, const char* name, const char* text)
{
    return Named(new QLabel(FromCp1252(text), parent), name);
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const std::string& text = {})
{
    auto* edit = Named(new QLineEdit(FromCp1252(text), parent), name);
    edit->setFixedWidth(70);
    return edit;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* text)
{
    return Named(new QPushButton(FromCp1252(text), parent), name);
}

std::string TextOf(const QLineEdit* edit)
{
    return ToCp1252(edit->text());
}

} // namespace

TwVAMOK_PMV::TwVAMOK_PMV(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName("TwVAMOK_PMV");
    setWindowTitle("VAMOK PMV-Rechner");

    // Inputs on the left; results on the right, the 16 cm column first and
    // the 15 cm column (developer mode) at the right edge.
    auto* window = new QHBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->setContentsMargins(10, 10, 10, 10);
    auto* inputs = new QGridLayout;
    auto* results = new QGridLayout;
    window->addLayout(inputs);
    window->addSpacing(20);
    window->addLayout(results);
    window->setAlignment(results, Qt::AlignTop);

    int row = 0;
    const auto addInput = [&](QWidget* label, QLineEdit* edit, QWidget* unit) {
        inputs->addWidget(label, row, 1);
        inputs->addWidget(edit, row, 2);
        inputs->addWidget(unit, row, 3);
        ++row;
    };
    TLEdit = NewEdit(this, "TLEdit");
    addInput(NewLabel(this, "Label1", "Lufttemperatur: "), TLEdit, NewLabel(this, "Label8", "\xB0" "C"));
    RFEdit = NewEdit(this, "RFEdit");
    addInput(NewLabel(this, "Label2", "rel Luftfeuchtigkeit: "), RFEdit, NewLabel(this, "Label9", "%"));
    VEdit = NewEdit(this, "VEdit");
    addInput(NewLabel(this, "Label3", "Luftgeschwindigkeit: "), VEdit, NewLabel(this, "Label10", "m/s"));

    EingabeGlobetemp = Named(new QRadioButton(this), "EingabeGlobetemp");
    EingabeGlobetemp->setChecked(true);
    inputs->addWidget(EingabeGlobetemp, row, 0);
    Label4 = NewLabel(this, "Label4", "Globetemperatur: ");
    GTEdit = NewEdit(this, "GTEdit");
    Label13 = NewLabel(this, "Label13", "\xB0" "C");
    addInput(Label4, GTEdit, Label13);

    EingabeMSTemp = Named(new QRadioButton(this), "EingabeMSTemp");
    inputs->addWidget(EingabeMSTemp, row, 0);
    Label5 = NewLabel(this, "Label5", "mitt. Strahlungstemp.:");
    MSEdit = NewEdit(this, "MSEdit");
    Label14 = NewLabel(this, "Label14", "\xB0" "C");
    addInput(Label5, MSEdit, Label14);

    CloEdit = NewEdit(this, "CloEdit", MeanCloText());
    addInput(NewLabel(this, "Label6", "Bekleidungswert: "), CloEdit, NewLabel(this, "Label11", "clo"));
    auto* cloButtons = new QHBoxLayout;
    DefaultSommer = NewButton(this, "DefaultSommer", "Default Sommer");
    DefaultMittel = NewButton(this, "DefaultMittel", "Default Mittel");
    DefaultWinter = NewButton(this, "DefaultWinter", "Default Winter");
    cloButtons->addWidget(DefaultSommer);
    cloButtons->addWidget(DefaultMittel);
    cloButtons->addWidget(DefaultWinter);
    inputs->addLayout(cloButtons, row++, 1, 1, 3);

    METEdit = NewEdit(this, "METEdit", DefaultMetText());
    auto* metLabel = NewLabel(this, "Label7", "k\xF6rperlicher Aktivit\xE4tsgrad: ");
    metLabel->setWordWrap(true);
    addInput(metLabel, METEdit, NewLabel(this, "Label12", "met"));
    Button2 = NewButton(this, "Button2", "Default");
    inputs->addWidget(Button2, row, 2);
    inputs->addWidget(NewLabel(this, "Label17", " <- Energieumsatz /Hautoberfl\xE4" "che"), row++, 3);

    inputs->addWidget(NewLabel(this, "Label19", "1 met <-> 58 W/m\xB2"), row++, 1, 1, 3);
    inputs->addWidget(NewLabel(this, "Label20", "Bekleidungswert: "), row++, 1, 1, 3);
    inputs->addWidget(NewLabel(this, "Label21", "1 clo <-> 0,155 m\xB2 \xB0" "C / W "), row++, 1, 1, 3);
    inputs->addWidget(NewLabel(this, "Label22", "1 clo <-> Isolationswert normaler Arbeitskleidung"), row++, 1, 1, 3);
    inputs->addWidget(NewLabel(this, "Label23", "k\xF6rperlicher Aktivit\xE4tsgrad: "), row++, 1, 1, 3);
    Calculate = NewButton(this, "Calculate", "Berechnen");
    inputs->addWidget(Calculate, row++, 1, 1, 3);

    Label16cm = NewLabel(this, "Label16cm", "(Globe/)Kugel Durchmesser 16cm (VAMOK)");
    Label15cm = NewLabel(this, "Label15cm", "(Globe/)Kugel Durchmesser 15cm (Standard)");
    results->addWidget(Label16cm, 0, 1, 1, 2);
    results->addWidget(Label15cm, 0, 3, 1, 2);
    Label16cm->hide();
    Label15cm->hide();
    PMVEdit = NewEdit(this, "PMVEdit");
    PMVEdit_2 = NewEdit(this, "PMVEdit_2");
    results->addWidget(NewLabel(this, "Label15", "PMV: "), 1, 0);
    results->addWidget(PMVEdit, 1, 1);
    results->addWidget(PMVEdit_2, 1, 3);
    PPDEdit = NewEdit(this, "PPDEdit");
    PPDEdit_2 = NewEdit(this, "PPDEdit_2");
    results->addWidget(NewLabel(this, "Label16", "PPD: "), 2, 0);
    results->addWidget(PPDEdit, 2, 1);
    results->addWidget(PPDEdit_2, 2, 3);
    Label18 = NewLabel(this, "Label18", "berechnete MSTemp.:");
    MSberEdit = NewEdit(this, "MSberEdit");
    LabelTEinheit_16 = NewLabel(this, "LabelTEinheit_16", "\xB0" "C");
    MSberEdit_2 = NewEdit(this, "MSberEdit_2");
    LabelTEinheit_15 = NewLabel(this, "LabelTEinheit_15", "\xB0" "C");
    results->addWidget(Label18, 3, 0);
    results->addWidget(MSberEdit, 3, 1);
    results->addWidget(LabelTEinheit_16, 3, 2);
    results->addWidget(MSberEdit_2, 3, 3);
    results->addWidget(LabelTEinheit_15, 3, 4);
    // The 15 cm column lies beyond the narrow width until developer mode
    // shows it.
    for (QWidget* second : secondColumn())
        second->hide();

    Lang = Named(new QListWidget(this), "Lang");
    for (const char* text : {"ACHTUNG", "Fehler", "Warnung", "Bitte tragen Sie f\xFCr jeden Parameter",
                             "einen g\xFCltigen Wert ein.", "Das g\xFCltige Dezimaltrennzeichen ist das Komma."})
        Lang->addItem(FromCp1252(text));
    Lang->hide();

    Label5->setEnabled(false);
    MSEdit->setEnabled(false);
    Label14->setEnabled(false);

    connect(EingabeGlobetemp, &QRadioButton::clicked, this, &TwVAMOK_PMV::InputModeClick);
    connect(EingabeMSTemp, &QRadioButton::clicked, this, &TwVAMOK_PMV::InputModeClick);
    connect(DefaultWinter, &QPushButton::clicked, this, [this] { CloEdit->setText(FromCp1252(WinterCloText())); });
    connect(DefaultMittel, &QPushButton::clicked, this, [this] { CloEdit->setText(FromCp1252(MeanCloText())); });
    connect(DefaultSommer, &QPushButton::clicked, this, [this] { CloEdit->setText(FromCp1252(SummerCloText())); });
    connect(Button2, &QPushButton::clicked, this, [this] { METEdit->setText(FromCp1252(DefaultMetText())); });
    connect(Calculate, &QPushButton::clicked, this, &TwVAMOK_PMV::CalculateClick);
    connect(PMVEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { PPDEdit->setText(FromCp1252(PPDText(ToCp1252(text)))); });
    connect(PMVEdit_2, &QLineEdit::textChanged, this,
            [this](const QString& text) { PPDEdit_2->setText(FromCp1252(PPDText(ToCp1252(text)))); });
    auto* developer = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_D), this);
    connect(developer, &QShortcut::activated, this, &TwVAMOK_PMV::ShowSecondColumn);
}

std::vector<QWidget*> TwVAMOK_PMV::secondColumn() const
{
    return {PMVEdit_2, PPDEdit_2, MSberEdit_2, LabelTEinheit_15};
}

std::string TwVAMOK_PMV::langText(int index) const
{
    return ToCp1252(Lang->item(index)->text());
}

void TwVAMOK_PMV::InputModeClick()
{
    const bool globe = EingabeGlobetemp->isChecked();
    const std::vector<QWidget*> globeControls{Label4, GTEdit, Label13, Label18, MSberEdit,
                                              LabelTEinheit_16, LabelTEinheit_15, MSberEdit_2};
    for (QWidget* w : globeControls)
        w->setEnabled(globe);
    const std::vector<QWidget*> meanRadiantControls{Label5, MSEdit, Label14};
    for (QWidget* w : meanRadiantControls)
        w->setEnabled(!globe);
}

void TwVAMOK_PMV::setFailed(QLineEdit* edit, bool failed)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, failed ? QColor(255, 0, 0) : this->palette().color(QPalette::Base));
    edit->setPalette(palette);
}

void TwVAMOK_PMV::CalculateClick()
{
    PmvCalculatorInput input;
    input.airTemperature = TextOf(TLEdit);
    input.humidity = TextOf(RFEdit);
    input.airVelocity = TextOf(VEdit);
    input.globeTemperature = TextOf(GTEdit);
    input.meanRadiantTemperature = TextOf(MSEdit);
    input.clo = TextOf(CloEdit);
    input.met = TextOf(METEdit);
    input.globeMode = EingabeGlobetemp->isChecked();
    input.secondColumn = App().DeveloperMode;
    const PmvCalculatorResult result = CalculatePmv(input);

    setFailed(TLEdit, !result.airTemperatureOk);
    setFailed(RFEdit, !result.humidityOk);
    setFailed(VEdit, !result.airVelocityOk);
    setFailed(input.globeMode ? GTEdit : MSEdit, !result.temperatureOk);
    setFailed(input.globeMode ? MSEdit : GTEdit, false);
    setFailed(CloEdit, !result.cloOk);
    setFailed(METEdit, !result.metOk);
    if (!result.InputOk()) {
        ShowMessageBox(this, langText(3) + "\r\n" + langText(4) + "\r\n" + langText(5), langText(0));
        PMVEdit->setText("N/A");
        PPDEdit->setText("N/A");
        return;
    }
    if (input.globeMode)
        MSberEdit->setText(FromCp1252(result.meanRadiant16));
    PMVEdit->setText(FromCp1252(result.pmv16));
    PPDEdit->setText(FromCp1252(result.ppd16));
    if (input.secondColumn) {
        if (input.globeMode)
            MSberEdit_2->setText(FromCp1252(result.meanRadiant15));
        PMVEdit_2->setText(FromCp1252(result.pmv15));
        PPDEdit_2->setText(FromCp1252(result.ppd15));
    }
}

void TwVAMOK_PMV::ShowSecondColumn()
{
    for (QWidget* second : secondColumn())
        second->show();
}

void TwVAMOK_PMV::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (App().DeveloperMode)
        ShowSecondColumn();
}

} // namespace vamok
