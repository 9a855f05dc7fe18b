#include "i18n/QtTranslations.h"

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vamok;

namespace {

QString ButtonText(const QMessageBox& box, QMessageBox::StandardButton which)
{
    QString text = box.button(which)->text();
    return text.remove('&');
}

class QtOwnTexts : public ::testing::Test {
protected:
    // Later tests expect Qt's own English.
    void TearDown() override { InstallQtTranslations("Eng"); }
};

} // namespace

TEST(QtLocale, FollowsTheLanguageCode)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Orginal(Deutsch)", "de"}, {"ORGINAL(DEUTSCH)", "de"}, {"", "de"},     {"Eng", "en"},
        {"ENG", "en"},              {"Fra", "fr"},              {"ita", "it"},  {"pl", "pl_PL"},
        {"pt_BR", "pt_BR"},         {"Klingon", ""},            {"..", ""},     {"zz", ""}};
    for (const auto& [code, locale] : cases)
        EXPECT_EQ(QtLocaleForLanguage(code), locale) << code;
}

TEST_F(QtOwnTexts, GermanProgramAsksWithGermanButtons)
{
    ASSERT_TRUE(InstallQtTranslations("Orginal(Deutsch)"));
    QMessageBox box(QMessageBox::Question, "Hinweis", "Weitere Typdefinition gefunden",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(ButtonText(box, QMessageBox::Yes), "Ja");
    EXPECT_EQ(ButtonText(box, QMessageBox::No), "Nein");
    EXPECT_EQ(ButtonText(box, QMessageBox::Cancel), "Abbrechen");
}

TEST_F(QtOwnTexts, EnglishAndOtherLanguagesReplaceTheGermanTexts)
{
    ASSERT_TRUE(InstallQtTranslations("Orginal(Deutsch)"));
    ASSERT_TRUE(InstallQtTranslations("Fra"));
    {
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(ButtonText(box, QMessageBox::No), "Non");
    }
    ASSERT_TRUE(InstallQtTranslations("Eng"));
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(ButtonText(box, QMessageBox::Yes), "Yes");
}

TEST_F(QtOwnTexts, UnknownLanguageKeepsQtsEnglish)
{
    EXPECT_FALSE(InstallQtTranslations("Klingon"));
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Cancel);
    EXPECT_EQ(ButtonText(box, QMessageBox::Cancel), "Cancel");
}
