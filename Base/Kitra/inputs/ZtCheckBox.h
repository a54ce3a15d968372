#pragma once

#include <QCheckBox>
#include "KitraExport.h"

namespace ZtGUI {

/// A check box of the library's own class name, so that the skin's style sheets can style it
/// apart from the host's check boxes.
class KITRA_EXPORT ZtCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    /// An unchecked box without text.
    explicit ZtCheckBox(QWidget* parent = nullptr);
    /// An unchecked box labelled `text`.
    explicit ZtCheckBox(const QString& text, QWidget* parent = nullptr);
};

} // namespace ZtGUI
