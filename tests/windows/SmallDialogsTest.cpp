#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "measure/BusyDialog.h"
#include "measure/BusyState.h"
#include "measure/GetSelectDialog.h"
#include "measure/InputAPNDialog.h"
#include "measure/NameTypDialog.h"
#include "measure/ReadingDialog.h"
#include "measure/WritingDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

class SmallDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
    }
};

// Accepts the next modal dialog once it runs.
void AcceptSoon(QDialog& d)
{
    QTimer::singleShot(0, &d, [&d] { d.accept(); });
}

} // namespace

TEST_F(SmallDialogsTest, NameFieldsTurnUmlautsLowerAndIgnoreTheBackslash)
{
    TNameTyp nameTyp([](const std::string&, const std::string&) {});
    TInputAPN newType;
    for (QLineEdit* edit : {nameTyp.Name, newType.Name}) {
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8("\u00C4b\\c"));
        EXPECT_EQ(edit->text(), QString::fromUtf8("\u00E4bc"));
    }
    EXPECT_EQ(newType.Name->maxLength(), 4);
}

TEST_F(SmallDialogsTest, RangeDialogLeavesTheOrderToItsCaller)
{
    TGetSelect select;
    select.LoadFrom->setValue(7);
    select.LoadTo->setValue(2);
    AcceptSoon(select);
    const auto range = select.Ask(TGetSelect::Purpose::Write);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->From, 7);
    EXPECT_EQ(range->To, 2);
    EXPECT_EQ(select.Label1->text(), "Schreiben von");
    QTimer::singleShot(0, &select, [&] { select.reject(); });
    EXPECT_FALSE(select.Ask(TGetSelect::Purpose::Read));
    EXPECT_EQ(select.Label1->text(), "lesen von");
}

TEST_F(SmallDialogsTest, LeavingTheTypeListWithAnUnknownTypeHints)
{
    std::vector<std::string> hints;
    TNameTyp nameTyp([&](const std::string& text, const std::string& caption) { hints.push_back(caption + "|" + text); });
    nameTyp.SetTypeNames({"VAM ", "BUER"});
    nameTyp.Typ->setCurrentText("XY");
    nameTyp.TypExit();
    EXPECT_EQ(nameTyp.Typ->currentText(), "VAM ");
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_EQ(hints[0], "Hinweis|Bitte w\xE4hlen Sie einen Arbeitsplatztyp\r\naus der Liste oder definieren Sie "
                        "einen Neuen\r\nim Fenster \"Typ Definition\".");
    nameTyp.Profil->setCurrentText("11");
    nameTyp.ProfilExit();
    EXPECT_EQ(nameTyp.Profil->currentText(), "Standard");
    EXPECT_EQ(hints.size(), 2u);
    nameTyp.Typ->setCurrentText("BUER");
    nameTyp.TypExit();
    EXPECT_EQ(hints.size(), 2u);
}

TEST_F(SmallDialogsTest, ShowingFollowsTheInstrumentsFound)
{
    App().FoundAltarim = true;
    TNameTyp nameTyp([](const std::string&, const std::string&) {});
    nameTyp.show();
    EXPECT_EQ(nameTyp.Name->maxLength(), 8);
    EXPECT_FALSE(nameTyp.Profil->isEnabled());
    EXPECT_FALSE(nameTyp.WarnLabel1->isVisible());
    nameTyp.hide();
    App().FoundRix = true;
    App().LastVamok = "VamokAltarim";
    nameTyp.show();
    EXPECT_EQ(nameTyp.Name->maxLength(), 20);
    EXPECT_TRUE(nameTyp.Profil->isEnabled());
    EXPECT_TRUE(nameTyp.WarnLabel1->isVisible());
}

TEST_F(SmallDialogsTest, ClearedCaptions)
{
    App().ClearDialogCaptions = true;
    TNameTyp nameTyp;
    TInputAPN newType;
    TReading reading;
    EXPECT_EQ(nameTyp.windowTitle(), "");
    EXPECT_EQ(newType.windowTitle(), "");
    EXPECT_EQ(reading.windowTitle(), "synch..");
    App().ClearDialogCaptions = false;
    EXPECT_EQ(TReading().windowTitle(), "Synchronisation");
    EXPECT_EQ(TNameTyp().windowTitle(), "Arbeitsplatz Name und Typ");
}

TEST_F(SmallDialogsTest, BusyDialogMirrorsTheStateAndCancels)
{
    BusyState state;
    TBusy busy(state);
    state.OperationStarted();
    state.SetCaption("\xDC" "bertrage Daten...");
    state.SetRange(1, 100);
    state.SetPosition(12);
    state.SetNumber("12");
    state.Show();
    EXPECT_TRUE(busy.isVisible());
    EXPECT_EQ(busy.windowTitle(), QString::fromUtf8("\u00DCbertrage Daten..."));
    EXPECT_EQ(busy.BusyBar->value(), 12);
    EXPECT_EQ(busy.ShowNum->text(), "12");
    QTest::mouseClick(busy.BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(state.CancelRequested());
    EXPECT_FALSE(busy.isVisible());
    EXPECT_EQ(state.Position(), 0);

    state.Show();
    busy.close(); // the close box
    EXPECT_FALSE(state.Visible());
    EXPECT_TRUE(state.CancelRequested()); // closing does not lose the cancel
}

TEST_F(SmallDialogsTest, UploadProgressCancelStopsTheTransfer)
{
    int aborts = 0;
    TWriting writing([&] { ++aborts; });
    writing.ShowTypeName("BUER");
    EXPECT_EQ(writing.LengthLabel->text(), "BUER");
    QTimer::singleShot(0, &writing, [&] { writing.CancelBtn->click(); });
    EXPECT_EQ(writing.exec(), QDialog::Rejected);
    EXPECT_EQ(aborts, 1);
    QTimer::singleShot(0, &writing, [&] { writing.close(); });
    EXPECT_EQ(writing.exec(), QDialog::Rejected);
    EXPECT_EQ(aborts, 1);
}

TEST_F(SmallDialogsTest, AlreadyPresentNoticeHidesAfterItsTimer)
{
    TReading reading;
    reading.show();
    reading.ShowAlreadyPresent("BUER");
    EXPECT_TRUE(reading.SchonDa->isVisible());
    EXPECT_EQ(reading.SchonDa->text(), "Typ \"BUER\" schon vorhanden!");
    EXPECT_EQ(reading.SchonDaTimer->interval(), 3000);
    reading.SchonDaTimerTimer();
    EXPECT_FALSE(reading.SchonDa->isVisible());
    EXPECT_FALSE(reading.SchonDaTimer->isActive());
}
