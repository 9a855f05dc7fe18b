#include "i18n/LanguageChoiceDialog.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MessageDialog.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace vamok {

namespace {

void CloseMainWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("TwVamok")) {
            // After this window has closed, as a normal close request.
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }
}

} // namespace

TwSprachwahl::TwSprachwahl(std::vector<std::string> args, QWidget* parent)
    : QDialog(parent), args_(std::move(args))
{
    setObjectName("TwSprachwahl");
    setWindowTitle("Sprache");
    setDialogs({});

    auto* layout = new QGridLayout(this);
    ExtBox = new QComboBox(this);
    ExtBox->setObjectName("ExtBox");
    ExtBox->setEditable(true);
    ExtBox->setMinimumWidth(220);
    layout->addWidget(ExtBox, 0, 0, 1, 2);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    Edit2->setReadOnly(true);
    layout->addWidget(Edit2, 1, 0, 1, 2);
    OkBtn = new QPushButton(FromCp1252("\xDC" "bernehmen"), this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    layout->addWidget(OkBtn, 2, 0);
    Abbrechen = new QPushButton("Abbrechen", this);
    Abbrechen->setObjectName("Abbrechen");
    layout->addWidget(Abbrechen, 2, 1);
    Lang = new QListWidget(this);
    Lang->setObjectName("Lang");
    Lang->hide();
    for (const char* text : kLanguageChoiceMessages) {
        Lang->addItem(FromCp1252(text));
    }

    // Only the user's choices change the selection, not filling the box.
    connect(ExtBox, &QComboBox::textActivated, this, [this] { ExtBoxChange(); });
    connect(ExtBox->lineEdit(), &QLineEdit::textEdited, this, [this] { ExtBoxChange(); });
    connect(OkBtn, &QPushButton::clicked, this, &TwSprachwahl::OkBtnClick);
    connect(Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TwSprachwahl::setDialogs(Dialogs dialogs)
{
    if (!dialogs.show) {
        dialogs.show = MessageBoxesOver(this);
    }
    if (!dialogs.askYesNo) {
        dialogs.askYesNo = [this](const std::string& text, const std::string& caption) {
            return AskYesNo(this, text, caption);
        };
    }
    if (!dialogs.closeMainWindow) {
        dialogs.closeMainWindow = CloseMainWindow;
    }
    dialogs_ = std::move(dialogs);
}

std::string TwSprachwahl::message(int index) const
{
    const QListWidgetItem* item = Lang->item(index);
    return item ? ToCp1252(item->text()) : std::string();
}

MessageText TwSprachwahl::messages() const
{
    return [this](int index) { return message(index); };
}

int TwSprachwahl::Execute()
{
    if (!LanguageFolderExists()) {
        dialogs_.show(message(MsgNoLanguageFolder) + "\r\n", message(MsgChoiceError));
        return QDialog::Rejected;
    }
    BoxUpdate();
    QTimer::singleShot(0, ExtBox, &QComboBox::showPopup);
    return exec();
}

void TwSprachwahl::BoxUpdate()
{
    if (!selectedCode_)
        selectedCode_ = App().LanguageCode;
    const LanguageBox box = FillLanguageBox(*selectedCode_, args_, messages());
    if (!box.problem.empty()) {
        dialogs_.show(box.problem, message(MsgChoiceError));
    }
    ExtBox->clear();
    for (const std::string& item : box.items) {
        ExtBox->addItem(FromCp1252(item));
    }
    ExtBox->setEditText(FromCp1252(box.text));
    Edit2->setText(FromCp1252(box.code));
}

void TwSprachwahl::ExtBoxChange()
{
    selectedCode_ = CodeOfChoice(ToCp1252(ExtBox->currentText()));
    Edit2->setText(FromCp1252(*selectedCode_));
}

void TwSprachwahl::registrier()
{
    StoreLanguageChoice(ToCp1252(ExtBox->currentText()), selectedCode_.value_or(App().LanguageCode), messages());
}

void TwSprachwahl::OkBtnClick()
{
    registrier();
    if (dialogs_.askYesNo(RestartQuestion(messages()), message(MsgChoiceAttention))) {
        dialogs_.closeMainWindow();
    }
    accept();
}

} // namespace vamok
