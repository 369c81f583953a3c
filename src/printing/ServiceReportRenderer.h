#pragma once

#include "files/serviceReport.h"

#include <QPageLayout>
#include <QRectF>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace vantrel {

// The ticks of a chart axis over [low, high]: a step of 1, 2 or 5 times a power of ten that
// gives about `wanted` ticks, and the multiples of it that lie in the range, widened to whole
// steps. A range without width is widened around its value first.
struct ChartAxis {
    double low;
    double high;
    double step;
    std::vector<double> ticks;
};
ChartAxis chartAxis(double low, double high, int wanted = 5);

// Draws a service report on a paged device: the header, the tables of changed values and a
// small chart per family, before and after overlaid. Pages are laid out in screen pixels (96 to
// the inch) like the printed softpot report, so every device shows the same pages.
class ServiceReportRenderer {
public:
    explicit ServiceReportRenderer(ServiceReport report) : report_(std::move(report)) {}

    // False when the device cannot be painted on.
    bool print(QPagedPaintDevice& device) const;
    // Draws one chart into `area` (screen pixels).
    void drawChart(QPainter& painter, const ReportChart& chart, const QRectF& area) const;

    const ServiceReport& report() const { return report_; }

private:
    ServiceReport report_;
};

// Writes the service report as a PDF file of the softpot report's page layout; false when the
// file cannot be written.
bool writeServiceReportPdf(const ServiceReport& report, const std::string& path);

}  // namespace vantrel
