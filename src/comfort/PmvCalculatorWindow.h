#pragma once
// The PMV calculator: PMV and PPD from values typed in by hand.
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vamok {

class TwVAMOK_PMV : public QWidget {
    Q_OBJECT
public:
    explicit TwVAMOK_PMV(QWidget* parent = nullptr);

    QLineEdit* TLEdit = nullptr;
    QLineEdit* RFEdit = nullptr;
    QLineEdit* VEdit = nullptr;
    QLineEdit* GTEdit = nullptr;
    QLineEdit* MSEdit = nullptr;
    QLineEdit* CloEdit = nullptr;
    QLineEdit* METEdit = nullptr;
    QRadioButton* EingabeGlobetemp = nullptr;
    QRadioButton* EingabeMSTemp = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* LabelTEinheit_16 = nullptr;
    QLabel* LabelTEinheit_15 = nullptr;
    QLabel* Label16cm = nullptr;
    QLabel* Label15cm = nullptr;
    QPushButton* DefaultWinter = nullptr;
    QPushButton* DefaultMittel = nullptr;
    QPushButton* DefaultSommer = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Calculate = nullptr;
    QLineEdit* PMVEdit = nullptr;
    QLineEdit* PPDEdit = nullptr;
    QLineEdit* MSberEdit = nullptr;
    QLineEdit* PMVEdit_2 = nullptr;
    QLineEdit* PPDEdit_2 = nullptr;
    QLineEdit* MSberEdit_2 = nullptr;
    QListWidget* Lang = nullptr;

    void CalculateClick();
    void InputModeClick();
    // Shows the 15 cm column, which widens the window (developer mode).
    void ShowSecondColumn();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setFailed(QLineEdit* edit, bool failed);
    std::string langText(int index) const;
    std::vector<QWidget*> secondColumn() const;
};

} // namespace vamok
