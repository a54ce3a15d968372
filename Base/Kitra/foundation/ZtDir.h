#pragma once

#include <QString>
#include "KitraExport.h"

namespace ZtGUI {

/// The application directory that every absolute skin path starts from.
class KITRA_EXPORT ZtDir
{
public:
    /// Sets the directory that skin paths start from (no trailing "/"); an empty path returns to
    /// the application's directory. Call before the first widget is built.
    static void SetCurrentPath(QString& path);
    /// The path set by the host, or QCoreApplication::applicationDirPath() while none is set.
    static QString GetCurrentPath();
};

} // namespace ZtGUI
