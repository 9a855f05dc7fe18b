// The byte form of a type record per model and firmware, checked against
// the simulator's own encoder and against bytes worked out by hand.
#include "TypeSyncSupport.h"

#include "types/TypeLibrary.h"
#include "types/TypeRecordBytes.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

struct FormCase {
    const char* what;
    LinkMode link;
    const char* version;
    sim::TypeLayout layout;
    bool displayCodes;
    std::size_t size;
    std::string tail; // what follows the record in a slot reply
};

const std::string kAltarimTail = std::string("\x5A") + "VAMOK";
const std::string kFramedTail = "\x01\x02\x03";

const std::vector<FormCase>& Forms()
{
    static const std::vector<FormCase> forms{
        {"altarim 2.10", LinkMode::AltarimCom, "2.10", sim::TypeLayout::Altarim, true, 134, kAltarimTail},
        {"altarim 1.05", LinkMode::AltarimCom, "1.05", sim::TypeLayout::AltarimEarly, true, 124, kAltarimTail},
        {"quadrovan 1.2", LinkMode::QuadrovanCom, "1.2", sim::TypeLayout::Altarim, true, 134, kFramedTail},
        {"rix 1.1.3", LinkMode::RixUsb, "1.1.3", sim::TypeLayout::Altarim, false, 134, kFramedTail},
        {"rix 1.4.3", LinkMode::RixUsb, "1.4.3", sim::TypeLayout::RixGas, false, 154, kFramedTail},
        {"rix 2.0.6", LinkMode::RixUsb, "2.0.6", sim::TypeLayout::RixDust, false, 184, kFramedTail},
        {"ventiq 1.0.2", LinkMode::VentiqUsb, "1.0.2", sim::TypeLayout::Ventiq, false, 44, kFramedTail},
    };
    return forms;
}

TypeRecordForm FormOf(const FormCase& c)
{
    return TypeRecordFormFor(c.link, c.version);
}

std::string SlotReply(int slot, const std::string& record, const std::string& tail)
{
    return "TYP" + std::string(1, static_cast<char>(slot)) + record + tail;
}

// What reading a record of this form gives for `sent`.
TAPDef ExpectedRead(const FormCase& c, const TAPDef& sent)
{
    TAPDef t = sent;
    const TypeRecordForm form = FormOf(c);
    if (form.ventiq) {
        t.Values = {};
        for (int column = 1; column <= 5; ++column)
            t.at(column, TypeRow::AirVelocity) = sent.at(column, TypeRow::AirVelocity);
    }
    if (!form.flicker)
        ApplyDefaultRow(t, TypeRow::Flicker);
    if (!form.gas)
        for (int row : {TypeRow::TVOC, TypeRow::CO})
            ApplyDefaultRow(t, row);
    if (!form.dust)
        for (int row : {TypeRow::PM1, TypeRow::PM25, TypeRow::PM10})
            ApplyDefaultRow(t, row);
    t.SetMarker();
    return t;
}

SlotReading Read(const FormCase& c, const std::string& reply)
{
    std::vector<std::string> used;
    const std::string altarimForm = FormOf(c).ventiq ? WidenVentiqReply(reply).value_or("") : reply;
    return ParseSlotReply(altarimForm, FormOf(c), used, false);
}

} // namespace

TEST(TypeRecordBytes, EveryFormWritesWhatTheInstrumentsLayoutHolds)
{
    const TAPDef type = VariedType("B\xFCro", 3);
    for (const FormCase& c : Forms()) {
        const TypePayload payload = EncodeTypePayload(type, FormOf(c));
        EXPECT_EQ(payload.unfitRow, 0) << c.what;
        EXPECT_EQ(payload.bytes.size(), c.size) << c.what;
        EXPECT_EQ(TypeRecordSize(FormOf(c)), c.size) << c.what;
        EXPECT_EQ(payload.bytes, sim::EncodeTypeRecord(ToSimType(type), c.layout, c.displayCodes)) << c.what;
    }
}

TEST(TypeRecordBytes, RecordsOfEveryFormReadBackAsSent)
{
    const TAPDef type = VariedType("\xC4RGR", 2);
    for (const FormCase& c : Forms()) {
        TAPDef expected = ExpectedRead(c, type);
        // Upper-case umlauts come back in lower case from the altarim displays.
        expected.Name = c.displayCodes ? "\xE4RGR" : "\xC4RGR";
        // The instrument's own record and the program's read alike.
        for (const std::string& record : {sim::EncodeTypeRecord(ToSimType(type), c.layout, c.displayCodes),
                                          EncodeTypePayload(type, FormOf(c)).bytes}) {
            const SlotReading r = Read(c, SlotReply(4, record, c.tail));
            ASSERT_TRUE(r.type) << c.what;
            EXPECT_EQ(r.slot, 4) << c.what;
            EXPECT_EQ(r.type->Name, expected.Name) << c.what;
            for (int row = 1; row <= kTypeRowCount; ++row)
                for (int column = 1; column <= 5; ++column)
                    EXPECT_EQ(r.type->at(column, row), expected.at(column, row))
                        << c.what << " row " << row << " column " << column;
        }
    }
}

TEST(TypeRecordBytes, KnownBytes)
{
    struct Known {
        LinkMode link;
        const char* version;
        std::size_t offset;
        std::string bytes;
    };
    const Known known[] = {
        {LinkMode::AltarimCom, "2.10", 0, "B\xF5ro"},        // display code of ü
        {LinkMode::QuadrovanCom, "1.2", 0, "B\xF5ro"},
        {LinkMode::RixUsb, "2.0.6", 0, "B\xFCro"},           // the USB instruments keep CP1252
        {LinkMode::AltarimCom, "2.10", 6, "\x00\xD2"},       // temperature 21 travels as 210
        {LinkMode::AltarimCom, "2.10", 44, "\x01\x2C"},      // illuminance 300 unscaled
        {LinkMode::AltarimCom, "2.10", 52, "\x13\x88"},      // its target 500 as 5000
        {LinkMode::AltarimCom, "2.10", 104, "\xFF\xBA"},     // PMV -0,70
        {LinkMode::RixUsb, "2.0.6", 104, "\xFF\xBA"},
        {LinkMode::RixUsb, "2.0.6", 122, "\xAC\x53"},        // the clothing marker
        {LinkMode::AltarimCom, "1.05", 54, "\x03\x20"},      // no flicker row: row 7 (80) follows row 5
        {LinkMode::VentiqUsb, "1.0.2", 14, std::string("\x00\x00\x00\x00\x00\x0A\x00\x14\x00\x01", 10)},
    };
    TAPDef type = DefaultType();
    type.SetName("B\xFCro");
    for (const Known& k : known) {
        const std::string bytes = EncodeTypePayload(type, TypeRecordFormFor(k.link, k.version)).bytes;
        EXPECT_EQ(bytes.substr(k.offset, k.bytes.size()), k.bytes) << k.version << " offset " << k.offset;
    }
    // 215 in the instrument is 21 on the PC (the remainder is dropped).
    std::string record = EncodeTypePayload(type, TypeRecordFormFor(LinkMode::AltarimCom, "2.10")).bytes;
    record[4] = '\x00';
    record[5] = '\xD7';
    std::vector<std::string> used;
    const SlotReading r = ParseSlotReply(SlotReply(1, record, kAltarimTail), TypeRecordFormFor(LinkMode::AltarimCom, "2.10"), used, false);
    ASSERT_TRUE(r.type);
    EXPECT_EQ(r.type->at(1, TypeRow::Temperature), 21);
    EXPECT_EQ(r.type->at(1, TypeRow::PMV), -70);
}

TEST(TypeRecordBytes, ReplyLengthDecidesTheGasAndDustRows)
{
    const TypeRecordForm rix = TypeRecordFormFor(LinkMode::RixUsb, "2.0.6");
    const TAPDef type = VariedType("GAS ", 5);
    const std::string full = SlotReply(2, EncodeTypePayload(type, rix).bytes, kFramedTail);
    struct Case {
        std::size_t length;
        bool read, gas, dust;
    };
    for (const Case c : {Case{122, false, false, false}, Case{123, true, false, false}, Case{147, true, false, false},
                         Case{148, true, true, false}, Case{177, true, true, false}, Case{178, true, true, true}}) {
        std::vector<std::string> used;
        const SlotReading r = ParseSlotReply(full.substr(0, c.length), rix, used, false);
        ASSERT_EQ(r.type.has_value(), c.read) << c.length;
        if (!r.type)
            continue;
        TAPDef defaults = DefaultType();
        // The first row of each group lies wholly within the shortest reply that brings it.
        EXPECT_EQ(r.type->at(3, TypeRow::TVOC), (c.gas ? type : defaults).at(3, TypeRow::TVOC)) << c.length;
        EXPECT_EQ(r.type->at(3, TypeRow::PM1), (c.dust ? type : defaults).at(3, TypeRow::PM1)) << c.length;
        EXPECT_EQ(r.type->at(3, TypeRow::Temperature), type.at(3, TypeRow::Temperature)) << c.length;
    }
    // The widened Ventiq reply is read with the defaults for rows 12 to 16.
    const std::string ventiq = SlotReply(1, EncodeTypePayload(type, TypeRecordFormFor(LinkMode::VentiqUsb, "1")).bytes, kFramedTail);
    ASSERT_EQ(ventiq.size(), 51u);
    EXPECT_EQ(WidenVentiqReply(ventiq).value_or("").size(), 138u);
    EXPECT_FALSE(WidenVentiqReply("TYP\x01" "AB"));
}

TEST(TypeRecordBytes, EmptySlotsAndRecordsWithoutClothingMarker)
{
    const TypeRecordForm altarim = TypeRecordFormFor(LinkMode::AltarimCom, "2.10");
    std::vector<std::string> used;
    EXPECT_FALSE(ParseSlotReply("TYP", altarim, used, false).type);
    EXPECT_FALSE(ParseSlotReply("TYP\x03\x5AVAMOK", altarim, used, false).type);
    EXPECT_FALSE(ParseSlotReply(SlotReply(1, std::string(134, '\0'), kAltarimTail), altarim, used, false).type);
    EXPECT_TRUE(used.empty());

    TAPDef type = VariedType("KALT", 4);
    std::string record = EncodeTypePayload(type, altarim).bytes;
    record[122] = '\x00'; // marker gone
    const SlotReading r = ParseSlotReply(SlotReply(1, record, kAltarimTail), altarim, used, false);
    ASSERT_TRUE(r.type);
    const TAPDef defaults = DefaultType();
    for (int row : {TypeRow::CO2, TypeRow::PMV, TypeRow::Clothing})
        for (int column = 1; column <= 5; ++column)
            EXPECT_EQ(r.type->at(column, row), defaults.at(column, row)) << row;
    EXPECT_EQ(r.type->at(1, TypeRow::Temperature), type.at(1, TypeRow::Temperature));
}

TEST(TypeRecordBytes, NamesHeldTwiceAreRenamedAndListed)
{
    const TypeRecordForm rix = TypeRecordFormFor(LinkMode::RixUsb, "2.0.6");
    auto reply = [&](const std::string& name, int slot) {
        TAPDef t = DefaultType();
        t.SetName(name);
        return SlotReply(slot, EncodeTypePayload(t, rix).bytes, kFramedTail);
    };
    std::vector<std::string> used;
    EXPECT_EQ(ParseSlotReply(reply("AB 1", 1), rix, used, false).type->Name, "AB 1");
    const SlotReading second = ParseSlotReply(reply("AB 1", 3), rix, used, false);
    EXPECT_EQ(second.type->Name, "ABX2");
    EXPECT_EQ(second.renameReport, "Name: AB 1; Nr: 3; neuer Name: ABX2\r\n");
    EXPECT_EQ(used, (std::vector<std::string>{"AB 1", "ABX2"}));
    // Listed for its own slot already: not listed again.
    EXPECT_TRUE(ParseSlotReply(reply("AB 1", 1), rix, used, false).renameReport.empty());
    EXPECT_EQ(used.size(), 2u);
    EXPECT_EQ(DuplicateTypeName("ABXY"), "ABX1");
    // Kept as they are where the instrument does not check its names.
    std::vector<std::string> kept{"AB 1"};
    EXPECT_EQ(ParseSlotReply(reply("AB 1", 3), rix, kept, true).type->Name, "AB 1");
}

TEST(TypeRecordBytes, ValuesOutsideTheirFieldAreRefused)
{
    struct Case {
        int row, column, value;
        LinkMode link;
        bool fits;
    };
    const Case cases[] = {
        {TypeRow::Temperature, 4, 6553, LinkMode::AltarimCom, true},
        {TypeRow::Temperature, 4, 6554, LinkMode::AltarimCom, false}, // 65540 tenths
        {TypeRow::Temperature, 1, -5, LinkMode::RixUsb, false},       // unsigned field
        {TypeRow::Illuminance, 4, 65535, LinkMode::RixUsb, true},
        {TypeRow::Illuminance, 5, 6554, LinkMode::RixUsb, false},     // the target travels in tenths
        {TypeRow::PMV, 1, -32768, LinkMode::RixUsb, true},
        {TypeRow::PMV, 1, -32769, LinkMode::RixUsb, false},
        {TypeRow::PMV, 4, 32768, LinkMode::QuadrovanCom, false},
        {TypeRow::PM10, 4, 70000, LinkMode::AltarimCom, true},        // not in the altarim's record
        {TypeRow::PM10, 4, 70000, LinkMode::RixUsb, false},
        {TypeRow::Temperature, 4, 70000, LinkMode::VentiqUsb, true},  // the Ventiq holds row 10 only
        {TypeRow::AirVelocity, 3, 65536, LinkMode::VentiqUsb, false},
    };
    for (const Case& c : cases) {
        TAPDef type = DefaultType();
        type.at(c.column, c.row) = c.value;
        const TypePayload p = EncodeTypePayload(type, TypeRecordFormFor(c.link, "2.0.6"));
        EXPECT_EQ(p.bytes.empty(), !c.fits) << c.row << "/" << c.column << " " << c.value;
        EXPECT_EQ(p.unfitRow, c.fits ? 0 : c.row) << c.row << "/" << c.column << " " << c.value;
        EXPECT_EQ(p.unfitColumn, c.fits ? 0 : c.column);
    }
}

// Replies are untrusted: every cut and every stray "TYP" is read within its bytes.
TEST(TypeRecordBytes, HostileRepliesAreReadWithinTheirBytes)
{
    const TypeRecordForm rix = TypeRecordFormFor(LinkMode::RixUsb, "2.0.6");
    const std::string whole = SlotReply(3, EncodeTypePayload(VariedType("ABCD", 1), rix).bytes, kFramedTail);
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (std::size_t length = 0; length <= whole.size() + 20; ++length) {
        std::string reply = whole.substr(0, length);
        while (reply.size() < length)
            reply += static_cast<char>(next() >> 16);
        for (std::string candidate : {reply, "xx" + reply, reply + "TYP", std::string("TYP") + reply.substr(0, 1)}) {
            std::vector<std::string> used{"ABCD", "ABCD"};
            for (const TypeRecordForm& form : {rix, TypeRecordFormFor(LinkMode::AltarimCom, "1.05")}) {
                const SlotReading r = ParseSlotReply(candidate, form, used, false);
                if (r.type) {
                    EXPECT_TRUE(r.type->HasMarker());
                }
            }
            EXPECT_NO_THROW(WidenVentiqReply(candidate));
        }
    }
}
