#pragma once
// The synchronisation dialog `TReading`: progress of reading the
// instrument's types, and a notice for a type the PC already holds.
#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QProgressBar;
class QTimer;

namespace vamok {

class TReading : public QDialog {
    Q_OBJECT
public:
    explicit TReading(QWidget* parent = nullptr);

    // Shows "Typ "<name>" schon vorhanden!" for three seconds.
    void ShowAlreadyPresent(const std::string& typeName);
    void SchonDaTimerTimer();

    QProgressBar* ReadingAPT = nullptr;
    QLabel* SchonDa = nullptr;
    QListWidget* Vorhanden = nullptr;
    QTimer* SchonDaTimer = nullptr;
};

} // namespace vamok
