// The gallery: a host application that shows every widget of the library, one page per subsystem.
//   kitra-gallery [--skin DustyBlue|Dark] [--language en_US|zh_CN] [--screenshot DIR]
#include "GalleryWindow.h"
#include "GallerySetup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <memory>

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
    const QCommandLineOption languageOption(QStringLiteral("language"), QStringLiteral("Language: en_US or zh_CN."),
                                            QStringLiteral("name"), QStringLiteral("en_US"));
    parser.addOption(skinOption);
    parser.addOption(languageOption);
    parser.addOption(shotOption);
    parser.process(app);

    const QString skin = parser.value(skinOption);
    if (!skin.isEmpty() && skin != QLatin1String("DustyBlue") && skin != QLatin1String("Dark")) {
        qCritical("Unknown skin %s: use DustyBlue or Dark", qPrintable(skin));
        return 2;
    }
    const QString language = parser.value(languageOption);
    if (language != QLatin1String("en_US") && language != QLatin1String("zh_CN")) {
        qCritical("Unknown language %s: use en_US or zh_CN", qPrintable(language));
        return 2;
    }
    // Skin paths in style sheets are relative to the working directory, as in a deployed host.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    const QTemporaryDir scratch;
    ConfigureGallery(skin, language, scratch);

    if (parser.isSet(shotOption))
        return GalleryWindow().SaveScreenshots(parser.value(shotOption)) ? 0 : 1;

    // Another skin or language rebuilds every page, as a host restarts its views after such a change.
    std::unique_ptr<GalleryWindow> window;
    std::function<void(const QString&, const QString&)> rebuild = [&](const QString& newSkin, const QString& newLanguage) {
        const QRect geometry = window ? window->geometry() : QRect();
        if (window)
            window.release()->deleteLater();
        ConfigureGallery(newSkin, newLanguage, scratch);
        window = std::make_unique<GalleryWindow>();
        if (geometry.isValid())
            window->setGeometry(geometry);
        QObject::connect(window.get(), &GalleryWindow::ConfigurationRequested, &app, rebuild,
                         Qt::QueuedConnection);
        window->show();
    };
    rebuild(skin, language);
    return app.exec();
}
