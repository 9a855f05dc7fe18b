#include "device/LinkChoice.h"
#include "live/KnownVamoks.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(KnownVamoks, ResynchronisingRemovesEveryLineOfTheInstrument)
{
    KnownVamokList known;
    EXPECT_EQ(known.Lines(), (std::vector<std::string>{"Known Vamoks:", "             "}));
    known.Append("S-No: 1234 / 56 - 00000001");
    known.Append("S-No: 0777 / 56 - 00000001");
    known.Append("S-No: 1234 / 56 - 00000001");
    EXPECT_TRUE(known.Contains("S-No: 0777 / 56 - 00000001"));
    EXPECT_EQ(known.RemoveAll("S-No: 1234 / 56 - 00000001"), 2);
    EXPECT_EQ(known.Lines().size(), 3u);
    EXPECT_FALSE(known.Contains("Known Vamoks:")); // header lines are no instruments
    EXPECT_EQ(known.RemoveAll("Known Vamoks:"), 0);
    EXPECT_FALSE(known.RemoveLine(0));
    EXPECT_FALSE(known.RemoveLine(1));
    EXPECT_FALSE(known.RemoveLine(3));
    EXPECT_TRUE(known.RemoveLine(2));
    known.Append("x");
    known.Reset();
    EXPECT_EQ(known.Lines().size(), 2u);
}

TEST(LinkChoice, EnteringEachRadio)
{
    const struct {
        LinkRadio entered;
        bool globeBefore;
        bool rix, ventiq, altarim, plain, globe;
        bool usb, ventiqFlag, quadrovan;
    } cases[] = {
        {LinkRadio::Rix, false, true, false, false, true, false, true, false, false},
        {LinkRadio::Rix, true, true, false, false, false, true, true, false, true},
        {LinkRadio::Ventiq, false, false, true, false, true, false, true, true, false},
        {LinkRadio::Altarim, true, false, false, true, false, true, false, false, true},
        {LinkRadio::PlainVamok, true, false, false, true, true, false, false, false, false},
        {LinkRadio::Globe, false, false, false, true, false, true, false, false, true},
    };
    for (const auto& c : cases) {
        AppState app;
        LinkRadios before;
        before.Globe = c.globeBefore;
        before.PlainVamok = !c.globeBefore;
        const LinkRadios r = EnterRadio(before, c.entered, app);
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(r.Rix, c.rix) << row;
        EXPECT_EQ(r.Ventiq, c.ventiq) << row;
        EXPECT_EQ(r.Altarim, c.altarim) << row;
        EXPECT_EQ(r.PlainVamok, c.plain) << row;
        EXPECT_EQ(r.Globe, c.globe) << row;
        EXPECT_EQ(app.UsbMode, c.usb) << row;
        EXPECT_EQ(app.VentiqMode, c.ventiqFlag) << row;
        EXPECT_EQ(app.QuadrovanMode, c.quadrovan) << row;
        EXPECT_EQ(EnablingFor(r).SerialControls, c.altarim) << row;
        EXPECT_EQ(EnablingFor(r).ShowDevices, c.rix || c.ventiq) << row;
    }
}

TEST(LinkChoice, RadiosFromTheStoredFlags)
{
    AppState app;
    app.UsbMode = true;
    app.VentiqMode = true;
    LinkRadios r = RadiosFromFlags(app);
    EXPECT_TRUE(r.Ventiq);
    EXPECT_FALSE(r.Rix);
    EXPECT_FALSE(r.Altarim);
    app = AppState{};
    app.QuadrovanMode = true;
    r = RadiosFromFlags(app);
    EXPECT_TRUE(r.Altarim);
    EXPECT_TRUE(r.Globe);
    EXPECT_FALSE(r.PlainVamok);
    AppState out;
    FlagsFromRadios(r, out);
    EXPECT_TRUE(out.QuadrovanMode);
    EXPECT_FALSE(out.UsbMode);
}
