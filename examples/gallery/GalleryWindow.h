#pragma once

#include <QWidget>

class QListWidget;
class QStackedWidget;
class DisplayWindowPage;
class InputsPage;
class WindowsPage;

/// The gallery's main window: a navigation list of pages, one page per subsystem.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    /// Renders every page to `folder`/<page>.png, and again the windows page with a message box and
    /// a dialog open, the inputs page with a refused field and the display window page with PTZ and
    /// the overflow pop-up open; false when a picture cannot be written.
    bool SaveScreenshots(const QString& folder);

signals:
    /// The operator picked another skin or language: the host rebuilds the gallery with it.
    void ConfigurationRequested(const QString& skin, const QString& language);

private:
    QWidget* createSwitches();

    void addPage(const QString& name, const QString& title, QWidget* page);

    QListWidget* m_navigation = nullptr;
    QStackedWidget* m_pages = nullptr;
    QStringList m_pageNames;
    WindowsPage* m_windowsPage = nullptr;
    InputsPage* m_inputsPage = nullptr;
    DisplayWindowPage* m_displayWindowPage = nullptr;
};
