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
    enum E_SKIN_TYPE { E_SKIN_NORMAL = 0, E_SKIN_DARK = 1 };

    /// "./Skin/<SkinFolder>" from the settings, relative to the working directory.
    static QString GetSkinFolderPath();
    static E_SKIN_TYPE GetSkinType();
    /// <application dir>/Skin/<skin version>/<module>/<relativeFile>
    static QString GetSkinPath(const QString& module, const QString& relativeFile);
    /// <application dir>/Skin/<relativePath>
    static QString GetSkinPathEx(const QString& relativePath);
    static bool GetHttpsEnableStatus();

    /// Loads a skin style sheet onto `widget`; an empty `cssFile` means "<ClassName>.css". A missing
    /// or empty file leaves the widget's style sheet as it was.
    static void SetStyleSheet(QWidget* widget, const QString& folder, const QString& cssFile,
                              const QString& module = QString());
    static void SetStyleSheetEx(QWidget* widget, const QString& cssFile, const QString& relativeFolder);

    /// Restores `path` from its backup when `path` lost its data; returns `path`.
    static QString GetHasBackupConfigFileName(const QString& path);
    /// False for a missing, empty or zero-filled file (as an interrupted write leaves it).
    static bool CheckFileHasData(const QString& path);
    static void BackupConfigFile(const QString& path);

    /// The longest prefix of `text` that takes at most `maxBytes` bytes in UTF-8.
    static QString GetUtf8ValidByteLenString(const QString& text, int maxBytes);
    /// The same, measured in the local 8-bit encoding.
    static QString GetLocal8BitValidByteLenString(const QString& text, int maxBytes);
    /// True when the text holds nothing but spaces.
    static bool IsQStrEmpty(const QString& text);
};

/// Decodes with the named codec, or as UTF-8 when there is no such codec.
KITRA_EXPORT QString ConvertToUnicode(const char* bytes, const char* codecName);
/// Encodes with the named codec, or in the local 8-bit encoding when there is no such codec.
KITRA_EXPORT QByteArray ConvertFromUnicode(const QString& text, const char* codecName);
/// Inserts line feeds so that every line fits `width` pixels; Latin words move whole.
KITRA_EXPORT QString ConvertWarpText(const QFontMetrics& metrics, const QString& text, int width);
/// The first address of this host with the given protocol, or an empty string.
KITRA_EXPORT QString GetLocalIP(QAbstractSocket::NetworkLayerProtocol protocol);
/// Blocks without processing events.
KITRA_EXPORT void qSleep(int milliseconds);
/// Waits while processing events, so that the GUI stays alive.
KITRA_EXPORT void qWait(int milliseconds);

} // namespace ZtGUI
