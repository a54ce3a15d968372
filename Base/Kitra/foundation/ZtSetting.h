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
    /// A store on the INI file `iniPath`; an empty path gives a store without a file whose
    /// reads return the defaults. Hosts normally use GetInstance() instead.
    ZtSetting(const QString& iniPath, QObject* parent = nullptr);
    /// Writes pending changes back to the file.
    ~ZtSetting() override;

    /// The singleton, created on first use (or the first use after UnInstance()) with the path
    /// given to setIniPath(); it has no parent.
    static ZtSetting* GetInstance();
    /// Deletes the singleton, writing pending changes, if it exists; the next GetInstance() builds
    /// a new one.
    static void UnInstance();
    /// Sets the INI file path for the next singleton only: call UnInstance() first to switch files.
    static void setIniPath(QString path);

    /// Reads `key` of section `[group]`, or `defaultValue` when absent. An unquoted value that
    /// QSettings split at commas comes back as the one joined string, never as a list.
    QVariant ReadValue(const QString& group, const QString& key, const QVariant& defaultValue);
    /// Stores `value` as `key` of section `[group]`; the file is written when QSettings syncs on
    /// its own, at the latest when the store is deleted.
    void WriteValue(const QString& group, const QString& key, const QVariant& value);

    /// The singleton, or null before the first GetInstance() and after UnInstance().
    static ZtSetting* g_setting;
    /// The INI path that the next singleton opens, as set by setIniPath().
    static QString m_strIniPath;
};

//!@{
/// The name of the active skin folder below "Skin/" ("DustyBlue", "Dark"), from which skin
/// images and style sheets are read. Widgets already built keep what they loaded.
KITRA_EXPORT void SetSkinVersion(QString& version);
/// The skin version last set, empty until SetSkinVersion().
KITRA_EXPORT QString GetSkinVersion();
//!@}

//!@{
/// The host's language string, stored as given; the library keeps it for the host.
KITRA_EXPORT void SetLanguage(QString& value);
/// The language string last set, empty until SetLanguage().
KITRA_EXPORT QString GetLanguage();
//!@}
/// Loads the library's own texts for `language` ("zh_CN", "en") into `translator`, which the host
/// owns and installs with QCoreApplication::installTranslator. False when the library has no texts
/// for that language.
KITRA_EXPORT bool LoadTranslation(QTranslator& translator, const QString& language);

//!@{
/// The HTTPS switch, stored as text: empty means on, otherwise any non-zero base-10 integer
/// means on ("0" and text that is not a number mean off).
KITRA_EXPORT void SetHttpsEnable(QString& value);
/// True when the stored text is empty or a non-zero integer.
KITRA_EXPORT bool GetHttpsEnable();
//!@}

} // namespace ZtGUI
