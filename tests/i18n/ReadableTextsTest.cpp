// What the windows show and say in each language: the online window's
// quantity names fit their column at the window's zoom, a translated name
// too long for it is there in full as tooltip and accessible name, and the
// ratings that are only painted are said in the chosen language.
#include "i18n/LanguageFixture.h"

#include "core/Cp1252.h"
#include "device/TAPSend.h"
#include "i18n/TranslatorWidget.h"
#include "live/OnlineWindow.h"
#include "measure/GetSelectDialog.h"
#include "measure/NameTypDialog.h"
#include "measure/TransferWindow.h"
#include "support/OfficeType.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QAccessible>
#include <QFile>
#include <QFontMetricsF>
#include <QStyle>
#include <QTableWidget>

using namespace vamok;

namespace {

std::string Shipped(const char* name)
{
    QFile file(QStringLiteral(VAMOK_TEST_DATA "/../../lang/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

QAccessibleInterface* CellOf(QTableWidget* grid, int row, int column)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    return table && table->tableInterface() ? table->tableInterface()->cellAt(row, column) : nullptr;
}

std::string Said(QTableWidget* grid, int row, int column, QAccessible::Text what)
{
    QAccessibleInterface* cell = CellOf(grid, row, column);
    return cell ? ToCp1252(cell->text(what)) : "<no cell>";
}

// The room the style leaves for a cell's text: the cell (without its grid
// line) less the style's text margin on either side.
qreal TextRoom(const QTableWidget& grid, int row)
{
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    return grid.visualItemRect(grid.item(row, 0)).width() - 2 * margin;
}

class ReadableTexts : public LanguageFixture {
protected:
    void SetUp() override
    {
        LanguageFixture::SetUp();
        App().DecimalSep = ',';
        ResetPCTypes();
        PCTypes().push_back(OfficeType());
        writeLang("Master.Eng", Shipped("Master.Eng"));
        writeLang("MASTER.IGNORE", Shipped("MASTER.IGNORE"));
    }
    void TearDown() override
    {
        ResetPCTypes();
        Language() = LanguageEngine{};
    }

    // The names that do not fit their column at the online window's zoom.
    static std::vector<std::string> CutNames(const TOnline& online)
    {
        std::vector<std::string> cut;
        const QFontMetricsF metrics(online.Table1->font());
        for (int row = 0; row < online.Table1->rowCount(); ++row) {
            const QString name = online.Table1->item(row, 0)->text();
            if (metrics.horizontalAdvance(name) > TextRoom(*online.Table1, row))
                cut.push_back(ToCp1252(name));
        }
        return cut;
    }
};

} // namespace

TEST_F(ReadableTexts, EveryQuantityNameFitsItsColumnInGermanAndEnglish)
{
    for (const std::string code : {"", "Eng"}) {
        start(code);
        TAPSend link;
        TOnline online(link);
        TranslateWindow(online);
        online.show();
        ASSERT_EQ(online.Table1->item(0, 0)->text(), code.empty() ? "Messbereich" : "Quantity");
        for (const int zoom : {130, 100}) {
            if (zoom == 100)
                online.ZoomBy(70);
            ASSERT_EQ(online.Zoom(), zoom);
            EXPECT_EQ(online.Table1->columnWidth(0), zoom == 100 ? 120 : 156);
            EXPECT_EQ(online.Table1->font().pixelSize(), zoom == 100 ? 11 : 14);
            EXPECT_EQ(CutNames(online), std::vector<std::string>{}) << "language '" << code << "', zoom " << zoom;
            for (int row = 0; row < online.Table1->rowCount(); ++row)
                EXPECT_TRUE(online.Table1->item(row, 0)->toolTip().isEmpty()) << row;
        }
    }
}

TEST_F(ReadableTexts, ANameTooLongForItsColumnIsThereInFull)
{
    const std::string longName = "Anemometer battery voltage of the probe";
    writeLang("Master.Tst", "[TOnline]\r\nTable1.row[13]________________=" + longName + "\r\n");
    start("Tst");
    TAPSend link;
    TOnline online(link);
    TranslateWindow(online);
    online.show();
    online.ZoomBy(70);
    ASSERT_EQ(ToCp1252(online.Table1->item(12, 0)->text()), longName);
    EXPECT_EQ(CutNames(online), std::vector<std::string>{longName});
    EXPECT_EQ(ToCp1252(online.Table1->item(12, 0)->toolTip()), longName);
    EXPECT_EQ(Said(online.Table1, 12, 0, QAccessible::Name), longName);
    EXPECT_TRUE(online.Table1->item(11, 0)->toolTip().isEmpty()) << "a name that fits has no tooltip";
}

TEST_F(ReadableTexts, RatingsAreSaidInTheChosenLanguage)
{
    start("Eng");
    TAPSend link;
    TOnline online(link);
    TGetSelect range;
    TNameTyp nameType;
    TTransferVamokPC transfer(link, range, nameType);
    TranslateAllWindows({&online, &transfer});
    EXPECT_TRUE(messages.empty()) << messages.front().second;

    online.table2->item(1, 0)->setText(QStringLiteral("   27,5"));
    EXPECT_EQ(Said(online.table2, 1, 0, QAccessible::Description), "Rating: red");
    online.table2->item(1, 0)->setText(QStringLiteral("   22,5"));
    EXPECT_EQ(Said(online.table2, 1, 0, QAccessible::Description), "Rating: green");

    MeasurementTable& table = transfer.Table();
    table.row(1).texts.Type = "BUER";
    table.row(1).texts.Temp = "19,5";
    table.row(1).texts.Feu = "50,0";
    transfer.ShowAllRows();
    EXPECT_EQ(Said(transfer.Speicher, 0, transfer.ColumnOf(ColumnKind::Temp), QAccessible::Description),
              "Rating: yellow (tb). Dew point: 8,8\xB0" "C");
}
