#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QString>
#include "KitraExport.h"
#include "ZtSetting.h"

class QFontMetrics;
class QWidget;

namespace ZtGUI {

/// Skin look-ups, style-sheet loading, configuration-file backups and text helpers.
class KITRA_EXPORT CommonFun
{
public:
    /// The kind of the active skin, for colours that the style sheets cannot carry:
    /// `E_SKIN_DARK` when the skin folder's name contains "Dark" (case-sensitive), otherwise
    /// `E_SKIN_NORMAL`.
    enum E_SKIN_TYPE { E_SKIN_NORMAL = 0, E_SKIN_DARK = 1 };

    /// "./Skin/" followed by key `SkinFolder` of section `SkinStyle` in the settings file, or
    /// "./Skin/DustyBlue" when the key is absent or empty; relative to the working directory.
    static QString GetSkinFolderPath();
    /// `E_SKIN_DARK` when GetSkinFolderPath() contains "Dark" (so "DarkBlue" is dark, "dark" is not).
    static E_SKIN_TYPE GetSkinType();
    /// The absolute path of a skin image: ZtDir::GetCurrentPath() + "/Skin/" + GetSkinVersion() +
    /// "/" + `module` + "/" + `relativeFile`. The file's existence is not checked.
    static QString GetSkinPath(const QString& module, const QString& relativeFile);
    /// ZtDir::GetCurrentPath() + "/Skin/" + `relativePath`, without the skin version.
    static QString GetSkinPathEx(const QString& relativePath);
    /// The HTTPS switch as GetHttpsEnable() interprets it.
    static bool GetHttpsEnableStatus();

    /// Loads a skin style sheet onto `widget` from ZtDir::GetCurrentPath() + "/Skin/" +
    /// GetSkinVersion() + "/Orvale/" + `folder` (or "/" + `module` + "/" + `folder` when `module` is
    /// given). An empty `cssFile` means the widget's class name without namespace + ".css". A null
    /// widget, or a missing or empty file, leaves everything as it was.
    static void SetStyleSheet(QWidget* widget, const QString& folder, const QString& cssFile,
                              const QString& module = QString());
    /// Loads `cssFile` from ZtDir::GetCurrentPath() + "/Skin/" + `relativeFolder` onto `widget`; a
    /// null widget, or a missing or empty file, leaves everything as it was.
    static void SetStyleSheetEx(QWidget* widget, const QString& cssFile, const QString& relativeFolder);

    /// Call before opening a configuration file: when `path` has no data (see CheckFileHasData())
    /// but its backup `path` + ".usertmp" has, replaces `path` with a copy of the backup. Always
    /// returns `path`.
    static QString GetHasBackupConfigFileName(const QString& path);
    /// True when one of the first 10 bytes of the file's first line is above 0x01 (and below 0x80).
    /// False for an empty path, a missing, unreadable or empty file, or one that an interrupted
    /// write left filled with 0x00 or 0x01 bytes.
    static bool CheckFileHasData(const QString& path);
    /// Call after writing a configuration file: when it has data, copies it over its backup
    /// `path` + ".usertmp"; otherwise keeps the old backup. A failed copy is not reported.
    static void BackupConfigFile(const QString& path);

    /// The longest prefix of `text` that takes at most `maxBytes` bytes in UTF-8 and ends on a
    /// whole character (a surrogate pair or a letter with its combining marks is never split);
    /// an empty string for a budget of 0 or less, `text` itself when it fits.
    static QString GetUtf8ValidByteLenString(const QString& text, int maxBytes);
    /// The same, measured in the local 8-bit encoding.
    static QString GetLocal8BitValidByteLenString(const QString& text, int maxBytes);
    /// True when the text is empty or holds nothing but spaces (U+0020), ideographic spaces
    /// (U+3000) and replacement characters (U+FFFD, what a GB2312 ideographic space becomes when
    /// read as UTF-8). Tabs and line feeds count as text.
    static bool IsQStrEmpty(const QString& text);
};

/// Decodes the zero-terminated `bytes` with the codec named `codecName` ("GBK", "UTF-8"...), or as
/// UTF-8 when `codecName` is null or names no codec.
KITRA_EXPORT QString ConvertToUnicode(const char* bytes, const char* codecName);
/// Encodes `text` with the codec named `codecName`, or in the local 8-bit encoding when
/// `codecName` is null or names no codec.
KITRA_EXPORT QByteArray ConvertFromUnicode(const QString& text, const char* codecName);
/// Inserts line feeds so that every line stays under `width` pixels in `metrics`; a Latin word
/// that follows a space moves whole to the next line, other text breaks at any character. Text
/// that fits already comes back unchanged; otherwise the result is trimmed.
KITRA_EXPORT QString ConvertWarpText(const QFontMetrics& metrics, const QString& text, int width);
/// The text form of the first address of this host with the given protocol (loopback included,
/// in QNetworkInterface::allAddresses() order), or an empty string when there is none.
KITRA_EXPORT QString GetLocalIP(QAbstractSocket::NetworkLayerProtocol protocol);
/// Blocks the calling thread for `milliseconds` ms without processing events (0 for a negative value).
KITRA_EXPORT void qSleep(int milliseconds);
/// Waits at least `milliseconds` ms while processing events, so that the GUI stays alive;
/// processes events once and sleeps 10 ms even for 0.
KITRA_EXPORT void qWait(int milliseconds);

} // namespace ZtGUI
