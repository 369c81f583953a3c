#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class radioStorage;
struct TuningFamily;
struct TuningRow;

// What one Program of a screen did, row by row, for the service log. The commit notes each
// row it sent or refused; a row whose stored value changed without a note (a family that
// stores in a step of its own) counts as sent; when the commit failed, the first row it did
// not finish is the one that failed, and the rows after it were never tried.
class TuningCommitJournal {
public:
    TuningCommitJournal(const TuningFamily& family, const radioStorage& storage, std::vector<std::int32_t> before,
                        const std::vector<std::string>& boxTexts);

    void committed(int row, std::uint32_t value);
    // The commit stopped at the row it had reached (the first in use it had not sent); `value`
    // is empty when the box was.
    void refused(std::optional<std::uint32_t> value, std::string_view reason);
    // One line per row the commit reached; `after` holds the rows' stored values now.
    void write(const std::vector<TuningRow>& rows, const std::vector<std::int32_t>& after,
               std::optional<std::string_view> failure) const;

private:
    struct Note {
        bool done = false;
        std::optional<std::uint32_t> value;
        std::string reason;
    };

    std::optional<std::uint32_t> intended(std::size_t row) const;

    const TuningFamily& family_;
    const radioStorage& storage_;
    std::vector<std::int32_t> before_;
    std::vector<std::string> boxTexts_;
    std::vector<std::optional<Note>> notes_;
    std::optional<Note> refusal_;
};

}  // namespace vantrel
