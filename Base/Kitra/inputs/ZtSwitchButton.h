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
    /// A switch that is off, with a pointing-hand cursor; give it a size (e.g. 40 x 20), it has no
    /// size hint of its own.
    explicit ZtSwitchButton(QWidget* parent = nullptr);
    ~ZtSwitchButton() override;

    /// Whether the switch is on (the state it is in or sliding to).
    bool isToggled() const;
    /// Sets the state without a signal; with `animate` the thumb slides there, else it jumps.
    void setToggle(bool on, bool animate);

    /// Track colour when on and enabled ((24, 144, 255) at first); used from the next repaint.
    void SetNormalOpenColor(QColor color);
    /// Track colour when on and enabled.
    QColor normalOpenColor() const;
    /// Track colour when off and enabled (black, grey #808080 under a dark skin); used from the next
    /// repaint.
    void SetNormalCloseColor(QColor color);
    /// Track colour when off and enabled.
    QColor normalCloseColor() const;
    /// Track colour when on and disabled (invalid at first: set it before disabling the switch).
    void SetDisableOpenColor(QColor color);
    /// Track colour when on and disabled.
    QColor disableOpenColor() const;
    /// Track colour when off and disabled (invalid at first: set it before disabling the switch).
    void SetDisableCloseColor(QColor color);
    /// Track colour when off and disabled.
    QColor disableCloseColor() const;
    /// Thumb colour when enabled (white at first); used from the next repaint.
    void SetThumbColor(QColor color);
    /// Thumb colour when enabled.
    QColor thumbColor() const;
    /// Thumb colour when disabled (invalid at first: set it before disabling the switch).
    void SetDisableThumbColor(QColor color);
    /// Thumb colour when disabled.
    QColor disableThumbColor() const;

    /// Stored for the caller; painting and sizing do not use them.
    void SetRadius(double radius);
    /// The radius last stored; 0 at first.
    double radius() const;
    /// Stores an outer height for the caller; not used by the switch.
    void SetUserDefinedOutHeight(short height);
    /// The outer height last stored; 0 at first.
    short outHeight16() const;
    /// Stores an inner height for the caller; not used by the switch.
    void SetUserDefinedInHeight(short height);
    /// The inner height last stored; 0 at first.
    short InHeight16() const;
    /// Stores a width for the caller; not used by the switch.
    void SetUserDefinedWidth(short width);
    /// The width last stored; 0 at first.
    short width16() const;
    /// Stores a margin for the caller; not used by the switch.
    void SetUserDefinedMargin(short margin);
    /// The margin last stored; 0 at first.
    short margin16() const;

    /// QWidget's own hint (invalid without a layout): the host sizes the switch.
    QSize sizeHint() const override;
    /// QWidget's own hint (invalid without a layout).
    QSize minimumSizeHint() const override;

signals:
    /// The user clicked the switch; `on` is the new state. The thumb starts sliding after the signal.
    /// Not emitted by setToggle().
    void toggled(bool on);

protected:
    /// Fills the track in the state's colour and draws the square thumb at its current place.
    void paintEvent(QPaintEvent* event) override;
    /// Accepts a left press on an enabled switch, so that the release toggles it.
    void mousePressEvent(QMouseEvent* event) override;
    /// A left release on an enabled switch flips the state, emits toggled() and slides the thumb; a
    /// click during a slide reverses it from where it is.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Snaps the thumb to the end of the current state: x = 2 when off, width - height when on.
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onTimeout();

private:
    double endPosition() const;

    QScopedPointer<ZtSwitchButtonPrivate> d_ptr;
};

} // namespace ZtGUI
