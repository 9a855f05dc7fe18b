#pragma once
// The type choice window `TAPTWahl` ("Arbeitsplatzdefinitionen"): which
// workplace types the instrument is to hold, in slot order.
#include <QDialog>

#include <string>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace vamok {

class TAPTWahl : public QDialog {
    Q_OBJECT
public:
    explicit TAPTWahl(QWidget* parent = nullptr);

    // Fills the list from usedTypes and the rows' types (rowTypes[0] is
    // row 1); shows it modally; "Ok" replaces usedTypes by the list.
    bool Execute(std::vector<std::string>& usedTypes, const std::vector<std::string>& rowTypes);

    // Activation and the list's selection, as the window runs them.
    void Fill(const std::vector<std::string>& usedTypes, const std::vector<std::string>& rowTypes);
    void ToSendClick();
    void LoeschenClick();
    std::vector<std::string> Entries() const;

    QLabel* Label1 = nullptr;
    QListWidget* ToSend = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Abbruch = nullptr;
    QFrame* Panel1 = nullptr;
    QListWidget* Hinweis = nullptr;
    QListWidget* Hinweis2 = nullptr;

private:
    std::vector<std::string> rowTypes_;
};

} // namespace vamok
