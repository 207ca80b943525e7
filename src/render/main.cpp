// Draws the chart area for two dates into a PNG file, through the same chart
// area widget as the program's window, so that the picture is the one a user
// would see.

#include "chart/ChartPlot.h"
#include "chart/DateComposition.h"
#include "render/RenderOptions.h"
#include "ui/Look.h"
#include "ui/main/ChartArea.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QTemporaryDir>

#include <iostream>
#include <optional>

namespace {

constexpr int kUsageStatus = 2;

int Fail(const std::string& message)
{
    std::cerr << "biorhythm-render: " << message << '\n';
    return kUsageStatus;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const render::ParsedArguments parsed = render::ParseArguments(arguments);
    if (const auto* error = std::get_if<render::UsageError>(&parsed))
        return Fail(error->message + " (see --help)");
    if (std::holds_alternative<render::HelpRequest>(parsed)) {
        std::cout << render::HelpText();
        return 0;
    }
    const auto& options = std::get<render::RenderOptions>(parsed);

    const QString path = QString::fromStdString(options.output);
    // Opened first, so that an unwritable name fails before the toolkit
    // starts. The picture goes to a file beside the target and is renamed
    // over it when complete: never a partial or empty file under the name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail("cannot write " + options.output + ": " + file.errorString().toStdString());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The ratio has to be fixed before the application exists; the widget
    // then draws its curves at that resolution, as on a high-density screen.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(options.scale));
    // Qt's start-up looks into the runtime folder for a sandbox's marker file,
    // and without XDG_RUNTIME_DIR (a cron job, a container) warns and makes a
    // shared folder in /tmp. A private folder of this run's own serves
    // instead.
    std::optional<QTemporaryDir> runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeFolder.emplace();
        if (runtimeFolder->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
    }
    // Qt reads no arguments of ours.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    ui::InstallFontSubstitutes();

    ui::ChartArea area;
    area.SetScaleWidth(chart::kChartDays);
    area.SetupChartFrame();
    area.DrawChart(chart::DaysSinceBirth(options.birth, options.report));
    const QPixmap picture = area.grab();
    if (picture.devicePixelRatio() != options.scale)
        return Fail("the display platform draws at ratio " + std::to_string(picture.devicePixelRatio()) + ", not "
            + std::to_string(options.scale));

    if (!picture.toImage().save(&file, "PNG")) {
        file.cancelWriting();
        return Fail("cannot write " + options.output + ": the PNG could not be encoded");
    }
    if (!file.commit())
        return Fail("cannot write " + options.output + ": " + file.errorString().toStdString());
    return 0;
}
