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
    explicit PicButton(QWidget* parent = nullptr);
    ~PicButton() override;

    void setPicName(const QString& name);
    QString getPicName() const;

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<PicButtonPrivate> d_ptr;
};
