#include "support/HomeFixture.h"

#include "core/Cp1252.h"
#include "app/FolderDialog.h"
#include "core/Folders.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

using namespace vamok;

using FolderDialog = HomeFixture;

TEST_F(FolderDialog, ControlsAndButtons)
{
    TwVerzeichnisse dialog;
    EXPECT_EQ(dialog.windowTitle(), FromCp1252("Bitte Arbeitsverzeichnis w\xE4hlen"));
    const std::vector<std::pair<const char*, const char*>> buttons{
        {"SearchBtn", "Durchsuchen.."}, {"OKBtn", "OK"},       {"DefaultBtn", "Default"},
        {"CancelBtn", "Abbrechen"},     {"Netbtn1", "Netzwerk"}, {"OKBtn2", "OK"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = dialog.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption) << name;
    }
    ASSERT_NE(dialog.findChild<QTreeView*>("DirectoryListBox1"), nullptr);
    EXPECT_FALSE(dialog.SearchPanel->isVisibleTo(&dialog));
    dialog.SearchBtn->click();
    EXPECT_TRUE(dialog.SearchPanel->isVisibleTo(&dialog));

    dialog.DefaultBtn->click();
    EXPECT_EQ(dialog.path(), DefaultUserFolder());
    EXPECT_EQ(dialog.PathEdit->toolTip(), dialog.PathEdit->text());
}

TEST_F(FolderDialog, OkWithAnExistingFolderAcceptsAndRestoresTheCaption)
{
    const QString saved = QDir::currentPath();
    TwVerzeichnisse dialog;
    dialog.setWindowTitle("Anwendungsdaten");
    dialog.DefaultBtn->hide();
    dialog.setPath(home().substr(0, home().size() - 1));
    dialog.OKBtn->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.path(), home());
    EXPECT_EQ(dialog.windowTitle(), FromCp1252("Bitte Arbeitsverzeichnis w\xE4hlen"));
    EXPECT_TRUE(dialog.DefaultBtn->isVisibleTo(&dialog));
    QDir::setCurrent(saved);
}

TEST_F(FolderDialog, ChangeUserPathStoresTheConfirmedFolder)
{
    const QString saved = QDir::currentPath();
    TwVerzeichnisse dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        EXPECT_EQ(dialog.path(), DefaultUserFolder());
        dialog.OKBtn->click(); // the default folder is created without asking
    });
    EXPECT_TRUE(dialog.ChangeUserPath());
    EXPECT_TRUE(App().UserPathSet);
    EXPECT_EQ(App().UserPath, DefaultUserFolder());
    EXPECT_EQ(store_->readText("", "UserPath"), DefaultUserFolder());
    EXPECT_TRUE(FolderExists(DefaultUserFolder()));

    App().AppDataPath = home();
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.CancelBtn->click(); });
    EXPECT_FALSE(dialog.ChangeAppDataPath());
    EXPECT_EQ(App().AppDataPath, home());
    QDir::setCurrent(saved);
}
