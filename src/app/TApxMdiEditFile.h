#pragma once

#include <QPlainTextEdit>

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {

// The report window: the text of "display.txt", loaded when it is made. It is never shown; print
// and preview draw its lines.
class TApxMdiEditFile : public QPlainTextEdit {
public:
    explicit TApxMdiEditFile(const std::filesystem::path& file, QWidget* parent = nullptr);

    bool loaded() const { return loaded_; }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    bool loaded_ = false;
};

}  // namespace vantrel
