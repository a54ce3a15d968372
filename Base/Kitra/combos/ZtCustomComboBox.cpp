#include "ZtCustomComboBox.h"
#include "ZtCustomComboBox_p.h"
#include "ZtComboBoxPopupContainer_p.h"

#include <QMouseEvent>
#include <QStyleOptionComboBox>

namespace ZtGUI {

namespace {

constexpr int kTooltipLineWidth = 500;
// Room the arrow and the frame take from the text inside a combo box.
constexpr int kTextMargin = 28;

// Comma-separated names wrapped into lines of about `kTooltipLineWidth` pixels.
QString WrapAtCommas(const QString& text, const QFontMetrics& metrics)
{
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts, Qt::CaseSensitive);
    QString tooltip;
    QString line;
    for (int i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        if (!parts.at(i).isEmpty())
            line += parts.at(i).trimmed() + (last ? QString() : QStringLiteral(","));
        // The last part always ends a line, an empty one too.
        if (!last && (line.isEmpty() || metrics.horizontalAdvance(line) < kTooltipLineWidth))
            continue;
        if (!tooltip.isEmpty())
            tooltip += QLatin1Char('\n');
        tooltip += line;
        line.clear();
    }
    return tooltip;
}

} // namespace

ZtCustomComboBox::ZtCustomComboBox(QWidget* parent)
    : ZtComboBox(parent)
    , d_ptr(new ZtCustomComboBoxPrivate(this))
{
}

ZtCustomComboBox::~ZtCustomComboBox() = default;

void ZtCustomComboBox::SetPopupContainer(ZtComboBoxPopupContainer* pContainer)
{
    Q_D(ZtCustomComboBox);
    if (!pContainer)
        return;
    pContainer->setParent(this, pContainer->windowFlags());
    if (d->container && d->container != pContainer) {
        removeEventFilter(d->container);
        delete d->container;
    }
    d->container = pContainer;
    pContainer->hide();
}

ZtComboBoxPopupContainer* ZtCustomComboBox::GetPopupContainer() const
{
    Q_D(const ZtCustomComboBox);
    return d->container;
}

void ZtCustomComboBox::SetAutoTooltip(QString text)
{
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text);
    const int screenWidth = ComboPopup::AvailableGeometry(this).width();
    if (textWidth >= width() - kTextMargin && textWidth < screenWidth)
        setToolTip(text);
    else if (textWidth < screenWidth)
        setToolTip(QString());
    else
        setToolTip(WrapAtCommas(text, metrics));
}

void ZtCustomComboBox::showPopup()
{
    Q_D(ZtCustomComboBox);
    if (!d->container)
        return;
    d->container->setGeometry(ComboPopup::Geometry(this, width(), d->container->height()));
    if (!d->container->isVisible()) {
        d->container->show();
        d->container->update();
    }
}

void ZtCustomComboBox::hidePopup()
{
    Q_D(ZtCustomComboBox);
    if (d->container)
        d->container->hide();
}

void ZtCustomComboBox::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtCustomComboBox);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, event->pos(), this);
    if (d->PopupVisible() && hit == QStyle::SC_ComboBoxArrow) {
        hidePopup();
        event->accept();
        return;
    }
    QComboBox::mousePressEvent(event);
}

bool ZtCustomComboBox::event(QEvent* event)
{
    if (ComboPopup::IsClosingKey(event)) {
        hidePopup();
        event->accept();
        return true;
    }
    return QComboBox::event(event);
}

} // namespace ZtGUI
