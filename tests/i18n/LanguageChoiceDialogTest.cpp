// The language window on the offscreen platform.
#include "i18n/LanguageFixture.h"

#include "core/Cp1252.h"
#include "i18n/LanguageChoiceDialog.h"
#include "i18n/TranslatorWidget.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vamok;

namespace {

const std::string kList = "[Auswahl]\r\nEnglish=Eng\r\nBritish=Eng\r\nFrancais=Fra\r\n";

std::string Text(const QString& text) { return ToCp1252(text); }

struct Recorded {
    std::vector<std::pair<std::string, std::string>> shown;
    std::vector<std::pair<std::string, std::string>> asked;
    bool answer = false;
    int closes = 0;
};

TwSprachwahl::Dialogs RecordingDialogs(Recorded& r)
{
    return {[&r](const std::string& text, const std::string& caption) { r.shown.emplace_back(text, caption); },
            [&r](const std::string& text, const std::string& caption) {
                r.asked.emplace_back(text, caption);
                return r.answer;
            },
            [&r] { ++r.closes; }};
}

void Choose(TwSprachwahl& window, const char* item)
{
    const int index = window.ExtBox->findText(FromCp1252(item));
    ASSERT_GE(index, 0) << item;
    window.ExtBox->setCurrentIndex(index);
    Q_EMIT window.ExtBox->textActivated(window.ExtBox->itemText(index));
}

} // namespace

TEST_F(LanguageFixture, ChoosingALanguageStoresItsCodeAndOffersToQuit)
{
    writeLang("Lang.ini", kList);
    start("Eng");
    Recorded r;
    r.answer = true;
    TwSprachwahl window({"vamok"});
    window.setDialogs(RecordingDialogs(r));
    window.BoxUpdate();
    EXPECT_EQ(Text(window.ExtBox->currentText()), "British");
    EXPECT_EQ(Text(window.Edit2->text()), "Eng");
    EXPECT_EQ(window.ExtBox->count(), 4);

    Choose(window, "Francais");
    EXPECT_EQ(Text(window.Edit2->text()), "Fra");
    window.OkBtnClick();
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>("Fra"));
    ASSERT_EQ(r.asked.size(), 1u);
    EXPECT_EQ(r.asked[0].first, "Die neue Sprache wird erst\r\nnach Neustart des Programms \xFC" "bernommen!\r\n"
                                "Soll das Programm nun beendet werden?");
    EXPECT_EQ(r.asked[0].second, "Achtung");
    EXPECT_EQ(r.closes, 1);
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(LanguageFixture, ApplyingWithoutAChoiceKeepsTheLanguageAndTheRunKeepsTheLastChoice)
{
    writeLang("Lang.ini", kList);
    start("Fra");
    Recorded r;
    TwSprachwahl window({"vamok"});
    window.setDialogs(RecordingDialogs(r));
    window.BoxUpdate();
    EXPECT_EQ(Text(window.ExtBox->currentText()), "Francais");
    window.OkBtnClick(); // nothing chosen: the current language stays
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>("Fra"));
    EXPECT_EQ(r.closes, 0);

    Choose(window, "English");
    window.BoxUpdate(); // opened again: it shows and keeps the choice
    EXPECT_EQ(Text(window.ExtBox->currentText()), "British");
    EXPECT_EQ(Text(window.Edit2->text()), "Eng");
    window.OkBtnClick();
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>("Eng"));
}

TEST_F(LanguageFixture, TypingTheGermanNameOrPickingItsItem)
{
    writeLang("Lang.ini", kList);
    start("Eng");
    Recorded r;
    TwSprachwahl window({"vamok"});
    window.setDialogs(RecordingDialogs(r));
    window.BoxUpdate();
    window.ExtBox->lineEdit()->clear();
    QTest::keyClicks(window.ExtBox->lineEdit(), "Orginal(Deutsch)");
    EXPECT_EQ(Text(window.Edit2->text()), "Orginal(Deutsch)");
    window.OkBtnClick();
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>("Orginal(Deutsch)"));

    Choose(window, "ORGINAL(DEUTSCH)");
    window.OkBtnClick();
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>(""));
}

TEST_F(LanguageFixture, SprachinitOpensOnTheMasterFileItem)
{
    writeLang("Lang.ini", kList);
    start("", {"vamok", "SPRACHINIT"});
    Recorded r;
    TwSprachwahl window({"vamok", "SPRACHINIT"});
    window.setDialogs(RecordingDialogs(r));
    window.BoxUpdate();
    EXPECT_EQ(Text(window.ExtBox->currentText()), "MasterDatei erstellen");
    Choose(window, "English");
    Choose(window, "MasterDatei erstellen");
    window.OkBtnClick();
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>(""));
}

TEST_F(LanguageFixture, WithoutTheLanguageFolderTheWindowDoesNotOpen)
{
    removeLanguageFolder();
    Recorded r;
    TwSprachwahl window({"vamok"});
    window.setDialogs(RecordingDialogs(r));
    EXPECT_EQ(window.Execute(), QDialog::Rejected);
    ASSERT_EQ(r.shown.size(), 1u);
    EXPECT_EQ(r.shown[0].first, "Das Sprachverzeichnis \"\\Lang\" wurde nicht gefunden!\r\n");
    EXPECT_EQ(r.shown[0].second, "Fehler");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(LanguageFixture, TheWindowOpensModallyWithTheListFilled)
{
    Recorded r;
    TwSprachwahl window({"vamok"});
    window.setDialogs(RecordingDialogs(r));
    QTimer::singleShot(50, &window, [&window] { window.Abbrechen->click(); });
    EXPECT_EQ(window.Execute(), QDialog::Rejected);
    // No "Lang.ini": reported, and only the German item is offered.
    ASSERT_EQ(r.shown.size(), 1u);
    EXPECT_EQ(r.shown[0].second, "Fehler");
    EXPECT_EQ(window.ExtBox->count(), 1);
    EXPECT_EQ(Text(window.ExtBox->currentText()), "Orginal(Deutsch)");
}

TEST_F(LanguageFixture, TheWindowsMessagesFollowTheLanguage)
{
    writeLang("Master.Eng", "[TwSprachwahl]\r\nLang.Items[7]_________________=Error\r\n"
                            "TwSprachwahl.Caption__________=Language\r\n");
    start("Eng");
    Recorded r;
    TwSprachwahl window({"vamok"});
    window.setDialogs(RecordingDialogs(r));
    TranslateWindow(window);
    EXPECT_EQ(Text(window.windowTitle()), "Language");
    EXPECT_EQ(window.message(7), "Error");
    EXPECT_EQ(window.message(4), "Achtung");
    EXPECT_EQ(window.message(11), "");
}
