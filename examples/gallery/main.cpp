// The gallery: a host application that shows every widget of the library, one page per subsystem.
//   kitra-gallery [--skin DustyBlue|Dark] [--screenshot DIR]
#include "GalleryWindow.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtFile.h"
#include "ZtSetting.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>

using namespace ZtGUI;

namespace {

// The library reads its configuration while widgets are built, so it is all set first. A skin
// asked for on the command line goes into a copy of the shipped settings in `scratch`, so that
// one run does not change the next.
void configureLibrary(const QString& requestedSkin, const QTemporaryDir& scratch)
{
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/gallery.ini");
    QString iniPath = shipped;
    if (!requestedSkin.isEmpty()) {
        iniPath = scratch.filePath(QStringLiteral("gallery.ini"));
        QFile::copy(shipped, iniPath);
        QFile::setPermissions(iniPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    ZtSetting::setIniPath(iniPath);
    ZtSetting* settings = ZtSetting::GetInstance();
    if (!requestedSkin.isEmpty())
        settings->WriteValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"), requestedSkin);
    QString skin = settings->ReadValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"),
                                       QStringLiteral("DustyBlue")).toString();
    QString appDir = QCoreApplication::applicationDirPath();
    QString language = QStringLiteral("en_US");
    QString https = QStringLiteral("1");
    SetSkinVersion(skin);
    ZtDir::SetCurrentPath(appDir);
    SetLanguage(language);
    SetHttpsEnable(https);
}

// The host's own chrome follows the skin kind the library reports.
void applyHostPalette()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (CommonFun::GetSkinType() != CommonFun::E_SKIN_DARK)
        return;
    QPalette palette;
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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kitra gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every widget of the Kitra library."));
    parser.addHelpOption();
    const QCommandLineOption skinOption(QStringLiteral("skin"), QStringLiteral("Skin to use: DustyBlue or Dark."),
                                        QStringLiteral("name"));
    const QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Render every page to DIR/<page>.png and exit."),
                                        QStringLiteral("DIR"));
    parser.addOption(skinOption);
    parser.addOption(shotOption);
    parser.process(app);

    const QString skin = parser.value(skinOption);
    if (!skin.isEmpty() && skin != QLatin1String("DustyBlue") && skin != QLatin1String("Dark")) {
        qCritical("Unknown skin %s: use DustyBlue or Dark", qPrintable(skin));
        return 2;
    }
    // Skin paths in style sheets are relative to the working directory, as in a deployed host.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    const QTemporaryDir scratch;
    configureLibrary(skin, scratch);
    applyHostPalette();
    // Dialogs are top-level windows: the skin's dialog sheet goes on the whole application.
    qApp->setStyleSheet(QString::fromUtf8(
        ZtFile::ReadAll(QStringLiteral("ZtDialog.css"), CommonFun::GetSkinPath(QStringLiteral("Orvale"), QStringLiteral("Common")))));

    GalleryWindow window;
    if (parser.isSet(shotOption))
        return window.SaveScreenshots(parser.value(shotOption)) ? 0 : 1;
    window.show();
    return app.exec();
}
