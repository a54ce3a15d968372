#include "ZtFile.h"

#include <QFile>

namespace ZtGUI {

QByteArray ZtFile::ReadAll(const QString& fileName, const QString& folder)
{
    QFile file(folder.isEmpty() ? fileName : folder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray ZtFile::ReadAll(const QStringList& fileNames, const QString& folder)
{
    QByteArray all;
    for (const QString& fileName : fileNames)
        all += ReadAll(fileName, folder);
    return all;
}

} // namespace ZtGUI
