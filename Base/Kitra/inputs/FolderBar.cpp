#include "FolderBar.h"

#include <QButtonGroup>
#include <QParallelAnimationGroup>
#include <QPointer>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStyle>
#include <QVector>

namespace {

const int kHeaderHeight = 30;
const int kSlideTime = 300;     // ms
const char* const kBorderProperty = "hasBottomBorder";

} // namespace

class FolderBarPrivate
{
public:
    struct Item
    {
        QPushButton* header = nullptr;
        QPointer<QWidget> page;     // a host may delete a page it handed over
        QString title;
    };
    QVector<Item> items;
    QButtonGroup* headers = nullptr;
    int openIndex = -1;
    QWidget* openPage = nullptr;
    QParallelAnimationGroup* slide = nullptr;
};

FolderBar::FolderBar(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new FolderBarPrivate)
{
    Q_D(FolderBar);
    d->headers = new QButtonGroup(this);
    d->slide = new QParallelAnimationGroup(this);
    connect(d->headers, &QButtonGroup::idClicked, this, &FolderBar::onButtonClicked);
    // A slide animates only the items that move; the rest is put right at its end.
    connect(d->slide, &QAbstractAnimation::finished, this, &FolderBar::updateLayout);
}

FolderBar::~FolderBar() = default;

void FolderBar::addItem(QWidget* page, const QString& title)
{
    Q_D(FolderBar);
    if (!page) {
        qWarning("FolderBar::addItem: Attempt to insert null QWidget");
        return;
    }
    auto* header = new QPushButton(title, this);
    header->setCheckable(true);
    // An untitled header still tells a screen reader which section it opens.
    if (title.trimmed().isEmpty())
        header->setAccessibleName(tr("Section %1").arg(d->items.size() + 1));
    header->setProperty(kBorderProperty, false);
    page->setParent(this);
    page->show();
    d->headers->addButton(header, d->items.size());
    d->items.append({header, page, title});
    if (d->items.size() == 1) {
        d->openIndex = 0;
        d->openPage = page;
        setBottomBorder(0, true);
        header->setChecked(true);
    }
    header->raise();
    updateLayout();
}

void FolderBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

int FolderBar::pageHeight() const
{
    // Below its headers' height the page height is negative: the headers after the open one move up
    // by as much and cover the others, and the pages, of negative height, show nothing.
    return height() - d_func()->items.size() * kHeaderHeight;
}

// The layout at rest, which also ends a slide under way.
void FolderBar::updateLayout()
{
    Q_D(FolderBar);
    d->slide->stop();
    int y = 0;
    for (int i = 0; i < d->items.size(); ++i) {
        const FolderBarPrivate::Item& item = d->items.at(i);
        item.header->setGeometry(0, y, width(), kHeaderHeight);
        y += kHeaderHeight;
        if (item.page)
            item.page->setGeometry(0, y, width(), pageHeight());
        // Closed pages lie under the headers that follow.
        if (i == d->openIndex)
            y += pageHeight();
    }
}

void FolderBar::onButtonClicked(int index)
{
    Q_D(FolderBar);
    if (index < 0 || index >= d->items.size() || index == d->openIndex)
        return;
    // A click during a slide starts the next one from where the items are.
    d->slide->stop();
    d->slide->clear();
    d->openIndex = index;
    d->openPage = d->items.at(index).page;
    for (int i = 0; i < d->items.size(); ++i) {
        setBottomBorder(i, i == index);
        move_item_index(i, i > index);
    }
    if (d->openPage)
        d->openPage->raise();
    for (const FolderBarPrivate::Item& item : qAsConst(d->items))
        item.header->raise();
    d->slide->start();
}

// Slides item `index` to its place at rest: its header at index x 30, plus the open page's
// height when it lies `down` below the open page, and its page right under its header.
void FolderBar::move_item_index(int index, bool down)
{
    Q_D(FolderBar);
    const FolderBarPrivate::Item& item = d->items.at(index);
    const int y = index * kHeaderHeight + (down ? pageHeight() : 0);
    const QRect headerEnd(0, y, width(), kHeaderHeight);
    const QRect pageEnd(0, y + kHeaderHeight, width(), pageHeight());
    const auto slideTo = [d](QWidget* widget, const QRect& end) {
        if (!widget || widget->geometry() == end)
            return;
        auto* animation = new QPropertyAnimation(widget, "geometry", d->slide);
        animation->setDuration(kSlideTime);
        animation->setEndValue(end);
        d->slide->addAnimation(animation);
    };
    slideTo(item.header, headerEnd);
    slideTo(item.page, pageEnd);
}

void FolderBar::setBottomBorder(int index, bool border)
{
    QPushButton* header = d_func()->items.at(index).header;
    if (header->property(kBorderProperty).toBool() == border)
        return;
    header->setProperty(kBorderProperty, border);
    header->style()->unpolish(header);
    header->style()->polish(header);
}
