#include "ZtDir.h"

#include <QCoreApplication>

namespace ZtGUI {

namespace {
QString g_currentPath;
}

void ZtDir::SetCurrentPath(QString& path)
{
    g_currentPath = path;
}

QString ZtDir::GetCurrentPath()
{
    return g_currentPath.isEmpty() ? QCoreApplication::applicationDirPath() : g_currentPath;
}

} // namespace ZtGUI
