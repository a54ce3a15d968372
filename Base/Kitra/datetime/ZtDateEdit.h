#pragma once

#include <QDateEdit>
#include "KitraExport.h"

namespace ZtGUI {

/// A plain QDateEdit that gives the skin's style sheets a class name to address.
class KITRA_EXPORT ZtDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    /// A QDateEdit dressed by the skin's calendar style sheet.
    explicit ZtDateEdit(QWidget* parent = nullptr);
    ~ZtDateEdit() override;
};

} // namespace ZtGUI
