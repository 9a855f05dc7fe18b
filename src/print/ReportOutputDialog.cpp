#include "print/ReportOutputDialog.h"

#include "core/Cp1252.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vamok {
namespace {

template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

TReportOutput::TReportOutput(QWidget* parent) : QDialog(parent)
{
    setObjectName("TReportOutput");
    setWindowTitle(FromCp1252("Druckausgabe"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    Label1 = Named(new QLabel(FromCp1252("Ausgabe des Berichts:"), this), "Label1");
    Vorschau = Named(new QRadioButton(FromCp1252("Vorschau"), this), "Vorschau");
    Drucker = Named(new QRadioButton(FromCp1252("Drucker"), this), "Drucker");
    KeinDrucker = Named(new QLabel(FromCp1252("(kein Drucker eingerichtet)"), this), "KeinDrucker");
    PdfDatei = Named(new QRadioButton(FromCp1252("PDF-Datei"), this), "PdfDatei");
    layout->addWidget(Label1);
    layout->addWidget(Vorschau);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(Drucker);
    printerRow->addWidget(KeinDrucker);
    printerRow->addStretch();
    layout->addLayout(printerRow);
    layout->addWidget(PdfDatei);
    auto* buttons = new QHBoxLayout;
    OkButton = Named(new QPushButton(FromCp1252("Ok"), this), "OkButton");
    CancelButton = Named(new QPushButton(FromCp1252("Abbrechen"), this), "CancelButton");
    OkButton->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    prepare(false);
}

void TReportOutput::prepare(bool printerAvailable)
{
    Vorschau->setChecked(true);
    Drucker->setEnabled(printerAvailable);
    KeinDrucker->setVisible(!printerAvailable);
}

ReportOutput TReportOutput::choice() const
{
    if (Drucker->isChecked() && Drucker->isEnabled())
        return ReportOutput::Printer;
    return PdfDatei->isChecked() ? ReportOutput::PdfFile : ReportOutput::Preview;
}

} // namespace vamok
