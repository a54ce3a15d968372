#include "ZtSetting.h"

#include <QTranslator>

#include <QStringList>

namespace ZtGUI {

namespace {
// Process-wide strings the host sets before it builds widgets.
QString g_skinVersion;
QString g_language;
QString g_httpsEnable;

QString composedKey(const QString& group, const QString& key)
{
    return QStringLiteral("%1/%2").arg(group, key);
}
} // namespace

ZtSetting* ZtSetting::g_setting = nullptr;
QString ZtSetting::m_strIniPath;

ZtSetting::ZtSetting(const QString& iniPath, QObject* parent)
    : QSettings(iniPath, QSettings::IniFormat, parent)
{
}

ZtSetting::~ZtSetting() = default;

ZtSetting* ZtSetting::GetInstance()
{
    // Owned by the process until UnInstance; it has no parent on purpose.
    if (!g_setting)
        g_setting = new ZtSetting(m_strIniPath, nullptr);
    return g_setting;
}

void ZtSetting::UnInstance()
{
    delete g_setting;
    g_setting = nullptr;
}

void ZtSetting::setIniPath(QString path)
{
    m_strIniPath = path;
}

QVariant ZtSetting::ReadValue(const QString& group, const QString& key, const QVariant& defaultValue)
{
    const QVariant value = this->value(composedKey(group, key), defaultValue);
    // An unquoted INI value holding commas reads as a list; callers want the text as written.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value;
}

void ZtSetting::WriteValue(const QString& group, const QString& key, const QVariant& value)
{
    setValue(composedKey(group, key), value);
}

void SetSkinVersion(QString& version)
{
    g_skinVersion = version;
}

QString GetSkinVersion()
{
    return g_skinVersion;
}

void SetLanguage(QString& value)
{
    g_language = value;
}

QString GetLanguage()
{
    return g_language;
}

bool LoadTranslation(QTranslator& translator, const QString& language)
{
    // The compiled texts travel inside the library, so a host needs no files beside it.
    return !language.isEmpty()
        && translator.load(QStringLiteral("kitra_") + language, QStringLiteral(":/kitra/translations"));
}

void SetHttpsEnable(QString& value)
{
    g_httpsEnable = value;
}

bool GetHttpsEnable()
{
    if (g_httpsEnable.isEmpty())
        return true;
    return g_httpsEnable.toInt(nullptr, 10) != 0;
}

} // namespace ZtGUI
