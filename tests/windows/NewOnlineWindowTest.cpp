// The large live display offscreen, fed live records as the poller hands
// them: tile values, the colours of a tile's bar, incremental repaints, and
// missing values once the instrument is gone.
#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "live/NewOnlineWindow.h"
#include "live/PresenceNotifier.h"
#include "live/TickerWidget.h"
#include "support/OfficeType.h"
#include "types/TypeLibrary.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

using namespace vamok;

namespace {

using F = TVamokAPDatenStrg;

TVamokAPDatenStrg Record(const std::string& temperature)
{
    TVamokAPDatenStrg r;
    for (auto& field : r.Fields)
        field = kNotAvailable;
    r[F::AirTemperature] = temperature;
    r[F::Humidity] = "   45,2";
    r[F::NoiseCurrent] = "   52,0";
    r[F::Illuminance] = "  512  ";
    r[F::AirVelocity] = "    0,12";
    r[F::CO2] = "  800  ";
    return r;
}

class NewOnlineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        PCTypes().push_back(OfficeType());
        TAPDef second = OfficeType();
        second.SetName("LAGE");
        PCTypes().push_back(second);
    }
    void TearDown() override
    {
        ResetPCTypes();
        App() = AppState{};
    }
    std::unique_ptr<TNewOnline> Open(int width, int height)
    {
        auto w = std::make_unique<TNewOnline>();
        w->setWindowState(Qt::WindowNoState);
        w->resize(width, height);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    static std::vector<std::string> Lines(const TNewOnline& w)
    {
        std::vector<std::string> lines;
        const QStringList parts = w.PaintBox1->accessibleDescription().split('\n');
        for (const QString& part : parts)
            lines.push_back(ToCp1252(part));
        return lines;
    }
    static std::set<QRgb> BarColours(const TNewOnline& w, int tile)
    {
        const QImage image = w.Canvas().toImage();
        const QRect bar = w.Geometry().Bar(tile);
        std::set<QRgb> colours;
        for (int x = bar.left(); x < bar.right(); x += 3)
            for (int y = bar.top() + bar.height() * 3 / 4; y < bar.bottom(); ++y)
                colours.insert(image.pixel(x, y) & 0xFFFFFF);
        return colours;
    }
    static void Keep(TNewOnline& w, const char* name)
    {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VAMOK_TEST_ARTIFACTS)));
        EXPECT_TRUE(w.grab().save(QStringLiteral(VAMOK_TEST_ARTIFACTS "/") + name, "PNG"));
    }
};

TEST_F(NewOnlineTest, TilesShowTheRecordWithRatedBarsAtBothScreenSizes)
{
    for (const QSize size : {QSize(1920, 1080), QSize(1280, 720)}) {
        auto w = Open(size.width(), size.height());
        w->LiveValues(Record("   22,4"));
        const std::vector<std::string> lines = Lines(*w);
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(lines[0], "22,4 \xB0" "C. Bewertung: gr\xFCn");
        EXPECT_EQ(lines[3], "512 lux. Bewertung: gr\xFCn");
        EXPECT_EQ(lines[5], "800 ppm. Bewertung: gr\xFCn");
        EXPECT_EQ(lines[9], "-NA- ug/m\xB3");
        EXPECT_EQ(w->TypLabel->text(), "BUER");
        // The band of tile 1 shows the type's red, yellow and green.
        const std::set<QRgb> colours = BarColours(*w, 1);
        for (QRgb c : {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 128, 0)})
            EXPECT_TRUE(colours.count(c & 0xFFFFFF)) << size.width() << " lacks " << std::hex << c;
        // A missing value has no bar at all.
        EXPECT_EQ(BarColours(*w, 10), std::set<QRgb>{qRgb(0, 0, 0) & 0xFFFFFF});
        Keep(*w, size.width() == 1920 ? "newonline-1920x1080.png" : "newonline-1280x720.png");
    }
}

TEST_F(NewOnlineTest, RatingFollowsTheValueAndTheChosenType)
{
    auto w = Open(1280, 720);
    w->LiveValues(Record("   28,0"));
    EXPECT_EQ(Lines(*w)[0], "28,0 \xB0" "C. Bewertung: rot");
    QTest::keyClick(w.get(), Qt::Key_Right);
    EXPECT_EQ(w->TypeIndex(), 2);
    EXPECT_EQ(w->TypLabel->text(), "LAGE");
    QTest::keyClick(w.get(), Qt::Key_Right);
    EXPECT_EQ(w->TypeIndex(), 1) << "after the last type comes the first";
    QTest::keyClick(w.get(), Qt::Key_Left);
    EXPECT_EQ(w->TypeIndex(), 2);
}

TEST_F(NewOnlineTest, UnchangedTilesAreNotRepaintedUnlessAllAreShown)
{
    auto w = Open(1280, 720);
    w->LiveValues(Record("   22,4"));
    const QRect co2 = w->Geometry().Row(6);
    // Something drawn over the CO2 tile stays while its value does not change.
    {
        QPixmap& canvas = const_cast<QPixmap&>(w->Canvas());
        QPainter p(&canvas);
        p.fillRect(co2, Qt::magenta);
    }
    w->LiveValues(Record("   22,5"));
    EXPECT_EQ(w->Canvas().toImage().pixel(co2.center()), qRgb(255, 0, 255));
    w->AlleBewertungen1->setChecked(true);
    EXPECT_NE(w->Canvas().toImage().pixel(co2.center()), qRgb(255, 0, 255));
}

TEST_F(NewOnlineTest, AGoneInstrumentShowsMissingValuesNotTheLastOnes)
{
    auto w = Open(1280, 720);
    w->LiveValues(Record("   22,4"));
    ASSERT_EQ(Lines(*w)[0], "22,4 \xB0" "C. Bewertung: gr\xFCn");
    QEvent absent(DeviceAbsentNotification);
    QApplication::sendEvent(w.get(), &absent);
    const std::vector<std::string> lines = Lines(*w);
    for (const std::string& line : lines)
        EXPECT_EQ(line.substr(0, 4), "-NA-") << line;
    EXPECT_EQ(BarColours(*w, 1), std::set<QRgb>{qRgb(0, 0, 0) & 0xFFFFFF}) << "no bar of the old value";
    Keep(*w, "newonline-absent.png");
}

TEST_F(NewOnlineTest, TickersTakeTheSettingsAndTheirRunFlags)
{
    Settings().writeText("", "NOLauftextOben", "Oben");
    Settings().writeInt("", "NOTickSpeedUnten", 30);
    Settings().writeInt("", "NOLTUntenAktiv", 0);
    auto w = Open(1280, 720);
    EXPECT_EQ(w->LauftextOben->caption(), "Oben   ");
    EXPECT_EQ(w->LauftextUnten->speed(), 30);
    EXPECT_TRUE(w->LauftextUnten->halted());
    EXPECT_FALSE(w->LauftextOben->halted());
    w->LaufschriftOben1->setChecked(false);
    EXPECT_TRUE(w->LauftextOben->halted());
    EXPECT_EQ(Settings().readInt("", "NOLTObenAktiv"), 0);
}

} // namespace
