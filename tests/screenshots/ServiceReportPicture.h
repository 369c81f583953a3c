#pragma once

#include <QImage>

namespace vantrel::testing {

class PictureSession;

// The first page of the service report of a mobile retuned on the bench: before and after are
// two reads of the same radio, the second with a few softpots moved as a technician would.
QImage serviceReportPage(PictureSession& s);

}  // namespace vantrel::testing
