#include "ZtIconProvider.h"

#include <QFileInfo>

namespace ZtGUI {

QIcon ZtIconProvider::GetIcon(const QString& path)
{
    const QFileIconProvider provider;
    return provider.icon(QFileInfo(path));
}

} // namespace ZtGUI
