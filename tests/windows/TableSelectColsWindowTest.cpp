#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "profiles/TableSelectColsWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QTimer>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

class TableSelectColsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
    }
    static QCheckBox* Box(TwTableSelectCols& w, const char* name)
    {
        return w.findChild<QCheckBox*>(name);
    }
};

} // namespace

TEST_F(TableSelectColsWindowTest, NamesCaptionAndDeveloperDefinitions)
{
    TwTableSelectCols w;
    EXPECT_EQ(w.objectName(), "TwTableSelectCols");
    EXPECT_EQ(w.windowTitle(), "Spalten-Auswahl");
    ASSERT_NE(Box(w, "ShowTemp"), nullptr);
    ASSERT_NE(Box(w, "MoveTemp"), nullptr);
    EXPECT_FALSE(Box(w, "ShowType")->isEnabled());
    EXPECT_TRUE(Box(w, "ShowNo")->isChecked());
    w.show();
    EXPECT_FALSE(w.Definitions[2]->isVisible());
    EXPECT_TRUE(w.Definitions[1]->isVisible());
    EXPECT_EQ(w.selectedDefinition(), 1);
}

TEST_F(TableSelectColsWindowTest, MoveUpMovesTickedRowsAndApplyStores)
{
    TwTableSelectCols w;
    int applied = 0;
    w.setApplyHandler([&applied](int n) { applied = n; });
    const int topOf4 = Box(w, "ShowProfile")->y();
    Box(w, "MoveTemp")->setChecked(true);
    Box(w, "MoveFeu")->setChecked(true);
    w.MoveUp->click();
    EXPECT_EQ(Box(w, "ShowTemp")->y(), topOf4);
    EXPECT_EQ(Box(w, "ShowTemp")->property("Tag").toInt(), 4);
    EXPECT_EQ(Box(w, "MoveProfile")->property("Tag").toInt(), 6);
    // Nothing is stored before "Übernehmen".
    EXPECT_FALSE(Settings().exists("", "ShowCol_BD1_Tag05"));
    w.Definitions[1]->click();
    Box(w, "ShowFre")->setChecked(false);
    w.Ubernehmen->click();
    EXPECT_EQ(applied, 2);
    EXPECT_EQ(Settings().readInt("", "BenDef"), 2);
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD2_10"), 0);
    EXPECT_EQ(Settings().readInt("", "ShowCol_BD2_Tag05"), 5);
}

TEST_F(TableSelectColsWindowTest, DefaultsAndCancel)
{
    TwTableSelectCols w;
    w.Defaults->click();
    EXPECT_FALSE(Box(w, "ShowFre")->isChecked());
    EXPECT_FALSE(Box(w, "ShowPMV3")->isChecked());
    EXPECT_TRUE(Box(w, "ShowPMV2")->isChecked());
    w.SelectNone->click();
    EXPECT_TRUE(Box(w, "ShowType")->isChecked());
    EXPECT_FALSE(Box(w, "ShowName")->isChecked());
    w.CancelBtn->click();
    EXPECT_FALSE(Settings().exists("", "ShowCol_BD1_02"));
}

TEST_F(TableSelectColsWindowTest, MovingWithNothingTickedExplainsInTheMainWindowsLanguage)
{
    TwTableSelectCols w;
    w.setMessageSource([](int index) { return "M" + std::to_string(index); });
    w.show();
    QString caption, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        box->accept();
    });
    w.MoveUp->click();
    EXPECT_EQ(caption, "M9");
    EXPECT_TRUE(text.startsWith("M14\r\nM15\r\n\"")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\" M16")) << text.toStdString();
}
