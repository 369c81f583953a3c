#pragma once

#include <string>

namespace vantrel {

// Which report pages the preview window shows, one or two side by side, and what its buttons
// may do. The preview shows page 1 alone at first.
class previewPages {
public:
    explicit previewPages(int maximumPage) : maximumPage_(maximumPage < 1 ? 1 : maximumPage) {}

    int firstShown() const { return first_; }
    // The page beside the first one, or 0 when there is none (one page shown, or an empty slot).
    int secondShown() const { return second_; }
    bool twoPages() const { return twoPages_; }
    int lastShown() const { return second_ > 0 ? second_ : first_; }
    int maximumPage() const { return maximumPage_; }

    bool canGoBack() const { return first_ != 1; }
    bool canGoForward() const { return lastShown() != maximumPage_; }
    // Two pages side by side only fit a page that is not wider than high.
    static bool canShowTwo(double pageWidth, double pageHeight) { return pageHeight >= pageWidth; }

    void previous();
    void next();
    void showOne();
    void showTwo();

    // "Page 3", or "Page 3 - 4" while two different pages are shown.
    std::string pageText() const;

private:
    int maximumPage_;
    int first_ = 1;
    int second_ = 0;
    bool twoPages_ = false;
};

}  // namespace vantrel
