// A host that only knows the installed package: it opens a wall with a video window, a dialog and a
// calendar, shows them for a moment and reports what it saw. Exit code 0 means every widget came up.
#include "CommonFun.h"
#include "ZtCalendar.h"
#include "ZtDialog.h"
#include "ZtDir.h"
#include "ZtSetting.h"
#include "ZtTVWallNormalWnd.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QString skin = QStringLiteral("DustyBlue");
    QString skinRoot = QStringLiteral(KITRA_SKIN_DIR);
    ZtGUI::SetSkinVersion(skin);
    ZtGUI::ZtDir::SetCurrentPath(skinRoot);

    ZtGUI::ZtTVWallNormalWnd wall;
    wall.resize(640, 360);
    wall.SetTVWallGridCount(2, 2);
    const int screen = wall.AddScreen(ZtGUI::StructScaleRect(0.0, 0.0, 0.5, 0.5), QVariant());
    const int window = wall.OpenWindow(screen, ZtGUI::StructScaleRect(0.1, 0.1, 0.9, 0.9), QVariant());
    wall.show();

    ZtGUI::ZtDialog dialog;
    dialog.show();
    ZtGUI::ZtCalendar calendar;
    calendar.show();

    // exit() rather than quit(): Qt 6's quit() first asks every window to close, and a dialog that
    // fades out refuses until its animation ends.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    app.exec();

    const bool ok = screen == 0 && window == 0 && wall.GetWindowCount(screen) == 1 && dialog.isVisible()
        && calendar.isVisible();
    std::printf("kitra-consumer: wall %d screen(s), %d window(s); dialog %s; calendar %s\n", wall.GetScreenCount(),
                wall.GetWindowCount(screen), dialog.isVisible() ? "shown" : "hidden",
                calendar.isVisible() ? "shown" : "hidden");
    return ok ? 0 : 1;
}
