#include "ZtPathComboBox.h"
#include "ZtPathComboBox_p.h"

#include "KitraGuard_p.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>

namespace ZtGUI {

namespace {

// Width of the arrow at the right end: the only part of the combo box that opens the dialog.
constexpr int kArrowWidth = 22;

QStringList NonEmpty(const QString& path)
{
    return path.isEmpty() ? QStringList() : QStringList(path);
}

} // namespace

QStringList ZtPathComboBoxPrivate::Ask() const
{
    ZtPathComboBox* const q = q_ptr;
    const QString start = q->currentText().isEmpty() ? directory : q->currentText();
    switch (fileMode) {
    case QFileDialog::AnyFile:
        return NonEmpty(QFileDialog::getSaveFileName(q, title, start, filter));
    case QFileDialog::Directory: {
        const QString caption = title.isEmpty() ? ZtPathComboBox::tr("Select Directory") : title;
        QString path = QFileDialog::getExistingDirectory(q, caption, start, QFileDialog::ShowDirsOnly);
        if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        return NonEmpty(path);
    }
    case QFileDialog::ExistingFiles:
        return QFileDialog::getOpenFileNames(q, title, start, filter);
    default:
        return NonEmpty(QFileDialog::getOpenFileName(q, title, start, filter));
    }
}

void ZtPathComboBoxPrivate::Replace(const QStringList& paths) const
{
    ZtPathComboBox* const q = q_ptr;
    const QString before = q->currentText();
    {
        // Replaced in silence and announced once at the end: QComboBox goes on touching itself
        // after the signals it sends from inside clear(), and a host may delete the combo box
        // from a slot of the new path.
        const QSignalBlocker blocker(q);
        q->clear();
        q->addItems(paths);
    }
    const QString& now = paths.first();
    if (!EmitAlive(q, QOverload<int>::of(&QComboBox::currentIndexChanged), 0) || now == before)
        return;
    if (EmitAlive(q, &QComboBox::currentTextChanged, now) && q->isEditable())
        emit q->editTextChanged(now);
}

ZtPathComboBox::ZtPathComboBox(QWidget* parent)
    : QComboBox(parent)
    , d_ptr(new ZtPathComboBoxPrivate(this))
{
}

ZtPathComboBox::~ZtPathComboBox() = default;

void ZtPathComboBox::SetFileMode(QFileDialog::FileMode mode)
{
    Q_D(ZtPathComboBox);
    d->fileMode = mode;
}

void ZtPathComboBox::SetTitle(const QString& title)
{
    Q_D(ZtPathComboBox);
    d->title = title;
}

void ZtPathComboBox::SetFilter(const QString& filter)
{
    Q_D(ZtPathComboBox);
    d->filter = filter;
}

void ZtPathComboBox::SetDirectory(const QString& directory)
{
    Q_D(ZtPathComboBox);
    d->directory = directory;
}

void ZtPathComboBox::showPopup()
{
    Q_D(ZtPathComboBox);
    const QPointer<ZtPathComboBox> alive(this);
    const QStringList paths = d->Ask();
    // The modal dialog runs the event loop, where a host may delete the combo box.
    if (alive && !paths.isEmpty())
        d->Replace(paths);
}

void ZtPathComboBox::mousePressEvent(QMouseEvent* event)
{
    if (!QRect(width() - kArrowWidth, 0, kArrowWidth, height()).contains(event->pos()))
        return;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, event->pos(), this);
    // A press that opens the dialog ends with it: a host may delete the combo box from a slot of
    // the chosen path, and QComboBox would go on with itself after showPopup() returns.
    if (event->button() == Qt::LeftButton && (hit == QStyle::SC_ComboBoxArrow || !isEditable()))
        showPopup();
    else
        QComboBox::mousePressEvent(event);
}

void ZtPathComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && lineEdit())
        return;
    QComboBox::keyPressEvent(event);
}

} // namespace ZtGUI
