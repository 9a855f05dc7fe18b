#pragma once
// TwNewOnlineSettings: the texts and speeds of the large live display's two
// scrolling lines. "Speichern" stores them; "Abbrechen" brings back the
// stored ones.
#include "live/TickerSettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vamok {

class TwNewOnlineSettings : public QDialog {
    Q_OBJECT
public:
    explicit TwNewOnlineSettings(QWidget* parent = nullptr);

    // What the fields hold now (the display reads them after the window closed).
    TickerSettings fields() const;

    QLabel* LabelOben = nullptr;
    QLineEdit* LauftextObenEdit = nullptr;
    QLabel* SpeedLabelOben = nullptr;
    QSpinBox* TickSpeedOben = nullptr;
    QLabel* MsLabelOben = nullptr;
    QLabel* LabelUnten = nullptr;
    QLineEdit* LauftextUntenEdit = nullptr;
    QLabel* SpeedLabelUnten = nullptr;
    QSpinBox* TickSpeedUnten = nullptr;
    QLabel* MsLabelUnten = nullptr;
    QPushButton* SpeichernBtn = nullptr;
    QPushButton* AbbruchBtn = nullptr;

    void SpeichernBtnClick();
    void AbbruchBtnClick();

protected:
    // The stored values, not whatever the translation put into the fields.
    void showEvent(QShowEvent* event) override;

private:
    void loadFields();
};

} // namespace vamok
