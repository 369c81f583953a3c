#include "printing/ServiceReportRenderer.h"

#include "printing/ReportPageRenderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace vantrel {

namespace {

constexpr double kTextPixels = 10;
constexpr double kTitlePixels = 16;
constexpr double kCellPadding = 14;
constexpr double kGap = 12;
constexpr double kChartHeight = 220;
constexpr int kChartColumns = 2;
constexpr double kMarker = 3;
const QColor kBeforeColour(150, 150, 150);
const QColor kAfterColour(20, 80, 170);

QFont font(double pixels, bool bold = false) {
    QFont f = ReportPageRenderer::reportFont();
    f.setPixelSize(static_cast<int>(pixels));
    if (bold) f.setWeight(QFont::Bold);
    return f;
}

QString text(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// Lays blocks down the page and starts a new page when a block does not fit.
class PageFlow {
public:
    PageFlow(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device), area_(ReportPageRenderer::screenPage(device.pageLayout())) {
        setWindow();
    }

    // Makes room for a block of `height`; false when the device refused a new page.
    bool room(double height) {
        if (y + height <= area_.height() || y == 0) return true;
        if (!device_.newPage()) return false;
        y = 0;
        setWindow();
        return true;
    }
    double width() const { return area_.width(); }

    double y = 0;

private:
    void setWindow() {
        const QRect device = painter_.viewport();
        painter_.setWindow(0, 0, qRound(area_.width()), qRound(area_.height()));
        painter_.setViewport(device);
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    QSizeF area_;
};

double lineHeight(const QFont& f) { return QFontMetricsF(f).height() + 2; }

bool drawHeader(QPainter& painter, PageFlow& flow, const ServiceReport& report) {
    const QFont title = font(kTitlePixels, true);
    const QFont body = font(kTextPixels);
    painter.setFont(title);
    painter.drawText(QPointF(0, QFontMetricsF(title).ascent()), report.hasBefore
                                                                    ? QStringLiteral("Service report: before and after")
                                                                    : QStringLiteral("Service report"));
    flow.y = lineHeight(title) + kGap / 2;
    const QFontMetricsF metrics(body);
    double labelWidth = 0;
    for (const auto& line : report.header)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(text(line.first)));
    for (const auto& [label, value] : report.header) {
        painter.setFont(font(kTextPixels, true));
        painter.drawText(QPointF(0, flow.y + metrics.ascent()), text(label));
        painter.setFont(body);
        painter.drawText(QPointF(labelWidth + kCellPadding, flow.y + metrics.ascent()), text(value));
        flow.y += lineHeight(body);
    }
    flow.y += kGap / 2;
    painter.setFont(font(kTextPixels, true));
    painter.drawText(QPointF(0, flow.y + metrics.ascent()), text(report.summary));
    flow.y += lineHeight(body) + kGap;
    return true;
}

std::vector<double> columnWidths(const ReportTable& table, const QFontMetricsF& metrics) {
    std::vector<double> widths(table.columns.size(), 0);
    const auto measure = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], metrics.horizontalAdvance(text(cells[i])) + kCellPadding);
    };
    measure(table.columns);
    for (const auto& row : table.rows) measure(row);
    return widths;
}

// Names and frequencies read from the left, numbers from the right.
void drawRow(QPainter& painter, const std::vector<std::string>& cells, const std::vector<double>& widths, double top,
             double height) {
    double x = 0;
    for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
        const QRectF cell(x, top, widths[i] - kCellPadding / 2, height);
        const auto alignment = (i < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        painter.drawText(cell, static_cast<int>(alignment), text(cells[i]));
        x += widths[i];
    }
}

bool drawTable(QPainter& painter, PageFlow& flow, const ReportTable& table) {
    const QFont body = font(kTextPixels);
    const QFont bold = font(kTextPixels, true);
    const QFontMetricsF metrics(bold);
    const std::vector<double> widths = columnWidths(table, metrics);
    double total = 0;
    for (const double w : widths) total += w;
    const double row = lineHeight(body);
    // The title and the column heads are kept with the first rows.
    if (!flow.room(row * 4)) return false;
    const auto heads = [&] {
        painter.setFont(bold);
        drawRow(painter, table.columns, widths, flow.y, row);
        flow.y += row;
        painter.drawLine(QPointF(0, flow.y), QPointF(total, flow.y));
        painter.setFont(body);
    };
    painter.setFont(bold);
    painter.drawText(QPointF(0, flow.y + metrics.ascent()), text(table.title));
    flow.y += row;
    heads();
    for (const auto& cells : table.rows) {
        const double before = flow.y;
        if (!flow.room(row)) return false;
        if (flow.y < before) heads();
        drawRow(painter, cells, widths, flow.y, row);
        flow.y += row;
    }
    flow.y += kGap;
    return true;
}

bool drawCharts(QPainter& painter, PageFlow& flow, const ServiceReportRenderer& renderer) {
    const auto& charts = renderer.report().charts;
    const double width = (flow.width() - kGap * (kChartColumns - 1)) / kChartColumns;
    for (std::size_t i = 0; i < charts.size(); i += kChartColumns) {
        if (!flow.room(kChartHeight)) return false;
        for (std::size_t c = 0; c < kChartColumns && i + c < charts.size(); ++c) {
            renderer.drawChart(painter, charts[i + c],
                               QRectF(static_cast<double>(c) * (width + kGap), flow.y, width, kChartHeight));
        }
        flow.y += kChartHeight + kGap;
    }
    return true;
}

std::pair<double, double> extent(const ReportChart& chart, double ChartPoint::*field) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const auto* series : {&chart.before, &chart.after}) {
        for (const ChartPoint& p : *series) {
            low = std::min(low, p.*field);
            high = std::max(high, p.*field);
        }
    }
    return {low, high};
}

QString tickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return QString::number(value, 'f', decimals);
}

void drawSeries(QPainter& painter, const std::vector<ChartPoint>& points, const QColor& colour, Qt::PenStyle style,
                bool filled, const std::function<QPointF(const ChartPoint&)>& at) {
    if (points.empty()) return;
    painter.setPen(QPen(colour, 1.4, style));
    QPainterPath path(at(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(at(points[i]));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::white));
    for (const ChartPoint& p : points) painter.drawEllipse(at(p), kMarker, kMarker);
}

}  // namespace

ChartAxis chartAxis(double low, double high, int wanted) {
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    const double raw = (high - low) / std::max(1, wanted);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= raw) break;
    }
    ChartAxis axis{std::floor(low / step) * step, std::ceil(high / step) * step, step, {}};
    for (double tick = axis.low; tick <= axis.high + step / 2; tick += step) axis.ticks.push_back(tick);
    return axis;
}

void ServiceReportRenderer::drawChart(QPainter& painter, const ReportChart& chart, const QRectF& area) const {
    painter.save();
    const QFont small = font(8);
    const QFontMetricsF metrics(small);
    painter.setPen(Qt::black);
    painter.setFont(font(kTextPixels, true));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
                     text(chart.title));
    const QRectF plot(area.left() + 46, area.top() + 22, area.width() - 56, area.height() - 62);
    painter.setFont(small);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawRect(plot);
    if (chart.before.empty() && chart.after.empty()) {
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("no point in use"));
        painter.restore();
        return;
    }
    const auto [lowMHz, highMHz] = extent(chart, &ChartPoint::mhz);
    const auto [lowValue, highValue] = extent(chart, &ChartPoint::value);
    const ChartAxis x = chartAxis(lowMHz, highMHz, 4);
    // A little room above and below, so no marker sits on the frame.
    const double margin = std::max(0.5, (highValue - lowValue) * 0.05);
    const ChartAxis y = chartAxis(lowValue - margin, highValue + margin, 5);
    const auto at = [&](const ChartPoint& p) {
        return QPointF(plot.left() + (p.mhz - x.low) / (x.high - x.low) * plot.width(),
                       plot.bottom() - (p.value - y.low) / (y.high - y.low) * plot.height());
    };
    for (const double tick : x.ticks) {
        const double px = at({tick, y.low}).x();
        painter.setPen(QPen(QColor(225, 225, 225), 0.6));
        painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(px - 30, plot.bottom() + 2, 60, 12), Qt::AlignHCenter | Qt::AlignTop,
                         tickText(tick, x.step));
    }
    for (const double tick : y.ticks) {
        const double py = at({x.low, tick}).y();
        painter.setPen(QPen(QColor(225, 225, 225), 0.6));
        painter.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.left() - 34, py - 6, 30, 12), Qt::AlignRight | Qt::AlignVCenter,
                         tickText(tick, y.step));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 14, plot.width(), 12), Qt::AlignHCenter,
                     QStringLiteral("MHz"));
    painter.save();
    painter.translate(area.left() + 8, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -6, plot.height(), 12), Qt::AlignCenter,
                     QStringLiteral("softpot units"));
    painter.restore();
    painter.setRenderHint(QPainter::Antialiasing);
    drawSeries(painter, chart.before, kBeforeColour, Qt::DashLine, false, at);
    drawSeries(painter, chart.after, kAfterColour, Qt::SolidLine, true, at);
    // The legend says which is which, below the axis.
    const double legendY = plot.bottom() + 32;
    double legendX = plot.left();
    const auto legend = [&](const QColor& colour, Qt::PenStyle style, bool filled, const QString& name) {
        painter.setPen(QPen(colour, 1.4, style));
        painter.drawLine(QPointF(legendX, legendY), QPointF(legendX + 18, legendY));
        painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::white));
        painter.drawEllipse(QPointF(legendX + 9, legendY), kMarker, kMarker);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(legendX + 22, legendY + metrics.ascent() / 2 - 1), name);
        legendX += 30 + metrics.horizontalAdvance(name);
    };
    if (report_.hasBefore) legend(kBeforeColour, Qt::DashLine, false, QStringLiteral("before"));
    legend(kAfterColour, Qt::SolidLine, true, report_.hasBefore ? QStringLiteral("after") : QStringLiteral("values"));
    painter.restore();
}

bool ServiceReportRenderer::print(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PageFlow flow(painter, device);
    bool drawn = drawHeader(painter, flow, report_);
    for (const ReportTable& table : report_.tables) drawn = drawn && drawTable(painter, flow, table);
    drawn = drawn && drawCharts(painter, flow, *this);
    return painter.end() && drawn;
}

bool writeServiceReportPdf(const ServiceReport& report, const std::string& path) {
    QPdfWriter pdf(QString::fromStdString(path));
    pdf.setPageLayout(ReportPageRenderer::defaultPageLayout());
    pdf.setCreator(QStringLiteral("Vantrel"));
    pdf.setTitle(QStringLiteral("Service report"));
    return ServiceReportRenderer(report).print(pdf);
}

}  // namespace vantrel
