#include "i18n/LanguageFixture.h"

#include "i18n/LanguageChoice.h"

using namespace vamok;

namespace {

std::string German(int index)
{
    return index >= 0 && index < static_cast<int>(kLanguageChoiceMessages.size()) ? kLanguageChoiceMessages[index]
                                                                                   : "";
}

const std::string kList = "[Auswahl]\r\n"
                          "English=Eng\r\n"
                          "Fran\xE7" "ais=Fra\r\n"
                          "British=Eng\r\n"
                          "[Other]\r\n"
                          "Deutsch=Ger\r\n";

using Items = std::vector<std::string>;

} // namespace

TEST_F(LanguageFixture, TheBoxListsTheLanguagesInFileOrderAndShowsTheLastMatch)
{
    writeLang("Lang.ini", kList);
    const LanguageBox box = FillLanguageBox("Eng", {"vamok"}, German);
    EXPECT_EQ(box.items, (Items{"English", "Fran\xE7" "ais", "British", "ORGINAL(DEUTSCH)"}));
    EXPECT_EQ(box.text, "British");
    EXPECT_EQ(box.code, "Eng");
    EXPECT_TRUE(box.problem.empty());

    const LanguageBox german = FillLanguageBox("Orginal(Deutsch)", {"vamok"}, German);
    EXPECT_EQ(german.text, "Orginal(Deutsch)");
}

TEST_F(LanguageFixture, SprachinitOffersTheMasterFileAndShowsItForAnEmptyCode)
{
    writeLang("Lang.ini", kList);
    const LanguageBox box = FillLanguageBox("", {"vamok", "sprachinit"}, German);
    EXPECT_EQ(box.items.back(), "MasterDatei erstellen");
    EXPECT_EQ(box.text, "MasterDatei erstellen");
    const LanguageBox english = FillLanguageBox("Fra", {"vamok", "SPRACHINIT"}, German);
    EXPECT_EQ(english.text, "Fran\xE7" "ais");
    EXPECT_EQ(english.items.back(), "MasterDatei erstellen");
}

TEST_F(LanguageFixture, AMissingListLeavesOnlyTheGermanItemAndSaysWhere)
{
    const LanguageBox box = FillLanguageBox("Eng", {"vamok"}, German);
    EXPECT_EQ(box.items, (Items{"ORGINAL(DEUTSCH)"}));
    EXPECT_EQ(box.text, "Orginal(Deutsch)");
    EXPECT_EQ(box.problem, "Ini-File " + program.path() + "Lang/Lang.inifehlt\r\nKeine \xC4nderung der Sprache m\xF6glich!");
}

TEST_F(LanguageFixture, TheCodeOfAChoice)
{
    writeLang("Lang.ini", kList);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"English", "Eng"},
        {"fran\xE7" "ais", "Fra"}, // display names compare without case
        {"Orginal(Deutsch)", "Orginal(Deutsch)"},
        {"ORGINAL(DEUTSCH)", ""},
        {"MasterDatei erstellen", ""},
        {"Deutsch", ""}, // another section
        {"", ""},
    };
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(CodeOfChoice(text), code) << text;
    }
}

TEST_F(LanguageFixture, StoringTheChoiceWritesTheLanguageValue)
{
    StoreLanguageChoice("English", "Eng", German);
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>("Eng"));
    StoreLanguageChoice("MasterDatei erstellen", "Eng", German);
    EXPECT_EQ(Settings().readText(kLanguageSubKey, "Sprache"), std::optional<std::string>(""));

    // The next start reads what was stored.
    StoreLanguageChoice("Fran\xE7" "ais", "Fra", German);
    InitLanguage(kLanguageKey, {"vamok"});
    EXPECT_EQ(App().LanguageCode, "Fra");
}
