#include "files/previewPages.h"

#include "files/formatText.h"

namespace vantrel {

void previewPages::previous() {
    if (first_ <= 1) return;
    --first_;
    if (second_ > 0) --second_;
}

void previewPages::next() {
    if (lastShown() >= maximumPage_) return;
    ++first_;
    if (second_ > 0) ++second_;
}

void previewPages::showOne() {
    twoPages_ = false;
    second_ = 0;
}

// At the last page the pair steps back so that the last page is still shown, beside the one
// before it; a report of one page leaves the second place empty.
void previewPages::showTwo() {
    twoPages_ = true;
    if (first_ < maximumPage_) {
        second_ = first_ + 1;
    } else if (maximumPage_ >= 2) {
        first_ = maximumPage_ - 1;
        second_ = maximumPage_;
    } else {
        second_ = 0;
    }
}

std::string previewPages::pageText() const {
    if (twoPages_ && second_ > 0 && second_ != first_) return formatText("Page %d - %d", first_, second_);
    return formatText("Page %d", first_);
}

}  // namespace vantrel
