#pragma once

#include <QGroupBox>

class QPlainTextEdit;

/// A page's live log: what the widgets report, one entry per report with its details on
/// indented lines, capped so that a long session does not grow it without end.
class GalleryLog : public QGroupBox
{
    Q_OBJECT

public:
    /// The group is named `name` and its text area `name` + "Text", for style sheets and tests.
    GalleryLog(const QString& title, const QString& name, QWidget* parent);

    /// The log keeps no more than this many entries, dropping the oldest.
    static constexpr int kEntries = 300;

    void Append(const QString& source, const QString& details);
    QPlainTextEdit* Text() const { return m_text; }

private:
    QPlainTextEdit* m_text = nullptr;
};
