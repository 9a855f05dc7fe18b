// The profile window against the simulated rix on a pty: presence
// notifications switch its instrument commands, a profile is read into the
// boxes, edited and written back, and changes are not lost unasked.
#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "device/TAPSend.h"
#include "live/PresenceNotifier.h"
#include "profiles/ProfileWindow.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace vamok;

namespace {

struct Said {
    std::string text, caption;
};

class ProfileWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = false;
    }
    void TearDown() override
    {
        window.reset();
        DeviceAnswering = false;
        App() = AppState{};
    }
    void Connect(const std::string& firmware, const std::vector<std::string>& extra = {})
    {
        dir.write("state.json", R"({"model": "VAMOK rix", "firmware": ")" + firmware + R"(",
            "profiles": [{"number": 4, "name": "Klima", "mask": "800000010040001F"}]})");
        sim = std::make_unique<SimProcess>("rix", dir.file("state.json"), extra);
        App().UsbMode = true;
        App().ComPortPath = sim->ptyPath();
        App().DeviceVersion = firmware;
        link.SetUsbFramesOnSerial(true);
        link.SelectComPort(1);
        DeviceAnswering = true;
    }
    void Create()
    {
        window = std::make_unique<TwTableSelectColsProfile>(link);
        ProfileWindowDialogs d;
        d.show = [this](const std::string& text, const std::string& caption) { said.push_back({text, caption}); };
        d.askYes = [this](const std::string& text, const std::string& caption) {
            asked.push_back({text, caption});
            return answer;
        };
        d.saveFile = [this](const std::string&, const std::string& proposed) {
            proposedName = proposed;
            return dir.file("out.VPD");
        };
        d.openFile = [this](const std::string&) { return dir.file("out.VPD"); };
        window->setDialogs(d);
    }
    void Notify(QEvent::Type type)
    {
        QEvent e(type);
        QApplication::sendEvent(window.get(), &e);
    }
    QCheckBox* Box(int bit) { return window->Boxes[static_cast<std::size_t>(bit)]; }
    QRadioButton* Radio(int n) { return window->Profiles[static_cast<std::size_t>(n - 1)]; }
    QJsonObject Recorded()
    {
        sim->stop();
        return QJsonDocument::fromJson(QByteArray::fromStdString(dir.read("record.json"))).object();
    }

    TempDir dir;
    std::unique_ptr<SimProcess> sim;
    TAPSend link;
    std::unique_ptr<TwTableSelectColsProfile> window;
    std::vector<Said> said, asked;
    bool answer = false;
    std::string proposedName;
};

TEST_F(ProfileWindowTest, PresenceSwitchesTheInstrumentCommands)
{
    Create();
    EXPECT_FALSE(window->Read->isEnabled());
    EXPECT_FALSE(Radio(1)->isEnabled());
    Notify(DevicePresentNotification);
    for (QWidget* w : std::initializer_list<QWidget*>{window->Read, window->Write, window->ReadnSaveAll,
                                                       window->LoadnWriteAll, Radio(1), Radio(9)})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(window->SelectAll->isEnabled()) << "editing starts with a read";
    Notify(DeviceAbsentNotification);
    EXPECT_FALSE(window->Read->isEnabled());
    EXPECT_FALSE(Radio(4)->isEnabled());
    EXPECT_FALSE(window->ProfilName->isEnabled());
    EXPECT_EQ(window->ProfilName->text(), "  N / A   ");

    // An altarim found here, and no rix: the window stays closed to it.
    App().FoundAltarim = true;
    Notify(DevicePresentNotification);
    EXPECT_FALSE(window->Read->isEnabled());
    window->show();
    QApplication::processEvents();
    EXPECT_TRUE(window->WarnLabel1->isVisible());
    EXPECT_FALSE(window->Read->isEnabled());
}

TEST_F(ProfileWindowTest, ShowingReadsProfileOneAndARadioReadsItsProfile)
{
    Connect("2.0.6");
    Create();
    Notify(DevicePresentNotification);
    window->show();
    QApplication::processEvents();
    EXPECT_TRUE(Radio(1)->isChecked());
    EXPECT_EQ(window->ProfilName->text(), "Standard");
    EXPECT_FALSE(window->ProfilName->isEnabled());
    EXPECT_TRUE(window->SelectAll->isEnabled());

    Radio(4)->click();
    EXPECT_TRUE(said.empty()) << said.front().text;
    EXPECT_EQ(window->ProfilName->text(), "Klima");
    EXPECT_TRUE(window->ProfilName->isEnabled());
    EXPECT_TRUE(Box(0)->isChecked());
    EXPECT_FALSE(Box(5)->isChecked());
    EXPECT_TRUE(Box(22)->isChecked());  // "CO2/TVOC/CO"
    EXPECT_TRUE(Box(32)->isChecked());  // hidden outside developer mode, still held
    EXPECT_TRUE(Box(63)->isChecked());
    EXPECT_FALSE(Box(23)->isChecked());
    EXPECT_TRUE(Box(22)->isEnabled());
    EXPECT_FALSE(Box(3)->isEnabled()) << "the wind temperature boxes stay disabled";
    EXPECT_EQ(App().ProfileNames[4], "Klima");
}

TEST_F(ProfileWindowTest, EditedProfileIsWrittenAndChangesAreNotLostUnasked)
{
    Connect("2.0.6", {"--record", dir.file("record.json")});
    Create();
    Notify(DevicePresentNotification);
    window->show();
    QApplication::processEvents();
    Radio(4)->click();
    Box(22)->click(); // clears 22 and its details 32, 33
    EXPECT_FALSE(Box(32)->isChecked());
    window->ProfilName->setFocus();
    window->ProfilName->selectAll();
    QTest::keyClicks(window->ProfilName, "B");
    QKeyEvent umlaut(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xC3\xBC"));
    QApplication::sendEvent(window->ProfilName, &umlaut);
    QTest::keyClicks(window->ProfilName, "ro");
    ASSERT_TRUE(window->editor().modified());

    answer = false;
    Radio(5)->click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "WARNUNG");
    EXPECT_EQ(asked[0].text.substr(0, 31), "Profildaten wurden ver\xE4ndert,\r\n");
    EXPECT_TRUE(Radio(4)->isChecked()) << "No keeps the profile being edited";
    EXPECT_FALSE(Radio(5)->isChecked());
    EXPECT_EQ(window->ProfilName->text().toStdString(), "B\xC3\xBCro");

    window->Write->click();
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back().text, "\xDC" "bertragung erfolgreich.");
    EXPECT_EQ(said.back().caption, "Meldung");
    EXPECT_FALSE(window->editor().modified());
    EXPECT_EQ(window->ProfilName->text().toStdString(), "B\xC3\xBCro") << "read back from the instrument";
    EXPECT_EQ(App().ProfileNames[4], "B\xFCro");

    const QJsonObject p4 = Recorded().value("profiles").toObject().value("4").toObject();
    EXPECT_EQ(p4.value("name").toString().toStdString(), "B\xC3\xBCro            ");
    EXPECT_EQ(p4.value("mask").toString(), "800000000000001F");
}

TEST_F(ProfileWindowTest, ExportWritesAllNineAndAFailedReadShowsTheError)
{
    Connect("2.0.5");
    Create();
    Notify(DevicePresentNotification);
    window->show();
    QApplication::processEvents();
    said.clear();
    window->ReadnSaveAllClick();
    EXPECT_EQ(proposedName.substr(0, 9), "Profiles_");
    EXPECT_EQ(proposedName.size(), std::string("Profiles_20261211.VPD").size());
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].caption, "Meldung");
    const std::string file = dir.read("out.VPD");
    EXPECT_NE(file.find("[ProfileNo09]"), std::string::npos);
    EXPECT_NE(file.find("[ProfileNo04]\r\nName=Klima\r\n"), std::string::npos);

    sim->stop();
    said.clear();
    window->ReadClick();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].text, "Fehler in der \xDC" "bertragung!");
    EXPECT_EQ(said[0].caption, "FEHLER");
    EXPECT_FALSE(window->SelectAll->isEnabled());
}

TEST_F(ProfileWindowTest, ADamagedFileIsNamedAndNothingIsWritten)
{
    Connect("2.0.6", {"--record", dir.file("record.json")});
    dir.write("out.VPD", "[ProfileNo01]\r\nName=Standard\r\n");
    Create();
    Notify(DevicePresentNotification);
    answer = true;
    window->LoadnWriteAllClick();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].caption, "FEHLER");
    EXPECT_NE(said[0].text.find("im Abschnitt ProfileNo01 fehlt der Eintrag ShowTemp."), std::string::npos)
        << said[0].text;
    EXPECT_NE(said[0].text.find("Es wurde nichts zum VAMOK \xFC" "bertragen."), std::string::npos);
    EXPECT_EQ(Recorded().value("writes").toInt(), 0);
}

TEST_F(ProfileWindowTest, ClosingWithChangesAsksFirst)
{
    Create();
    window->show();
    window->SelectNone->setEnabled(true);
    window->SelectNone->click();
    ASSERT_TRUE(window->editor().modified());
    answer = false;
    QTest::keyClick(window.get(), Qt::Key_Escape);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].text.find("VAMOK-Profildaten"), std::string::npos);
    EXPECT_TRUE(window->isVisible());
    answer = true;
    window->SchliessenBtn->click();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
