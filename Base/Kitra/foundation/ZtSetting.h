#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include "KitraExport.h"

class QTranslator;

namespace ZtGUI {

/// The library's settings store: one INI file whose path the host sets before the first widget
/// is built. A process-wide singleton; `UnInstance` releases it so that a new path takes effect.
class KITRA_EXPORT ZtSetting : public QSettings
{
    Q_OBJECT

public:
    ZtSetting(const QString& iniPath, QObject* parent = nullptr);
    ~ZtSetting() override;

    /// The singleton, created on first use with the path given to `setIniPath`.
    static ZtSetting* GetInstance();
    static void UnInstance();
    /// Takes effect for the next singleton only.
    static void setIniPath(QString path);

    /// Reads `key` of section `group`; a value QSettings split at commas comes back joined.
    QVariant ReadValue(const QString& group, const QString& key, const QVariant& defaultValue);
    void WriteValue(const QString& group, const QString& key, const QVariant& value);

    static ZtSetting* g_setting;
    static QString m_strIniPath;
};

/// The name of the active skin folder below "Skin/".
KITRA_EXPORT void SetSkinVersion(QString& version);
KITRA_EXPORT QString GetSkinVersion();

KITRA_EXPORT void SetLanguage(QString& value);
KITRA_EXPORT QString GetLanguage();
/// Loads the library's own texts for `language` ("zh_CN", "en") into `translator`, which the host
/// owns and installs with QCoreApplication::installTranslator. False when the library has no texts
/// for that language.
KITRA_EXPORT bool LoadTranslation(QTranslator& translator, const QString& language);

/// Stored as text: empty means on, otherwise any non-zero integer means on.
KITRA_EXPORT void SetHttpsEnable(QString& value);
KITRA_EXPORT bool GetHttpsEnable();

} // namespace ZtGUI
