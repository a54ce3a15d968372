#pragma once

#include <QPushButton>
#include <QScopedPointer>
#include "KitraExport.h"

class PicButtonPrivate;

/// A button drawn entirely from pictures: `name` when idle, `name` + "_hover" under the mouse and
/// `name` + "_pressed" while pressed. Names come without a file extension; the button takes the
/// size of the idle picture.
class KITRA_EXPORT PicButton : public QPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(PicButton)

public:
    /// A button with no pictures yet; it paints nothing until setPicName().
    explicit PicButton(QWidget* parent = nullptr);
    ~PicButton() override;

    /// The idle picture's file, given without extension since "_hover" and "_pressed" are appended
    /// to it; the button takes that picture's size. A missing picture is warned about and makes the
    /// button 0 x 0.
    void setPicName(const QString& name);
    /// The picture name as last set; empty at first.
    QString getPicName() const;

protected:
    /// Shows the hover picture.
    void enterEvent(KitraEnterEvent* event) override;
    /// Shows the idle picture.
    void leaveEvent(QEvent* event) override;
    /// A left press shows the pressed picture.
    void mousePressEvent(QMouseEvent* event) override;
    /// A left release inside the button shows the hover picture and emits clicked(false); a release
    /// outside emits nothing and keeps the pressed picture until the mouse enters or leaves.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Draws the picture of the current state scaled to the button; a missing one leaves it blank.
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<PicButtonPrivate> d_ptr;
};
