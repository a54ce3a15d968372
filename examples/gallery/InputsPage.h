#pragma once

#include <QList>
#include <QWidget>

class GalleryLog;
class QComboBox;

namespace ZtGUI {
class ZtLineEdit;
class ZtMenu;
}

/// The inputs page: switches in every colour state, validating line edits (a byte limit per
/// counting mode, an IPv4 address and a name pattern) with a chosen hint side, check boxes,
/// colour selectors, a folder bar of three pages, a menu of check-state actions with a sub-menu,
/// and a live log of what they report.
class InputsPage : public QWidget
{
    Q_OBJECT

public:
    explicit InputsPage(QWidget* parent = nullptr);

    /// A picture of the page with the address field in its error state and its hint bubble
    /// shown, as `folder`/inputs-error.png.
    bool SaveScreenshots(const QString& folder);

private:
    QWidget* createSwitchGroup();
    QWidget* createLineEditGroup();
    QWidget* createCheckGroup();
    QWidget* createColourGroup();
    QWidget* createFolderGroup();
    QWidget* createMenuGroup();
    QWidget* createLog();
    ZtGUI::ZtMenu* createMenu(QWidget* parent);

    ZtGUI::ZtLineEdit* addField(const QString& name, const QString& label, QWidget* box);
    void applyHintSide();
    void checkFields();
    void log(const QString& source, const QString& details);

    QList<ZtGUI::ZtLineEdit*> m_fields;
    ZtGUI::ZtLineEdit* m_address = nullptr;
    QComboBox* m_hintSide = nullptr;
    GalleryLog* m_log = nullptr;
};
