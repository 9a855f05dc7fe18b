#include "support/HomeFixture.h"

#include "app/FolderChoice.h"
#include "core/Folders.h"

#include <QDir>
#include <QFileInfo>

using namespace vamok;

namespace {

class FolderChoice : public HomeFixture {
protected:
    void SetUp() override
    {
        HomeFixture::SetUp();
        savedCurrent_ = QDir::currentPath();
    }
    void TearDown() override
    {
        QDir::setCurrent(savedCurrent_);
        HomeFixture::TearDown();
    }

    bool confirm(std::string& folder)
    {
        const auto ask = [this](const std::string& text, const std::string& caption) {
            questions.push_back(caption + "|" + text);
            return answer;
        };
        const auto show = [this](const std::string& text, const std::string& caption) {
            messages.push_back(caption + "|" + text);
        };
        return ConfirmFolder(folder, OriginalMainMessage, ask, show);
    }

    static bool IsDir(const std::string& folder) { return QFileInfo(QString::fromStdString(folder)).isDir(); }

    bool answer = true;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    QString savedCurrent_;
};

} // namespace

TEST_F(FolderChoice, ExistingFolderBecomesCurrentWithoutQuestions)
{
    std::string folder = home().substr(0, home().size() - 1); // without separator
    EXPECT_TRUE(confirm(folder));
    EXPECT_EQ(folder, home());
    EXPECT_EQ(QDir::currentPath() + "/", QString::fromStdString(home()));
    EXPECT_TRUE(questions.empty());
}

TEST_F(FolderChoice, MissingFolderIsCreatedAfterYes)
{
    std::string folder = home() + "neu/unter";
    EXPECT_TRUE(confirm(folder));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Achtung|Verzeichnis " + home() +
                                "neu/unter/ nicht gefunden!\r\nWollen Sie neues Verzeichnis erzeugen?");
    EXPECT_TRUE(IsDir(home() + "neu/unter/"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FolderChoice, NoLeavesTheFolderUncreated)
{
    answer = false;
    std::string folder = home() + "nein/";
    EXPECT_FALSE(confirm(folder));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_FALSE(IsDir(folder));
}

TEST_F(FolderChoice, DefaultFolderIsCreatedWithoutAsking)
{
    std::string folder = DefaultUserFolder();
    answer = false;
    EXPECT_TRUE(confirm(folder));
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(IsDir(DefaultUserFolder()));
}

TEST_F(FolderChoice, UncreatableFolderIsReported)
{
    home_.write("datei", "x");
    std::string folder = home() + "datei/sub/";
    EXPECT_FALSE(confirm(folder));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "FEHLER|Verzeichnis kann nicht erzeugt werden!");
}

TEST_F(FolderChoice, TreeStartsAtTheFolderOrTheDocuments)
{
    EXPECT_EQ(TreeStartFolder(home()), home());
    EXPECT_EQ(TreeStartFolder(home() + "fehlt/"), "");
    QDir().mkpath(QString::fromStdString(home() + "Documents"));
    EXPECT_EQ(TreeStartFolder(home() + "fehlt/"), home() + "Documents/");
}

TEST_F(FolderChoice, ChosenWorkingFolderIsStored)
{
    AdoptChosenUserPath("/srv/vamok/");
    EXPECT_TRUE(App().UserPathSet);
    EXPECT_EQ(App().UserPath, "/srv/vamok/");
    EXPECT_EQ(store_->readText("", "UserPath"), "/srv/vamok/");
}
