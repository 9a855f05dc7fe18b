#pragma once
// The print state shared by the two reports: the report's own texts, the
// choice of colour, which quantities are printed in which column and how
// they are split onto a second page. Texts are CP1252 bytes.
#include "measure/ColumnView.h"
#include "measure/MeasurementTable.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vamok {

// The report's texts in the order of its translatable list `Lang`;
// entries 0 to 6 are printed nowhere but keep the order.
inline constexpr int kReportMessageCount = 41;
const std::array<const char*, kReportMessageCount>& ReportMessages();
// The list as the window holds it (untranslated).
std::vector<std::string> DefaultReportMessages();

namespace ReportMessage {
enum : int {
    No = 7, Name = 8, Type = 9, Temp = 10, // titles of the kinds No..WindIII: 7..22
    Legend1 = 23, Legend2 = 24, Page = 25, Date = 26, Black = 27, White = 28, Monitor = 29,
    Surroundings = 30, At = 31, Of = 32, Title = 33, TypeTitle = 34, Range = 35,
    RedToYellow = 36, YellowToGreen = 37, GreenToYellow = 38, YellowToRed = 39, Display = 40,
};
} // namespace ReportMessage

// Choices the print options make and every print reads.
struct PrintState {
    int printerIndex = -1;     // into the installed printers; -1 until set
    bool selectedOnly = false; // print only the selected rows
    bool colorPrinter = false; // the chosen printer prints colour
    bool extended = false;     // "Erweitertes Drucken" ("PrintExt")
};

// A printer counts as colour when it reports at least 3 colours; the -1 of
// many true-colour drivers counts as black and white.
bool IsColorPrinter(int colorCount);

// "Color": the table's "Druck immer Farbe" wins, then "Druck immer
// SchwarzWeiss", then the printer.
bool PrintInColor(bool alwaysColor, bool alwaysBlackWhite, bool colorPrinter);

// The measurement report's layout codes.
namespace PrintMode {
enum : int { CurrentDefinition = 0, ShownColumns = 10, AllColumns = 11 };
} // namespace PrintMode
bool IsPrintMode(int mode); // 0..4, 10, 11

// The user definition a print of mode 0..4 uses: 1..4 their own, 0 the one
// named by "BenDef" (1 when missing or not 1..4). Read from the settings;
// positions that are no permutation of 1..32 are taken in kind order.
ColumnDefinition LoadPrintDefinition(int mode);

// For each kind its printed column (0, 1, ...) or -1, and their number.
struct PrintColumns {
    std::array<int, kColumnKindCount> column{};
    int count = 0;

    // The kind printed in column c, if any.
    std::optional<ColumnKind> kindAt(int c) const;
};

// mode 10: the kinds in the table's grid order, without `Profile`;
// mode 11: every kind but `Profile` in kind order; modes 0..4: the shown
// kinds of `definition` in position order, `No` always, `Profile` never.
PrintColumns AssignPrintColumns(int mode, const ColumnMap& shownColumns, const ColumnDefinition& definition);

// How the printed columns share the two page designs. Page 1 has at least
// one column; page 2 repeats column 0 in slot 0 and always has a slot for
// every remaining column.
struct PageSplit {
    int page1Columns = 0;  // the limit the split used (at least 1)
    bool secondPage = false;
    int page2Extra = 0;    // columns that go to page 2
    int slots1 = 0;        // C1: column slots of page 1 ("ColCnt")
    int slots2 = 0;        // C2: column slots of page 2 ("ColCnt2"; 0 without page 2)

    // The print column shown in a slot, -1 for an empty slot.
    int page1Column(int slot) const;
    int page2Column(int slot) const;
};
PageSplit SplitPages(int printColumnCount, int page1Limit, bool sameWidthOnPage2);

} // namespace vamok
