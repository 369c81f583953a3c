#pragma once

#include <string>

namespace vantrel {

// printf-style formatting into a string of whatever length the result needs: the C formats
// of the reports and status texts ("%f", "%1.3f", "%d") keep their exact output, and no
// fixed buffer can overflow.
#if defined(__GNUC__) || defined(__clang__)
__attribute__((format(printf, 1, 2)))
#endif
std::string
formatText(const char* format, ...);

}  // namespace vantrel
