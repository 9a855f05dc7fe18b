#pragma once
// The table window's "Speichern unter..." and "Öffnen..." without the
// dialogs: file names, the working folder, the unsaved-changes flag.
#include "measure/DataFileReader.h"
#include "measure/DataFileWriter.h"

#include <string>

namespace vamok {

// File dialog filters (Qt's "name (patterns);;..." form): the open dialog
// offers data files and exports, the save dialog file type 1 (".VAM") and
// file type 2 (".CSV"). Both letter cases match, as the names are typed by
// people and the platform's folders may tell them apart.
std::string OpenDialogFilter(const DataFileTexts& texts);
std::string SaveDialogFilter(const DataFileTexts& texts);
// The kind of save dialog file type 1 or 2.
DataFileKind KindOfFileType(int fileType);

// The name a save writes to: a ".VAM" ending of the file name is dropped,
// then the kind's extension (".VAM" or ".CSV") is appended unless the name
// already ends with it. Folders in the path are left alone.
std::string SaveFileName(const std::string& chosen, DataFileKind kind);

// The save dialog's file type changed: the name with its ".VAM" (or else
// ".CSV") ending replaced by the new kind's extension.
std::string NameForFileType(const std::string& name, DataFileKind kind);

struct SaveOutcome {
    SaveResult result;
    std::string path; // the file written (or tried)
};

// Saves under the adjusted name. The chosen file's folder becomes the
// working folder if none was chosen yet. MeasurementsModified is cleared only
// when the file was written completely.
SaveOutcome SaveMeasurements(const MeasurementTable& table, const DataFileHeading& heading,
                             const std::string& chosen, DataFileKind kind,
                             const DataFileTexts& texts, const RateFunction& rate);

// Reads the file; on success the file's folder becomes the working folder if
// none was chosen yet and MeasurementsModified is cleared. The caller then
// takes over the content; on failure it keeps its table as it was.
ReadResult OpenMeasurements(const std::string& path, const DataFileTexts& texts,
                            char decimalSep, const PmvSettings& pmv);

} // namespace vamok
