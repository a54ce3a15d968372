#pragma once

#include <QtTest>
#include <QtWidgets>

// A gallery page shown at the gallery's size, with handles on the widgets a test drives and on the
// entries of its log.
template <typename PageType>
struct ShownPage
{
    explicit ShownPage(const char* logName)
    {
        page.resize(800, 640);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        log = this->template child<QPlainTextEdit>(logName);
        QVERIFY(log);
    }

    template <typename T>
    T* child(const char* name) const { return page.template findChild<T*>(QString::fromLatin1(name)); }

    // One string per log entry, its lines joined by spaces.
    QStringList entries() const
    {
        QStringList all;
        for (QTextBlock b = log->document()->begin(); b.isValid(); b = b.next()) {
            if (!b.text().isEmpty())
                all << b.text().replace(QRegularExpression(QStringLiteral("\u2028 *")), QStringLiteral(" "));
        }
        return all;
    }
    QString lastEntry() const { return entries().value(entries().size() - 1); }

    PageType page;
    QPlainTextEdit* log = nullptr;
};
