#pragma once

#include <QWidget>

class GalleryLog;
class QStandardItemModel;
class QTreeWidget;

namespace ZtGUI {
class ZtBaseView;
class ZtCascadingListComBox;
class ZtCustomComboBox;
class ZtMenuCustomCombox;
class ZtPathComboBox;
}

/// The lists and combos page: a camera table with the check-all header, every combo box of the
/// library filled with a site's data (streams, a device tree, a two-level region catalogue, a
/// recording path), a pop-up button with a small form, and a live log of what they report.
class ListsCombosPage : public QWidget
{
    Q_OBJECT

public:
    explicit ListsCombosPage(QWidget* parent = nullptr);
    ~ListsCombosPage() override;

    /// Pictures of the page with the device tree's pop-up open and with the region list open on
    /// its first district, as `folder`/lists-custom-popup.png and `folder`/lists-cascading.png.
    bool SaveScreenshots(const QString& folder);

private:
    QWidget* createViewGroup();
    QWidget* createComboGroup();
    QWidget* createDeviceCombo(QWidget* parent);
    QWidget* createRegionCombos(QWidget* parent);
    QWidget* createPopupButton(QWidget* parent);
    QWidget* createLog();

    void showCheckedDevices();
    /// Appends one entry; a '\n' in `details` starts another line of the entry.
    void log(const QString& source, const QString& details);
    bool saveWithPopup(QWidget* popup, const QString& file);

    QStandardItemModel* m_cameras = nullptr;
    ZtGUI::ZtBaseView* m_view = nullptr;
    ZtGUI::ZtCustomComboBox* m_devices = nullptr;
    QTreeWidget* m_deviceTree = nullptr;
    ZtGUI::ZtCascadingListComBox* m_regions = nullptr;
    ZtGUI::ZtMenuCustomCombox* m_regionMenu = nullptr;
    ZtGUI::ZtPathComboBox* m_recordPath = nullptr;
    GalleryLog* m_log = nullptr;
};
