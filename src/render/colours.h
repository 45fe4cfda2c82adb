#pragma once

#include <QColor>

namespace quotella {

// The fixed colours of the grids. The block colour and the grid background are the
// user's, so they travel in GridStyle instead.
inline const QColor kUnmappedColour{0xA5, 0xA9, 0xA9};
inline const QColor kHighlightColour{0xFF, 0xFF, 0x00};
inline const QColor kCursorColour{0x00, 0xFF, 0x00};
inline const QColor kCommonWordColour{0xD5, 0xE9, 0xE9};
inline const QColor kIllegalColour{0xA6, 0xCA, 0xF0};
inline const QColor kAnswerBarColour{0xFF, 0xFF, 0xFF};
inline const QColor kCreamColour{0xFF, 0xFB, 0xF0};
inline const QColor kUnplacedColour{128, 128, 128};
inline const QColor kKeyWordsBackground{0xFF, 0xFF, 0xE0};
// Same-letter cells: the caption colour of an active window on the classic desktop.
inline const QColor kSameLetterColour{0x00, 0x54, 0xE3};
inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kBlack{0x00, 0x00, 0x00};

}  // namespace quotella
