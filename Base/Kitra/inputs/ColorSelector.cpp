#include "ColorSelector.h"

#include "KitraAccessible_p.h"

#include <QColorDialog>
#include <QPainter>
#include <QPointer>

namespace {

const QColor kFrameColour(180, 180, 180, 255);
const int kDarkBelow = 120;     // a colour darker than this in every channel gets a white code

} // namespace

class ColorSelectorPrivate
{
public:
    QColor color;
};

ColorSelector::ColorSelector(QWidget* parent)
    : QPushButton(parent)
    , d_ptr(new ColorSelectorPrivate)
{
    connect(this, &QPushButton::clicked, this, &ColorSelector::onClicked);
    // The colour is painted, not a text: a screen reader hears its code instead.
    ZtGUI::RegisterAccessible(staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new ZtGUI::ZtPictureButtonAccessible(static_cast<QAbstractButton*>(object), [](const QAbstractButton* b) {
            return ColorSelector::tr("Colour %1").arg(static_cast<const ColorSelector*>(b)->getColorText());
        });
    });
}

ColorSelector::~ColorSelector() = default;

void ColorSelector::setColor(const QColor& color)
{
    d_func()->color = color;
    update();
}

QColor ColorSelector::getColor() const
{
    return d_func()->color;
}

QString ColorSelector::getColorText() const
{
    const QColor& c = d_func()->color;
    return QStringLiteral("%1%2%3")
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

void ColorSelector::onClicked()
{
    // The dialog runs its own event loop, in which the host may delete this button.
    const QPointer<ColorSelector> alive(this);
    const QColor chosen = QColorDialog::getColor(d_func()->color, this, QString());
    if (alive && chosen.isValid())
        setColor(chosen);
}

void ColorSelector::paintEvent(QPaintEvent*)
{
    const QColor& c = d_func()->color;
    QPainter painter(this);
    painter.fillRect(rect(), kFrameColour);
    painter.fillRect(QRect(1, 1, width() - 2, height() - 2), c);
    const bool dark = c.red() < kDarkBelow && c.green() < kDarkBelow && c.blue() < kDarkBelow;
    painter.setPen(dark ? Qt::white : Qt::black);
    painter.setFont(QFont(QString::fromLocal8Bit("Microsoft YaHei"), 9));
    painter.drawText(rect(), Qt::AlignCenter, getColorText());
}
