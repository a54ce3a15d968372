#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

class GalleryLog;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class ShadowEffect;
class TipWidget;

namespace ZtGUI {
class WaitWidget;
class ZtBaseWindowTitle;
class ZtCustomDialog;
}

/// The windows page: a frameless window with the library's title bar and shadow, the wait
/// indicator, notices, tips beside a button and a field, the push-button family and a live log
/// of what they report. The "Dialogs" group opens the frameless dialogs and message boxes.
class WindowsPage : public QWidget
{
    Q_OBJECT

public:
    explicit WindowsPage(QWidget* parent = nullptr);
    ~WindowsPage() override;

    /// Pictures of the gallery with a message box and with the custom dialog open over it, as
    /// `folder`/windows-messagebox.png and `folder`/windows-dialog.png.
    bool SaveDialogScreenshots(const QString& folder);

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createWindowGroup();
    QWidget* createWaitGroup();
    QWidget* createNoticeGroup();
    QWidget* createTipGroup();
    QWidget* createButtonGroup();
    QWidget* createDialogGroup();
    QWidget* createLog();

    void openWindow();
    void buildWindow();
    void stretchWindow(const QPoint& globalPos);
    void showWindowState(const QString& reason);
    QString windowStateText() const;

    void startWaiting();
    void postNotice(bool success);
    void showButtonTip();
    void checkCameraName();
    void placeFieldTip();

    /// Appends one entry; a '\n' in `details` starts another line of the entry.
    void log(const QString& source, const QString& details);
    void logAnswer(const char* function, int button);
    ZtGUI::ZtCustomDialog* createCustomDialog();
    void openCustomDialog();
    void openResizableDialog();
    bool saveOverWindow(QWidget* dialog, const QString& file);

    // The frameless window, built on first use and kept, so that its title bar keeps its state.
    QWidget* m_window = nullptr;
    ZtGUI::ZtBaseWindowTitle* m_title = nullptr;
    QLabel* m_windowTitleText = nullptr;
    QToolButton* m_maximize = nullptr;
    ShadowEffect* m_shadow = nullptr;
    QLabel* m_windowState = nullptr;
    int m_stretchState = 0;
    QPoint m_stretchFrom;
    QRect m_stretchGeometry;

    ZtGUI::WaitWidget* m_wait = nullptr;
    QSpinBox* m_waitTimeOut = nullptr;
    QCheckBox* m_waitJob = nullptr;
    QCheckBox* m_waitEscape = nullptr;
    QLabel* m_waitResult = nullptr;
    QTimer m_job;
    QElapsedTimer m_waited;
    bool m_unNormalExit = false;
    bool m_escapePressed = false;

    QWidget* m_noticeArea = nullptr;
    int m_notices = 0;

    QPushButton* m_tipButton = nullptr;
    TipWidget* m_buttonTip = nullptr;
    QTimer m_buttonTipTimer;
    QLineEdit* m_cameraName = nullptr;
    TipWidget* m_fieldTip = nullptr;

    GalleryLog* m_log = nullptr;
};
