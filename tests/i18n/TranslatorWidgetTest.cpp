// Real windows on the offscreen platform, translated from files in a temp
// program folder.
#include "i18n/LanguageFixture.h"

#include "core/Cp1252.h"
#include "i18n/LanguageText.h"
#include "i18n/TranslatorWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace vamok;

namespace vamok::testwindows {

// A launcher window much like the main window: buttons, menus, a status bar
// with panels, the hidden message list and a few other controls.
class TwLauncher : public QMainWindow {
    Q_OBJECT
public:
    TwLauncher()
    {
        setWindowTitle("VAMOK");
        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        setCentralWidget(central);

        online = add<QPushButton>(layout, "OnlineButton");
        online->setText("Online");
        online->setToolTip(FromCp1252("Online-Fenster \xF6" "ffnen"));
        heading = add<QLabel>(layout, "Ueberschrift");
        heading->setText("Zwei\nZeilen");
        auto* number = add<QLabel>(layout, "Zahl");
        number->setText("100");
        check = add<QCheckBox>(layout, "Vorschau");
        check->setText("Vorschau");
        edit = add<QLineEdit>(layout, "TitelEdit");
        edit->setText("Titel");
        group = add<QGroupBox>(layout, "Gruppe");
        group->setTitle("Anzeige");

        lang = add<QListWidget>(layout, "lang");
        lang->addItems({"Schnittstelle: COM", "Bitte erkundigen Sie sich", "Warnung"});
        lang->hide();
        known = add<QListWidget>(layout, "KnownVamoks");
        known->setToolTip("Bekannte");
        known->addItems({"Known Vamoks:", "4711"});

        combo = add<QComboBox>(layout, "ExtBox");
        combo->addItems({"Deutsch", "Englisch"});
        editableCombo = add<QComboBox>(layout, "Auswahl");
        editableCombo->setEditable(true);
        editableCombo->addItem("Eins");
        editableCombo->setEditText("Frei");

        grid = add<QTableWidget>(layout, "Tabelle");
        grid->setColumnCount(3);
        grid->setRowCount(3);
        grid->setHorizontalHeaderLabels({"Nr", "Name", "Temp"});
        grid->setItem(0, 0, new QTableWidgetItem("Mittel"));
        grid->setItem(1, 0, new QTableWidgetItem("12"));
        grid->setItem(2, 0, new QTableWidgetItem("Summe"));

        tabs = add<QTabWidget>(layout, "Seiten");
        auto* page = new QWidget;
        page->setObjectName("TabAllgemein");
        auto* inner = new QPushButton("Innen", page);
        inner->setObjectName("InnenButton");
        tabs->addTab(page, "Allgemein");
        tabs->addTab(new QWidget, "Unbenannt");

        auto* file = menuBar()->addMenu("Datei");
        file->setObjectName("Datei1");
        printer = file->addAction("Drucker einrichten");
        printer->setObjectName("Drucker1");
        file->addSeparator();
        auto* folders = file->addMenu("Verzeichnis-Verwaltung");
        folders->setObjectName("Verzeichnisverwaltung1");
        paths = folders->addAction("Pfade anzeigen");
        paths->setObjectName("Pfadeanzeigen1");

        statusBar()->setObjectName("StatusBar1");
        for (const char* text : {"Schnittstelle", "Version", "Seriennummer", ""}) {
            auto* panel = new QLabel(text);
            statusBar()->addPermanentWidget(panel);
            panels.push_back(panel);
        }

        // A window owned by this one has its own section.
        child = new QDialog(this);
        auto* childButton = new QPushButton("Abbrechen", child);
        childButton->setObjectName("OnlineButton");
    }

    template <class W>
    W* add(QVBoxLayout* layout, const char* name)
    {
        auto* widget = new W;
        widget->setObjectName(name);
        layout->addWidget(widget);
        return widget;
    }

    QPushButton* online;
    QLabel* heading;
    QCheckBox* check;
    QLineEdit* edit;
    QGroupBox* group;
    QListWidget* lang;
    QListWidget* known;
    QComboBox* combo;
    QComboBox* editableCombo;
    QTableWidget* grid;
    QTabWidget* tabs;
    QAction* printer;
    QAction* paths;
    std::vector<QLabel*> panels;
    QDialog* child;
};

class TComOption : public QDialog {
    Q_OBJECT
public:
    TComOption()
    {
        setWindowTitle("Schnittstelle");
        ok = new QPushButton("Abbrechen", this);
        ok->setObjectName("OnlineButton");
    }
    QPushButton* ok;
};

} // namespace vamok::testwindows

using vamok::testwindows::TComOption;
using vamok::testwindows::TwLauncher;

namespace {

std::string Text(const QString& text) { return ToCp1252(text); }

std::string Entry(const std::string& key, const std::string& value)
{
    return PadKey(key) + "=" + value + "\r\n";
}

const std::string kEnglish =
    "[TwLauncher]\r\n" + Entry("TwLauncher.Caption", "VAMOK (English)") +
    Entry("OnlineButton.Caption", "Go online") + Entry("OnlineButton.Hint", "Open the online window") +
    Entry("Ueberschrift.Caption", "Two\xB0\xB0lines") + Entry("Zahl.Caption", "one hundred") +
    Entry("Vorschau.Caption", "Preview") + Entry("TitelEdit.Text", "Title") +
    Entry("Gruppe.Caption", "Display") + Entry("lang.Items[0]", "Interface: COM") +
    Entry("lang.Items[2]", "Warning") + Entry("KnownVamoks.Items[0]", "must stay") +
    Entry("ExtBox.Items[1]", "English") + Entry("Auswahl.Text", "Free") + Entry("Auswahl.Items[0]", "One") +
    Entry("Tabelle.row[0]", "No.") + Entry("Tabelle.row[1]", "Mean") + Entry("Tabelle.row[2]", "not a row") +
    Entry("Tabelle.row[3]", "Sum") + Entry("Tabelle.col[1]", "Name (en)") +
    Entry("TabAllgemein.Pages[0].Caption", "General") + Entry("InnenButton.Caption", "Inside") +
    Entry("Datei1.Caption", "&File") + Entry("Drucker1.Caption", "Printer setup") +
    Entry("Verzeichnisverwaltung1.Caption", "Folders") + Entry("Pfadeanzeigen1.Caption", "Show paths") +
    Entry("StatusBar1.Panels[0]", "Interface") + Entry("StatusBar1.Panels[2]", "Serial number") +
    "[TComOption]\r\n" + Entry("TComOption.Caption", "Interface") + Entry("OnlineButton.Caption", "Cancel");

const std::string kIgnore = "[TwLauncher]\r\n" + Entry("KnownVamoks.Hint", "x");

} // namespace

TEST_F(LanguageFixture, EveryKindOfControlIsTranslatedFromItsWindowsSection)
{
    writeLang("Master.Eng", kEnglish);
    writeLang("MASTER.IGNORE", kIgnore);
    start("Eng");
    TwLauncher main;
    TComOption options;
    EXPECT_EQ(WindowClassName(main), "TwLauncher");

    TranslateAllWindows({&main, &options});

    EXPECT_EQ(Text(main.windowTitle()), "VAMOK (English)");
    EXPECT_EQ(Text(main.online->text()), "Go online");
    EXPECT_EQ(Text(main.online->toolTip()), "Open the online window");
    EXPECT_EQ(Text(main.heading->text()), "Two\nlines");
    EXPECT_EQ(Text(main.findChild<QLabel*>("Zahl")->text()), "one hundred");
    EXPECT_EQ(Text(main.check->text()), "Preview");
    EXPECT_EQ(Text(main.edit->text()), "Title");
    EXPECT_EQ(Text(main.group->title()), "Display");
    // The hidden message list, by index; untranslated entries stay German.
    EXPECT_EQ(Text(main.lang->item(0)->text()), "Interface: COM");
    EXPECT_EQ(Text(main.lang->item(1)->text()), "Bitte erkundigen Sie sich");
    EXPECT_EQ(Text(main.lang->item(2)->text()), "Warning");
    // Its hint is listed in the ignore file: the items stay, the hint says so.
    EXPECT_EQ(Text(main.known->item(0)->text()), "Known Vamoks:");
    EXPECT_EQ(Text(main.known->toolTip()), "#no#Bekannte");
    EXPECT_EQ(Text(main.combo->itemText(0)), "Deutsch");
    EXPECT_EQ(Text(main.combo->itemText(1)), "English");
    EXPECT_EQ(Text(main.editableCombo->itemText(0)), "One");
    EXPECT_EQ(Text(main.editableCombo->currentText()), "Free");
    // Grid: row 0 is the header; numbers in column 0 are no row titles.
    EXPECT_EQ(Text(main.grid->horizontalHeaderItem(0)->text()), "No.");
    EXPECT_EQ(Text(main.grid->item(0, 0)->text()), "Mean");
    EXPECT_EQ(Text(main.grid->item(1, 0)->text()), "12");
    EXPECT_EQ(Text(main.grid->item(2, 0)->text()), "Sum");
    EXPECT_EQ(Text(main.grid->horizontalHeaderItem(1)->text()), "Name (en)");
    EXPECT_EQ(Text(main.grid->horizontalHeaderItem(2)->text()), "Temp");
    EXPECT_EQ(Text(main.tabs->tabText(0)), "General");
    EXPECT_EQ(Text(main.tabs->tabText(1)), "Unbenannt");
    EXPECT_EQ(Text(main.findChild<QPushButton*>("InnenButton")->text()), "Inside");
    // Menus, depth first through the sub-menus.
    EXPECT_EQ(Text(main.menuBar()->actions().at(0)->text()), "&File");
    EXPECT_EQ(Text(main.printer->text()), "Printer setup");
    EXPECT_EQ(Text(main.paths->text()), "Show paths");
    EXPECT_EQ(Text(main.findChild<QMenu*>("Verzeichnisverwaltung1")->title()), "Folders");
    ASSERT_EQ(main.panels.size(), 4u);
    EXPECT_EQ(Text(main.panels[0]->text()), "Interface");
    EXPECT_EQ(Text(main.panels[1]->text()), "Version");
    EXPECT_EQ(Text(main.panels[2]->text()), "Serial number");
    // Other windows use their own sections; an owned window is not part of
    // its owner.
    EXPECT_EQ(Text(options.windowTitle()), "Interface");
    EXPECT_EQ(Text(options.ok->text()), "Cancel");
    EXPECT_EQ(Text(main.child->findChild<QPushButton*>("OnlineButton")->text()), "Abbrechen");
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(langFileExists("_Missing.Eng"));
}

TEST_F(LanguageFixture, AWindowWithoutItsOwnMetaObjectIsNamedByObjectName)
{
    QDialog plain;
    plain.setObjectName("TComOption");
    EXPECT_EQ(WindowClassName(plain), "TComOption");
    QDialog unnamed;
    EXPECT_EQ(WindowClassName(unnamed), "QDialog");
}

TEST_F(LanguageFixture, AWindowCreatedLaterIsTranslatedOnItsOwn)
{
    writeLang("Master.Eng", kEnglish);
    start("Eng");
    TComOption later;
    TranslateWindow(later);
    EXPECT_EQ(Text(later.ok->text()), "Cancel");
    EXPECT_EQ(Language().section(), "TComOption");
}

TEST_F(LanguageFixture, ADamagedOrAbsentLanguageFileLeavesTheGermanTexts)
{
    for (const char* damage : {"", "\x00\xFF\r\n[TwLauncher\r\n=\r\n[[]]\r\n\x1A\x1A\x1A"}) {
        if (*damage) {
            writeLang("Master.Eng", damage);
        }
        start("Eng");
        TwLauncher main;
        TranslateAllWindows({&main});
        EXPECT_EQ(Text(main.windowTitle()), "VAMOK");
        EXPECT_EQ(Text(main.online->text()), "Online");
        EXPECT_EQ(Text(main.lang->item(2)->text()), "Warnung");
        EXPECT_EQ(Text(main.printer->text()), "Drucker einrichten");
        EXPECT_EQ(Text(main.panels[2]->text()), "Seriennummer");
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(LanguageFixture, AMissingLanguageFolderShowsOneMessageAndKeepsGerman)
{
    removeLanguageFolder();
    start("Eng");
    TwLauncher main;
    TComOption options;
    TranslateAllWindows({&main, &options});
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Text(main.online->text()), "Online");
}

TEST_F(LanguageFixture, MissingTextsOfAWindowAreCollectedInMasterMode)
{
    writeLang("Master.Eng", kEnglish);
    start("Eng", {"vamok", "SPRACHINIT"});
    TwLauncher main;
    TranslateAllWindows({&main});

    const IniFile log = langIni("_Missing.Eng");
    EXPECT_EQ(log.text("Error", PadKey("Eng.Comment"), ""), "Entry dosn't exist in Eng");
    EXPECT_EQ(log.text("TwLauncher", PadKey("lang.Items[1]"), ""), "Bitte erkundigen Sie sich");
    EXPECT_EQ(log.text("TwLauncher", PadKey("OnlineButton.Hint"), "#ERR"), "#ERR"); // translated
    EXPECT_EQ(log.text("TwLauncher", PadKey("StatusBar1.Panels[1]"), ""), "Version");
    EXPECT_EQ(log.text("TwLauncher", PadKey("Tabelle.col[2]"), ""), "Temp");
    EXPECT_EQ(log.text("TwLauncher", PadKey("ExtBox.Items[0]"), ""), "Deutsch");
    // Empty texts (the fourth panel) and numbers (row 12) are not logged.
    EXPECT_FALSE(log.value("TwLauncher", PadKey("StatusBar1.Panels[3]")).has_value());
    EXPECT_FALSE(log.value("TwLauncher", PadKey("Tabelle.row[2]")).has_value());
}

TEST_F(LanguageFixture, MasterCollectionWritesEveryGermanTextOfEveryWindow)
{
    writeLang("MASTER.IGNORE", "[TwLauncher]\r\n" + Entry("TitelEdit.Text", "1"));
    start("", {"vamok", "SPRACHINIT"});
    TwLauncher main;
    TComOption options;
    TranslateAllWindows({&main, &options});

    const IniFile master = langIni("MASTER.LANG");
    EXPECT_EQ(master.sections(), (std::vector<std::string>{"TwLauncher", "TComOption"}));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"TwLauncher.Caption", "VAMOK"},
        {"OnlineButton.Caption", "Online"},
        {"OnlineButton.Hint", "Online-Fenster \xF6" "ffnen"},
        {"Ueberschrift.Caption", "Zwei\xB0\xB0Zeilen"},
        {"lang.Items[0]", "Schnittstelle: COM"},
        {"lang.Items[2]", "Warnung"},
        {"KnownVamoks.Hint", "Bekannte"},
        {"KnownVamoks.Items[0]", "Known Vamoks:"},
        {"ExtBox.Items[1]", "Englisch"},
        {"Auswahl.Text", "Frei"},
        {"Tabelle.row[1]", "Mittel"},
        {"Tabelle.col[0]", "Nr"},
        {"TabAllgemein.Pages[0].Caption", "Allgemein"},
        {"Datei1.Caption", "Datei"},
        {"Pfadeanzeigen1.Caption", "Pfade anzeigen"},
        {"StatusBar1.Panels[2]", "Seriennummer"},
    };
    for (const auto& [key, text] : expected) {
        EXPECT_EQ(master.text("TwLauncher", PadKey(key), "#ERR"), text) << key;
    }
    for (const char* absent : {"Zahl.Caption", "KnownVamoks.Items[1]", "Tabelle.row[2]", "TitelEdit.Text",
                               "StatusBar1.Panels[3]"}) {
        EXPECT_FALSE(master.value("TwLauncher", PadKey(absent)).has_value()) << absent;
    }
    EXPECT_EQ(master.text("TComOption", PadKey("OnlineButton.Caption"), ""), "Abbrechen");
    // The windows themselves stay as they were.
    EXPECT_EQ(Text(main.online->text()), "Online");
    EXPECT_EQ(Text(main.heading->text()), "Zwei\nZeilen");
}

#include "TranslatorWidgetTest.moc"
