// The type library shipped next to the program (dist/Vamok.APT) against the
// demo instrument's state: every workplace type of the demo is in it with
// the limits of the instrument's type slot, so the demo table shows colour.
#include "RecordingReporter.h"

#include "core/AppState.h"
#include "types/Rating.h"
#include "types/TypeDefaults.h"
#include "types/TypeFile.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <set>

using namespace vamok;

namespace {

const std::string kRoot = std::string(VAMOK_TEST_DATA) + "/../..";

QJsonObject DemoState()
{
    QFile file(QString::fromStdString(kRoot + "/sim/demo-state.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// A type-slot value in the sim's units as the library stores it.
std::int32_t StoredValue(double value, int row)
{
    return static_cast<std::int32_t>(std::lround(IsHundredthsRow(row) ? value * 100.0 : value));
}

// A temperature as the measurement table shows it (one decimal).
std::string TemperatureText(double celsius)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", celsius);
    std::string shown = text;
    for (char& c : shown) {
        if (c == '.')
            c = App().DecimalSep;
    }
    return shown;
}

class DemoLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        state = DemoState();
        ASSERT_FALSE(state["workplaces"].toArray().isEmpty()) << "sim/demo-state.json not read";
        loaded = LoadTypeFile(kRoot + "/dist/Vamok.APT", reporter);
    }

    QJsonObject state;
    RecordingReporter reporter;
    TypeLoadResult loaded;
};

TEST_F(DemoLibraryTest, LoadsWholeAsAValidLibrary)
{
    EXPECT_EQ(loaded.status, TypeFileStatus::Loaded) << loaded.damage;
    EXPECT_TRUE(loaded.hasPredefined);
    EXPECT_TRUE(loaded.renameReport.empty());
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(DemoLibraryTest, IsExactlyWhatTheWriterProduces)
{
    QFile file(QString::fromStdString(kRoot + "/dist/Vamok.APT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), TypeFileText());
}

TEST_F(DemoLibraryTest, HoldsEveryDemoWorkplaceType)
{
    std::set<std::string> used;
    for (const QJsonValue& w : state["workplaces"].toArray())
        used.insert(w.toObject()["type"].toString().toStdString());
    ASSERT_GE(used.size(), 2u);
    for (const std::string& name : used)
        EXPECT_GT(PCTypeIndex(name), 0) << "type \"" << name << "\" missing";
}

TEST_F(DemoLibraryTest, LimitsMatchTheInstrumentTypeSlots)
{
    const QJsonArray slots = state["types"].toArray();
    ASSERT_FALSE(slots.isEmpty());
    for (const QJsonValue& s : slots) {
        const std::string name = s.toObject()["name"].toString().toStdString();
        const int index = PCTypeIndex(name);
        ASSERT_GT(index, 0) << "type \"" << name << "\" missing";
        const TAPDef& type = PCTypes()[static_cast<std::size_t>(index)];
        const QJsonArray rows = s.toObject()["rows"].toArray();
        if (rows.isEmpty()) { // a slot without rows has the defaults
            EXPECT_EQ(type, DefaultType()) << name;
            continue;
        }
        ASSERT_EQ(rows.size(), kTypeRowCount) << name;
        for (int row = 1; row <= kTypeRowCount; ++row) {
            const QJsonArray values = rows[row - 1].toArray();
            ASSERT_EQ(values.size(), kTypeColumnCount) << name << " row " << row;
            for (int column = 1; column <= kTypeColumnCount; ++column)
                EXPECT_EQ(type.at(column, row), StoredValue(values[column - 1].toDouble(), row))
                    << name << " row " << row << " column " << column;
        }
    }
}

TEST_F(DemoLibraryTest, DemoTemperaturesShowGreenAndRed)
{
    std::set<Rating> seen;
    for (const QJsonValue& w : state["workplaces"].toArray()) {
        const QJsonObject workplace = w.toObject();
        const QJsonValue temp = workplace["values"].toObject()["Temp"];
        if (!temp.isDouble())
            continue;
        const int index = PCTypeIndex(workplace["type"].toString().toStdString());
        seen.insert(RateValue(index, TypeRow::Temperature, TemperatureText(temp.toDouble())));
    }
    EXPECT_TRUE(seen.count(kGreen));
    EXPECT_TRUE(seen.count(kRed));
    EXPECT_FALSE(seen.count(kNotRated));
}

} // namespace
