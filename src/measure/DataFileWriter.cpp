#include "measure/DataFileWriter.h"

#include "core/AtomicSave.h"
#include "core/Cp1252.h"

#include <QDir>

namespace vamok {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A value as it may stand in a field: line breaks and the separator's own
// character would split the line or the field on reading, so they become
// blanks (a ';' in an export becomes ',').
std::string FieldText(const std::string& value, DataFileKind kind)
{
    std::string out = value;
    for (char& c : out) {
        if (c == '\r' || c == '\n' || (kind == DataFileKind::Vam && c == '\t'))
            c = ' ';
        else if (kind == DataFileKind::Csv && c == ';')
            c = ',';
    }
    return out;
}

std::string SingleLine(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

std::string HeaderLine(DataFileKind kind, const DataFileTexts& texts)
{
    const std::string_view sep = WrittenSeparator(kind);
    std::string line;
    for (const HeaderCell& cell : HeaderCells()) {
        line += FieldText(texts.headers[static_cast<std::size_t>(cell.field)], kind);
        line += sep;
        if (cell.isDouble)
            line += sep;
    }
    line += sep;
    return line;
}

} // namespace

std::string FormatRowLine(const RowTexts& row, DataFileKind kind, const DataFileTexts& texts,
                          const RateFunction& rate)
{
    const std::string_view sep = WrittenSeparator(kind);
    std::string line;
    for (const DataFileField& f : DataFileFields()) {
        const std::string& value = row[f.field];
        line += FieldText(value, kind);
        line += sep;
        if (f.form == FieldForm::Rated) {
            const int code = rate ? rate(row.Type, f.quantity, value) : 0;
            line += texts.ratingWord(code);
        }
        if (f.form != FieldForm::Single)
            line += sep;
    }
    line += sep;
    return line;
}

std::string FormatDataFile(const MeasurementTable& table, const DataFileHeading& heading,
                           DataFileKind kind, const DataFileTexts& texts, const RateFunction& rate)
{
    std::string file;
    file.reserve(64 * 1024);
    file += kVersionPrefix;
    file += kDataFileVersionText;
    file += kLineEnd;
    file += SingleLine(heading.title);
    file += kLineEnd;
    file += HeaderLine(kind, texts);
    file += kLineEnd;
    for (int n = 1; n <= kRowCount; ++n) {
        file += FormatRowLine(table.row(n).texts, kind, texts, rate);
        file += kLineEnd;
    }
    file += kNotesMarker;
    file += kLineEnd;
    for (const std::string& line : heading.notes) {
        file += line;
        file += kLineEnd;
    }
    file += WrittenSeparator(kind);
    file += kLineEnd;
    return file;
}

SaveResult WriteDataFile(const MeasurementTable& table, const DataFileHeading& heading,
                         const std::string& path, DataFileKind kind, const DataFileTexts& texts,
                         const RateFunction& rate)
{
    const std::optional<std::string> failure =
        SaveAtomically(path, FormatDataFile(table, heading, kind, texts, rate));
    if (!failure)
        return {true, {}};
    return {false, texts.saveFailed + "\r\n" + ToCp1252(QDir::toNativeSeparators(FromCp1252(path))) +
                       "\r\n" + *failure};
}

SaveResult WriteDataFile(const MeasurementTable& table, const std::string& path,
                         const DataFileHeading& heading)
{
    return WriteDataFile(table, heading, path, KindOfFileName(path), DefaultDataFileTexts(),
                         RateAgainstPCTypes());
}

} // namespace vamok
