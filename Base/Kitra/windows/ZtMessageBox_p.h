#pragma once

#include "ZtMessageBox.h"

#include <QPixmap>
#include <QSize>

class QHBoxLayout;
class QLabel;

namespace ZtGUI {

class ZtPushButton;

class ZtMessageBoxPrivate
{
    Q_DECLARE_PUBLIC(ZtMessageBox)

public:
    using Slot = void (ZtMessageBox::*)();

    explicit ZtMessageBoxPrivate(ZtMessageBox* q) : q_ptr(q) {}

    void buildLayout();
    void setUp(const QString& title, const QString& text, QFlags<ZtMessageBox::StandardButton> buttons,
               const QString& positiveText, const QString& negativeText);
    void createStandardButtons(QFlags<ZtMessageBox::StandardButton> buttons);
    void createCustomButtons(QFlags<ZtMessageBox::StandardButton> buttons, const QString& positiveText,
                             const QString& negativeText);
    ZtPushButton* addButton(const QString& text, const char* objectName, bool accepts, Slot slot);
    void record(ZtMessageBox::StandardButton button);

    static ZtMessageBox::StandardButton run(QWidget* parent, ZtMessageBox::IconType icon, const QString& title,
                                            const QString& text, QFlags<ZtMessageBox::StandardButton> buttons,
                                            const QSize& size, const QString& positiveText = QString(),
                                            const QString& negativeText = QString());

    ZtMessageBox* q_ptr;
    QLabel* iconLabel = nullptr;
    QLabel* textLabel = nullptr;
    QHBoxLayout* buttonLayout = nullptr;
    ZtMessageBox::StandardButton clickedButton = ZtMessageBox::NoButton;
    QPixmap iconPixmap;
};

} // namespace ZtGUI
