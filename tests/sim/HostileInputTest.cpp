#include "SimTestHelpers.h"
#include "sim/Hex.h"
#include "sim/Instrument.h"

#include <gtest/gtest.h>
#include <random>

using namespace vamok::sim;
using vamok::sim::test::Framed;

namespace {

// Pieces of real commands, so that random input reaches deep into the parsers.
const char* const kPieces[] = {"Gr", "Rd", "Pt", " Wa", "GTY", "Ve", "Sr", "Mm", "Ck", "BDR", "BDW", "BTR",
                               "BTW", "BPR", "BPW", "BPN", "U", "UNLK", "SER", "VER", "SNR", "GVR", "MES",
                               "VAMOK", "0", "00", "FF", "0A", "1F"};

std::string RandomPayload(std::mt19937& rng)
{
    std::string out;
    const int parts = static_cast<int>(rng() % 5);
    for (int i = 0; i < parts; ++i) {
        if (rng() % 2)
            out += kPieces[rng() % std::size(kPieces)];
        else if (rng() % 2)
            out += HexEncode(std::string(rng() % 40, static_cast<char>(rng())));
        else
            out += static_cast<char>(rng());
    }
    return out;
}

} // namespace

TEST(SimHostileInput, NoDialectIsThrownByRandomCommands)
{
    std::mt19937 rng(20261210);
    for (Dialect d : {Dialect::Altarim, Dialect::Quadrovan, Dialect::Rix, Dialect::Ventiq}) {
        const auto instrument = MakeInstrument(d, EmptyState());
        for (int round = 0; round < 3000; ++round) {
            const std::string payload = RandomPayload(rng);
            const std::string bytes = d == Dialect::Altarim || rng() % 4 == 0 ? payload : Framed(payload);
            for (const Answer& a : instrument->receive(bytes)) {
                if (!a.framed || a.reply.empty())
                    continue;
                const std::string inner = a.reply.substr(1, a.reply.size() - 4);
                ASSERT_EQ(a.reply, Framed(inner));
            }
            if (rng() % 50 == 0)
                instrument->dropPartialInput();
        }
        // Still answering normally afterwards.
        instrument->dropPartialInput();
        const auto answers = instrument->receive(d == Dialect::Altarim ? std::string("Sr")
                                                 : d == Dialect::Quadrovan ? Framed("SNR")
                                                                           : Framed("SER"));
        ASSERT_FALSE(answers.empty());
        EXPECT_FALSE(answers.back().reply.empty());
    }
}
