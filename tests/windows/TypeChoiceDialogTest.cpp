// The type choice window on the offscreen platform: the list it offers, the
// note for a type that rows use, and what "Ok" and "Abbruch" leave.
#include "core/Cp1252.h"
#include "types/TypeChoiceDialog.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

std::vector<std::string> RowTypes()
{
    std::vector<std::string> rows(99, "NONE");
    for (int n : {3, 7, 12})
        rows[static_cast<std::size_t>(n - 1)] = "AB  ";
    rows[19] = "EF  ";
    rows[20] = "VAM ";
    return rows;
}

void Select(TAPTWahl& w, const char* name)
{
    const auto found = w.ToSend->findItems(QString::fromLatin1(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    w.ToSend->setCurrentItem(found.front());
}

} // namespace

TEST(TypeChoiceDialog, TypesInUseCannotBeRemovedOthersCan)
{
    TAPTWahl w;
    std::vector<std::string> used{"AB  ", "CD  "};
    w.Fill(used, RowTypes());
    EXPECT_EQ(w.Entries(), (std::vector<std::string>{"AB  ", "CD  ", "EF  ", "VAM "}));
    EXPECT_FALSE(w.Loeschen->isEnabled());

    Select(w, "AB  ");
    EXPECT_FALSE(w.Loeschen->isEnabled());
    EXPECT_FALSE(w.Panel1->isHidden());
    EXPECT_FALSE(w.Hinweis->isHidden());
    EXPECT_EQ(w.Hinweis->item(2)->text(), "3; 7; 12");

    Select(w, "VAM ");
    EXPECT_FALSE(w.Loeschen->isEnabled());
    EXPECT_FALSE(w.Hinweis2->isHidden());
    EXPECT_TRUE(w.Hinweis->isHidden());

    Select(w, "CD  ");
    EXPECT_TRUE(w.Loeschen->isEnabled());
    EXPECT_TRUE(w.Panel1->isHidden());
    w.Loeschen->click();
    EXPECT_EQ(w.Entries(), (std::vector<std::string>{"AB  ", "EF  ", "VAM "}));
}

TEST(TypeChoiceDialog, OkReplacesTheUsedTypesAbbruchLeavesThem)
{
    for (const bool ok : {true, false}) {
        TAPTWahl w;
        std::vector<std::string> used{"AB  ", "CD  "};
        QTimer::singleShot(0, &w, [&w, ok] {
            Select(w, "CD  ");
            w.Loeschen->click();
            (ok ? w.Ok : w.Abbruch)->click();
        });
        EXPECT_EQ(w.Execute(used, RowTypes()), ok);
        // "Ok": EF (row 20) goes to slot 2 now that CD is gone.
        const std::vector<std::string> chosen{"AB  ", "EF  ", "VAM "};
        const std::vector<std::string> unchanged{"AB  ", "CD  "};
        EXPECT_EQ(used, ok ? chosen : unchanged);
    }
}
