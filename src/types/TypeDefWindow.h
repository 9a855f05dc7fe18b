#pragma once
// The type definition window `TTypeDef` ("Arbeitsplatztypen definieren"):
// one workplace type at a time, from the PC library (editable) or from the
// types last read from the instrument (read only), with every library
// function in its menus.
#include "types/TAPDef.h"
#include "types/TypeMessageDialog.h"
#include "types/TypePrintRequest.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vamok {

class TBalken2;

// The other windows the type window reaches; tests give their own.
struct TypeDefLinks {
    std::function<void(const TypePrintRequest&)> print;
    std::function<void()> printerSetup;
    std::function<void()> newSync; // the main window's "Neu Synchronisieren"
    std::function<std::string()> newSyncCaption; // and its caption, as translated there
    std::function<void()> upload;  // "Aktualisieren": the used types into the instrument
    std::function<void()> about;
    // The new-type dialog: the name, or nothing when cancelled.
    std::function<std::optional<std::string>()> askNewName;
    // A type left the library (the workplace name dialog's type list).
    std::function<void(const std::string& name)> typeRemoved;
    // File dialogs with "|"-separated filters; "" when cancelled.
    std::function<std::string(const std::string& filter, int filterIndex, const std::string& start)> openFileName;
    std::function<std::string(const std::string& filter, const std::string& start)> saveFileName;
};

class TTypeDef : public QDialog {
    Q_OBJECT
public:
    explicit TTypeDef(QWidget* parent = nullptr);
    ~TTypeDef() override;

    void setLinks(TypeDefLinks links);
    // The library came from the defaults (no library file): the title says so.
    void MarkDefaults(bool fromDefaults) { fromDefaults_ = fromDefaults; }

    // The display step and its reverse (grid and clothing edits <-> record).
    void ShowType(const TAPDef& type);
    void StoreShownType(TAPDef& type);
    // The four clothing edits into row 18 of `type`, with its marker.
    void StoreShownClothing(TAPDef& type);
    void SelectType(const std::string& name);
    int CurrentTypeIndex() const { return currentTypeIndex_; }
    bool PcView() const { return pcView_; }
    bool Modified() const { return modified_; }

    // Menu and button handlers.
    void SwitchView(bool pcView);
    void TypeNameChanged();
    void NeuClick();
    void DeleteClick();
    void CopyClick();
    void EditRow(int row);
    void EditClick();
    void PrintClick();
    void ImportClick(int filterIndex, const std::string& start);
    void ExportClick();
    void DefaultsClick();
    void ExtendedBtnClick();
    void ShowCurrent();
    // Activation: the current type again, a valid index first.
    void Activate();

    QFrame* BtnPanel = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Type_Name = nullptr;
    QRadioButton* PCType = nullptr;
    QRadioButton* VamokType = nullptr;
    QPushButton* Aktualisieren = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* Schliessen = nullptr;
    QTableWidget* TypeArray = nullptr;
    QFrame* CloPanel = nullptr;
    std::array<QLineEdit*, 4> Clothing{}; // E_Clo1, E_Clo2, E_Clo3, E_Met
    std::array<QLabel*, 6> ClothingLabels{};
    QFrame* BtnPanel2 = nullptr;
    QPushButton* ExtendedBtn = nullptr;
    QListWidget* Lang = nullptr;
    QMenuBar* Menu = nullptr;
    QAction* Neu1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Druckereinrichten1 = nullptr;
    QAction* Schliessen1 = nullptr;
    QAction* Editieren1 = nullptr;
    QAction* Vergleichen1 = nullptr;
    QAction* Ueberschreiben1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Loeschen1 = nullptr;
    QAction* AlteDefinitionen1 = nullptr;
    QAction* Backup1 = nullptr;
    QAction* Importieren1 = nullptr;
    QAction* Exportieren1 = nullptr;
    QAction* Synchronisieren1 = nullptr;
    QAction* Defaults1 = nullptr;
    QAction* InhaltRix1 = nullptr;
    QAction* InhaltAltarim1 = nullptr;
    QAction* Info1 = nullptr;
    TBalken2* Editor = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    std::string LangText(int index) const;
    void BuildMenus();
    void FillNames(const std::vector<std::string>& names);
    void AskToStoreChanges();
    void Save();
    void SetViewEnabling();
    void ReloadShown();
    std::array<std::string, kTypeRowCount> GridLabels() const;

    TypeDefLinks links_;
    TypeMessageDialog messages_{this};
    bool pcView_ = true;
    bool modified_ = false;
    bool extended_ = false;
    bool showing_ = false;
    bool fromDefaults_ = false;
    int currentTypeIndex_ = -1; // the first real type once shown
    std::vector<std::string> savedPcNames_;
};

} // namespace vamok
