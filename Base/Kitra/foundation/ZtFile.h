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
    /// The whole content of `folder` + "/" + `fileName` (just `fileName` when `folder` is empty);
    /// an empty array when the file cannot be opened.
    static QByteArray ReadAll(const QString& fileName, const QString& folder);
    /// The files of `folder` concatenated in list order; an unreadable file adds nothing.
    static QByteArray ReadAll(const QStringList& fileNames, const QString& folder);
};

} // namespace ZtGUI
