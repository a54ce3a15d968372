#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

class FolderBarPrivate;

/// An accordion: a column of 30-pixel header buttons, each owning a page, of which one page is
/// open at a time and fills the height the headers leave. Clicking another header slides the
/// headers and pages between the two in 300 ms; the slide ends on exactly the layout the bar has
/// at rest. The open header's `hasBottomBorder` property is true, the others' false.
class KITRA_EXPORT FolderBar : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(FolderBar)

public:
    /// An empty bar; add pages with addItem().
    explicit FolderBar(QWidget* parent = nullptr);
    ~FolderBar() override;

    /// Appends `page` under a header titled `title`; the bar takes the page as its child. The
    /// first page added is the open one.
    void addItem(QWidget* page, const QString& title);

protected:
    /// Lays the headers and the open page out again for the new size.
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onButtonClicked(int index);

private:
    void move_item_index(int index, bool down);
    void updateLayout();
    int pageHeight() const;
    void setBottomBorder(int index, bool border);

    QScopedPointer<FolderBarPrivate> d_ptr;
};
