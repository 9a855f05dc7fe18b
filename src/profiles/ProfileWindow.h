#pragma once
// The profile window "Profile" (TwTableSelectColsProfile): reads one of the
// nine instrument profiles, edits its functions and name, writes it back,
// and copies all nine to and from a profile file (".VPD").
#include "device/CommandChannel.h"
#include "profiles/ProfileEditor.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vamok {

// How the window talks to the user; message boxes and file dialogs unless
// replaced (tests).
struct ProfileWindowDialogs {
    std::function<void(const std::string& text, const std::string& caption)> show;
    // Yes/No/Cancel; true for Yes only.
    std::function<bool(const std::string& text, const std::string& caption)> askYes;
    // A file to save to / to open (CP1252 paths); empty when cancelled.
    std::function<std::string(const std::string& title, const std::string& proposed)> saveFile;
    std::function<std::string(const std::string& title)> openFile;
};

class TwTableSelectColsProfile : public QDialog {
    Q_OBJECT
public:
    explicit TwTableSelectColsProfile(CommandChannel& channel, QWidget* parent = nullptr);
    ~TwTableSelectColsProfile() override;

    void setDialogs(ProfileWindowDialogs dialogs) { dialogs_ = std::move(dialogs); }
    const ProfileEditor& editor() const { return editor_; }

    // Bit k is box k + 1.
    std::array<QCheckBox*, kProfileBitCount> Boxes{};
    std::array<QRadioButton*, kProfileCount> Profiles{};
    QLineEdit* ProfilName = nullptr;
    QLabel* ProfilNameLabel = nullptr;
    QLabel* NoteLabel1 = nullptr;
    QLabel* NoteLabel2 = nullptr;
    QPushButton* Read = nullptr;
    QPushButton* Write = nullptr;
    QPushButton* ReadnSaveAll = nullptr;
    QPushButton* LoadnWriteAll = nullptr;
    QPushButton* SelectAll = nullptr;
    QPushButton* SelectNone = nullptr;
    QPushButton* SchliessenBtn = nullptr;
    QLabel* WarnLabel1 = nullptr;
    QListWidget* Lang = nullptr;

    void ProfileClick(int n);
    void ReadClick();
    void WriteClick();
    void ReadnSaveAllClick();
    void LoadnWriteAllClick();
    void SchliessenBtnClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    ProfileTexts texts() const;
    std::string text(ProfileText t) const;
    ProfileLink link() const;
    void enableInstrumentCommands(bool on);
    void enableEditing(bool on);
    void showEditor();
    void boxClicked(int bit, bool on);
    void runDialogue(std::function<void()> body);
    void readIntoWindow();
    void readSelected();
    bool confirmDiscard(bool closing);
    void transferFailed();
    void transferDone();

    CommandChannel& channel_;
    ProfileEditor editor_;
    ProfileWindowDialogs dialogs_;
};

} // namespace vamok
