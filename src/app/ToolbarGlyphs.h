#pragma once

#include <QPixmap>

namespace vantrel {

// The toolbar's glyphs, drawn rather than shipped, by their bitmap numbers: 24332 (open an
// archive), 24333 (save it), 5 (read the radio), 7 (program it), 24337 (print), 8 (the COM
// port) and 2001 (the serial number). An unknown number gives an empty pixmap.
QPixmap drawToolbarGlyph(int bitmap);

// The program's icon: a portable radio with its antenna and a tuning arc, drawn on the glyphs'
// 32-pixel grid and scaled to `pixels` (the desktop menu's icons are drawn from it at build time).
QPixmap drawApplicationIcon(int pixels = 32);

namespace glyph {
inline constexpr int kLoadArchive = 24332;
inline constexpr int kSaveArchive = 24333;
inline constexpr int kReadRadio = 5;
inline constexpr int kProgramAll = 7;
inline constexpr int kPrint = 24337;
inline constexpr int kCommunicationSettings = 8;
inline constexpr int kProgramSerialNumber = 2001;
}  // namespace glyph

}  // namespace vantrel
