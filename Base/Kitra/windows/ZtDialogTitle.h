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
    /// A title bar holding only the empty title label.
    explicit ZtDialogTitle(QWidget* parent = nullptr);
    ~ZtDialogTitle() override;

    /// The title drawn centred on the bar (or by the alignment set below); repaints at once.
    void SetTitleText(const QString& text);
    /// The title as last set; empty at first.
    QString GetTitleText() const;
    /// Where the title sits; with Qt::AlignHCenter it centres on the whole bar while it fits.
    void SetTitleAlignment(Qt::Alignment alignment);
    /// Appends `widget` at the end of the row.
    void AddWidget(QWidget* widget);
    /// Appends a nested layout at the end of the row.
    void AddLayout(QLayout* layout);
    /// Margins of the row in pixels, around the title and the buttons.
    void SetLayoutContentsMargins(int left, int top, int right, int bottom);
    /// Gap between the items of the row, in pixels.
    void SetLayoutSpacing(int spacing);

private:
    QScopedPointer<ZtDialogTitlePrivate> d_ptr;
};

} // namespace ZtGUI
