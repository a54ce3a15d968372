#include "struTreeViewData.h"

namespace ZtGUI {

namespace {

// Registered when the library loads: the role travels as the return value of a delegate method
// invoked by name, and the value types are stored in models' QVariants and queued connections,
// as is the check state that the header's signals carry.
void registerItemViewTypes()
{
    qRegisterMetaType<Qt::CheckState>();
    QMetaType::registerNormalizedTypedef("ZtGUI::struTreeViewData::ZtItemDataRole",
                                         qMetaTypeId<struTreeViewData::ZtItemDataRole>());
    qRegisterMetaType<ItemPixmapValue>("ZtGUI::ItemPixmapValue");
    qRegisterMetaType<QList<ZtVariantMap>>("QList<ZtGUI::ZtVariantMap>");
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerItemViewTypes)

} // namespace ZtGUI
