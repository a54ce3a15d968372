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
    static QIcon GetIcon(const QString& path);
};

} // namespace ZtGUI
