#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

/// What Designer needs to know of one library widget.
struct KitraDesignerWidget
{
    QString className;      // with its namespace, as a form's generated code names it
    QString includeFile;
    QString toolTip;
    QString icon;           // resource path
    QRect geometry;         // default size when dropped on a form
    bool container = false;
    std::function<QWidget*(QWidget*)> create;
};

/// Every widget of the library that a form may hold.
QList<KitraDesignerWidget> kitraDesignerWidgets();

/// One library widget as Designer sees it.
class KitraDesignerWidgetInterface : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    KitraDesignerWidgetInterface(KitraDesignerWidget widget, QObject* parent);

    QString name() const override { return m_widget.className; }
    QString group() const override { return QStringLiteral("Kitra"); }
    QString toolTip() const override { return m_widget.toolTip; }
    QString whatsThis() const override { return m_widget.toolTip; }
    QString includeFile() const override { return m_widget.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return m_widget.container; }
    QWidget* createWidget(QWidget* parent) override { return m_widget.create(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface*) override { m_initialized = true; }
    QString domXml() const override;

private:
    KitraDesignerWidget m_widget;
    bool m_initialized = false;
};

/// The collection Designer loads from the plugin.
class KitraDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit KitraDesignerPlugin(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};
