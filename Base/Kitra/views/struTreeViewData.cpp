#include "struTreeViewData.h"

namespace ZtGUI {

namespace {

// Registered when the library loads: the role travels as the return value of a delegate method
// invoked by name, and the value types are stored in models' QVariants and queued connections,
// as is the check state that the header's signals carry.
void registerItemViewTypes()
{
    qRegisterMetaType<Qt::CheckState>();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QMetaType::registerNormalizedTypedef("ZtGUI::struTreeViewData::ZtItemDataRole",
                                         qMetaTypeId<struTreeViewData::ZtItemDataRole>());
#else
    qRegisterMetaType<struTreeViewData::ZtItemDataRole>("struTreeViewData::ZtItemDataRole");
#endif
    qRegisterMetaType<ItemPixmapValue>("ZtGUI::ItemPixmapValue");
    qRegisterMetaType<QList<ZtVariantMap>>("QList<ZtGUI::ZtVariantMap>");
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerItemViewTypes)

} // namespace ZtGUI
