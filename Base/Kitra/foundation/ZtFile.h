#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include "KitraExport.h"

namespace ZtGUI {

/// Reads whole files; a file that cannot be read gives no bytes.
class KITRA_EXPORT ZtFile
{
public:
    static QByteArray ReadAll(const QString& fileName, const QString& folder);
    /// The files concatenated in list order.
    static QByteArray ReadAll(const QStringList& fileNames, const QString& folder);
};

} // namespace ZtGUI
