#include "measure/InputAPNDialog.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "measure/DialogSupport.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vamok {

TInputAPN::TInputAPN(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InputAPN"));
    setWindowTitle(App().ClearDialogCaptions ? QString() : QStringLiteral("Neuer Typ"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    const char* names[] = {"Label1", "Label2", "Label3"};
    const QString texts[] = {QStringLiteral("Bitte  geben Sie einen Namen"),
                             QStringLiteral("f\u00FCr die Typendefiniton an."), QStringLiteral("(max. 4 Zeichen)")};
    for (int k = 0; k < 3; ++k) {
        auto* label = new QLabel(texts[k], this);
        label->setObjectName(QString::fromLatin1(names[k]));
        grid->addWidget(label, k, 0, 1, 2);
    }
    Name = new QLineEdit(this);
    Name->setObjectName(QStringLiteral("Name"));
    Name->setMaxLength(4);
    new NameKeyFilterObject(Name);
    grid->addWidget(Name, 3, 0, 1, 2);
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    grid->addWidget(OkButton, 4, 0);
    grid->addWidget(CancelButton, 4, 1);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> TInputAPN::Ask()
{
    Name->clear();
    Name->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ToCp1252(Name->text());
}

} // namespace vamok
