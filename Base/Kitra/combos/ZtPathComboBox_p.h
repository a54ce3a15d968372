#pragma once

#include <QFileDialog>
#include <QString>

namespace ZtGUI {

class ZtPathComboBox;

class ZtPathComboBoxPrivate
{
public:
    explicit ZtPathComboBoxPrivate(ZtPathComboBox* q) : q_ptr(q) {}

    /// The paths the user chose in the dialog of the current mode; empty when cancelled.
    QStringList Ask() const;
    /// Makes `paths` (not empty) the items, the first one current.
    void Replace(const QStringList& paths) const;

    ZtPathComboBox* const q_ptr;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
    QString title;
    QString filter;
    QString directory;
};

} // namespace ZtGUI
