// The measurement report of a full table: 99 workplaces with every one of
// the 31 printed columns filled, rendered to PDF bytes (data sets, layout of
// both page designs, painting). Target: under one second.
#include "measure/MeasurementTable.h"
#include "print/MeasurementReport.h"
#include "print/ReportRenderer.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vamok;

MeasurementTable FullTable()
{
    MeasurementTable table;
    for (int n = 1; n <= kRowCount; ++n) {
        RowTexts& t = table.row(n).texts;
        const std::string d = std::to_string(n % 10);
        t.Name = "Arbeitsplatz " + std::to_string(n) + " Halle";
        t.Type = "VAM ";
        t.Temp = "2" + d + ",5";
        t.Feu = "4" + d + ",0";
        t.Lae = "5" + d + ",2";
        t.LaeM = "5" + d + ",0";
        t.Bel = "5" + d + "0";
        t.Fre = "7" + d + ",0";
        t.Hell = "25" + d + ",0";
        t.SWK = "1 / 8," + d;
        t.MUK = "2," + d + " / 1";
        t.LdS = "10,0";
        t.LdW = "85,0";
        t.LdMon = "120,0";
        t.LdUmg = "50,0";
        t.Wind = "0,0" + d;
        t.WindT = "22,1";
        t.WindI = "0,1" + d;
        t.TuI = "15";
        t.WindTI = "22,0";
        t.WindII = "0,0" + d;
        t.TuII = "8";
        t.WindTII = "21,0";
        t.WindIII = "0,2" + d;
        t.TuIII = "12";
        t.WindTIII = "21,9";
        t.GT = "23,4";
        t.PMV1 = "-0,52";
        t.PMV2 = "0,1" + d;
        t.PMV3 = "0,75";
        t.CO2 = "6" + d + "0";
        t.VOC = "12" + d;
        t.CO = d;
        t.LaeUser = "57,5";
        t.LaeDauer = "30";
        t.CPeak = "98,4";
        t.CPeakUser = "101,2";
        t.PM1u0 = "1" + d;
        t.PM2u5 = "1" + d;
        t.PM10u = "4" + d;
        t.TIR = "24,8";
        t.Emiss = "0,95";
        t.MessZeit = "01.02.2026 10:1" + d + ":00";
    }
    return table;
}

void BM_MeasurementReportPdf(benchmark::State& state)
{
    ResetPCTypes();
    PCTypes().push_back(DefaultType());
    const MeasurementTable table = FullTable();
    MeasurementReportInput in;
    in.table = &table;
    in.columns = AssignPrintColumns(PrintMode::AllColumns, {}, {});
    in.split = SplitPages(in.columns.count, 18, true);
    in.extend = state.range(0) != 0;
    in.title = "Messung Halle 3";
    in.notes = {"Fenster geschlossen.", "Heizung auf Stufe 3."};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = ReportPdf(BuildMeasurementReport(in));
        bytes = static_cast<std::size_t>(pdf.size());
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
    state.counters["columns"] = in.columns.count;
}
BENCHMARK(BM_MeasurementReportPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
