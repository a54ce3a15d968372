#pragma once

// Ways to reach a calendar's grids by object name and to click them as a user does.
#include "KitraTest.h"

#include "ZtCalendar.h"
#include "ZtDir.h"
#include "ZtSetting.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <memory>

namespace CalendarTest {

/// Read once, so that no expectation mixes two readings of the clock (dated runs fix the day).
inline const QDate kToday = QDate::currentDate();

/// For initTestCase(): warnings fail; the skin is set before any calendar builds its paths.
inline void prepare()
{
    KitraTest::failOnUnexpectedWarnings();
    QString version = QStringLiteral("DustyBlue"), dir = QCoreApplication::applicationDirPath();
    ZtGUI::SetSkinVersion(version);
    ZtGUI::ZtDir::SetCurrentPath(dir);
}

/// Shows `widget` as a window (at `geometry` if valid), as item views take clicks once laid out.
template <typename Widget>
std::unique_ptr<Widget> shown(Widget* widget, const QRect& geometry = QRect())
{
    std::unique_ptr<Widget> owned(widget);
    if (geometry.isValid())
        owned->setGeometry(geometry);
    owned->show();
    return QTest::qWaitForWindowExposed(owned.get()) ? std::move(owned) : nullptr;
}

inline QTableWidget* dayGrid(const QWidget* c) { return c->findChild<QTableWidget*>(QStringLiteral("m_tabCalendar")); }
inline QTableWidget* pageGrid(const QWidget* c) { return c->findChild<QTableWidget*>(QStringLiteral("m_tabYearMonth")); }
inline QPushButton* button(const QWidget* c, const char* name) { return c->findChild<QPushButton*>(QString::fromLatin1(name)); }

/// The cells' values in `role`, row by row; an empty day cell reads 0.
inline QVector<int> cellValues(const QTableWidget* grid, int role = Qt::DisplayRole)
{
    QVector<int> values;
    for (int cell = 0; cell < grid->rowCount() * grid->columnCount(); ++cell)
        values << grid->item(cell / grid->columnCount(), cell % grid->columnCount())->data(role).toInt();
    return values;
}
/// The cell of a day (by its text) or of a month or year (by its value); null if none.
inline QTableWidgetItem* findCell(const QTableWidget* grid, int value, int role)
{
    const int cell = cellValues(grid, role).indexOf(value);
    return cell < 0 ? nullptr : grid->item(cell / grid->columnCount(), cell % grid->columnCount());
}
inline QTableWidgetItem* dayItem(const QWidget* c, int day) { return findCell(dayGrid(c), day, Qt::DisplayRole); }
inline QTableWidgetItem* pageItem(const QWidget* c, int value) { return findCell(pageGrid(c), value, Qt::UserRole); }
inline bool dayEnabled(const QWidget* c, int day) { return dayItem(c, day)->flags().testFlag(Qt::ItemIsEnabled); }
inline QPoint centreOf(const QTableWidget* grid, const QTableWidgetItem* item) { return grid->visualItemRect(item).center(); }

inline void clickItem(QTableWidget* grid, QTableWidgetItem* item)
{
    QVERIFY(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(grid, item));
}
inline void clickDay(const QWidget* c, int day) { clickItem(dayGrid(c), dayItem(c, day)); }
inline void clickPage(const QWidget* c, int value) { clickItem(pageGrid(c), pageItem(c, value)); }
inline void clickButton(const QWidget* c, const char* name)
{
    QVERIFY2(button(c, name), name);
    QTest::mouseClick(button(c, name), Qt::LeftButton);
}

/// Clicks (`count` 1) or double-clicks (2) through the window system: an open pop-up sees the
/// presses first, and the input stops when a reply deletes the window.
inline void systemClicks(QWidget* widget, const QPoint& pos, int count = 1)
{
    const QPointer<QWindow> window = widget->window()->windowHandle();
    const QPointF local = widget->mapTo(widget->window(), pos), global = widget->mapToGlobal(pos);
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; // no double click with earlier input
    for (int event = 0; event < 2 * count && window; ++event) {
        const bool press = event % 2 == 0;
        qt_handleMouseEvent(window, local, global, press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                            press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, {}, ++QTest::lastMouseTimestamp);
    }
}
inline void systemClickDay(const QWidget* c, int day, int count = 1)
{
    QVERIFY(dayItem(c, day));
    systemClicks(dayGrid(c)->viewport(), centreOf(dayGrid(c), dayItem(c, day)), count);
}
inline bool onDayPage(const QWidget* c)
{
    return c->findChild<QStackedWidget*>(QStringLiteral("stkCalType"))->currentWidget()->objectName() == QLatin1String("pgCal");
}

} // namespace CalendarTest
