#pragma once
// The texts a data file, an export and the clipboard copy are written with:
// header texts, rating words and the marks the reader recognises header lines
// by. They come from the table window's translatable text list, so files and
// copies follow the chosen language. Texts are CP1252 bytes.
#include "measure/MeasurementTable.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vamok {

struct DataFileTexts {
    // Header text of every field (GT as the table currently names it).
    std::array<std::string, kFieldCount> headers;
    // Rating words for codes 1 (green), 2 (yellow), 3 (red).
    std::array<std::string, 3> ratingWords{"ok", "tb", "aG"};
    // A header line contains one of these, in the current or the untranslated
    // language: "Temp" (the line is a header), "Luftgeschw" (air velocity
    // columns present), "LD-Schwarz" (luminance values present).
    std::vector<std::string> temperatureMarks{"Temp"};
    std::vector<std::string> airVelocityMarks{"Luftgeschw"};
    std::vector<std::string> luminanceMarks{"LD-Schwarz"};
    // Messages.
    std::string loadFailed = "Konnte Datei nicht laden!";
    std::string saveFailed = "Konnte Datei nicht speichern!";
    std::string noExcelFiles = "Diese Programmversion kann leider keine\r\nExcel-5-Dateien laden.";
    std::string defaultTitle = "Vamok - Daten";
    std::string errorCaption = "Fehler";
    // Names of the file types in the open and save dialogs.
    std::string dataFileType = "VAMOK Datei";
    std::string csvFileType = "CSV Datei";
    std::string spreadsheetFileType = "f\xFCr Tabellenkalk. (Excel)";

    // The word of a rating code; empty for 0 and unknown codes.
    const std::string& ratingWord(int code) const;
};

// The untranslated German texts, with the globe temperature header.
DataFileTexts DefaultDataFileTexts();

// Texts from the table window's list (current language) and its untranslated
// copy, both addressed by the list's indices; entries missing from a list
// fall back to the untranslated default. meanRadiantHeader selects
// "Mitt - STemp" for GT instead of "Globe - Temp".
DataFileTexts DataFileTextsFromLang(const std::vector<std::string>& current,
                                    const std::vector<std::string>& untranslated,
                                    bool meanRadiantHeader);

// Rating of a value text for a row's type text and a quantity code: 0 none,
// 1 green, 2 yellow, 3 red.
using RateFunction =
    std::function<int(const std::string& typeText, int quantity, const std::string& valueText)>;

// Rates against the PC type library: the type found by name, 0 when none.
RateFunction RateAgainstPCTypes();

} // namespace vamok
