#include "types/TypeFile.h"

#include "core/AppState.h"
#include "core/AtomicSave.h"
#include "core/Cp1252.h"
#include "types/TypeLibrary.h"
#include "types/TypeValueText.h"

#include <QDir>
#include <QFileInfo>

namespace vamok {

std::string TypeRowLine(const TAPDef& type, int row)
{
    std::string line;
    for (int column = 1; column <= kTypeColumnCount; ++column) {
        if (column > 1)
            line += ';';
        const std::int32_t value = type.at(column, row);
        line += TypeValueText(value, row, App().DecimalSep);
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

bool WriteTypeFileBytes(const std::string& path, const std::string& bytes, std::string* reason)
{
    QDir().mkpath(QFileInfo(FromCp1252(path)).absolutePath());
    const std::optional<std::string> failure = SaveAtomically(path, bytes);
    if (failure && reason)
        *reason = *failure;
    return !failure;
}

bool SaveTypeFile(const std::string& path, TypeReporter& reporter)
{
    std::string reason;
    const bool written = WriteTypeFileBytes(path, TypeFileText(), &reason);
    if (!written)
        reporter.Message("Error", "Error saving file.\r\n" + reason);
    return written;
}

} // namespace vamok
