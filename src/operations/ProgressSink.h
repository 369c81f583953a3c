#pragma once

#include <string>

namespace vantrel {

// Where a whole-radio operation reports how far it has come. The progress window of the
// desktop program and the command line each implement it; the operations only ever call it
// from the thread they run on.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void setPercent(int percent) = 0;
};

// The usual milestone: the text "<n>% Complete", then the gauge at n.
inline void reportProgress(ProgressSink& progress, int percent) {
    progress.setText(std::to_string(percent) + "% Complete");
    progress.setPercent(percent);
}

}  // namespace vantrel
