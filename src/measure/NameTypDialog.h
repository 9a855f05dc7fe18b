#pragma once
// The name and type dialog `TNameTyp`: name, workplace type and profile of
// one workplace.
#include "measure/DialogSupport.h"

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vamok {

class TNameTyp : public QDialog {
    Q_OBJECT
public:
    explicit TNameTyp(HintFunction hint = DefaultHint(), QWidget* parent = nullptr);

    // The type names of the PC library (the type window keeps them).
    void SetTypeNames(const std::vector<std::string>& names);

    QLabel* APN = nullptr;
    QLineEdit* Name = nullptr;
    QComboBox* Typ = nullptr;
    QLabel* ProfilLabel = nullptr;
    QComboBox* Profil = nullptr;
    QLabel* WarnLabel1 = nullptr;
    QLabel* WarnLabel2 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QListWidget* Lang = nullptr;

    // Leaving the lists (also run when they lose the focus).
    void TypExit();
    void ProfilExit();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string LangText(int index) const;
    HintFunction hint_;
};

} // namespace vamok
