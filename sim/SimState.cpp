#include "sim/SimState.h"

#include "sim/TextCodec.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vamok::sim {

namespace {

constexpr std::uint64_t kAllFunctions = (std::uint64_t{1} << 37) - 1; // bits 0..36

QDateTime Epoch()
{
    return QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
}

// Reports the first problem found; parsing goes on but the result is refused.
struct Problems {
    std::string first;
    void add(const std::string& what)
    {
        if (first.empty())
            first = what;
    }
};

int IntIn(const QJsonObject& o, const char* key, int fallback, int low, int high, Problems& p)
{
    if (!o.contains(key))
        return fallback;
    const QJsonValue v = o.value(key);
    if (!v.isDouble() || v.toDouble() != static_cast<double>(v.toInt()) || v.toInt() < low || v.toInt() > high) {
        p.add(std::string("\"") + key + "\" must be a whole number from " + std::to_string(low) + " to " +
              std::to_string(high));
        return fallback;
    }
    return v.toInt();
}

std::optional<std::int64_t> TimeValue(const QJsonValue& v, Problems& p)
{
    if (v.isNull() || v.isUndefined())
        return std::nullopt;
    if (v.isDouble() && v.toDouble() >= 0 && v.toDouble() < 4294967295.0)
        return static_cast<std::int64_t>(v.toDouble());
    if (v.isString())
        if (auto s = SecondsSince2000(v.toString()))
            return s;
    p.add("a time must be \"yyyy-MM-ddTHH:mm:ss\" from 2000 on, or seconds since 2000");
    return std::nullopt;
}

std::string Text(const QJsonObject& o, const char* key, const std::string& fallback)
{
    return o.contains(key) ? ToCp1252(o.value(key).toString()) : fallback;
}

void ReadValues(const QJsonObject& o, ReadingValues& values, Problems& p)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto reading = ReadingByKey(it.key().toStdString());
        if (!reading) {
            p.add("unknown reading \"" + it.key().toStdString() + "\"");
            continue;
        }
        if (it.value().isNull())
            continue;
        if (!it.value().isDouble()) {
            p.add("reading \"" + it.key().toStdString() + "\" must be a number or null");
            continue;
        }
        values[*reading] = it.value().toDouble();
    }
}

void ReadLive(const QJsonObject& o, LiveValues& live, Problems& p)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        const std::string key = it.key().toStdString();
        if (!IsLiveKey(key))
            p.add("unknown live value \"" + key + "\"");
        else if (it.value().isDouble())
            live[key] = it.value().toDouble();
        else if (!it.value().isNull())
            p.add("live value \"" + key + "\" must be a number or null");
    }
}

void ReadWorkplaces(const QJsonArray& list, SimState& s, Problems& p)
{
    for (const QJsonValue& item : list) {
        const QJsonObject o = item.toObject();
        const int n = IntIn(o, "number", 0, 1, 99, p);
        if (n == 0) {
            p.add("every workplace needs a \"number\" from 1 to 99");
            continue;
        }
        Workplace& wp = s.workplaces[n - 1];
        wp.name = Text(o, "name", "");
        wp.type = FixedWidth(Text(o, "type", "NONE"), 4);
        wp.profile = IntIn(o, "profile", 1, 0, 9, p);
        wp.time = TimeValue(o.value("time"), p);
        ReadValues(o.value("values").toObject(), wp.values, p);
    }
}

void ReadTypes(const QJsonArray& list, SimState& s, Problems& p)
{
    for (const QJsonValue& item : list) {
        const QJsonObject o = item.toObject();
        const int slot = IntIn(o, "slot", 0, 1, 9, p);
        if (slot == 0) {
            p.add("every type needs a \"slot\" from 1 to 9");
            continue;
        }
        TypeDefinition t = DefaultType();
        t.name = FixedWidth(Text(o, "name", "VAM "), 4);
        const QJsonArray rows = o.value("rows").toArray();
        if (o.contains("rows") && rows.size() != 18)
            p.add("\"rows\" of a type must hold 18 rows of 5 numbers");
        for (qsizetype r = 0; r < rows.size() && r < 18; ++r) {
            const QJsonArray cells = rows[r].toArray();
            if (cells.size() != 5)
                p.add("\"rows\" of a type must hold 18 rows of 5 numbers");
            for (qsizetype c = 0; c < cells.size() && c < 5; ++c)
                t.rows[r][c] = cells[c].toDouble();
        }
        s.types[slot - 1] = t;
    }
}

std::optional<std::uint64_t> MaskValue(const QJsonValue& v)
{
    if (v.isDouble() && v.toDouble() >= 0 && v.toDouble() < 9007199254740992.0)
        return static_cast<std::uint64_t>(v.toDouble());
    if (!v.isString())
        return std::nullopt;
    QString text = v.toString();
    if (text.startsWith("0x", Qt::CaseInsensitive))
        text = text.mid(2);
    bool ok = false;
    const std::uint64_t mask = text.toULongLong(&ok, 16);
    return ok && text.size() <= 16 ? std::optional(mask) : std::nullopt;
}

void ReadProfiles(const QJsonArray& list, SimState& s, Problems& p)
{
    for (const QJsonValue& item : list) {
        const QJsonObject o = item.toObject();
        const int n = IntIn(o, "number", 0, 1, 9, p);
        if (n == 0) {
            p.add("every profile needs a \"number\" from 1 to 9");
            continue;
        }
        Profile& profile = s.profiles[n - 1];
        profile.name = Text(o, "name", profile.name).substr(0, 16);
        if (o.contains("mask")) {
            if (auto mask = MaskValue(o.value("mask")))
                profile.mask = *mask;
            else
                p.add("a profile \"mask\" must be up to 16 hex digits");
        }
    }
}

} // namespace

std::optional<std::int64_t> SecondsSince2000(const QString& text)
{
    QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    if (!t.isValid())
        return std::nullopt;
    t = QDateTime(t.date(), t.time(), Qt::UTC); // instrument time has no zone
    const qint64 seconds = Epoch().secsTo(t);
    if (seconds < 0 || seconds > 0xFFFFFFFEll)
        return std::nullopt;
    return seconds;
}

QString TimeText(std::int64_t secondsSince2000)
{
    return Epoch().addSecs(secondsSince2000).toString("yyyy-MM-ddTHH:mm:ss");
}

SimState EmptyState()
{
    SimState s;
    for (int n = 1; n <= 99; ++n)
        s.workplaces[n - 1].number = n;
    for (int n = 1; n <= 9; ++n)
        s.profiles[n - 1] = {n, n == 1 ? "Standard" : "USER" + std::to_string(n - 1), kAllFunctions};
    return s;
}

std::optional<SimState> ParseState(const QByteArray& json, std::string& error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        error = "state file is not a JSON object: " + parseError.errorString().toStdString();
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    Problems p;
    SimState s = EmptyState();
    s.model = o.value("model").toString().toStdString();
    s.firmware = o.value("firmware").toString(QString::fromStdString(s.firmware)).toStdString();
    s.serial = IntIn(o, "serial", s.serial, 0, 65535, p);
    s.series = IntIn(o, "series", s.series, 0, 255, p);
    s.flags = IntIn(o, "flags", s.flags, 0, 255, p);
    ReadLive(o.value("live").toObject(), s.live, p);
    ReadWorkplaces(o.value("workplaces").toArray(), s, p);
    ReadTypes(o.value("types").toArray(), s, p);
    ReadProfiles(o.value("profiles").toArray(), s, p);
    s.clock = TimeValue(o.value("clock"), p);
    if (!p.first.empty()) {
        error = "state file: " + p.first;
        return std::nullopt;
    }
    return s;
}

std::optional<SimState> LoadState(const std::string& path, std::string& error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read state file " + path;
        return std::nullopt;
    }
    return ParseState(file.readAll(), error);
}

} // namespace vamok::sim
