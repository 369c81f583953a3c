#pragma once

#include <QFont>
#include <QPageLayout>
#include <QSizeF>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace vantrel {

// Draws the softpot report's lines page by page. A page is laid out in screen pixels (96 to the
// inch) and scaled onto the device, so a printer, the preview and a PDF file of the same page
// size hold the same lines on the same pages, whatever their resolution.
class ReportPageRenderer {
public:
    static constexpr double kScreenDpi = 96.0;

    explicit ReportPageRenderer(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // Times New Roman, 10 screen pixels high, weight 500.
    static QFont reportFont();
    // A4 upright with half-inch margins: the page of a PDF file when no printer says otherwise.
    static QPageLayout defaultPageLayout();

    // The printable area of a page layout in screen pixels.
    static QSizeF screenPage(const QPageLayout& layout);
    int lineHeight() const;
    int linesPerPage(const QPageLayout& layout) const;
    int pageCount(const QPageLayout& layout) const;

    // Draws page `page` (from 1) on a painter whose device shows `layout`'s printable area.
    void drawPage(QPainter& painter, const QPageLayout& layout, int page) const;
    // Prints pages first to last (held to the report's pages); false when the device cannot be
    // painted on.
    bool print(QPagedPaintDevice& device, int first, int last) const;

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// Writes every page of the report to a PDF file of the default page layout; false when the file
// cannot be written.
bool writeReportPdf(const std::vector<std::string>& lines, const std::string& path);

}  // namespace vantrel
