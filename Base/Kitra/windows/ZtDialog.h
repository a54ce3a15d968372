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
    enum DialogFlag {
        CloseButtonHint = 1,
        MinimizeButtonHint = 2,
        MaximizeButtonHint = 4,
        MinMaxButtonsHint = 6
    };
    Q_DECLARE_FLAGS(DialogFlags, DialogFlag)
    Q_FLAG(DialogFlags)

    explicit ZtDialog(QWidget* parent = nullptr, QFlags<DialogFlag> flags = CloseButtonHint);
    /// A dialog whose size is kept under `name`: it opens at the stored size, or at `size` while
    /// none is stored.
    ZtDialog(QString name, QSize size, QWidget* parent = nullptr, QFlags<DialogFlag> flags = CloseButtonHint);
    ~ZtDialog() override;

    /// Puts `widget` into the central frame, filling it.
    void AddCentralWidget(QWidget* widget);
    QWidget* GetCentralWidget() const;
    /// Inserts `widget` into the title bar, between the title and the window buttons.
    void InsertTitleWidget(QWidget* widget, int index);
    void SetTitle(const QString& title);
    QString GetTitle() const;
    void SetTitleAlignment(Qt::Alignment alignment);
    void SetTitleHide(bool hide);
    void SetOpenDoubleClickTitle(bool enable);
    void SetWndMaxOrNormal();
    void SetCloseAnimaEnable(bool enable);
    /// Lets the user resize the dialog by dragging its borders; the dialog then also stores its
    /// size when its close button closes it.
    void SetSupportStretch(bool support);
    bool GetSupportStretch();
    void moveToCenter();

    /// Rejects every dialog that is inside exec(), oldest first.
    static void QuitExec();

    /// Showing a dialog while it shrinks away drops the pending close.
    void setVisible(bool visible) override;

public slots:
    virtual void OnCloseBtmClicked();
    int exec() override;

protected slots:
    void OnTurnMaximizeButtonTip();

protected:
    void hideLine();

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
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
