#pragma once
// The language window "Sprache": lists the languages of "Lang.ini", shows
// the code of the choice and stores it for the next start.
#include "core/MainMessages.h"
#include "core/Manual.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vamok {

class TwSprachwahl : public QDialog {
    Q_OBJECT
public:
    // How the window talks to the user; message boxes and closing the main
    // window "TwVamok" unless replaced (tests).
    struct Dialogs {
        ShowMessage show;
        std::function<bool(const std::string& text, const std::string& caption)> askYesNo;
        std::function<void()> closeMainWindow;
    };

    // args: the command line ("SPRACHINIT" offers the master file).
    explicit TwSprachwahl(std::vector<std::string> args, QWidget* parent = nullptr);

    void setDialogs(Dialogs dialogs);

    // Message n of the "Lang" list as currently translated.
    std::string message(int index) const;

    int Execute();
    void BoxUpdate();
    void ExtBoxChange();
    void OkBtnClick();
    // Stores the chosen code for the next start.
    void registrier();

    QComboBox* ExtBox = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* Abbrechen = nullptr;
    QListWidget* Lang = nullptr;

private:
    MessageText messages() const;

    std::vector<std::string> args_;
    Dialogs dialogs_;
    // The code chosen in this run; until a choice is made, the current
    // language, so that applying without a choice keeps it.
    std::optional<std::string> selectedCode_;
};

} // namespace vamok
