#include "measure/NameTypDialog.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "measure/NameTypeSetup.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vamok {

namespace {

std::vector<std::string> Items(const QComboBox* box)
{
    std::vector<std::string> items;
    for (int k = 0; k < box->count(); ++k)
        items.push_back(ToCp1252(box->itemText(k)));
    return items;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TNameTyp::TNameTyp(HintFunction hint, QWidget* parent) : QDialog(parent), hint_(std::move(hint))
{
    setObjectName(QStringLiteral("NameTyp"));
    setWindowTitle(App().ClearDialogCaptions ? QString() : QStringLiteral("Arbeitsplatz Name und Typ"));
    setModal(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(AddLabel(this, "Label1", QStringLiteral("Arbeitsplatznummer: ")), 0, 0);
    APN = AddLabel(this, "APN", QString());
    grid->addWidget(APN, 0, 1);
    grid->addWidget(AddLabel(this, "Label2", QStringLiteral("Arbeitsplatzname: ")), 1, 0);
    Name = new QLineEdit(this);
    Name->setObjectName(QStringLiteral("Name"));
    Name->setMaxLength(20);
    new NameKeyFilterObject(Name);
    grid->addWidget(Name, 1, 1);
    grid->addWidget(AddLabel(this, "Label3", QStringLiteral("Arbeitsplatztyp: ")), 2, 0);
    Typ = new QComboBox(this);
    Typ->setObjectName(QStringLiteral("Typ"));
    Typ->setEditable(true);
    grid->addWidget(Typ, 2, 1);
    ProfilLabel = AddLabel(this, "ProfilLabel", QStringLiteral("AP-Profil: "));
    grid->addWidget(ProfilLabel, 3, 0);
    Profil = new QComboBox(this);
    Profil->setObjectName(QStringLiteral("Profil"));
    Profil->setEditable(true);
    for (const auto& item : ProfileItems())
        Profil->addItem(FromCp1252(item));
    grid->addWidget(Profil, 3, 1);
    WarnLabel1 = AddLabel(this, "WarnLabel1", QStringLiteral("Achtung: Name ist bei Vamok-Altarim auf 8"));
    WarnLabel2 = AddLabel(this, "WarnLabel2", QStringLiteral("Zeichen begrenzt  (wird ggf. reduziert)."));
    grid->addWidget(WarnLabel1, 4, 0, 1, 2);
    grid->addWidget(WarnLabel2, 5, 0, 1, 2);
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Abbruch"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    grid->addWidget(OkButton, 6, 0);
    grid->addWidget(CancelButton, 6, 1);

    Lang = new QListWidget(this);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->addItems({QStringLiteral("Bitte w\u00E4hlen Sie einen Arbeitsplatztyp"),
                    QStringLiteral("aus der Liste oder definieren Sie einen Neuen"),
                    QStringLiteral("im Fenster \"Typ Definition\"."), QStringLiteral("Hinweis"),
                    QStringLiteral("Bitte w\u00E4hlen Sie ein g\u00FCltiges Profil"),
                    QStringLiteral("f\u00FCr diesen Arbeitsplatz.")});
    Lang->hide();

    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    Typ->installEventFilter(this);
    Profil->installEventFilter(this);
}

void TNameTyp::SetTypeNames(const std::vector<std::string>& names)
{
    const QString current = Typ->currentText();
    Typ->clear();
    for (const auto& n : names)
        Typ->addItem(FromCp1252(n));
    Typ->setCurrentText(current);
}

std::string TNameTyp::LangText(int index) const { return ToCp1252(Lang->item(index)->text()); }

void TNameTyp::showEvent(QShowEvent* event)
{
    const NameTypeSetup setup = CurrentNameTypeSetup();
    Name->setMaxLength(setup.MaxNameLength);
    ProfilLabel->setEnabled(setup.ProfileEnabled);
    Profil->setEnabled(setup.ProfileEnabled);
    WarnLabel1->setVisible(setup.WarningsVisible);
    WarnLabel2->setVisible(setup.WarningsVisible);
    ProfilLabel->setToolTip(FromCp1252(setup.ProfileHint));
    Profil->setToolTip(FromCp1252(setup.ProfileHint));
    QDialog::showEvent(event);
}

bool TNameTyp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == Typ)
            TypExit();
        else if (watched == Profil)
            ProfilExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TNameTyp::TypExit()
{
    bool replaced = false;
    Typ->setCurrentText(FromCp1252(CheckedChoice(ToCp1252(Typ->currentText()), Items(Typ), kTypeFallback, replaced)));
    if (replaced && hint_)
        hint_(LangText(0) + "\r\n" + LangText(1) + "\r\n" + LangText(2), LangText(3));
}

void TNameTyp::ProfilExit()
{
    bool replaced = false;
    Profil->setCurrentText(
        FromCp1252(CheckedChoice(ToCp1252(Profil->currentText()), Items(Profil), kProfileFallback, replaced)));
    if (replaced && hint_)
        hint_(LangText(4) + "\r\n" + LangText(5), LangText(3));
}

} // namespace vamok
