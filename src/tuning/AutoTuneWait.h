#pragma once

namespace vantrel {

// The wait dialog shown while the radio tunes itself. The desktop shows its modeless
// autoTuneDialog; the command line and the tests have their own.
class AutoTuneWait {
public:
    virtual ~AutoTuneWait() = default;
    virtual void show() = 0;
    virtual void close() = 0;
};

// The wait of one automatic tuning: shown when made, closed by close() or, on any other way
// out (a failure included), when it goes.
class AutoTuneWaitScope {
public:
    explicit AutoTuneWaitScope(AutoTuneWait* wait) : wait_(wait) {
        if (wait_ != nullptr) wait_->show();
    }
    ~AutoTuneWaitScope() { close(); }
    AutoTuneWaitScope(const AutoTuneWaitScope&) = delete;
    AutoTuneWaitScope& operator=(const AutoTuneWaitScope&) = delete;

    void close() {
        if (wait_ != nullptr) wait_->close();
        wait_ = nullptr;
    }

private:
    AutoTuneWait* wait_;
};

}  // namespace vantrel
