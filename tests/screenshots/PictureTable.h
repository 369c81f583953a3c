#pragma once

#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace vantrel::testing {

class PictureSession;

// One picture of the documentation: where it goes under docs/, and how the program is brought
// to show it in a session of its own.
struct Picture {
    std::string file;
    std::function<QImage(PictureSession&)> take;
};

// Every picture the README, the manual and the help pages show.
const std::vector<Picture>& pictureTable();

}  // namespace vantrel::testing
