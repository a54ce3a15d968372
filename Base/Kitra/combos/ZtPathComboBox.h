#pragma once

#include <QComboBox>
#include <QFileDialog>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class ZtPathComboBoxPrivate;

/// A combo box whose drop-down is a file dialog: its arrow asks for a file to save, a file to
/// open, a directory (shown with a trailing "/") or several files, and the answer replaces its
/// items. A cancelled dialog keeps them.
class KITRA_EXPORT ZtPathComboBox : public QComboBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtPathComboBox)

public:
    /// An empty combo box that asks for an existing file.
    explicit ZtPathComboBox(QWidget* parent = nullptr);
    ~ZtPathComboBox() override;

    /// What the dialog asks for: QFileDialog::AnyFile a file to save, Directory a directory,
    /// ExistingFiles several files, ExistingFile (the default, and any other mode) a file to open.
    void SetFileMode(QFileDialog::FileMode mode);
    /// The dialog's title; when empty, a directory dialog is titled "Select Directory".
    void SetTitle(const QString& title);
    /// The dialog's name filter as QFileDialog takes it ("Images (*.png *.jpg)"); unused for directories.
    void SetFilter(const QString& filter);
    /// Where the dialog starts while the combo box holds no path.
    void SetDirectory(const QString& directory);

    /// Runs the file dialog, starting at the current path; before it returns, a chosen path replaces
    /// the items, then currentIndexChanged(0) and, when the text changed, currentTextChanged follow.
    void showPopup() override;

protected:
    /// Only a press on the arrow (the rightmost 22 pixels) opens the dialog; other presses are ignored.
    void mousePressEvent(QMouseEvent* event) override;
    /// Swallows the space key on an editable combo box; other keys work as in QComboBox.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QScopedPointer<ZtPathComboBoxPrivate> d_ptr;
};

} // namespace ZtGUI
