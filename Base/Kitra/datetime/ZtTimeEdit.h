#pragma once

#include <QTimeEdit>
#include "KitraExport.h"

namespace ZtGUI {

/// A plain QTimeEdit that gives the skin's style sheets a class name to address.
class KITRA_EXPORT ZtTimeEdit : public QTimeEdit
{
    Q_OBJECT

public:
    /// A QTimeEdit dressed by the skin's calendar style sheet.
    explicit ZtTimeEdit(QWidget* parent = nullptr);
    ~ZtTimeEdit() override;
};

} // namespace ZtGUI
