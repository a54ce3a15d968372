#pragma once

#include <QtTest>

namespace KitraTest {

/// Makes every Qt warning that the test did not announce with QTest::ignoreMessage fail the
/// running test function. Call it from initTestCase(), after QTest has installed its own handler.
void failOnUnexpectedWarnings();

/// A press, release, double-click and release at `pos`, as a real double click arrives.
void doubleClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);

} // namespace KitraTest
