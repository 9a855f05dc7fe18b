#include "app/HomeFixture.h"

#include "app/Cp1252.h"
#include "app/FolderDialog.h"
#include "app/Folders.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
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
