#include "types/TypeFile.h"

#include "app/AppState.h"
#include "app/Cp1252.h"
#include "types/TypeLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdlib>

namespace vamok {

namespace {

// value / 100 as "%1.2f" with the locale's decimal separator, exactly.
std::string Hundredths(std::int32_t value)
{
    const long long v = value;
    const long long magnitude = std::llabs(v);
    std::string text = v < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += App().DecimalSep;
    const long long fraction = magnitude % 100;
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

std::string RowLine(const TAPDef& type, int row)
{
    std::string line;
    for (int column = 1; column <= kTypeColumnCount; ++column) {
        if (column > 1)
            line += ';';
        const std::int32_t value = type.at(column, row);
        line += IsHundredthsRow(row) ? Hundredths(value) : std::to_string(value);
    }
    return line;
}

} // namespace

std::string TypeFileText()
{
    std::string text = "Anemo;PMV;Clo;CO2;VOCOO;FEIN\r\n";
    TAPListe& types = PCTypes();
    // Entry 0, the placeholder, is never written.
    for (std::size_t i = 1; i < types.size(); ++i) {
        TAPDef& type = types[i];
        type.SetMarker();
        text += type.Name + "\r\n";
        for (int row = 1; row <= kTypeRowCount; ++row)
            text += RowLine(type, row) + "\r\n";
    }
    return text;
}

bool WriteTypeFileBytes(const std::string& path, const std::string& bytes)
{
    const QString name = FromCp1252(path);
    QDir().mkpath(QFileInfo(name).absolutePath());
    QSaveFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.commit();
}

bool SaveTypeFile(const std::string& path, TypeReporter& reporter)
{
    const bool written = WriteTypeFileBytes(path, TypeFileText());
    if (!written)
        reporter.Message("Error", "Error saving file.");
    return written;
}

} // namespace vamok
