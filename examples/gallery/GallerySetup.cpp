// The library's start-up calls as the gallery makes them, shared by the gallery and its end-to-end test.
#include "GallerySetup.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtFile.h"
#include "ZtSetting.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>

using namespace ZtGUI;

namespace {

// The library reads its configuration while widgets are built, so it is all set first. The skin
// goes into a copy of the shipped settings in `scratch`, so that one run does not change the next.
void configureLibrary(QString skin, QString language, const QTemporaryDir& scratch)
{
    const QString iniPath = scratch.filePath(QStringLiteral("gallery.ini"));
    if (!QFile::exists(iniPath)) {
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/gallery.ini"), iniPath);
        QFile::setPermissions(iniPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    ZtSetting::setIniPath(iniPath);
    ZtSetting* settings = ZtSetting::GetInstance();
    if (skin.isEmpty())
        skin = settings->ReadValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"),
                                   QStringLiteral("DustyBlue")).toString();
    settings->WriteValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"), skin);
    QString appDir = QCoreApplication::applicationDirPath();
    QString https = QStringLiteral("1");
    SetSkinVersion(skin);
    ZtDir::SetCurrentPath(appDir);
    SetLanguage(language);
    SetHttpsEnable(https);

    // The host owns the translator and swaps it when the operator picks another language.
    static QTranslator libraryTexts;
    QCoreApplication::removeTranslator(&libraryTexts);
    if (LoadTranslation(libraryTexts, language))
        QCoreApplication::installTranslator(&libraryTexts);
}

// The host's own chrome follows the skin kind the library reports.
void applyHostPalette()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette palette = QApplication::style()->standardPalette();
    if (CommonFun::GetSkinType() != CommonFun::E_SKIN_DARK) {
        QApplication::setPalette(palette);
        return;
    }
    palette.setColor(QPalette::Window, QColor(0x2a, 0x31, 0x3a));
    palette.setColor(QPalette::WindowText, QColor(0xd5, 0xdd, 0xe6));
    palette.setColor(QPalette::Base, QColor(0x1f, 0x25, 0x2d));
    palette.setColor(QPalette::AlternateBase, QColor(0x26, 0x2d, 0x36));
    palette.setColor(QPalette::Text, QColor(0xd5, 0xdd, 0xe6));
    palette.setColor(QPalette::Button, QColor(0x33, 0x3c, 0x47));
    palette.setColor(QPalette::ButtonText, QColor(0xd5, 0xdd, 0xe6));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x6a, 0x99));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // Disabled widgets fade into the background rather than keep the bright text.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x78, 0x82, 0x8e));
    QApplication::setPalette(palette);
}

} // namespace

void ConfigureGallery(const QString& skin, const QString& language, const QTemporaryDir& scratch)
{
    configureLibrary(skin, language, scratch);
    applyHostPalette();
    // Dialogs are top-level windows: the skin's dialog sheet goes on the whole application.
    qApp->setStyleSheet(QString::fromUtf8(ZtFile::ReadAll(
        QStringLiteral("ZtDialog.css"), CommonFun::GetSkinPath(QStringLiteral("Orvale"), QStringLiteral("Common")))));
}

