#include "sim/WriteLog.h"

#include "sim/Hex.h"
#include "sim/TextCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vamok::sim {

namespace {
QString MaskText(std::uint64_t mask)
{
    return QString("%1").arg(mask, 16, 16, QChar('0')).toUpper();
}
} // namespace

QByteArray WriteLog::toJson() const
{
    QJsonObject root;
    QJsonObject nameObject;
    for (const auto& [n, name] : names) {
        QJsonObject o{{"name", FromCp1252(name.text)},
                      {"hex", QString::fromStdString(HexEncode(name.bytes))},
                      {"slot", name.slot}};
        if (name.profile)
            o.insert("profile", *name.profile);
        nameObject.insert(QString::number(n), o);
    }
    root.insert("names", nameObject);

    QJsonObject typeObject;
    for (const auto& [slot, type] : types) {
        QJsonArray rows;
        for (const auto& row : type.definition.rows)
            rows.append(QJsonArray{row[0], row[1], row[2], row[3], row[4]});
        typeObject.insert(QString::number(slot),
                          QJsonObject{{"command", QString::fromStdString(type.command)},
                                      {"name", FromCp1252(type.definition.name)},
                                      {"hex", QString::fromStdString(HexEncode(type.record))},
                                      {"rows", rows}});
    }
    root.insert("types", typeObject);

    QJsonObject profileObject;
    for (const auto& [n, profile] : profiles)
        profileObject.insert(QString::number(n),
                             QJsonObject{{"name", FromCp1252(profile.name)}, {"mask", MaskText(profile.mask)}});
    root.insert("profiles", profileObject);

    if (clock)
        root.insert("clock", QJsonObject{{"seconds", static_cast<double>(*clock)}, {"time", TimeText(*clock)}});
    root.insert("unlocks", unlocks);
    root.insert("writes", writeCount);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace vamok::sim
