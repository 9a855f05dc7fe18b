#include "measure/DataFileCommands.h"

#include "core/AppState.h"
#include "core/Folders.h"

#include <algorithm>
#include <cctype>

namespace vamok {
namespace {

std::string_view ExtensionOf(DataFileKind kind) { return kind == DataFileKind::Csv ? ".CSV" : ".VAM"; }

bool EndsWithNoCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) {
                          return std::toupper(static_cast<unsigned char>(a)) ==
                                 std::toupper(static_cast<unsigned char>(b));
                      });
}

// Folder part (with its separator) and file name part of a path.
std::pair<std::string, std::string> SplitPath(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return {{}, path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

void DropEnding(std::string& name, std::string_view ending)
{
    name.resize(name.size() - ending.size());
}

} // namespace

std::string OpenDialogFilter(const DataFileTexts& texts)
{
    return texts.dataFileType + " (*.VAM *.vam);;" + texts.csvFileType + " (*.CSV *.csv)";
}

std::string SaveDialogFilter(const DataFileTexts& texts)
{
    return texts.dataFileType + " (*.VAM *.vam);;" + texts.spreadsheetFileType + "(*.CSV *.csv)";
}

DataFileKind KindOfFileType(int fileType) { return fileType == 2 ? DataFileKind::Csv : DataFileKind::Vam; }

std::string SaveFileName(const std::string& chosen, DataFileKind kind)
{
    auto [folder, name] = SplitPath(chosen);
    if (EndsWithNoCase(name, ".VAM"))
        DropEnding(name, ".VAM");
    if (!EndsWithNoCase(name, ExtensionOf(kind)))
        name += ExtensionOf(kind);
    return folder + name;
}

std::string NameForFileType(const std::string& chosen, DataFileKind kind)
{
    auto [folder, name] = SplitPath(chosen);
    if (EndsWithNoCase(name, ".VAM"))
        DropEnding(name, ".VAM");
    else if (EndsWithNoCase(name, ".CSV"))
        DropEnding(name, ".CSV");
    return folder + name + std::string(ExtensionOf(kind));
}

SaveOutcome SaveMeasurements(const MeasurementTable& table, const DataFileHeading& heading,
                             const std::string& chosen, DataFileKind kind,
                             const DataFileTexts& texts, const RateFunction& rate)
{
    AdoptUserPathFromFile(chosen);
    SaveOutcome outcome;
    outcome.path = SaveFileName(chosen, kind);
    outcome.result = WriteDataFile(table, heading, outcome.path, kind, texts, rate);
    if (outcome.result.ok)
        App().MeasurementsModified = false;
    return outcome;
}

ReadResult OpenMeasurements(const std::string& path, const DataFileTexts& texts,
                            char decimalSep, const PmvSettings& pmv)
{
    ReadResult result = ReadDataFile(path, texts, decimalSep, pmv);
    if (result.content) {
        AdoptUserPathFromFile(path);
        App().MeasurementsModified = false;
    }
    return result;
}

} // namespace vamok
