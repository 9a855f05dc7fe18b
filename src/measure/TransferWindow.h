#pragma once
// The measurement table window "Datenabruf": the grid `Speicher` with the
// 99 workplaces, their rating marks and hints; reading the instrument's
// memory, editing, the column views, the PMV and copy settings, opening,
// saving and copying. It owns the MeasurementTable and lives until the end.
#include "measure/CellHints.h"
#include "measure/ColumnView.h"
#include "measure/MeasurementTable.h"
#include "measure/NamesUpload.h"
#include "measure/MemoryReadout.h"
#include "measure/RangeSelection.h"
#include "measure/TableSettings.h"
#include "types/Rating.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTableWidget;
class QWidget;

namespace vamok {

class CommandChannel;
class TGetSelect;
class FixedColumnWidget;
class TNameTyp;

// The modal questions and messages the window shows; tests replace them.
struct TransferDialogs {
    std::function<void(const std::string& text, const std::string& caption)> show;
    std::function<bool(const std::string& text, const std::string& caption)> askYesNo;
    std::function<bool(const std::string& text, const std::string& caption)> askOkCancel;
    // A file name from the open or save dialog ("" when cancelled); for a save
    // the chosen file type (true: ".CSV") comes back through csv.
    std::function<std::string(const std::string& folder)> openFileName;
    std::function<std::string(const std::string& proposed, bool& csv)> saveFileName;
};
TransferDialogs DefaultTransferDialogs(QWidget* parent);

// What the window does to other windows. Commands without a link stay
// disabled.
struct TransferWindowLinks {
    std::function<void()> about;                           // "In&fo..."
    std::function<void()> chooseTypes;                     // "Arbeitsplatzdefinitionen auswählen..."
    std::function<void(int definition)> editColumnDefinitions; // column definitions window, modal
    std::function<void()> writeNames;                      // names and types to the instrument
    std::function<void(int layout)> print;                 // report layout 1..4, 10, 11, after the print options
    std::function<void()> printAll;                        // "Drucken": the current view of all workplaces
    std::function<void()> printerSetup;
    std::function<std::string()> busyTransferText;         // busy dialog's "Übertrage Daten..."
};

class TTransferVamokPC : public QMainWindow, private ReadoutUi {
    Q_OBJECT
public:
    TTransferVamokPC(CommandChannel& channel, TGetSelect& rangeDialog, TNameTyp& nameTypeDialog,
                     QWidget* parent = nullptr);
    ~TTransferVamokPC() override;

    void setLinks(TransferWindowLinks links);
    void setDialogs(TransferDialogs dialogs);

    MeasurementTable& Table() { return table_; }
    const TableSettings& CurrentSettings() const { return settings_; }
    const TableViewChoice& Views() const { return views_; }

    // Opening a file named on the command line: no dialog.
    void OpenAtStartup(const std::string& path);
    void OpenFile(const std::string& path);
    void SaveFile(const std::string& chosen, bool csv);

    // Writes every row's texts into the grid (after a change of the table).
    void ShowAllRows();
    void ShowRow(int n) override;
    // An input of the PMV changed outside the window (a type was edited):
    // every row's PMV texts are computed anew and shown.
    void PmvInputsChanged();
    // Applies the view in force (user definition or standard view).
    void ApplyCurrentView();
    // The column definitions window after "OK" or "Übernehmen" with its
    // selected definition: while a user view is active, that definition's
    // item becomes the checked one; then the current view is applied.
    void ColumnDefinitionsApplied(int definition);
    // The grid column that shows a kind, -1 when hidden.
    int ColumnOf(ColumnKind kind) const;

    // Menu and button handlers, named as in the form.
    void ReadButtonClick(ReadoutMode mode);
    // "Name/Typ -> VAMOK", "Definitionen schreiben": the range dialog, then
    // the names upload through the busy dialog; `types` writes the used
    // types afterwards.
    void WriteButtonClick(TypeSync& types);
    void Neu1Click();
    void OeffnenClick();
    void SpeichernClick();
    void KopierenClick();
    void EditierenClick();
    void DeleteMarkedRows();
    void ZeigeBewertungausDateiClick();
    void PMVPredictMeanVoteClick();
    void UserViewClick(int n);
    void AuswahlBenutzerdefiniertClick();
    void GlobeEditingClick();
    void RadiantEntryClick(bool meanRadiant);
    void AlleEditierenClick();
    void AirVelocityClick(int item);

    // Controls, named as the translation engine expects.
    QWidget* Panel1 = nullptr;
    QPushButton* ReadButton = nullptr;
    QPushButton* WriteButton = nullptr;
    QPushButton* kopieren = nullptr;
    QPushButton* Print = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QCheckBox* PrintP2ColwidthLikerP1 = nullptr;
    QSpinBox* MaxPrintCols = nullptr;
    QWidget* titelfeld = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* TitelEdit = nullptr;
    QTableWidget* Speicher = nullptr;
    QWidget* BottomPanel = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QProgressBar* BusyBar = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QListWidget* Lang = nullptr;

    QAction* Neu1 = nullptr;
    QAction* Oeffnen = nullptr;
    QAction* Speichern = nullptr;
    QAction* ImmerSchwarzWeiss1 = nullptr;
    QAction* ImmerFarbe1 = nullptr;
    QAction* DruckUser_3 = nullptr;
    QAction* DruckUser_4 = nullptr;
    QAction* DruckenAnzeige1 = nullptr;
    QAction* DruckUser_1 = nullptr;
    QAction* DruckUser_2 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Druckereinrichten1 = nullptr;
    QAction* Schlieen1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Editieren1 = nullptr;
    QAction* ZeigeBewertungausDatei1 = nullptr;
    QAction* markierteZeilenlschen1 = nullptr;
    QAction* Alleslschen1 = nullptr;
    QAction* Arbeitsplatzdefinitionenauswhlen1 = nullptr;
    QAction* Datenlesen1 = nullptr;
    QAction* MesswerteAnfuegen = nullptr;
    QAction* NurGlobetemperaturlesen1 = nullptr;
    QAction* NurVentiqauslesen1 = nullptr;
    QAction* Datenschreiben1 = nullptr;
    QAction* PMVPredictMeanVote2 = nullptr;
    std::array<QAction*, 4> Benutzerdefiniert{}; // Benutzerdefiniert_11 .. _41
    QAction* AuswahlBenutzerdefiniert1 = nullptr;
    QAction* MittlereStrahlungstemperatureditieren1 = nullptr;
    QAction* EingabeGlobetemperatur1 = nullptr;
    QAction* EingabeMittlereStrahlungstemperatur1 = nullptr;
    QAction* AlleEditieren1 = nullptr;
    std::array<QAction*, kAirVelocityItemCount> AirVelocityItems{}; // PMV_WindAuto .. PMV_WindIII
    QAction* KopierenErweitert1 = nullptr;
    QAction* NurangezeigteSpaltenKopieren1 = nullptr;
    QAction* Messwertelesendebug1 = nullptr;
    QAction* InhaltVAMOKrix1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* Info1 = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ReadoutUi
    void TableCleared() override;
    bool ConfirmVentiqOverwrite(const std::string& rows) override;
    void Begin(int from, int to) override;
    void ShowProgress(int n) override;
    void ShowBusy() override;
    void CloseBusy() override;
    void RecordArrived() override;
    void RecordRejected() override;
    void ShowTypeCell(int n) override;
    void ReportDecodeError() override;
    bool AskContinueAfterNoAnswer() override;
    void Finished(int from, int to) override;

    void FormCreate();
    void CreateControls();
    void CreateMenus();
    void ConnectControls();
    void ApplySettingsToMenus();
    void RebuildHeaders();
    void ApplyKinds(const std::vector<ColumnKind>& kinds);
    ColumnDefinition CheckedDefinition() const;
    void SyncViewItems();
    void SetInstrumentControls(bool enabled);
    void SetMemoEnlarged(bool enlarged);
    void ClearTable();
    void CellEdited(int gridRow, int column);
    void RunReadout(ReadoutMode mode, int from, int to);
    void RunNamesUpload(TypeSync& types, int from, int to);
    ColumnKind KindAt(int column) const;
    Rating MarkAt(int n, int column) const;
    std::vector<std::string> LangTexts() const;
    std::string LangText(int index) const;
    std::string Joined(std::initializer_list<int> indices) const;
    std::vector<std::string> NotesLines() const;
    PmvSettings Pmv() const;
    bool ShowHint(QWidget* area, const QPoint& position, bool header);
    CellHint RowHintAt(int n, ColumnKind kind) const;
    // What assistive technology says of a cell besides its text.
    std::string CellDescriptionAt(int n, int column) const;

    CommandChannel& channel_;
    TGetSelect& rangeDialog_;
    TNameTyp& nameTypeDialog_;
    TransferWindowLinks links_;
    TransferDialogs dialogs_;

    MeasurementTable table_;
    TableSettings settings_;
    TableViewChoice views_;
    std::vector<ColumnKind> kindOfColumn_;
    std::vector<std::string> untranslated_;
    std::string plainCaption_;
    std::string startupFile_;
    FixedColumnWidget* fixedColumn_ = nullptr;
    RangeSelection range_;
    MemoryReadout* running_ = nullptr;
    NamesUpload* uploading_ = nullptr;
    bool alleEditieren_ = false;
    bool fileRatingsAvailable_ = false;
    bool useFileRatings_ = false;
    bool showing_ = false;
    int lastRow_ = 0;
    int lastColumn_ = 0;
};

} // namespace vamok
