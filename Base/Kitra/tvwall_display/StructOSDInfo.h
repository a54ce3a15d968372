#pragma once

#include <QtGlobal>
#include <string>

namespace ZtGUI {

/// Red, green and blue (0 to 255) and a fourth value: the transparency (0 to 128) of a
/// background colour; a text colour's fourth value is not read.
struct StructOSDColor
{
    qint32 iRed = 0; ///< red, 0 to 255
    qint32 iGreen = 0; ///< green, 0 to 255
    qint32 iBlue = 0; ///< blue, 0 to 255
    qint32 iAlpha = 0; ///< background: transparency 0 to 128 (see StructOSDInfo::bTransparency); text: not read
};

/// Edges in units of 1/8192 of the screen's width and height.
struct StructOSDRect
{
    qint32 iLeft = 0; ///< left edge, 0 to 8192
    qint32 iTop = 0; ///< top edge, 0 to 8192
    qint32 iRight = 0; ///< right edge, 0 to 8192
    qint32 iBottom = 0; ///< bottom edge, 0 to 8192
};

/// One on-screen-display text of a display screen; its id is its position in the list (0 to 7).
struct StructOSDInfo
{
    bool bShow = false; ///< shown when the list is applied
    StructOSDColor struTextColor; ///< text colour
    StructOSDColor struBackColor; ///< background colour and transparency
    qint32 struReserved[4] = {0, 0, 0, 0}; ///< not read
    StructOSDRect struRect; ///< place on the screen in 1/8192 of its width and height
    char cReserved1 = 0; ///< not read
    char cScrollDirection = 0;   ///< 0 or 1, for QOSDShowLabel
    char cScrollSpeed = 0;       ///< 0 (still) to 4, for QOSDShowLabel
    char cFontScale = 0;         ///< percent of the line height, or of the width when smaller
    char cAlign = 0;             ///< 0 left, 1 centred, 2 right
    char cReserved2 = 0; ///< not read
    std::string strText;         ///< local 8-bit encoding, lines separated by "\n"
    qint32 iReserved = 0; ///< not read
    std::string strFontName;     ///< "simHei", "simKai", anything else a song-style font
    bool bTransparency = false;  ///< the background's transparency scales its alpha
};

} // namespace ZtGUI
