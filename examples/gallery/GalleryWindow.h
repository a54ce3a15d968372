#pragma once

#include <QWidget>

#include <functional>

class QListWidget;
class QStackedWidget;

/// The gallery's main window: a navigation list of pages, one page per subsystem.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    /// Renders every page to `folder`/<page>.png, then the pictures pages take of themselves with
    /// their pop-ups, dialogs or editors open; false when a picture cannot be written.
    bool SaveScreenshots(const QString& folder);

signals:
    /// The operator picked another skin or language: the host rebuilds the gallery with it.
    void ConfigurationRequested(const QString& skin, const QString& language);

private:
    QWidget* createSwitches();

    void addPage(const QString& name, const QString& title, QWidget* page);
    /// A page that also takes pictures of itself, with `SaveScreenshots(folder)`.
    template <typename Page>
    void addPictured(const QString& name, const QString& title, Page* page)
    {
        addPage(name, title, page);
        m_pictures.append({name, [page](const QString& folder) { return page->SaveScreenshots(folder); }});
    }

    QListWidget* m_navigation = nullptr;
    QStackedWidget* m_pages = nullptr;
    QStringList m_pageNames;
    /// Pages that take pictures of themselves, each while it is the visible page.
    QList<QPair<QString, std::function<bool(const QString&)>>> m_pictures;
};
