#include "app/FolderDialog.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "app/FolderChoice.h"
#include "core/Folders.h"
#include "core/MessageDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFrame>
#include <QHBoxLayout>
#include <QSysInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vamok {

namespace {

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

} // namespace

TwVerzeichnisse::TwVerzeichnisse(QWidget* parent) : QDialog(parent), message_(OriginalMainMessage)
{
    setObjectName("TwVerzeichnisse");
    setWindowTitle(FromCp1252("Bitte Arbeitsverzeichnis w\xE4hlen"));
    savedCaption_ = windowTitle();

    auto* layout = new QVBoxLayout(this);
    auto* pathRow = new QHBoxLayout;
    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName("PathEdit");
    pathRow->addWidget(PathEdit, 1);
    SearchBtn = AddButton(this, pathRow, "SearchBtn", "Durchsuchen..");
    layout->addLayout(pathRow);

    auto* buttonRow = new QHBoxLayout;
    OKBtn = AddButton(this, buttonRow, "OKBtn", "OK");
    DefaultBtn = AddButton(this, buttonRow, "DefaultBtn", "Default");
    CancelBtn = AddButton(this, buttonRow, "CancelBtn", "Abbrechen");
    layout->addLayout(buttonRow);

    buildSearchPanel();
    layout->addWidget(SearchPanel, 1);
    SearchPanel->hide();

    connect(PathEdit, &QLineEdit::textChanged, PathEdit, &QLineEdit::setToolTip);
    connect(SearchBtn, &QPushButton::clicked, this, &TwVerzeichnisse::SearchBtnClick);
    for (QPushButton* ok : {OKBtn, OKBtn2}) {
        connect(ok, &QPushButton::clicked, this, &TwVerzeichnisse::OKBtnClick);
    }
    for (QPushButton* byDefault : {DefaultBtn, DefaultBtn2}) {
        connect(byDefault, &QPushButton::clicked, this, &TwVerzeichnisse::DefaultBtnClick);
    }
    for (QPushButton* cancel : {CancelBtn, CancelBtn2}) {
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    connect(Netbtn1, &QPushButton::clicked, this, &TwVerzeichnisse::Netbtn1Click);
}

void TwVerzeichnisse::buildSearchPanel()
{
    SearchPanel = new QFrame(this);
    SearchPanel->setObjectName("SearchPanel");
    auto* layout = new QVBoxLayout(SearchPanel);

    DriveComboBox1 = new QComboBox(SearchPanel);
    DriveComboBox1->setObjectName("DriveComboBox1");
    for (const QFileInfo& drive : QDir::drives()) {
        DriveComboBox1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
    }
    layout->addWidget(DriveComboBox1);

    auto* lists = new QHBoxLayout;
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    DirectoryListBox1 = new QTreeView(SearchPanel);
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    DirectoryListBox1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        DirectoryListBox1->hideColumn(column);
    }
    DirectoryListBox1->setHeaderHidden(true);
    lists->addWidget(DirectoryListBox1, 1);

    auto* fileColumn = new QVBoxLayout;
    auto* fileLabel = new QLabel("Dateiliste (nur zur Info)", SearchPanel);
    fileLabel->setObjectName("Label1");
    fileColumn->addWidget(fileLabel);
    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    FileListBox1 = new QListView(SearchPanel);
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setModel(files_);
    FileListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    fileColumn->addWidget(FileListBox1, 1);
    lists->addLayout(fileColumn, 1);
    layout->addLayout(lists, 1);

    auto* row = new QHBoxLayout;
    Netbtn1 = AddButton(SearchPanel, row, "Netbtn1", "Netzwerk");
    row->addStretch(1);
    OKBtn2 = AddButton(SearchPanel, row, "OKBtn2", "OK");
    DefaultBtn2 = AddButton(SearchPanel, row, "DefaultBtn2", "Default");
    CancelBtn2 = AddButton(SearchPanel, row, "CancelBtn2", "Abbrechen");
    layout->addLayout(row);

    connect(DriveComboBox1, &QComboBox::textActivated, this,
            [this](const QString& drive) { setTreeFolder(ToCp1252(drive)); });
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                const QString folder = folders_->filePath(current);
                PathEdit->setText(QDir::toNativeSeparators(folder));
                showFolderContent(folder);
            });
}

void TwVerzeichnisse::setMessageSource(MessageText source)
{
    message_ = source ? std::move(source) : MessageText(OriginalMainMessage);
}

std::string TwVerzeichnisse::path() const
{
    return ToCp1252(PathEdit->text());
}

void TwVerzeichnisse::setPath(const std::string& folder)
{
    PathEdit->setText(FromCp1252(folder));
}

void TwVerzeichnisse::setTreeFolder(const std::string& folder)
{
    const QString path = FromCp1252(folder);
    if (!QFileInfo(path).isDir()) {
        return;
    }
    const QModelIndex index = folders_->index(path);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    showFolderContent(path);
}

std::optional<std::string> TwVerzeichnisse::chooseFrom(const std::string& folder)
{
    setPath(folder);
    setTreeFolder(TreeStartFolder(folder));
    setPath(folder); // the tree's selection must not replace the text
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return path();
}

bool TwVerzeichnisse::ChangeUserPath()
{
    const std::optional<std::string> chosen = chooseFrom(UserFolder());
    if (chosen) {
        AdoptChosenUserPath(*chosen);
    }
    return chosen.has_value();
}

bool TwVerzeichnisse::ChangeAppDataPath()
{
    const std::optional<std::string> chosen = chooseFrom(App().AppDataPath);
    if (chosen) {
        App().AppDataPath = *chosen;
    }
    return chosen.has_value();
}

void TwVerzeichnisse::showFolderContent(const QString& folder)
{
    FileListBox1->setRootIndex(files_->setRootPath(folder));
}

void TwVerzeichnisse::OKBtnClick()
{
    std::string folder = path();
    const bool ok = ConfirmFolder(
        folder, message_,
        [this](const std::string& text, const std::string& caption) { return AskYesNo(this, text, caption); },
        [this](const std::string& text, const std::string& caption) { ShowMessageBox(this, text, caption); });
    setPath(folder);
    if (ok) {
        accept();
    } else {
        reject();
    }
}

void TwVerzeichnisse::DefaultBtnClick()
{
    setPath(DefaultUserFolder());
}

void TwVerzeichnisse::SearchBtnClick()
{
    SearchPanel->setVisible(!SearchPanel->isVisible());
}

void TwVerzeichnisse::Netbtn1Click()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, windowTitle(), QDir::rootPath());
    if (chosen.isEmpty() || chosen == QSysInfo::machineHostName()) {
        return;
    }
    PathEdit->setText(QDir::toNativeSeparators(chosen));
    setTreeFolder(ToCp1252(QDir::toNativeSeparators(chosen)));
}

void TwVerzeichnisse::done(int result)
{
    setWindowTitle(savedCaption_);
    DefaultBtn->setVisible(true);
    QDialog::done(result);
}

} // namespace vamok
