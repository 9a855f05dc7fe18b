#pragma once
// Workplace types for the transfer tests and the simulator's view of them.
#include "core/Cp1252.h"
#include "sim/TypeRecord.h"
#include "types/TAPDef.h"
#include "types/TypeDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>
#include <utility>
#include <vector>

// The predefined type with every value moved by `seed`, in range for
// every record form.
inline vamok::TAPDef VariedType(const std::string& name, int seed)
{
    using namespace vamok;
    TAPDef t = DefaultType();
    t.SetName(name);
    for (int row = 1; row <= 16; ++row)
        for (int column = 1; column <= 5; ++column)
            t.at(column, row) += seed * (row + column);
    for (int column = 1; column <= 4; ++column)
        t.at(column, TypeRow::PMV) = -90 + 40 * column + seed;
    t.at(TypeColumn::Target, TypeRow::PMV) = 1 + seed;
    for (int column = 1; column <= 4; ++column)
        t.at(column, TypeRow::Clothing) = 50 + 30 * column + seed;
    t.SetMarker();
    return t;
}

// The rows as the simulator's state and record files hold them: the
// hundredths rows in their units.
inline QJsonArray RowsJson(const vamok::TAPDef& t)
{
    QJsonArray rows;
    for (int row = 1; row <= vamok::kTypeRowCount; ++row) {
        QJsonArray values;
        for (int column = 1; column <= vamok::kTypeColumnCount; ++column)
            values.append(vamok::IsHundredthsRow(row) ? t.at(column, row) / 100.0 : t.at(column, row));
        rows.append(values);
    }
    return rows;
}

inline vamok::sim::TypeDefinition ToSimType(const vamok::TAPDef& t)
{
    vamok::sim::TypeDefinition d;
    d.name = t.Name;
    const QJsonArray rows = RowsJson(t);
    for (int r = 0; r < vamok::kTypeRowCount; ++r)
        for (int c = 0; c < vamok::kTypeColumnCount; ++c)
            d.rows[r][c] = rows[r].toArray()[c].toDouble();
    return d;
}

using SlotTypes = std::vector<std::pair<int, vamok::TAPDef>>;

// A state file for vamok-sim holding these types in their slots.
inline std::string TypeStateJson(const std::string& firmware, const SlotTypes& types)
{
    QJsonArray list;
    for (const auto& [slot, type] : types)
        list.append(QJsonObject{{"slot", slot}, {"name", vamok::FromCp1252(type.Name)}, {"rows", RowsJson(type)}});
    const QJsonArray profiles{QJsonObject{{"number", 2}, {"name", "Klima"}},
                              QJsonObject{{"number", 9}, {"name", QString::fromUtf8("Büro komplett")}}};
    const QJsonObject state{{"firmware", QString::fromStdString(firmware)}, {"serial", 1234}, {"series", 56},
                            {"flags", 1}, {"types", list}, {"profiles", profiles}};
    return QJsonDocument(state).toJson().toStdString();
}
