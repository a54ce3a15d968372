#include "GalleryLog.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

GalleryLog::GalleryLog(const QString& title, const QString& name, QWidget* parent)
    : QGroupBox(title, parent)
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(name);
    m_text->setObjectName(name + QStringLiteral("Text"));
    m_text->setReadOnly(true);
    m_text->setMaximumBlockCount(kEntries);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setWordWrapMode(QTextOption::WordWrap);
    // Columns of numbers read best in a fixed-pitch font, a little smaller than the page's text.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(fixed).fixedPitch()) {
        fixed.setFamily(QStringLiteral("monospace"));
        fixed.setStyleHint(QFont::TypeWriter);
    }
    fixed.setPointSizeF(font().pointSizeF() * 0.8);
    m_text->setFont(fixed);

    auto* clear = new QPushButton(tr("Clear"), this);
    connect(clear, &QPushButton::clicked, m_text, &QPlainTextEdit::clear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(clear, 0, Qt::AlignRight);
}

void GalleryLog::Append(const QString& source, const QString& details)
{
    // One block per report, its details on indented lines: the cap then drops whole entries.
    const QString indent = QChar(QChar::LineSeparator) + QStringLiteral("    ");
    QString text = QTime::currentTime().toString(QStringLiteral("hh:mm:ss ")) + source;
    if (!details.isEmpty())
        text += indent + details;
    m_text->appendPlainText(text.replace(QLatin1Char('\n'), indent));
}
