#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QScopedPointer>
#include <QSize>
#include <QString>
#include "KitraExport.h"

namespace ZtGUI {

class ZtDialogPrivate;

/// The frameless dialog every dialog of the library and of its host derives from: a title bar
/// `pDialogTitle` with optional minimise, maximise and close buttons, the frame `pCentralFrame`
/// for the caller's content, a drop shadow and a skin-coloured separator `line`. It can be
/// resized by its borders once stretching is supported, shrinks and fades out when it closes,
/// and a named dialog keeps its size in "DialogCfg.ini" in the application directory.
/// Escape, Return, Enter and Select neither close nor accept it.
class KITRA_EXPORT ZtDialog : public QDialog
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtDialog)
    Q_PROPERTY(QPixmap pixBorderImage READ GetBorderImage WRITE SetBorderImage DESIGNABLE true)

public:
    /// The window buttons the title bar offers, combined into DialogFlags.
    enum DialogFlag {
        CloseButtonHint = 1, ///< close button `pCloseBtn`, which calls OnCloseBtmClicked()
        MinimizeButtonHint = 2, ///< minimise button `pMinBtn`
        MaximizeButtonHint = 4, ///< maximise/restore button `pMaxBtn` (`pReductionBtn` while maximised)
        MinMaxButtonsHint = 6 ///< both the minimise and the maximise button
    };
    Q_DECLARE_FLAGS(DialogFlags, DialogFlag)
    Q_FLAG(DialogFlags)

    /// A frameless dialog of 425 x 324 pixels with the title-bar buttons in `flags`; its size is not kept.
    explicit ZtDialog(QWidget* parent = nullptr, QFlags<DialogFlag> flags = CloseButtonHint);
    /// A dialog whose size is kept under `name`: it opens at the stored size, or at `size` while
    /// none is stored.
    ZtDialog(QString name, QSize size, QWidget* parent = nullptr, QFlags<DialogFlag> flags = CloseButtonHint);
    ~ZtDialog() override;

    /// Puts `widget` into the central frame, filling it.
    void AddCentralWidget(QWidget* widget);
    /// The frame `pCentralFrame` under the title bar, to parent or lay out the content yourself.
    QWidget* GetCentralWidget() const;
    /// Inserts `widget` into the title bar, between the title and the window buttons.
    void InsertTitleWidget(QWidget* widget, int index);
    /// The text of the title bar; empty at first.
    void SetTitle(const QString& title);
    /// The text of the title bar.
    QString GetTitle() const;
    /// Where the title sits in the bar (left and vertically centred at first); with Qt::AlignHCenter it
    /// centres on the whole bar while it fits.
    void SetTitleAlignment(Qt::Alignment alignment);
    /// Hides or shows the whole title bar, buttons included.
    void SetTitleHide(bool hide);
    /// Whether a double click on the title bar maximises and restores the dialog (off at first).
    void SetOpenDoubleClickTitle(bool enable);
    /// Maximises the dialog over its screen's available area, or restores a maximised one.
    void SetWndMaxOrNormal();
    /// Whether accept(), reject() and done() shrink and fade the dialog for about 200 ms before it
    /// closes and exec() returns (on at first); the dialog's geometry is restored afterwards.
    void SetCloseAnimaEnable(bool enable);
    /// Lets the user resize the dialog by dragging its borders; the dialog then also stores its
    /// size when its close button closes it.
    void SetSupportStretch(bool support);
    /// Whether the borders resize the dialog; false at first.
    bool GetSupportStretch();
    /// Moves the dialog to the centre of the whole desktop (all screens together).
    void moveToCenter();

    /// Rejects every dialog that is inside exec(), oldest first.
    static void QuitExec();

    /// Showing a dialog while it shrinks away drops the pending close.
    void setVisible(bool visible) override;

public slots:
    /// The close button's slot: stores the size when stretching is supported, then close(), which
    /// rejects the dialog (animated when the close animation is on).
    virtual void OnCloseBtmClicked();
    /// Runs the dialog modally and returns its result, listed meanwhile for QuitExec(). A dialog still
    /// shrinking from an earlier close is first shown unchanged again.
    int exec() override;

protected slots:
    /// Swaps the maximise button's tool tip between "Maximize" and "Restore".
    void OnTurnMaximizeButtonTip();

protected:
    /// Hides the separator line under the title bar.
    void hideLine();

    /// With the close animation on, shows a snapshot that shrinks to a third of the size and fades,
    /// then closes with `result`; a second call meanwhile only replaces the result.
    void done(int result) override;
    /// Swallows Escape, Return, Enter and Select, so that only the dialog's buttons close it.
    void keyPressEvent(QKeyEvent* event) override;
    /// Starts a border resize when stretching is supported and the press is in a 4-pixel border strip.
    void mousePressEvent(QMouseEvent* event) override;
    /// Ends a border resize.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Resizes during a border drag (never below the minimum size), otherwise sets the resize cursor;
    /// a maximised dialog does neither.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Reshapes the dialog's mask from `pixBorderImage` when one is set.
    void resizeEvent(QResizeEvent* event) override;
    /// Recomputes the border strips for the current size.
    void showEvent(QShowEvent* event) override;

private slots:
    void OnSizeStatusChanged();
    void OnDoneAnimaFinished();
    void OnStartTitleStretch(int state, QPoint point);
    void OnTitleStretching(QPoint point);
    void OnEndTitleStretch();

private:
    QPixmap GetBorderImage() const;
    void SetBorderImage(const QPixmap& pixmap);

    QScopedPointer<ZtDialogPrivate> d_ptr;
};

} // namespace ZtGUI

Q_DECLARE_OPERATORS_FOR_FLAGS(ZtGUI::ZtDialog::DialogFlags)
