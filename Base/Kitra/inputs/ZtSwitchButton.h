#pragma once

#include <QColor>
#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

class ZtSwitchButtonPrivate;

/// An on/off switch: a filled track with a square thumb that slides one pixel every 10 ms to the
/// other end when the user clicks it. Only a user's click emits `toggled`; `setToggle` is silent.
/// The track's colours per state, the thumb's and their disabled variants can be changed; the off
/// track is grey under a dark skin and black otherwise.
class KITRA_EXPORT ZtSwitchButton : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtSwitchButton)

public:
    explicit ZtSwitchButton(QWidget* parent = nullptr);
    ~ZtSwitchButton() override;

    bool isToggled() const;
    /// Sets the state without a signal; with `animate` the thumb slides there, else it jumps.
    void setToggle(bool on, bool animate);

    void SetNormalOpenColor(QColor color);
    QColor normalOpenColor() const;
    void SetNormalCloseColor(QColor color);
    QColor normalCloseColor() const;
    void SetDisableOpenColor(QColor color);
    QColor disableOpenColor() const;
    void SetDisableCloseColor(QColor color);
    QColor disableCloseColor() const;
    void SetThumbColor(QColor color);
    QColor thumbColor() const;
    void SetDisableThumbColor(QColor color);
    QColor disableThumbColor() const;

    /// Stored for the caller; painting and sizing do not use them.
    void SetRadius(double radius);
    double radius() const;
    void SetUserDefinedOutHeight(short height);
    short outHeight16() const;
    void SetUserDefinedInHeight(short height);
    short InHeight16() const;
    void SetUserDefinedWidth(short width);
    short width16() const;
    void SetUserDefinedMargin(short margin);
    short margin16() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void toggled(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onTimeout();

private:
    double endPosition() const;

    QScopedPointer<ZtSwitchButtonPrivate> d_ptr;
};

} // namespace ZtGUI
