#include "render/ComparisonOutput.h"

#include "chart/ChartPlot.h"
#include "chart/Compatibility.h"
#include "chart/DateComposition.h"
#include "chart/ValueTable.h"
#include "render/ImageOutput.h"
#include "ui/drawing/ChartDrawing.h"
#include "ui/drawing/PrintedPages.h"

#include <QPainter>

namespace render {

bool WriteComparisonPicture(QIODevice& file, const RenderOptions& options, std::string& error)
{
    // As the Compare window draws it: the first person's curves plain, as
    // the single chart draws them, over the second person's dashed ones.
    ui::ChartDrawing drawing;
    drawing.daysSinceBirth = chart::DaysSinceBirth(options.person.birthday, options.report);
    drawing.secondDaysSinceBirth = chart::DaysSinceBirth(options.compare->birthday, options.report);
    drawing.cycles = options.cycles;
    const QImage picture = ui::ChartImage(drawing, options.scale);
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
        { options.person, *options.compare, options.report, options.cycles });
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
    return chart::CompatibilityCsv(
        chart::CompatibilityOf(options.person.birthday, options.compare->birthday, options.cycles));
}

} // namespace render
