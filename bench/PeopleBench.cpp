// The people's list: reading a file of 1,000 people and filling the People
// dialog's table from it (target well under 100 ms), and the compatibility
// of one pair (microseconds).

#include "chart/Compatibility.h"
#include "people/PeopleFile.h"
#include "ui/people/PeopleModel.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono;

void ReadThousandPeopleAndFillTheTable(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("people.json"));
    people::PeopleList list;
    for (int i = 0; i < 1000; ++i)
        list.Add({ QStringLiteral("Person %1 Ελένη").arg(i), sys_days { 1950y / January / 1d } + days { i * 17 } },
            2024y / March / 17d);
    QString error;
    people::PeopleFile(path).Save(list, error);
    for (auto _ : state) {
        const people::PeopleFile::Loaded loaded = people::PeopleFile(path).Load();
        ui::PeopleModel model;
        model.SetPeople(loaded.list, 2024y / March / 17d);
        QTableView table;
        table.setModel(&model);
        table.resizeColumnsToContents();
        benchmark::DoNotOptimize(table.horizontalHeader()->length());
    }
}
BENCHMARK(ReadThousandPeopleAndFillTheTable)->Unit(benchmark::kMillisecond);

void CompatibilityOfAPair(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(chart::CompatibilityOf(1984y / March / 2d, 1986y / July / 11d));
}
BENCHMARK(CompatibilityOfAPair)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
