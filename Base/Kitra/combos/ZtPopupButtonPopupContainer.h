#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

class ZtPopupButton;
class ZtPopupButtonPopupContainerPrivate;

/// The pop-up window of a ZtPopupButton: a Qt::Popup widget holding the application's widget
/// at its own size. A press outside it closes it; a press on its button closes it without
/// reopening it at once. Deleting the content leaves an empty pop-up behind.
class KITRA_EXPORT ZtPopupButtonPopupContainer : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtPopupButtonPopupContainer)

public:
    explicit ZtPopupButtonPopupContainer(QWidget* parent = nullptr);
    ~ZtPopupButtonPopupContainer() override;

public slots:
    void WidgetDestroyed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend class ZtPopupButton;
    void SetContent(QWidget* widget);
    void Install(QWidget* widget);

    QScopedPointer<ZtPopupButtonPopupContainerPrivate> d_ptr;
};

} // namespace ZtGUI
