#pragma once
// Fixtures shared by the tests of the window widgets.
#include "KitraTest.h"
#include "ZtDir.h"
#include "ZtSetting.h"

namespace WindowsTest {

inline void showAt(QWidget& widget, const QRect& geometry)
{
    widget.setGeometry(geometry);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

// A fresh settings file at `ini` naming the skin `style`, in force for the widgets built after it.
inline void useSkinStyle(const QString& ini, const QString& style)
{
    ZtGUI::ZtSetting::UnInstance();
    ZtGUI::ZtSetting::setIniPath(ini);
    ZtGUI::ZtSetting::GetInstance()->WriteValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"), style);
}

inline void setAppDir(QString path)
{
    ZtGUI::ZtDir::SetCurrentPath(path);
}

// A spy's recorded calls, to compare all at once with an expected list.
inline QList<QVariantList> calls(const QSignalSpy& spy)
{
    return spy;
}

// The widgets of `Type` in `parent`, left to right, described by `describe`.
template <typename Type, typename Describe>
QStringList leftToRight(const QWidget* parent, Describe describe)
{
    QList<Type*> widgets = parent->findChildren<Type*>();
    std::sort(widgets.begin(), widgets.end(), [](Type* a, Type* b) { return a->x() < b->x(); });
    QStringList names;
    for (Type* widget : qAsConst(widgets))
        names << describe(widget);
    return names;
}

} // namespace WindowsTest
