#pragma once
// The working-folder dialog: a folder text with an optional folder browser.
#include "core/MainMessages.h"

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTreeView;

namespace vamok {

class TwVerzeichnisse : public QDialog {
    Q_OBJECT
public:
    explicit TwVerzeichnisse(QWidget* parent = nullptr);

    // Where the dialog takes its (translated) messages from; the German
    // originals until set.
    void setMessageSource(MessageText source);

    std::string path() const;
    void setPath(const std::string& folder);
    // Shows the folder in the tree (when it exists).
    void setTreeFolder(const std::string& folder);

    // The settings window's folder changes: the dialog opens at the current
    // folder and runs modally. The working folder is stored on OK; the
    // application-data folder changes for this run only. True on OK.
    bool ChangeUserPath();
    bool ChangeAppDataPath();

    QLineEdit* PathEdit = nullptr;
    QPushButton* SearchBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* DefaultBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QFrame* SearchPanel = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QListView* FileListBox1 = nullptr;
    QPushButton* Netbtn1 = nullptr;
    QPushButton* OKBtn2 = nullptr;
    QPushButton* DefaultBtn2 = nullptr;
    QPushButton* CancelBtn2 = nullptr;

    void OKBtnClick();
    void DefaultBtnClick();
    void SearchBtnClick();
    void Netbtn1Click();

protected:
    void done(int result) override;

private:
    void buildSearchPanel();
    void showFolderContent(const QString& folder);
    // Opens at `folder`, runs modally; the chosen folder or nothing.
    std::optional<std::string> chooseFrom(const std::string& folder);

    MessageText message_;
    QString savedCaption_;
    QFileSystemModel* folders_ = nullptr;
    QFileSystemModel* files_ = nullptr;
};

} // namespace vamok
