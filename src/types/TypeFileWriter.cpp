#include "types/TypeFile.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "types/FixedText.h"
#include "types/TypeLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vamok {

std::string TypeRowLine(const TAPDef& type, int row)
{
    std::string line;
    for (int column = 1; column <= kTypeColumnCount; ++column) {
        if (column > 1)
            line += ';';
        const std::int32_t value = type.at(column, row);
        line += IsHundredthsRow(row) ? FixedText(value / 100.0L, 2, App().DecimalSep) : std::to_string(value);
    }
    return line;
}

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
            text += TypeRowLine(type, row) + "\r\n";
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
