#include "KitraDesignerPlugin.h"

#include <QIcon>

KitraDesignerWidgetInterface::KitraDesignerWidgetInterface(KitraDesignerWidget widget, QObject* parent)
    : QObject(parent)
    , m_widget(std::move(widget))
{
}

QIcon KitraDesignerWidgetInterface::icon() const
{
    return QIcon(m_widget.icon);
}

QString KitraDesignerWidgetInterface::domXml() const
{
    // The object name Designer proposes: the class name without its namespace, first letter small.
    QString objectName = m_widget.className.section(QStringLiteral("::"), -1);
    objectName[0] = objectName.at(0).toLower();
    const QRect& g = m_widget.geometry;
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\">"
                          "<property name=\"geometry\"><rect><x>%3</x><y>%4</y><width>%5</width>"
                          "<height>%6</height></rect></property></widget></ui>")
        .arg(m_widget.className, objectName)
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height());
}

KitraDesignerPlugin::KitraDesignerPlugin(QObject* parent)
    : QObject(parent)
{
    for (const KitraDesignerWidget& widget : kitraDesignerWidgets())
        m_widgets.append(new KitraDesignerWidgetInterface(widget, this));
}
