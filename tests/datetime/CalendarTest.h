#pragma once

// Ways to reach a calendar's grids by object name and to click its days as a user does.
#include "KitraTest.h"

#include "ZtCalendar.h"
#include "ZtDir.h"
#include "ZtSetting.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

namespace CalendarTest {

/// Skin paths are built when widgets are, so the skin is set before any calendar exists.
inline void useShippedSkin()
{
    QString version = QStringLiteral("DustyBlue");
    QString dir = QCoreApplication::applicationDirPath();
    ZtGUI::SetSkinVersion(version);
    ZtGUI::ZtDir::SetCurrentPath(dir);
}

inline QTableWidget* dayGrid(const QWidget* calendar)
{
    return calendar->findChild<QTableWidget*>(QStringLiteral("m_tabCalendar"));
}

inline QTableWidget* pageGrid(const QWidget* calendar)
{
    return calendar->findChild<QTableWidget*>(QStringLiteral("m_tabYearMonth"));
}

inline QPushButton* button(const QWidget* calendar, const char* name)
{
    return calendar->findChild<QPushButton*>(QString::fromLatin1(name));
}

/// The day numbers of the 42 cells, row by row, 0 for an empty cell.
inline QVector<int> dayNumbers(const QWidget* calendar)
{
    QVector<int> numbers;
    const QTableWidget* grid = dayGrid(calendar);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            numbers << grid->item(row, column)->data(Qt::DisplayRole).toInt();
    return numbers;
}

inline QTableWidgetItem* dayItem(const QWidget* calendar, int day)
{
    const QTableWidget* grid = dayGrid(calendar);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (grid->item(row, column)->data(Qt::DisplayRole).toInt() == day)
                return grid->item(row, column);
    return nullptr;
}

inline QTableWidgetItem* pageItem(const QWidget* calendar, int value)
{
    const QTableWidget* grid = pageGrid(calendar);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (grid->item(row, column)->data(Qt::UserRole).toInt() == value)
                return grid->item(row, column);
    return nullptr;
}

inline void clickItem(QTableWidget* grid, QTableWidgetItem* item)
{
    QVERIFY(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
}

inline void clickDay(const QWidget* calendar, int day)
{
    clickItem(dayGrid(calendar), dayItem(calendar, day));
}

inline void clickPage(const QWidget* calendar, int value)
{
    clickItem(pageGrid(calendar), pageItem(calendar, value));
}

inline void clickButton(const QWidget* calendar, const char* name)
{
    QPushButton* b = button(calendar, name);
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton);
}

inline bool onDayPage(const QWidget* calendar)
{
    const auto* stack = calendar->findChild<QStackedWidget*>(QStringLiteral("stkCalType"));
    return stack->currentWidget()->objectName() == QLatin1String("pgCal");
}

} // namespace CalendarTest
