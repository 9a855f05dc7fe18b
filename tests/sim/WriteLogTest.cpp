#include "SimTestHelpers.h"
#include "sim/Hex.h"
#include "sim/Instrument.h"
#include "sim/TypeRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vamok::sim;
using vamok::sim::test::Bytes;
using vamok::sim::test::Framed;

TEST(SimWriteLog, RecordsEveryKindOfWriteInTheStateFileUnits)
{
    SimState state = EmptyState();
    state.firmware = "2.0.6";
    const auto rix = MakeInstrument(Dialect::Rix, state);
    TypeDefinition t = DefaultType();
    t.name = "B\xFCro";
    t.rows[9] = {0.00, 0.05, 0.12, 0.20, 0.02};
    const std::string record = EncodeTypeRecord(t, TypeLayout::RixDust, false);
    const std::string name = HexEncode("Klima" + std::string(11, ' '));
    const std::string commands[] = {
        "BTW" + HexEncode("\x03" + record),
        "BDW" + HexEncode(Bytes({12}) + "Besprechung" + std::string(9, ' ') + Bytes({3, 5})),
        "BPW05" + name + "0000F00F00000010",
        "U0000000A",
        "UNLK",
    };
    for (const auto& c : commands)
        ASSERT_EQ(rix->receive(Framed(c)).at(0).reply, Framed("\x06")) << c;

    const QJsonObject o = QJsonDocument::fromJson(rix->memory().log().toJson()).object();
    const QJsonObject type = o["types"].toObject()["3"].toObject();
    EXPECT_EQ(type["command"].toString(), "BTW");
    EXPECT_EQ(type["name"].toString(), QString::fromUtf8("B\u00fcro"));
    EXPECT_EQ(type["hex"].toString().toStdString(), HexEncode(record));
    const QJsonArray row10 = type["rows"].toArray()[9].toArray();
    EXPECT_DOUBLE_EQ(row10[2].toDouble(), 0.12);
    EXPECT_DOUBLE_EQ(type["rows"].toArray()[17].toArray()[4].toDouble(), 441.15);

    const QJsonObject wp = o["names"].toObject()["12"].toObject();
    EXPECT_EQ(wp["name"].toString(), "Besprechung         ");
    EXPECT_EQ(wp["slot"].toInt(), 3);
    EXPECT_EQ(wp["profile"].toInt(), 5);

    const QJsonObject profile = o["profiles"].toObject()["5"].toObject();
    EXPECT_EQ(profile["name"].toString(), "Klima           ");
    EXPECT_EQ(profile["mask"].toString(), "000000100000F00F");

    EXPECT_EQ(o["clock"].toObject()["time"].toString(), "2000-01-01T00:00:10");
    EXPECT_EQ(o["unlocks"].toInt(), 1);
    EXPECT_EQ(o["writes"].toInt(), 5);
}

TEST(SimWriteLog, RefusedWritesLeaveNoTrace)
{
    const auto rix = MakeInstrument(Dialect::Rix, EmptyState());
    rix->receive(Framed("BTW" + HexEncode("\x0A" + EncodeTypeRecord(DefaultType(), TypeLayout::RixDust, false))));
    rix->receive(Framed("BDW" + HexEncode(Bytes({100}) + std::string(20, ' ') + Bytes({1, 1}))));
    rix->receive(Framed("BDW" + HexEncode(Bytes({1}) + std::string(20, ' ') + Bytes({10, 1}))));
    EXPECT_EQ(rix->memory().log().writeCount, 0);
    EXPECT_TRUE(rix->memory().log().types.empty());
    EXPECT_TRUE(rix->memory().log().names.empty());
}
