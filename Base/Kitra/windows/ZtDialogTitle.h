#pragma once

#include <QScopedPointer>
#include <QString>
#include "KitraExport.h"
#include "ZtBaseWindowTitle.h"

class QLayout;

namespace ZtGUI {

class ZtDialogTitlePrivate;

/// The title bar of the frameless dialog: a window title bar holding the centred title label
/// `pTitleLabel` first in a horizontal row, followed by whatever the dialog adds (extra widgets,
/// the minimise, maximise and close buttons).
class KITRA_EXPORT ZtDialogTitle : public ZtBaseWindowTitle
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtDialogTitle)

public:
    explicit ZtDialogTitle(QWidget* parent = nullptr);
    ~ZtDialogTitle() override;

    void SetTitleText(const QString& text);
    QString GetTitleText() const;
    void SetTitleAlignment(Qt::Alignment alignment);
    /// Appends `widget` at the end of the row.
    void AddWidget(QWidget* widget);
    /// Appends a nested layout at the end of the row.
    void AddLayout(QLayout* layout);
    void SetLayoutContentsMargins(int left, int top, int right, int bottom);
    void SetLayoutSpacing(int spacing);

private:
    QScopedPointer<ZtDialogTitlePrivate> d_ptr;
};

} // namespace ZtGUI
