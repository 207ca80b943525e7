#include "render/ComparisonOutput.h"

#include "chart/ChartPlot.h"
#include "chart/Compatibility.h"
#include "chart/ValueTable.h"
#include "render/ImageOutput.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/ComparisonPicture.h"
#include "ui/report/ComparisonPage.h"

#include <QPainter>
#include <QPdfWriter>

namespace render {

bool WriteComparisonPicture(QIODevice& file, const RenderOptions& options, std::string& error)
{
    // The first person's chart through the same widget as the window's, so
    // that their curves are those the single chart draws.
    ui::ChartArea area;
    area.SetScaleWidth(chart::kChartDays);
    area.SetupChartFrame();
    area.ShowChart({ options.person.birthday, options.report });
    const QImage picture = ui::ComparisonPicture(area, options.compare->birthday);
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
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(options.page == PageSize::Letter ? QPageSize::Letter : QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    // No names in the document's properties: those travel with a file to
    // wherever it is indexed or shared.
    writer.setTitle(
        QStringLiteral("Biorhythm Compatibility %1").arg(QString::fromStdString(chart::IsoDate(options.report))));
    writer.setCreator(QStringLiteral("biorhythm-render"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = "the PDF could not be made";
        return false;
    }
    const QRectF page(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    ui::DrawComparisonPage(painter, page, { options.person, *options.compare, options.report });
    if (!painter.end()) {
        error = "the PDF could not be made";
        return false;
    }
    return true;
}

std::string CompatibilityText(const RenderOptions& options)
{
    return chart::CompatibilityCsv(chart::CompatibilityOf(options.person.birthday, options.compare->birthday));
}

} // namespace render
