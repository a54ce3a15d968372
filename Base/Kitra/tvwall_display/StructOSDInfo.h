#pragma once

#include <QtGlobal>
#include <string>

namespace ZtGUI {

/// Red, green and blue (0 to 255) and a fourth value: the transparency (0 to 128) of a
/// background colour; a text colour's fourth value is not read.
struct StructOSDColor
{
    qint32 iRed = 0;
    qint32 iGreen = 0;
    qint32 iBlue = 0;
    qint32 iAlpha = 0;
};

/// Edges in units of 1/8192 of the screen's width and height.
struct StructOSDRect
{
    qint32 iLeft = 0;
    qint32 iTop = 0;
    qint32 iRight = 0;
    qint32 iBottom = 0;
};

/// One on-screen-display text of a display screen; its id is its position in the list (0 to 7).
struct StructOSDInfo
{
    bool bShow = false;
    StructOSDColor struTextColor;
    StructOSDColor struBackColor;
    qint32 struReserved[4] = {0, 0, 0, 0};
    StructOSDRect struRect;
    char cReserved1 = 0;
    char cScrollDirection = 0;   ///< 0 or 1, for QOSDShowLabel
    char cScrollSpeed = 0;       ///< 0 (still) to 4, for QOSDShowLabel
    char cFontScale = 0;         ///< percent of the line height, or of the width when smaller
    char cAlign = 0;             ///< 0 left, 1 centred, 2 right
    char cReserved2 = 0;
    std::string strText;         ///< local 8-bit encoding, lines separated by "\n"
    qint32 iReserved = 0;
    std::string strFontName;     ///< "simHei", "simKai", anything else a song-style font
    bool bTransparency = false;  ///< the background's transparency scales its alpha
};

} // namespace ZtGUI
