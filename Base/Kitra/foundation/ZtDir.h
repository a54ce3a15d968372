#pragma once

#include <QString>
#include "KitraExport.h"

namespace ZtGUI {

/// The application directory that every absolute skin path starts from.
class KITRA_EXPORT ZtDir
{
public:
    static void SetCurrentPath(QString& path);
    /// The path set by the host, or the application's directory while none is set.
    static QString GetCurrentPath();
};

} // namespace ZtGUI
