#pragma once
// The settings window `TComOption`: how the instrument is attached (rix or
// Ventiq on the USB bridge, altarim or Quadrovan on a serial port), the
// port check and the searches, the folders and the language button.
#include "device/Discovery.h"
#include "device/LinkChoice.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vamok {

class PresencePoller;
class TAPSend;

struct ComOptionLinks {
    PresencePoller* poller = nullptr;
    QWidget* busyWindow = nullptr;                 // placed above this window while probing
    std::function<void()> showBridgeDevices;       // the bridge window's compact device list
    std::function<bool()> changeUserPath;          // folder dialog; true on OK
    std::function<bool()> changeAppDataPath;
    std::function<void()> chooseLanguage;
    std::function<std::string()> languageCaption;  // the main window's language menu item
    // A message box (text, caption); replaced in tests.
    std::function<void(const std::string&, const std::string&)> show;
};

class TComOption : public QWidget {
    Q_OBJECT
public:
    explicit TComOption(TAPSend& link, QWidget* parent = nullptr);
    void setLinks(ComOptionLinks links);

    // Handlers (public so that the main window and tests can run them).
    void FormShow();
    void EnterRadio(LinkRadio radio);
    void SearchVamokClick();
    void SearchGlobeClick();
    void CheckComClick();
    void ShowVAMOKrixClick();
    void SpracheClick();
    void ChangeUserPathClick();
    void ChangeAppdataPathClick();
    void Button1Click();

    // "COM1".. as listed.
    std::vector<std::string> ListedPorts() const;
    // Ports for the searches; tests give their own.
    void SetPortSource(std::function<std::vector<SerialCandidate>()> source);

    QRadioButton* VAMOKRixCom = nullptr;
    QRadioButton* VentiqCom = nullptr;
    QPushButton* ShowVAMOKrix = nullptr;
    QRadioButton* UseVAMOKAltarim = nullptr;
    QComboBox* ComBox = nullptr;
    QLineEdit* DevicePathEdit = nullptr;
    QPushButton* SearchVamok = nullptr;
    QPushButton* SearchGlobe = nullptr;
    QRadioButton* VAMOKCom = nullptr;
    QRadioButton* GlobeCom = nullptr;
    QPushButton* CheckCom = nullptr;
    QCheckBox* DemoCom = nullptr;
    QGroupBox* PathBox = nullptr;
    QLineEdit* PathEdit = nullptr;
    QPushButton* ChangeUserPath = nullptr;
    QGroupBox* AppDataBox = nullptr;
    QLineEdit* AppDataPathEdit = nullptr;
    QPushButton* ChangeAppdataPath = nullptr;
    QPushButton* Sprache = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QListWidget* Lang = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LinkRadios Radios() const;
    void ShowRadios(const LinkRadios& radios);
    void ApplyLinkChoice(const LinkRadios& radios);
    void RebuildPortList();
    std::vector<SerialCandidate> Candidates() const;
    // Parks the poller, shows the busy window, runs the probe, resumes.
    void RunProbe(const std::function<void(const std::vector<SerialCandidate>&, const ProbeProgress&)>& probe);
    AccessTexts AccessMessageTexts() const;
    DiscoveryTexts Texts() const;
    void Message(int textIndex, int captionIndex);
    void Message(const std::string& text, int captionIndex);
    int PortNumberFromList() const;

    TAPSend& link_;
    ComOptionLinks links_;
    std::vector<SerialCandidate> ports_;
    std::function<std::vector<SerialCandidate>()> portSource_;
};

} // namespace vamok
