#pragma once

#include <QComboBox>
#include <QFileDialog>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class ZtPathComboBoxPrivate;

/// A combo box whose drop-down is a file dialog: its arrow asks for a file to save, a file to
/// open, a directory (shown with a trailing "/") or several files, and the answer replaces its
/// items. A cancelled dialog keeps them. The dialog opens once the press or key that asked for
/// it has been handled.
class KITRA_EXPORT ZtPathComboBox : public QComboBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtPathComboBox)

public:
    explicit ZtPathComboBox(QWidget* parent = nullptr);
    ~ZtPathComboBox() override;

    void SetFileMode(QFileDialog::FileMode mode);
    void SetTitle(const QString& title);
    void SetFilter(const QString& filter);
    /// Where the dialog starts while the combo box holds no path.
    void SetDirectory(const QString& directory);

    void showPopup() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QScopedPointer<ZtPathComboBoxPrivate> d_ptr;
};

} // namespace ZtGUI
