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
    /// An empty pop-up for the tool button `parent`; ZtPopupButton creates it on first use.
    explicit ZtPopupButtonPopupContainer(QWidget* parent = nullptr);
    ~ZtPopupButtonPopupContainer() override;

public slots:
    /// Puts an empty widget in place of a content widget that was destroyed, so the pop-up keeps its size.
    void WidgetDestroyed();

protected:
    /// A press outside the pop-up closes it, and does not reopen it when it lands on the button.
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend class ZtPopupButton;
    void SetContent(QWidget* widget);
    void Install(QWidget* widget);

    QScopedPointer<ZtPopupButtonPopupContainerPrivate> d_ptr;
};

} // namespace ZtGUI
