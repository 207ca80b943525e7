// The cost of what the chart area's context menu and the renderer write: the
// report page as a PDF, the chart picture as a PNG and the values as CSV.

#include "chart/ValueTable.h"
#include "ui/Look.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/ChartPicture.h"
#include "ui/drawing/ReportPage.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono;

constexpr year_month_day kBirth = 1980y / January / 4d;
constexpr year_month_day kReport = 2024y / June / 15d;

void ReportPageAsPdf(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter(&writer);
        ui::DrawReportPage(painter, QRectF(QPointF(), writer.pageLayout().paintRectPixels(writer.resolution()).size()),
            kBirth, kReport);
        painter.end();
        benchmark::DoNotOptimize(pdf.size());
    }
}
BENCHMARK(ReportPageAsPdf)->Unit(benchmark::kMillisecond);

void ChartPictureAsPng(benchmark::State& state)
{
    ui::ChartArea area;
    area.SetScaleWidth(28);
    area.SetupChartFrame();
    area.ShowChart({ kBirth, kReport });
    for (auto _ : state) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ui::ChartPicture(area).save(&buffer, "PNG");
        benchmark::DoNotOptimize(png.size());
    }
}
BENCHMARK(ChartPictureAsPng)->Unit(benchmark::kMillisecond);

void ValuesAsCsv(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(chart::ValuesCsv(kBirth, kReport));
}
BENCHMARK(ValuesAsCsv)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    ui::InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
