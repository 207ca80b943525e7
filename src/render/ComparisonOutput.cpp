#include "render/ComparisonOutput.h"

#include "chart/ChartPlot.h"
#include "chart/Compatibility.h"
#include "chart/ValueTable.h"
#include "render/ImageOutput.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/ComparisonPicture.h"
#include "ui/report/PrintedPages.h"

#include <QPainter>

namespace render {

bool WriteComparisonPicture(QIODevice& file, const RenderOptions& options, std::string& error)
{
    // The first person's chart through the same widget as the window's, so
    // that their curves are those the single chart draws.
    ui::ChartArea area;
    area.SetScaleWidth(chart::kChartDays);
    area.SetupChartFrame();
    area.ShowChart({ options.birth, options.report });
    const QImage picture = ui::ComparisonPicture(area, *options.compare);
    if (picture.devicePixelRatio() != options.scale) {
        error = "the display platform draws at ratio " + std::to_string(picture.devicePixelRatio()) + ", not "
            + std::to_string(options.scale);
        return false;
    }
    if (!WritePng(file, picture)) {
        error = "the PNG could not be encoded";
        return false;
    }
    return true;
}

bool WriteComparisonPage(QIODevice& file, const RenderOptions& options, std::string& error)
{
    // No names in the document's properties: those travel with a file to
    // wherever it is indexed or shared.
    ui::PrintedDocument document = ui::ComparisonDocument(
        QStringLiteral("Biorhythm Compatibility %1").arg(QString::fromStdString(chart::IsoDate(options.report))),
        { QString::fromStdString(options.name), options.birth, QString::fromStdString(options.compareName),
            *options.compare, options.report });
    document.pageSize = QPageSize(options.page == PageSize::Letter ? QPageSize::Letter : QPageSize::A4);
    document.marginsMillimetres = QMarginsF(15, 15, 15, 15);
    document.creator = QStringLiteral("biorhythm-render");
    if (!ui::WritePdf(file, document)) {
        error = "the PDF could not be made";
        return false;
    }
    return true;
}

std::string CompatibilityText(const RenderOptions& options)
{
    return chart::CompatibilityCsv(chart::CompatibilityOf(options.birth, *options.compare));
}

} // namespace render
