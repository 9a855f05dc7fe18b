#include "i18n/LanguageFixture.h"

#include "core/MainMessages.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguageText.h"

using namespace vamok;

namespace {

const std::string kEnglish = "[TwVamok]\r\n"
                             "OnlineButton.Caption__________=Online\r\n"
                             "lang.Items[3]_________________=Unsaved data will be lost.\r\n"
                             "lang.Items[7]_________________=File holds no data\xB0\xB0" "and cannot be opened!\r\n"
                             "astatursperreaufheben1.Caption=Release keypad lock\r\n"
                             "VeryLongComponentName.Caption.Extra=long key\r\n"
                             "Number.Caption________________=100\r\n"
                             "Blank.Caption_________________=\r\n"
                             "[TComOption]\r\n"
                             "OnlineButton.Caption__________=Other window\r\n";

const std::string kIgnore = "[TwVamok]\r\n"
                            "KnownVamoks.Hint______________=1\r\n"
                            "Datenabruf.Caption____________=1\r\n";

} // namespace

TEST(LanguageText, KeysArePaddedToThirtyAndNeverCut)
{
    EXPECT_EQ(PadKey("OnlineButton.Caption"), "OnlineButton.Caption__________");
    EXPECT_EQ(PadKey(std::string(30, 'k')), std::string(30, 'k'));
    EXPECT_EQ(PadKey(std::string(45, 'k')), std::string(45, 'k'));
    EXPECT_EQ(IndexedKey("lang", "Items", 12), "lang.Items[12]");
}

TEST(LanguageText, LineBreaksAndNumbers)
{
    EXPECT_EQ(StoreLineBreaks("a\r\nb\nc\rd\r\n"), "a\xB0\xB0" "b\xB0\xB0" "c\xB0\xB0" "d\xB0\xB0");
    EXPECT_EQ(RestoreLineBreaks("a\xB0\xB0" "b\xB0"), "a\r\nb\xB0");
    EXPECT_EQ(RestoreLineBreaks(StoreLineBreaks("one\r\ntwo")), "one\r\ntwo");
    for (const char* number : {"100", "-5", "+7", "  42", "2147483647"}) {
        EXPECT_TRUE(IsWholeNumber(number)) << number;
    }
    for (const char* text : {"", "1,5", "12a", "2147483648", "Nr", "-", "42 "}) {
        EXPECT_FALSE(IsWholeNumber(text)) << text;
    }
}

TEST_F(LanguageFixture, InitReadsTheCodeFromTheLanguageSubKey)
{
    start("Eng");
    EXPECT_EQ(App().LanguageCode, "Eng");
    EXPECT_FALSE(Language().masterMode());

    Settings().remove(kLanguageSubKey, "Sprache");
    InitLanguage(kLanguageKey, {"vamok", "sprachinit"});
    EXPECT_EQ(App().LanguageCode, "Orginal(Deutsch)");
    EXPECT_TRUE(Language().masterMode());

    // A second start without the argument clears the master mode again.
    start("", {"vamok"});
    EXPECT_EQ(App().LanguageCode, "");
    EXPECT_FALSE(Language().masterMode());
    EXPECT_TRUE(messages.empty());
}

TEST_F(LanguageFixture, AnUnsetLanguageKeyIsReportedAtInitAndForEveryWindow)
{
    InitLanguage("", {"vamok"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, "ERROR");
    EXPECT_NE(messages[0].second.find("\"LangKey\""), std::string::npos);
    EXPECT_EQ(Language().startWindow("TwVamok"), WindowPass::Skip);
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(LanguageFixture, LookupFindsPaddedKeysInTheSectionOfTheWindow)
{
    writeLang("Master.Eng", kEnglish);
    start("Eng");
    EXPECT_EQ(LookupText("TwVamok", "OnlineButton.Caption", "Online-X", "Eng"), "Online");
    EXPECT_EQ(LookupText("TComOption", "OnlineButton.Caption", "x", "Eng"), "Other window");
    EXPECT_EQ(LookupText("TwVamok", "astatursperreaufheben1.Caption", "x", "Eng"), "Release keypad lock");
    EXPECT_EQ(LookupText("TwVamok", "VeryLongComponentName.Caption.Extra", "x", "Eng"), "long key");
    EXPECT_EQ(LookupText("TwVamok", "lang.Items[7]", "x", "Eng"), "File holds no data\r\nand cannot be opened!");
    // A number is looked up like any text; an empty translation is a translation.
    EXPECT_EQ(LookupText("TwVamok", "Number.Caption", "5", "Eng"), "100");
    EXPECT_EQ(LookupText("TwVamok", "Blank.Caption", "Leer", "Eng"), "");
    EXPECT_EQ(LookupText("TwVamok", "lang.Items[4]", "Programm trotzdem beenden?", "Eng"),
              "Programm trotzdem beenden?");
    EXPECT_EQ(LookupText("TwVamok", "OnlineButton.Caption", "Online-X", "Fra"), "Online-X");
}

TEST_F(LanguageFixture, IgnoredKeysKeepTheirTextAndSpecialKeysSayNo)
{
    writeLang("Master.Eng", kEnglish + "Datenabruf.Caption____________=Data\r\n");
    writeLang("MASTER.IGNORE", kIgnore);
    start("Eng");
    EXPECT_EQ(LookupText("TwVamok", "Datenabruf.Caption", "Datenabruf", "Eng"), "Datenabruf");
    EXPECT_EQ(LookupText("TwVamok", "#spec#KnownVamoks.Hint", "Liste", "Eng"), "#no#Liste");
    EXPECT_EQ(LookupText("TwVamok", "#spec#lang.Hint", "", "Eng"), "");
}

TEST_F(LanguageFixture, FileNamesMatchWithoutLetterCaseAndCodesCannotLeaveTheFolder)
{
    writeLang("master.ENG", kEnglish);
    writeLang("master.ignore", kIgnore);
    start("Eng");
    EXPECT_EQ(LookupText("TwVamok", "OnlineButton.Caption", "x", "Eng"), "Online");
    EXPECT_EQ(LookupText("TwVamok", "#spec#KnownVamoks.Hint", "h", "Eng"), "#no#h");

    program.write("Master.Eng", kEnglish); // in the program folder, not in Lang/
    EXPECT_FALSE(LanguageFilePath("../Master.Eng").has_value());
    EXPECT_EQ(LookupText("TwVamok", "OnlineButton.Caption", "x", "Eng/../../Master.Eng"), "x");
}

TEST_F(LanguageFixture, AChangedLanguageFileIsReadAgain)
{
    writeLang("Master.Eng", "[TwVamok]\r\nOnlineButton.Caption__________=First\r\n");
    start("Eng");
    EXPECT_EQ(LookupText("TwVamok", "OnlineButton.Caption", "x", "Eng"), "First");
    writeLang("Master.Eng", "[TwVamok]\r\nOnlineButton.Caption__________=Second one\r\n");
    EXPECT_EQ(LookupText("TwVamok", "OnlineButton.Caption", "x", "Eng"), "Second one");
}

TEST_F(LanguageFixture, DamagedOrMissingLanguageFileLeavesTheGermanText)
{
    std::string garbage;
    for (int i = 0; i < 3000; ++i) {
        garbage += static_cast<char>((i * 131 + 7) % 256);
    }
    for (const bool present : {false, true}) {
        if (present) {
            writeLang("Master.Eng", garbage);
        }
        start("Eng");
        EXPECT_EQ(LookupText("TwVamok", "OnlineButton.Caption", "Online", "Eng"), "Online");
        EXPECT_EQ(LookupText("TwVamok", "lang.Items[3]", "Nicht gespeicherte Daten gehen verloren.", "Eng"),
                  "Nicht gespeicherte Daten gehen verloren.");
    }
    EXPECT_FALSE(langFileExists("_Missing.Eng"));
}

TEST_F(LanguageFixture, MissingTextsAreLoggedOnlyInMasterMode)
{
    writeLang("Master.Eng", kEnglish);
    start("Eng");
    LookupText("TwVamok", "lang.Items[4]", "Programm trotzdem beenden?", "Eng");
    EXPECT_FALSE(langFileExists("_Missing.Eng"));

    start("Eng", {"vamok", "SPRACHINIT"});
    EXPECT_EQ(LookupText("TwVamok", "lang.Items[4]", "Programm trotzdem beenden?", "Eng"),
              "Programm trotzdem beenden?");
    LookupText("TwVamok", "lang.Items[21]", "Tastatursperre\r\naufheben", "Eng");
    LookupText("TwVamok", "Count.Caption", "100", "Eng");   // a number: only [Error]
    LookupText("TwVamok", "Empty.Caption", "", "Eng");      // nothing to log
    LookupText("TwVamok", "OnlineButton.Caption", "Online", "Eng"); // present

    const IniFile log = langIni("_Missing.Eng");
    EXPECT_EQ(log.sections(), (std::vector<std::string>{"Error", "TwVamok"}));
    EXPECT_EQ(log.keys("Error"), (std::vector<std::string>{"Eng.Time______________________",
                                                            "Eng.Comment___________________"}));
    EXPECT_FALSE(log.text("Error", "Eng.Time______________________", "").empty());
    EXPECT_EQ(log.text("Error", "Eng.Comment___________________", ""), "Entry dosn't exist in Eng");
    EXPECT_EQ(log.keys("TwVamok"),
              (std::vector<std::string>{"lang.Items[4]_________________", "lang.Items[21]________________"}));
    EXPECT_EQ(log.text("TwVamok", "lang.Items[21]________________", ""), "Tastatursperre\xB0\xB0" "aufheben");
    EXPECT_NE(readLang("_Missing.Eng").find("\r\n"), std::string::npos);
}

TEST_F(LanguageFixture, MasterTextsAreRecordedOnlyWhenWorthTranslating)
{
    writeLang("MASTER.IGNORE", kIgnore);
    start("", {"vamok", "SprachInit"});
    ASSERT_EQ(Language().startWindow("TwVamok"), WindowPass::Collect);
    RecordMasterText("OnlineButton.Caption", "Online");
    RecordMasterText("lang.Items[3]", "Nicht gespeicherte\r\nDaten");
    RecordMasterText("Datenabruf.Caption", "Datenabruf"); // ignored
    RecordMasterText("Minus.Caption", "-");
    RecordMasterText("Number.Caption", "100");
    RecordMasterText("Empty.Caption", "");
    ASSERT_EQ(Language().startWindow("TComOption"), WindowPass::Collect);
    RecordMasterText("OKBtn.Caption", "OK");

    const std::string expected = "[TwVamok]\r\n"
                                 "OnlineButton.Caption__________=Online\r\n"
                                 "lang.Items[3]_________________=Nicht gespeicherte\xB0\xB0" "Daten\r\n"
                                 "[TComOption]\r\n"
                                 "OKBtn.Caption_________________=OK\r\n";
    EXPECT_EQ(readLang("MASTER.LANG"), expected);

    // A second run with changed German texts updates the entries in place.
    start("", {"vamok", "SPRACHINIT"});
    Language().startWindow("TwVamok");
    RecordMasterText("OnlineButton.Caption", "Online!");
    RecordMasterText("lang.Items[3]", "Nicht gespeicherte\r\nDaten");
    EXPECT_EQ(langIni("MASTER.LANG").text("TwVamok", "OnlineButton.Caption__________", ""), "Online!");
    EXPECT_EQ(langIni("MASTER.LANG").keys("TwVamok").size(), 2u);
}

TEST_F(LanguageFixture, WithoutMasterModeNothingIsWritten)
{
    start("");
    EXPECT_TRUE(Language().startTranslation());
    EXPECT_EQ(Language().startWindow("TwVamok"), WindowPass::Skip);
    RecordMasterText("OnlineButton.Caption", "Online");
    EXPECT_TRUE(QDir(QString::fromStdString(program.file("Lang"))).isEmpty());
}

TEST_F(LanguageFixture, TheGermanInterfaceReadsNothingAndSaysNothing)
{
    removeLanguageFolder();
    for (const char* code : {"Orginal(Deutsch)", "ORGINAL(DEUTSCH)", "orginal(deutsch)"}) {
        start(code, {"vamok", "SPRACHINIT"});
        EXPECT_FALSE(Language().startTranslation());
        EXPECT_EQ(Language().startWindow("TwVamok"), WindowPass::Skip);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(LanguageFixture, AMissingLanguageFolderIsReportedOnce)
{
    removeLanguageFolder();
    start("Eng");
    EXPECT_FALSE(Language().startTranslation());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, "ERROR");
    EXPECT_EQ(messages[0].second, "Das Sprachverzeichnis \"\\Lang\" wurde nicht gefunden!\r\n"
                                  "Default-Sprache wird geladen!\r\n"
                                  "Language-Directory \"\\Lang\" not found!\r\n"
                                  "Loading default language.");
}

TEST_F(LanguageFixture, AnUnwritableMasterFileIsReportedOnceAndLeftAlone)
{
    // A folder where the master file should be: every write fails.
    QDir().mkpath(QString::fromStdString(program.file("Lang/MASTER.LANG")));
    start("", {"vamok", "SPRACHINIT"});
    Language().startWindow("TwVamok");
    RecordMasterText("OnlineButton.Caption", "Online");
    RecordMasterText("Datenabruf.Caption", "Datenabruf");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].second.find("MASTER.LANG"), std::string::npos);
}

TEST(ShippedLanguageFiles, EnglishCoversTheMainWindowMessagesAndIsListed)
{
    const std::string folder = std::string(VAMOK_TEST_DATA) + "/../../lang/";
    const std::optional<IniFile> english = IniFile::Load(folder + "Master.Eng");
    ASSERT_TRUE(english.has_value());
    for (std::size_t i = 0; i < kMainMessages.size(); ++i) {
        const std::string key = PadKey(IndexedKey("lang", "Items", i));
        EXPECT_FALSE(english->text("TwVamok", key, "").empty()) << key;
    }
    for (const std::string& section : english->sections()) {
        for (const std::string& key : english->keys(section)) {
            EXPECT_GE(key.size(), kLanguageKeyWidth) << section << " " << key;
        }
    }
    const std::optional<IniFile> list = IniFile::Load(folder + "Lang.ini");
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->text("Auswahl", "English", ""), "Eng");
}
