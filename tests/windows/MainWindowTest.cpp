#include "support/HomeFixture.h"

#include "app/AboutDialog.h"
#include "core/Cp1252.h"
#include "app/MainWindow.h"
#include "app/PaintTestWindow.h"
#include "device/TAPSend.h"
#include "live/KnownVamoks.h"
#include "live/PresenceNotifier.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

using namespace vamok;

namespace {

class MainWindow : public HomeFixture {
protected:
    std::unique_ptr<TwVamok> create(std::vector<std::string> args = {"vamok"})
    {
        MainWindowDialogs dialogs;
        dialogs.show = [this](const std::string& text, const std::string& caption) {
            shown.push_back(caption + "|" + text);
        };
        dialogs.notify = [this](const std::string& text, const std::string& caption) {
            notified.push_back(caption + "|" + text);
        };
        dialogs.askOkCancel = [this](const std::string& text, const std::string& caption) {
            asked.push_back(caption + "|" + text);
            return answerOk;
        };
        return std::make_unique<TwVamok>(std::move(args), dialogs);
    }

    static QString Text(const char* cp1252) { return FromCp1252(cp1252); }

    std::vector<std::string> shown;
    std::vector<std::string> asked;
    std::vector<std::string> notified;
    bool answerOk = true;
};

} // namespace

TEST_F(MainWindow, ControlsCarryTheirNamesAndCaptions)
{
    auto window = create();
    EXPECT_EQ(window->windowTitle(), "VAMOK");
    const std::vector<std::pair<const char*, const char*>> buttons{
        {"OnlineButton", "Online"},      {"Datenabruf", "Datenabruf"},
        {"APTDef", "Typ Definition"},    {"DoProfiles", "Profile"},
        {"OptionsButton", "Einstellungen"}};
    int x = 4;
    for (const auto& [name, caption] : buttons) {
        auto* button = window->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->geometry(), QRect(x, 8, 90, 25)) << name;
        x += 94;
    }
    const std::vector<std::pair<const char*, const char*>> actions{
        {"Drucker1", "Drucker einrichten"},
        {"Beenden", "Beenden"},
        {"Einstellungen1", "Einstellungen..."},
        {"Sprache1", "Sprache"},
        {"OnlineModus1", "OnlineModus..."},
        {"Datenabruf1", "Datenabruf..."},
        {"Typendefinition1", "Typ Definition..."},
        {"Synchronisieren1", "Neu Synchronisieren"},
        {"Verbindung_herstellen", "Verbindung herstellen"},
        {"PMVRechner1", "PMV-Rechner"},
        {"VAMOKUhrstellen1", "VAMOK-Uhr stellen  (VAMOK-Rix, Ventiq)"},
        {"astatursperreaufheben1", "Tastatursperre aufheben  (VAMOK-Rix)"},
        {"InhaltVAMOKrix1", "Inhalt (VAMOK rix)"},
        {"Inhalt1", "Inhalt (VAMOK altarim)"},
        {"InhaltVentiq1", "Inhalt (Ventiq)"},
        {"Info2", "In&fo..."},
        {"Pfadeanzeigen1", "Pfade anzeigen"}};
    for (const auto& [name, caption] : actions) {
        auto* action = window->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption) << name;
    }
    EXPECT_FALSE(window->Verbindung_herstellen->isVisible());

    for (const char* name : {"KnownVamoks", "UsedAPT", "Ser1Trig", "SendCommands", "KnownUserProfileNames", "lang"}) {
        auto* list = window->findChild<QListWidget*>(name);
        ASSERT_NE(list, nullptr) << name;
        EXPECT_FALSE(list->isVisibleTo(window.get())) << name;
    }
    for (const char* name : {"Received", "RecLen", "Serial1Error", "BackgroundImage", "BackgroundImageEnglish"}) {
        EXPECT_NE(window->findChild<QLabel*>(name), nullptr) << name;
    }
    ASSERT_EQ(window->lang->count(), 31);
    EXPECT_EQ(window->lang->item(0)->text(), "Schnittstelle: COM");
    EXPECT_EQ(window->lang->item(7)->text(),
              Text("Datei enth\xE4lt keine Daten und kann nicht ge\xF6" "ffnet werden!"));
    EXPECT_EQ(window->lang->item(22)->text(), "Fehler beim Aufheben der Tastatursperre.");

    EXPECT_EQ(window->statusPanel(0), "Schnittstelle");
    EXPECT_EQ(window->statusPanel(1), "Version");
    EXPECT_EQ(window->statusPanel(2), "Seriennummer");
    EXPECT_EQ(window->statusPanel(3), "");
    for (const char* name : {"Timer1", "ShowKnown", "GVTimer"}) {
        EXPECT_NE(window->findChild<QTimer*>(name), nullptr) << name;
    }
    EXPECT_EQ(window->Timer1->interval(), 100);
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->ShowKnown->interval(), 5000);
    EXPECT_TRUE(window->GVTimer->isActive());
    EXPECT_EQ(window->width(), 504);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
}

TEST_F(MainWindow, CreateHandlerReadsTheSettingsAndResetsSharedLists)
{
    KnownVamoks().Append("4711");
    auto window = create({"vamok", "serdebug"});
    EXPECT_EQ(store_->readText("", "CommPort"), "COM1");
    EXPECT_TRUE(App().UsbMode);
    EXPECT_TRUE(App().SerialDebugMode);
    EXPECT_TRUE(window->Ser1Trig->isVisibleTo(window.get()));
    EXPECT_TRUE(window->SendCommands->isVisibleTo(window.get()));
    EXPECT_EQ(KnownVamoks().Lines(), (std::vector<std::string>{"Known Vamoks:", std::string(13, ' ')}));
    EXPECT_TRUE(shown.empty());
}

TEST_F(MainWindow, FifthCloseRequestSucceedsDuringAnInstrumentOperation)
{
    auto window = create();
    window->OnlineButton->setEnabled(false);
    for (int request = 1; request <= 4; ++request) {
        EXPECT_FALSE(window->close()) << request;
    }
    EXPECT_TRUE(window->close());
    EXPECT_EQ(window->closeRequests(), 0);
    EXPECT_FALSE(window->GVTimer->isActive());
}

TEST_F(MainWindow, ExitAsksOnlyWithUnsavedMeasurements)
{
    auto window = create();
    window->show();
    App().MeasurementsModified = true;
    answerOk = false;
    window->Beenden->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Warnung|Nicht gespeicherte Daten gehen verloren.\r\nProgramm trotzdem beenden?");
    EXPECT_TRUE(window->isVisible());

    window->OnlineButton->setEnabled(false);
    window->Beenden->trigger(); // an instrument operation runs: nothing happens
    EXPECT_EQ(asked.size(), 1u);

    window->OnlineButton->setEnabled(true);
    App().MeasurementsModified = false;
    window->Beenden->trigger();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, CloseBoxAsksAboutUnsavedMeasurementsOncePerRequest)
{
    auto window = create();
    window->show();
    App().MeasurementsModified = true;
    answerOk = false;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(window->isVisible());

    answerOk = true;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(MainWindow, PathsDisplay)
{
    auto window = create();
    App().UserPathSet = true;
    App().UserPath = home() + "arbeit/";
    window->Pfadeanzeigen1->trigger();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Achtung|Folgende Pfade werden aktuell von der\r\nVAMOK-Software verwendet:\r\n\r\n"
                        "Benutzer-Pfad:\t" + home() + "arbeit/\r\n"
                        "Export-Pfad:\t" + home() + "Documents/\r\n"
                        "AppData-Pfad:\t" + home() + "data/QAL/VAMOK/\r\n");
}

TEST_F(MainWindow, ResynchroniseForgetsTheCurrentInstrument)
{
    auto window = create();
    int pollEnabled = 0;
    int resets = 0;
    MainWindowLinks links;
    links.enablePollTimer = [&] { ++pollEnabled; };
    links.resetPoller = [&] { ++resets; };
    window->setLinks(links);
    KnownVamokList& known = KnownVamoks();
    known.Append("10815");
    known.Append("20001");
    known.Append("10815");
    window->setStatusPanel(2, "10815");

    window->Synchronisieren1->trigger();
    EXPECT_EQ(known.Lines(), (std::vector<std::string>{"Known Vamoks:", std::string(13, ' '), "20001"}));
    EXPECT_EQ(window->KnownVamoks->count(), 3);
    EXPECT_EQ(pollEnabled, 1);
    EXPECT_EQ(resets, 1);
    EXPECT_TRUE(window->ShowKnown->isActive()); // the diagnostics reveal is armed
    EXPECT_EQ(window->ShowKnown->interval(), 500);
}

TEST_F(MainWindow, DiagnosticsRevealOnASecondDoubleClick)
{
    auto window = create();
    window->BackgroundDblClick();
    EXPECT_FALSE(window->KnownVamoks->isVisibleTo(window.get()));
    window->BackgroundDblClick();
    for (QWidget* control : std::initializer_list<QWidget*>{window->KnownVamoks, window->UsedAPT,
                                                            window->ShowProfileNames,
                                                            window->KnownUserProfileNames}) {
        EXPECT_TRUE(control->isVisibleTo(window.get())) << control->objectName().toStdString();
    }
    EXPECT_EQ(window->ShowKnown->interval(), 10000);
    window->ShowKnownTimer();
    EXPECT_FALSE(window->KnownVamoks->isVisibleTo(window.get()));
    EXPECT_FALSE(window->ShowKnown->isActive());

    window->ShowProfileNamesClick();
    ASSERT_EQ(window->KnownUserProfileNames->count(), 8);
    EXPECT_EQ(window->KnownUserProfileNames->item(0)->text(), "User1");
}

TEST_F(MainWindow, ActivationAddsThePredefinedType)
{
    auto window = create();
    App().UsedAPT = {"BUER"};
    window->FormActivate();
    EXPECT_EQ(App().UsedAPT, (std::vector<std::string>{"BUER", "VAM "}));
    EXPECT_EQ(window->UsedAPT->count(), 2);
}

TEST_F(MainWindow, ExtraItemsFollowPresenceOnlyOverUsb)
{
    auto window = create();
    App().UsbMode = false;
    QEvent present(DevicePresentNotification);
    QApplication::sendEvent(window.get(), &present);
    EXPECT_FALSE(window->VAMOKUhrstellen1->isEnabled());
    EXPECT_FALSE(window->astatursperreaufheben1->isEnabled());

    App().UsbMode = true;
    QApplication::sendEvent(window.get(), &present);
    EXPECT_TRUE(window->VAMOKUhrstellen1->isEnabled());
    EXPECT_TRUE(window->astatursperreaufheben1->isEnabled());

    QEvent absent(DeviceAbsentNotification);
    QApplication::sendEvent(window.get(), &absent);
    EXPECT_FALSE(window->VAMOKUhrstellen1->isEnabled());
    EXPECT_FALSE(window->astatursperreaufheben1->isEnabled());
}

TEST_F(MainWindow, ClockAndKeyboardLockWithVentiq)
{
    auto window = create();
    int clockSends = 0;
    int unlockSends = 0;
    bool acknowledge = true;
    MainWindowLinks links;
    links.setDeviceClock = [&](auto done) { ++clockSends; done(acknowledge); };
    links.releaseKeyboardLock = [&](auto done) { ++unlockSends; done(acknowledge); };
    window->setLinks(links);
    App().UsbMode = true;
    App().VentiqMode = true;

    window->VAMOKUhrstellen1Click();
    window->astatursperreaufheben1Click();
    EXPECT_EQ(clockSends, 1);
    EXPECT_EQ(unlockSends, 0);
    acknowledge = false;
    window->VAMOKUhrstellen1Click();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Hinweis|Uhr gestellt.");
    EXPECT_EQ(shown[1], "FEHLER|Fehler beim Uhr-Stellen.");

    App().VentiqMode = false;
    window->astatursperreaufheben1Click();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2], "Tastatursperre aufheben|Fehler beim Aufheben der Tastatursperre.");
}

TEST_F(MainWindow, DeferredStartOnFirstStart)
{
    home_.write("leer.vam", "");
    auto window = create({"vamok", home() + "leer.vam"});
    std::vector<std::string> steps;
    MainWindowLinks links;
    links.changeUserPath = [&] { steps.push_back("folder"); };
    links.importTypes = [&] { steps.push_back("import"); };
    links.selectComPort = [&] { steps.push_back("port"); };
    links.setupCommandWindow = [&](bool terminal) { steps.push_back(terminal ? "terminal" : "quiet"); };
    links.startPolling = [&] { steps.push_back("polling"); };
    links.openDataFile = [&](const std::string&) { steps.push_back("open"); };
    links.onlineVersionLabel = [] { return std::string("kein VAMOK angeschlossen"); };
    window->setLinks(links);

    window->GVTimerTimer();
    EXPECT_FALSE(window->GVTimer->isActive());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], std::string("FEHLER|Datei enth\xE4lt keine Daten und kann nicht ge\xF6" "ffnet werden!"));
    EXPECT_EQ(steps, (std::vector<std::string>{"folder", "import", "port", "quiet", "polling"}));
    EXPECT_EQ(window->windowTitle(), "VAMOK 5.2.0 [Build 1]");
    EXPECT_TRUE(window->Timer1->isActive());

    window->Timer1Timer();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Timer1->interval(), 1000);
    EXPECT_EQ(window->statusPanel(0), "USB");
    EXPECT_EQ(window->statusPanel(1), "kein VAMOK angeschlossen");
}

TEST_F(MainWindow, UnreadableCommandLineFileIsHandedToTheTableAndTheStartGoesOn)
{
    auto window = create({"vamok", home() + "fehlt.vam"});
    std::vector<std::string> steps;
    MainWindowLinks links;
    links.openDataFile = [&](const std::string& path) { steps.push_back("open " + path); };
    links.selectComPort = [&] { steps.push_back("port"); };
    links.startPolling = [&] { steps.push_back("polling"); };
    window->setLinks(links);
    window->GVTimerTimer();
    EXPECT_EQ(steps, (std::vector<std::string>{"open " + home() + "fehlt.vam", "port", "polling"}));
}

TEST_F(MainWindow, AboutBoxShowsVersionAndSuffixes)
{
    TInfo about;
    EXPECT_EQ(about.windowTitle(), "Info");
    ASSERT_NE(about.findChild<QPushButton*>("BitBtn1"), nullptr);
    EXPECT_EQ(about.BitBtn1->text(), FromCp1252("Schlie\xDF" "en"));
    EXPECT_EQ(about.Label1->text(), "Vamok Version 1.00");
    about.setSuffixes("Qt", "Win32-Zielplattform");
    about.show();
    EXPECT_EQ(about.Label1->text(), "VAMOK Ver. 5.2.0 [Build 1] (Qt) (Win32-Zielplattform)");
    about.BitBtn1->click();
    EXPECT_FALSE(about.isVisible());
}

namespace {

// Colour distance, summed over the three components.
int Distance(QRgb pixel, const QColor& expected)
{
    const QColor c(pixel);
    return std::abs(c.red() - expected.red()) + std::abs(c.green() - expected.green()) +
           std::abs(c.blue() - expected.blue());
}

} // namespace

TEST(PaintTestWindow, SixGradientBands)
{
    TwPaintTest window;
    EXPECT_EQ(window.windowTitle(), "wPaintTest");
    EXPECT_EQ(window.size(), QSize(1289, 637));
    const QImage image = window.grab().toImage();
    const QColor red(255, 0, 0), yellow(255, 255, 0), green(0, 128, 0), olive(128, 128, 0);
    EXPECT_LE(Distance(image.pixel(10, 60), red), 4);      // preset 1: red -> yellow
    EXPECT_LE(Distance(image.pixel(999, 60), yellow), 4);
    EXPECT_LE(Distance(image.pixel(999, 160), red), 4);    // preset 4: yellow -> red
    EXPECT_LE(Distance(image.pixel(10, 260), yellow), 4);  // preset 2: yellow -> green
    EXPECT_LE(Distance(image.pixel(999, 360), yellow), 4); // preset 3: green -> yellow
    EXPECT_LE(Distance(image.pixel(10, 360), green), 4);
    EXPECT_LE(Distance(image.pixel(10, 460), olive), 4);   // two bands of preset 17
    EXPECT_LE(Distance(image.pixel(500, 460), olive), 4);
    EXPECT_LE(Distance(image.pixel(499, 460), yellow), 4);
    EXPECT_GT(Distance(image.pixel(5, 60), red), 100);     // outside the bands
}

TEST_F(MainWindow, DoubleClickDeletesSelectedLinesButKeepsTheHeaders)
{
    auto window = create();
    KnownVamoks().Append("111");
    KnownVamoks().Append("222");
    App().UsedAPT = {"BUER", "VAM ", "LAGR"};
    window->refreshSharedLists();

    window->KnownVamoks->item(0)->setSelected(true);
    window->KnownVamoks->item(2)->setSelected(true);
    Q_EMIT window->KnownVamoks->itemDoubleClicked(window->KnownVamoks->item(2));
    EXPECT_EQ(KnownVamoks().Lines(), (std::vector<std::string>{"Known Vamoks:", std::string(13, ' '), "222"}));
    EXPECT_EQ(window->KnownVamoks->count(), 3);

    window->UsedAPT->item(0)->setSelected(true);
    window->UsedAPT->item(2)->setSelected(true);
    Q_EMIT window->UsedAPT->itemDoubleClicked(window->UsedAPT->item(0));
    EXPECT_EQ(App().UsedAPT, std::vector<std::string>{"VAM "});
}

TEST_F(MainWindow, SerialPanelGivesALongSerialNumberTheRoomItNeeds)
{
    auto window = create();
    // A desktop's default font can be larger than the offscreen platform's.
    QFont large = window->font();
    large.setPointSize(16);
    window->setFont(large);
    window->resize(1400, 300);
    window->show();
    const std::string serial = "S-No: 2417 / 23 - 00000000";
    window->setStatusPanel(2, serial);
    QApplication::processEvents();
    auto* panel = window->findChild<QLabel*>("Panel2");
    ASSERT_NE(panel, nullptr);
    EXPECT_GE(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(FromCp1252(serial)));
    EXPECT_GE(panel->width(), 180);
    EXPECT_GE(window->findChild<QLabel*>("Panel1")->width(), 185);
}

TEST_F(MainWindow, PortClosedToTheUserIsNamedOnceWithTheFixAndStaysInTheStatusBar)
{
    auto window = create();
    MainWindowLinks links;
    links.onlineVersionLabel = [] { return std::string("VAMOK rix V3.1"); };
    window->setLinks(links);
    DeviceAnswering = false;
    OpenFailure failure;
    failure.kind = OpenRefusal::NoPermission;
    failure.device = "/dev/ttyUSB0";
    failure.group = "dialout";
    window->ReportAccessRefusal(failure);
    window->ReportAccessRefusal(failure);
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_EQ(notified[0], "Achtung|Keine Berechtigung f\xFCr die Schnittstelle /dev/ttyUSB0 (COM1).\r\n"
                           "Abhilfe: Ihren Benutzer in die Gruppe \"dialout\" aufnehmen (sudo usermod -aG dialout "
                           "$USER), dann ab- und wieder anmelden.");
    EXPECT_TRUE(shown.empty()); // nothing waits for the user
    window->Timer1Timer();
    EXPECT_EQ(window->statusPanel(1), "Keine Berechtigung f\xFCr die Schnittstelle /dev/ttyUSB0 (COM1).");

    failure.kind = OpenRefusal::Busy;
    window->ReportAccessRefusal(failure);
    EXPECT_EQ(notified.size(), 1u);
    EXPECT_EQ(window->statusPanel(1), "Die Schnittstelle /dev/ttyUSB0 (COM1) ist belegt: ein anderes Programm benutzt sie.");

    DeviceAnswering = true;
    window->Timer1Timer();
    EXPECT_EQ(window->statusPanel(1), "VAMOK rix V3.1");
    DeviceAnswering = false;
}
