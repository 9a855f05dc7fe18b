#include "measure/ReadingDialog.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "measure/SyncNotice.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace vamok {

TReading::TReading(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Reading"));
    setWindowTitle(App().ClearDialogCaptions ? QStringLiteral("synch..") : QStringLiteral("Synchronisation"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Lese Arbeitsplatztypen..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    ReadingAPT = new QProgressBar(this);
    ReadingAPT->setObjectName(QStringLiteral("ReadingAPT"));
    ReadingAPT->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: navy; }"));
    SchonDa = new QLabel(this);
    SchonDa->setObjectName(QStringLiteral("SchonDa"));
    SchonDa->setAlignment(Qt::AlignCenter);
    SchonDa->hide();
    Vorhanden = new QListWidget(this);
    Vorhanden->setObjectName(QStringLiteral("Vorhanden"));
    Vorhanden->addItems({FromCp1252(kAlreadyPresentBefore), FromCp1252(kAlreadyPresentAfter)});
    Vorhanden->hide();
    layout->addWidget(label);
    layout->addWidget(ReadingAPT);
    layout->addWidget(SchonDa);
    SchonDaTimer = new QTimer(this);
    SchonDaTimer->setObjectName(QStringLiteral("SchonDaTimer"));
    SchonDaTimer->setInterval(kAlreadyPresentShowMs);
    connect(SchonDaTimer, &QTimer::timeout, this, &TReading::SchonDaTimerTimer);
    SchonDaTimer->start();
}

void TReading::ShowAlreadyPresent(const std::string& typeName)
{
    SchonDa->setText(FromCp1252(AlreadyPresentText(ToCp1252(Vorhanden->item(0)->text()), typeName,
                                                   ToCp1252(Vorhanden->item(1)->text()))));
    SchonDa->setMinimumWidth(width() - 20);
    SchonDa->show();
    SchonDaTimer->start();
}

void TReading::SchonDaTimerTimer()
{
    SchonDa->hide();
    SchonDaTimer->stop();
}

} // namespace vamok
