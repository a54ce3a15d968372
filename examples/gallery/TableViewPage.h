#pragma once

#include <QHash>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>

class GalleryLog;
class QStandardItemModel;
class QTabWidget;

namespace ZtGUI {
class ZtTableView;
}

/// The table view page: a device list of a few thousand rows, once with pixmap icons and once
/// with SVG icons. Each row shows a status icon beside the device's name (a line edit, with a
/// check box and a check-all header), a stream type (a combo box, opened by a single press), the
/// time recording began (a date-time edit) and action icons aligned right (play, playback,
/// settings, delete) with tool tips and a hand cursor. A live log shows what the tables report.
class TableViewPage : public QWidget
{
    Q_OBJECT

public:
    explicit TableViewPage(QWidget* parent = nullptr);
    ~TableViewPage() override;

    /// Pictures of the page with the mouse over an action icon and with a stream-type editor
    /// open, as `folder`/tableview-hover.png and `folder`/tableview-editor.png.
    bool SaveScreenshots(const QString& folder);

private:
    QStandardItemModel* createModel(bool svg);
    ZtGUI::ZtTableView* createTable(ZtGUI::ZtTableView* table, QStandardItemModel* model);
    void fillRow(QStandardItemModel* model, int row, bool svg);
    /// The pictures of one icon, made once and shared by every row.
    QVariant icon(const QString& name, bool svg);
    QString svgFile(const QString& name, const QColor& colour) const;
    bool save(const QString& file);

    // The SVG icons are written here when the page is built, as a host ships them beside it.
    QTemporaryDir m_svgFolder;
    QHash<QString, QVariant> m_icons;
    QTabWidget* m_tabs = nullptr;
    ZtGUI::ZtTableView* m_table = nullptr;
    GalleryLog* m_log = nullptr;
};
