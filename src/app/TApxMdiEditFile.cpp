#include "app/TApxMdiEditFile.h"

#include "files/reportPages.h"

#include <fstream>
#include <iterator>

namespace vantrel {

TApxMdiEditFile::TApxMdiEditFile(const std::filesystem::path& file, QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    std::ifstream in(file, std::ios::binary);
    if (!in) return;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    lines_ = splitReportLines(text);
    loaded_ = true;
    setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace vantrel
