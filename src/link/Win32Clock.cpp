#include "link/Win32Clock.h"

#include <windows.h>

namespace vantrel {

std::uint32_t Win32Clock::milliseconds() { return GetTickCount(); }

void Win32Clock::sleep(std::uint32_t ms) { Sleep(ms); }

}  // namespace vantrel
