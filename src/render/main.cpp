// Draws the chart for two dates into a PNG file, through the same drawing as
// the program's chart area, so that the picture is the one a user would see;
// or writes the printed report page as a PDF, through the same drawing as the
// window's printing; and writes the value table as CSV, and the critical days
// as calendar events or CSV; and draws the months ahead as the printed
// planner's pages or the planner window's calendar.

#include "calendar/CriticalCalendar.h"
#include "chart/ChartPlot.h"
#include "chart/CriticalDays.h"
#include "chart/DateComposition.h"
#include "chart/Planner.h"
#include "chart/ValueTable.h"
#include "files/WholeFile.h"
#include "render/ComparisonOutput.h"
#include "render/ImageOutput.h"
#include "render/RenderOptions.h"
#include "ui/Look.h"
#include "ui/drawing/ChartDrawing.h"
#include "ui/drawing/PlannerDocument.h"
#include "ui/drawing/PlannerPage.h"
#include "ui/drawing/PrintedPages.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <iostream>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#include <memory>
#include <optional>

namespace {

constexpr int kUsageStatus = 2;

int Fail(const std::string& message)
{
    std::cerr << "biorhythm-render: " << message << '\n';
    return kUsageStatus;
}

// Opened first, so that an unwritable name fails before anything is drawn.
// The content goes to a file beside the target and is renamed over it when
// complete: never a partial or empty file under the name.
std::unique_ptr<files::WholeFile> OpenTarget(const std::string& path, std::string& error)
{
    auto file = std::make_unique<files::WholeFile>(QString::fromStdString(path));
    if (!file->Open()) {
        error = "cannot write " + path + ": " + file->Error().toStdString();
        return nullptr;
    }
    return file;
}

// Puts a target in place; false, with why, when any of it could not be
// written.
bool CommitTarget(files::WholeFile& file, std::string& error)
{
    if (file.Commit())
        return true;
    error = "cannot write " + file.Path().toStdString() + ": " + file.Error().toStdString();
    return false;
}

// A target whose writer stopped: the file's reason when a write failed, else
// the writer's; the earlier file under the name stays.
int FailTarget(files::WholeFile& file, const std::string& writerSays)
{
    const std::string reason = file.ReasonOr(QString::fromStdString(writerSays)).toStdString();
    file.Cancel();
    return Fail("cannot write " + file.Path().toStdString() + ": " + reason);
}

// A text output: standard output when file is null, else its file, opened
// beforehand and completed here.
bool WriteText(files::WholeFile* file, const std::string& text, std::string& error)
{
    if (file == nullptr) {
        std::cout << text << std::flush;
        if (!std::cout)
            error = "cannot write to standard output";
        return static_cast<bool>(std::cout);
    }
    if (!file->Write(QByteArray::fromStdString(text))) {
        error = "cannot write " + file->Path().toStdString() + ": " + file->Error().toStdString();
        return false;
    }
    return CommitTarget(*file, error);
}

std::string CriticalDaysText(const render::RenderOptions& options)
{
    std::vector<chart::CriticalDay> days = chart::CriticalDays(
        options.person.birthday, options.report, chart::DaysInMonths(options.report, options.months));
    // The cycles start at the birth: a report day before it lists the
    // period's days from the birthday on, their offsets still from the
    // report day.
    std::erase_if(days, [&options](const chart::CriticalDay& day) { return day.date < options.person.birthday; });
    if (options.criticalFormat == render::CriticalFormat::Csv)
        return chart::CriticalDaysCsv(days);
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    return calendar::CriticalDaysCalendar(options.person.birthday, days, now, options.person.name.toStdString());
}

QPageSize PageSizeOf(const render::RenderOptions& options)
{
    return QPageSize(options.page == render::PageSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

// A document on the sheet the command line asks for, with the margins its
// page is laid out for.
bool WritePdf(QIODevice& file, const render::RenderOptions& options, ui::PrintedDocument document, qreal margins)
{
    document.pageSize = PageSizeOf(options);
    document.marginsMillimetres = QMarginsF(margins, margins, margins, margins);
    document.creator = QStringLiteral("biorhythm-render");
    return ui::WritePdf(file, document);
}

bool WriteReportPage(QIODevice& file, const render::RenderOptions& options)
{
    const QString title
        = QStringLiteral("Biorhythm Chart %1").arg(QString::fromStdString(chart::IsoDate(options.report)));
    return WritePdf(
        file, options, ui::ReportDocument(title, options.person.birthday, options.report, options.cycles), 15);
}

std::optional<std::chrono::year_month_day> Today()
{
    const QDate today = QDate::currentDate();
    return std::chrono::year_month_day { std::chrono::year { today.year() },
        std::chrono::month { static_cast<unsigned>(today.month()) },
        std::chrono::day { static_cast<unsigned>(today.day()) } };
}

bool WritePlannerPdf(QIODevice& file, const render::RenderOptions& options)
{
    const QString title
        = QStringLiteral("Biorhythm Planner %1").arg(QString::fromStdString(chart::IsoDate(options.report)));
    return WritePdf(file, options,
        ui::PlannerDocument(
            title, { options.person.birthday, options.report, options.months, Today(), options.cycles }),
        12);
}

bool WritePlannerPng(QIODevice& file, const render::RenderOptions& options, const chart::Planner& planner)
{
    const QSizeF size = ui::PlannerCalendarSize(planner);
    QImage picture((size * options.scale).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(options.scale);
    QPainter painter(&picture);
    ui::DrawPlannerCalendar(painter, planner, QLocale(), { Today(), std::nullopt });
    painter.end();
    return render::WritePng(file, picture);
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // The CSV on standard output carries its own CRLF line ends; a text-mode
    // stream would turn each into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const render::ParsedArguments parsed = render::ParseArguments(arguments, *Today());
    if (const auto* error = std::get_if<render::UsageError>(&parsed))
        return Fail(error->message + " (see --help)");
    if (std::holds_alternative<render::HelpRequest>(parsed)) {
        std::cout << render::HelpText();
        return 0;
    }
    const auto& options = std::get<render::RenderOptions>(parsed);

    std::string error;
    std::unique_ptr<files::WholeFile> file;
    if (!options.output.empty() && !(file = OpenTarget(options.output, error)))
        return Fail(error);
    std::unique_ptr<files::WholeFile> valuesFile;
    if (!options.values.empty() && options.values != "-" && !(valuesFile = OpenTarget(options.values, error)))
        return Fail(error);
    std::unique_ptr<files::WholeFile> criticalFile;
    if (!options.critical.empty() && options.critical != "-" && !(criticalFile = OpenTarget(options.critical, error)))
        return Fail(error);
    std::unique_ptr<files::WholeFile> plannerFile;
    if (!options.planner.empty() && !(plannerFile = OpenTarget(options.planner, error)))
        return Fail(error);
    std::unique_ptr<files::WholeFile> compatibilityFile;
    if (!options.compatibility.empty() && options.compatibility != "-"
        && !(compatibilityFile = OpenTarget(options.compatibility, error)))
        return Fail(error);

    // The toolkit is started only for a picture or a page.
    std::optional<QTemporaryDir> runtimeFolder;
    std::unique_ptr<QApplication> application;
    if (file || plannerFile) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's start-up looks into the runtime folder for a sandbox's marker file,
        // and without XDG_RUNTIME_DIR (a cron job, a container) warns and makes a
        // shared folder in /tmp. A private folder of this run's own serves
        // instead.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtimeFolder.emplace();
            if (runtimeFolder->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
        }
        // Qt reads no arguments of ours.
        static int qtArgc = 1;
        application = std::make_unique<QApplication>(qtArgc, argv);
        ui::InstallFontSubstitutes();
    }

    if (file && options.compare) {
        const bool written = options.format == render::OutputFormat::Png
            ? render::WriteComparisonPicture(file->Device(), options, error)
            : render::WriteComparisonPage(file->Device(), options, error);
        if (!written)
            return FailTarget(*file, error);
    } else if (file && options.format == render::OutputFormat::Png) {
        ui::ChartDrawing drawing;
        drawing.daysSinceBirth = chart::DaysSinceBirth(options.person.birthday, options.report);
        drawing.lineStyles = options.lineStyles;
        drawing.cycles = options.cycles;
        const QImage picture = ui::ChartImage(drawing, options.scale);
        if (!render::WritePng(file->Device(), picture))
            return FailTarget(*file, "the PNG could not be encoded");
    } else if (file && !WriteReportPage(file->Device(), options)) {
        return FailTarget(*file, "the PDF could not be made");
    }

    if (!options.values.empty()
        && !WriteText(
            valuesFile.get(), chart::ValuesCsv(options.person.birthday, options.report, options.cycles), error))
        return Fail(error);
    if (!options.critical.empty() && !WriteText(criticalFile.get(), CriticalDaysText(options), error))
        return Fail(error);
    if (plannerFile) {
        const bool written = options.plannerFormat == render::OutputFormat::Pdf
            ? WritePlannerPdf(plannerFile->Device(), options)
            : WritePlannerPng(plannerFile->Device(), options,
                chart::Planner(options.person.birthday, options.report, options.months, options.cycles));
        if (!written)
            return FailTarget(*plannerFile, "the planner could not be made");
        if (!CommitTarget(*plannerFile, error))
            return Fail(error);
    }
    if (!options.compatibility.empty()
        && !WriteText(compatibilityFile.get(), render::CompatibilityText(options), error))
        return Fail(error);
    if (file && !CommitTarget(*file, error))
        return Fail(error);
    return 0;
}
