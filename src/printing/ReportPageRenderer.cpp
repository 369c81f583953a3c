#include "printing/ReportPageRenderer.h"

#include "files/reportPages.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

constexpr int kFontPixels = 10;
constexpr int kFontWeight = 500;
constexpr int kTabColumns = 8;
constexpr double kPointsPerInch = 72.0;

}  // namespace

namespace {

// Tabs stop every eight average characters, as in a text window; each stretch between tabs is
// drawn where its stop falls.
void drawLine(QPainter& painter, const QFontMetricsF& metrics, double baseline, const std::string& line) {
    const double tabWidth = kTabColumns * metrics.averageCharWidth();
    double x = 0;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t tab = std::min(line.find('\t', start), line.size());
        const QString stretch = QString::fromLatin1(line.data() + start, static_cast<qsizetype>(tab - start));
        if (!stretch.isEmpty()) {
            painter.drawText(QPointF(x, baseline), stretch);
            x += metrics.horizontalAdvance(stretch);
        }
        if (tab == line.size()) break;
        x = (std::floor(x / tabWidth) + 1) * tabWidth;
        start = tab + 1;
    }
}

}  // namespace

QFont ReportPageRenderer::reportFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(kFontPixels);
    font.setWeight(QFont::Weight(kFontWeight));
    return font;
}

QPageLayout ReportPageRenderer::defaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36), QPageLayout::Point);
}

QSizeF ReportPageRenderer::screenPage(const QPageLayout& layout) {
    return layout.paintRect(QPageLayout::Point).size() * (kScreenDpi / kPointsPerInch);
}

// Character height and the font's external leading, as a text line steps down the page.
int ReportPageRenderer::lineHeight() const {
    const QFontMetrics metrics(reportFont());
    return metrics.height() + std::max(0, metrics.leading());
}

int ReportPageRenderer::linesPerPage(const QPageLayout& layout) const {
    return reportLinesPerPage(screenPage(layout).height(), lineHeight());
}

int ReportPageRenderer::pageCount(const QPageLayout& layout) const {
    return reportPageCount(lines_.size(), linesPerPage(layout));
}

void ReportPageRenderer::drawPage(QPainter& painter, const QPageLayout& layout, int page) const {
    const int perPage = linesPerPage(layout);
    if (perPage == 0) return;
    const QSizeF area = screenPage(layout);
    painter.save();
    // The painter's device shows the printable area; its logical units become screen pixels.
    const QRect device = painter.viewport();
    painter.setWindow(0, 0, qRound(area.width()), qRound(area.height()));
    painter.setViewport(device);
    const QFont font = reportFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    const int height = lineHeight();
    const ReportPageLines shown = reportPageLines(page, perPage, lines_.size());
    for (std::size_t i = shown.first; i < shown.end; ++i) {
        const double top = static_cast<double>((i - shown.first) * static_cast<std::size_t>(height));
        drawLine(painter, metrics, top + metrics.ascent(), lines_[i]);
    }
    painter.restore();
}

bool ReportPageRenderer::print(QPagedPaintDevice& device, int first, int last) const {
    const QPageLayout layout = device.pageLayout();
    const int pages = pageCount(layout);
    first = std::clamp(first, 1, pages);
    last = std::clamp(last, first, pages);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (int page = first; page <= last; ++page) {
        if (page != first && !device.newPage()) return false;
        drawPage(painter, layout, page);
    }
    return painter.end();
}

bool writeReportPdf(const std::vector<std::string>& lines, const std::string& path) {
    QPdfWriter pdf(QString::fromStdString(path));
    pdf.setPageLayout(ReportPageRenderer::defaultPageLayout());
    pdf.setCreator(QStringLiteral("Vantrel"));
    ReportPageRenderer renderer(lines);
    const int pages = renderer.pageCount(pdf.pageLayout());
    return renderer.print(pdf, 1, pages);
}

}  // namespace vantrel
