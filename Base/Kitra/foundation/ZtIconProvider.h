#pragma once

#include <QFileIconProvider>
#include <QIcon>
#include <QString>
#include "KitraExport.h"

namespace ZtGUI {

/// The platform's icon for a file.
class KITRA_EXPORT ZtIconProvider : public QFileIconProvider
{
public:
    /// The icon that the platform's file icon provider shows for the file or folder at `path`.
    static QIcon GetIcon(const QString& path);
};

} // namespace ZtGUI
