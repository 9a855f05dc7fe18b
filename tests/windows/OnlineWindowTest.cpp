#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "device/TAPSend.h"
#include "live/OnlineWindow.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace vamok;

namespace {

class PresenceCounter : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == DevicePresentNotification)
            ++present;
        else if (e->type() == DeviceAbsentNotification)
            ++absent;
        else
            return QObject::event(e);
        return true;
    }
    int present = 0;
    int absent = 0;
};

std::string Cell(QTableWidget* grid, int row) { return ToCp1252(grid->item(row, 0)->text()); }

// What a value cell shows, found in a grab: the box of the text's dark grey
// pixels and the box of the bar's coloured ones (red, yellow, green, the
// blue marker); the white background and the grid line count as neither.
struct CellInk {
    QRect text;
    QRect bar;
};

CellInk InkOf(const QImage& image, const QRect& cell)
{
    CellInk ink;
    for (int y = cell.top(); y < cell.bottom(); ++y) {
        for (int x = cell.left(); x < cell.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int high = std::max({c.red(), c.green(), c.blue()});
            const int low = std::min({c.red(), c.green(), c.blue()});
            if (high - low >= 60)
                ink.bar |= QRect(x, y, 1, 1);
            else if (high < 200)
                ink.text |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

QString Description(QTableWidget* grid, int row)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    if (!table || !table->tableInterface())
        return QStringLiteral("<no accessible table>");
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, 0);
    return cell ? cell->text(QAccessible::Description) : QStringLiteral("<no cell>");
}

class OnlineWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        ResetPCTypes();
        DeviceAnswering = false;
    }
    void TearDown() override
    {
        DeviceAnswering = false;
        ResetPCTypes();
    }
};

} // namespace

TEST_F(OnlineWindowTest, CreatedHiddenWithItsRowsAndTexts)
{
    TAPSend link;
    TOnline online(link);
    EXPECT_FALSE(online.isVisible());
    EXPECT_EQ(online.objectName(), "Online");
    EXPECT_EQ(online.windowTitle(), "Online");
    EXPECT_EQ(online.Table1->rowCount(), 21);
    EXPECT_EQ(Cell(online.Table1, 0), "Messbereich");
    EXPECT_EQ(Cell(online.table2, 0), "Messwert");
    EXPECT_EQ(Cell(online.Table1, 3), "L\xE4rmpegel aktuell");
    EXPECT_EQ(Cell(online.Table1, 20), "Feinstaub PM 10");
    EXPECT_EQ(online.VersionLabelText(), "Suche...");
    EXPECT_EQ(online.PortLabelText(), "none");
    EXPECT_EQ(online.Zoom(), 130);
    online.show();
    const int width = online.width();
    QTest::keyClick(online.table2, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(online.Zoom(), 143);
    EXPECT_GT(online.width(), width);
    QTest::keyClick(online.table2, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(online.Zoom(), 130); // 143 * 100 / 110
}

TEST_F(OnlineWindowTest, ShowsTheSimulatedInstrumentAndTellsTheWindows)
{
    TempDir dir;
    dir.write("s.json", R"({"model": "VAMOK altarim", "firmware": "2.10", "serial": 1234, "series": 56,
        "flags": 1, "live": {"Temp": 22.4, "Feu": 46.8, "Wind": 0.12, "WindMin": 0.14, "WindT": 22.1}})");
    SimProcess sim("altarim", dir.file("s.json"));
    App().ComPortPath = sim.ptyPath();
    App().ComPortNumber = 4;
    TAPSend link;
    link.SelectComPort(4);
    TOnline online(link);
    link.OnDeviceAnswering = [&] { online.Poller().ShortenInterval(); };
    std::string panel;
    std::vector<std::string> records;
    online.setLinks({[&](const std::string& t) { panel = t; }, {}, {},
                     [&](const TVamokAPDatenStrg& r) { records.push_back(r[TVamokAPDatenStrg::AirTemperature]); },
                     {}, {}, {}});
    PresenceCounter counter;
    RegisterPresenceWindow(&counter);
    online.StartPolling();

    QTRY_VERIFY_WITH_TIMEOUT(!records.empty(), 8000);
    EXPECT_EQ(panel, "S-No: 1234 / 56 - 00000001");
    EXPECT_NE(online.VersionLabelText().find("VAMOK altarim"), std::string::npos);
    EXPECT_TRUE(online.Label1->isVisibleTo(&online));
    EXPECT_EQ(online.PortLabelText(), sim.ptyPath());
    EXPECT_EQ(Cell(online.table2, 1), "   22,4");
    EXPECT_EQ(Cell(online.table2, 9), "    0,12");
    EXPECT_EQ(Cell(online.table2, 17), "   -NA-"); // no globe temperature, no PMV
    EXPECT_EQ(online.OnlineMode->text(), QString::fromUtf8("\u263A"));
    QTRY_VERIFY_WITH_TIMEOUT(counter.present > 0, 5000);

    // Paint the bars once (a type to rate against now exists).
    TAPDef type;
    type.SetName("VAM ");
    PCTypes().push_back(type);
    online.show();
    online.repaint();

    sim.stop();
    QTRY_COMPARE_WITH_TIMEOUT(online.OnlineMode->text(), QString::fromUtf8("\u2639"), 10000);
    EXPECT_EQ(panel, "VAMOK Seriennummer");
    EXPECT_EQ(online.VersionLabelText(), "Suche...");
    QTRY_VERIFY_WITH_TIMEOUT(counter.absent > 0, 5000);
    online.StopPolling();
    UnregisterPresenceWindow(&counter);
}

TEST_F(OnlineWindowTest, ValuesStayReadableAboveTheirBars)
{
    // Values chosen against the default type's limits: every band occurs.
    TempDir dir;
    dir.write("s.json", R"({"model": "VAMOK altarim", "firmware": "2.10", "serial": 1234, "series": 56,
        "flags": 1, "live": {"Temp": 21.4, "Feu": 46.8, "Lae": 62.0, "LaeM": 48.0, "Bel": 520,
        "Fre": 78.0, "Hell": 95.0, "Battery": 3.912, "Wind": 0.05, "WindMin": 0.25, "WindT": 22.1,
        "AnemometerBattery": 3.1}})");
    SimProcess sim("altarim", dir.file("s.json"));
    App().ComPortPath = sim.ptyPath();
    App().ComPortNumber = 4;
    PCTypes().push_back(DefaultType());
    TAPSend link;
    link.SelectComPort(4);
    TOnline online(link);
    link.OnDeviceAnswering = [&] { online.Poller().ShortenInterval(); };
    int records = 0;
    online.setLinks({{}, {}, {}, [&](const TVamokAPDatenStrg&) { ++records; }, {}, {}, {}});
    online.StartPolling();
    QTRY_VERIFY_WITH_TIMEOUT(records > 0, 8000);
    online.StopPolling();
    ASSERT_EQ(Cell(online.table2, 1), "   21,4");

    // Rows with a bar (the others have none or no value) and their band.
    const std::map<int, QString> rated = {
        {1, "Bewertung: gr\u00FCn"}, {2, "Bewertung: gelb"}, {3, "Bewertung: gelb"},
        {4, "Bewertung: gr\u00FCn"}, {5, "Bewertung: gr\u00FCn"}, {6, "Bewertung: gelb"},
        {7, "Bewertung: gelb"},       {9, "Bewertung: gr\u00FCn"}, {10, "Bewertung: rot"},
    };
    for (int row = 1; row <= kOnlineRowCount; ++row) {
        const auto it = rated.find(row);
        EXPECT_EQ(Description(online.table2, row), it == rated.end() ? QString() : it->second) << row;
    }

    online.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&online));
    const QString artifacts = QStringLiteral(VAMOK_TEST_ARTIFACTS);
    ASSERT_TRUE(QDir().mkpath(artifacts));
    for (const int zoom : {130, 100}) {
        if (zoom == 100)
            online.ZoomBy(70); // 130 * 100 / (200 - 70)
        ASSERT_EQ(online.Zoom(), zoom);
        QApplication::processEvents();
        const int rowHeight = online.table2->rowHeight(1);
        const int fontPixels = online.table2->font().pixelSize();
        EXPECT_EQ(fontPixels, static_cast<int>(std::lround(rowHeight * 11.0 / 24.0))) << "zoom " << zoom;

        const QImage image = online.table2->viewport()->grab().toImage();
        ASSERT_EQ(image.devicePixelRatio(), 1.0);
        const QString name = QStringLiteral("online-zoom%1.png").arg(zoom);
        EXPECT_TRUE(online.grab().save(artifacts + "/" + name, "PNG")) << name.toStdString();
        for (const auto& [row, description] : rated) {
            const CellInk ink = InkOf(image, online.table2->visualItemRect(online.table2->item(row, 0)));
            ASSERT_FALSE(ink.text.isEmpty()) << "zoom " << zoom << " row " << row;
            ASSERT_FALSE(ink.bar.isEmpty()) << "zoom " << zoom << " row " << row;
            EXPECT_FALSE(ink.text.intersects(ink.bar))
                << "zoom " << zoom << " row " << row << ": text down to y " << ink.text.bottom()
                << ", bar from y " << ink.bar.top();
            // Whole digits, not their tops: about the height of a capital.
            EXPECT_GE(ink.text.height(), fontPixels * 6 / 10) << "zoom " << zoom << " row " << row;
        }
    }
}
