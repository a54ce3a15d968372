#include "ZtCalendar.h"
#include "ZtCalendar_p.h"

#include "CommonFun.h"
#include "KitraGuard_p.h"
#include "ZtCalendarDates_p.h"
#include "ZtSetting.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>

namespace ZtGUI {

namespace {

// Translated where they are shown, in the calendar's context.
const char* const kMonthNames[12] = {
    QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Jan"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Feb"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Mar"),
    QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Apr"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "May"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Jun"),
    QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Jul"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Aug"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Sep"),
    QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Oct"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Nov"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Dec")};
constexpr int kFullHeight = 307;
constexpr int kShortHeight = 270;
constexpr int kWidth = 210;
constexpr int kPageCell = 40;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

QString monthName(int month)
{
    return ZtCalendar::tr(kMonthNames[month - 1]);
}

QString skinPicture(const char* pattern)
{
    return QString::fromLatin1(pattern).arg(GetSkinVersion());
}

const QDate kFirstDay(ZtCalendarPrivate::kFirstYear, 1, 1);
const QDate kLastDay(ZtCalendarPrivate::kLastYear, 12, 31);

bool inCalendarRange(const QDate& date)
{
    return date >= kFirstDay && date <= kLastDay;
}

void prepareTable(QTableWidget* table, int rows, int columns)
{
    table->setRowCount(rows);
    table->setColumnCount(columns);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFocusPolicy(Qt::NoFocus);
    table->setMouseTracking(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::NoItemFlags);
            item->setTextAlignment(kCentred);
            table->setItem(r, c, item);
        }
    }
}

} // namespace

void ZtCalendarPrivate::setWeekOf(const QDate& date)
{
    weekStart = WeekStart(date);
    weekEnd = weekStart.addDays(6);
}

void ZtCalendarPrivate::store(const QDate& date, const QTime& time)
{
    year = date.year();
    month = date.month();
    day = qMin(date.day(), QDate(year, month, 1).daysInMonth());
    hour = time.hour();
    minute = time.minute();
    second = time.second();
    selDate = QDate(year, month, day);
    if (displayType == ZtCalendar::DisplayWeek)
        setWeekOf(selDate);
}

// The arrows are named in the form; these parts carry no text a screen reader could go by.
void ZtCalendarPrivate::nameParts()
{
    ui.m_MonthYearBtn->setAccessibleDescription(ZtCalendar::tr("Choose the month or the year"));
    ui.m_tabCalendar->setAccessibleName(ZtCalendar::tr("Days"));
    ui.m_dateTimeEdit->setAccessibleName(ZtCalendar::tr("Date and time"));
}

void ZtCalendarPrivate::refill()
{
    day = qMin(day, QDate(year, month, 1).daysInMonth());
    selDate = QDate(year, month, day);
    firstYear = (year - kFirstYear) / kPageYears * kPageYears + kFirstYear;
    lastYear = firstYear + kPageYears - 1;
    updateHeaderText();
    fillDays();
    fillPage();
    updateNavigation();
    const QSignalBlocker blocker(ui.m_dateTimeEdit);
    ui.m_dateTimeEdit->setDateTime(selection());
}

void ZtCalendarPrivate::fillDays()
{
    QTableWidget* table = ui.m_tabCalendar;
    const QSignalBlocker blocker(table);
    table->clearSelection();
    const QDate first(year, month, 1);
    const int offset = int(WeekStart(first).daysTo(first));
    for (int cell = 0; cell < kRows * kColumns; ++cell) {
        QTableWidgetItem* item = table->item(cell / kColumns, cell % kColumns);
        const int number = cell - offset + 1;
        if (number < 1 || number > first.daysInMonth()) {
            item->setData(Qt::DisplayRole, QVariant());
            item->setData(Qt::BackgroundRole, QVariant());
            item->setFlags(Qt::NoItemFlags);
            continue;
        }
        fillDayCell(item, QDate(year, month, number));
    }
}

void ZtCalendarPrivate::fillDayCell(QTableWidgetItem* item, const QDate& date)
{
    item->setData(Qt::DisplayRole, date.day());
    item->setTextAlignment(kCentred);
    const bool inPeriod = startCalendar ? (endBound.isValid() && date > selDate && date <= endBound)
                                        : (date >= startBound && date < selDate);
    QVariant background;
    if (date == QDate::currentDate() && !curDatePixmap.isNull())
        background = QBrush(curDatePixmap);
    else if (inPeriod && !containDatePixmap.isNull())
        background = QBrush(containDatePixmap);
    item->setData(Qt::BackgroundRole, background);

    const bool selectable = date == selDate || startCalendar || (restrictRange > 0 && inWindow(date));
    item->setFlags(selectable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsUserCheckable);
    const bool inWeek = displayType == ZtCalendar::DisplayWeek && date >= weekStart && date <= weekEnd;
    item->setSelected(selectable && (date == selDate || inWeek));
}

void ZtCalendarPrivate::fillPage()
{
    if (onDayPage())
        return;
    QTableWidget* table = ui.m_tabYearMonth;
    const QSignalBlocker blocker(table);
    table->clearSelection();
    for (int cell = 0; cell < table->rowCount() * table->columnCount(); ++cell) {
        QTableWidgetItem* item = table->item(cell / table->columnCount(), cell % table->columnCount());
        const int value = monthPage ? cell + 1 : firstYear + cell;
        const bool shown = monthPage || value <= kLastYear;
        item->setData(Qt::DisplayRole, shown ? (monthPage ? monthName(value) : QString::number(value)) : QString());
        item->setData(Qt::UserRole, shown ? QVariant(value) : QVariant());
        item->setFlags(shown ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
    }
}

void ZtCalendarPrivate::updateHeaderText()
{
    QString text;
    if (yearPage)
        text = QStringLiteral("%1-%2").arg(firstYear).arg(lastYear);
    else if (monthPage)
        text = QString::number(year);
    else
        text = QStringLiteral("%1 %2").arg(monthName(month)).arg(year);
    ui.m_MonthYearBtn->setText(text);
    ui.m_tabYearMonth->setAccessibleName(yearPage ? ZtCalendar::tr("Years") : ZtCalendar::tr("Months"));
}

void ZtCalendarPrivate::updateNavigation()
{
    bool previous = true;
    bool next = true;
    if (yearPage) {
        previous = firstYear >= kFirstYear + 1;
        next = lastYear < kLastYear;
    } else if (monthPage) {
        previous = year > kFirstYear;
        next = year < kLastYear;
    } else {
        const int shown = MonthIndex(selDate);
        previous = shown > MonthIndex(kFirstDay);
        next = shown < MonthIndex(kLastDay);
        if (isEndCalendar()) {
            // An end calendar pages only through the months of its window.
            previous = previous && !onlySameMonth && shown > MonthIndex(startBound);
            next = next && !onlySameMonth && shown < MonthIndex(windowEnd());
        }
    }
    ui.m_PreviewBtn->setEnabled(previous);
    ui.m_NextBtn->setEnabled(next);
}

void ZtCalendarPrivate::updateQuickTexts()
{
    if (yearPage)
        shownType = ZtCalendar::DisplayYear;
    else if (monthPage)
        shownType = ZtCalendar::DisplayMonth;
    else
        shownType = displayType == ZtCalendar::DisplayWeek ? ZtCalendar::DisplayWeek : ZtCalendar::DisplayDay;
    static const char* const kTexts[4][2] = {
        {QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Yesterday"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Today")},
        {QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Last week"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "This week")},
        {QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Last month"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "This month")},
        {QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "Last year"), QT_TRANSLATE_NOOP("ZtGUI::ZtCalendar", "This year")}};
    ui.BtnLast->setText(ZtCalendar::tr(kTexts[shownType][0]));
    ui.BtnCur->setText(ZtCalendar::tr(kTexts[shownType][1]));
}

void ZtCalendarPrivate::showPage(bool months, bool years)
{
    monthPage = months;
    yearPage = years;
    ui.stkCalType->setCurrentWidget(onDayPage() ? ui.pgCal : ui.pgYearMon);
    updateQuickTexts();
}

void ZtCalendarPrivate::page(int direction)
{
    const QDate first(year, month, 1);
    QDate target;
    if (yearPage)
        target = first.addYears(direction * kPageYears);
    else if (monthPage)
        target = first.addYears(direction);
    else
        target = first.addMonths(direction);
    if (!inCalendarRange(target)) {
        target = QDate(qBound(int(kFirstYear), target.year(), int(kLastYear)), month, 1);
        if (target.year() == year)
            return;
    }
    // Forward on the day page opens the new month at its first day; otherwise the day is kept.
    const bool firstDay = onDayPage() && direction > 0;
    QDate chosen(target.year(), target.month(), firstDay ? 1 : qMin(day, target.daysInMonth()));
    if (onDayPage() && restricted())
        chosen = qBound(startBound, chosen, windowEnd());
    selectAndNotify(chosen, QTime(hour, minute, second));
}

void ZtCalendarPrivate::selectAndNotify(const QDate& date, const QTime& time)
{
    Q_Q(ZtCalendar);
    store(date, time);
    refill();
    emit q->SgnDateTimeChanged();
}

bool ZtCalendarPrivate::follow(const QDateTime& dateTime)
{
    Q_Q(ZtCalendar);
    const QTime time = dateTime.time();
    const QDateTime wanted(dateTime.date(), QTime(time.hour(), time.minute(), time.second()));
    if (wanted == selection())
        return false;
    if (MonthIndex(wanted.date()) != MonthIndex(selection().date()))
        q->ClearCellWidget();
    selectAndNotify(wanted.date(), wanted.time());
    return true;
}

void ZtCalendarPrivate::limitEditor(const QDate& first)
{
    // Quietly: the value set next is the change, not the clamp to a range on the move.
    const QSignalBlocker blocker(ui.m_dateTimeEdit);
    ui.m_dateTimeEdit->setDateTimeRange(QDateTime(first, QTime(0, 0)),
                                        QDateTime(first.addDays(qMax(restrictRange, 1) - 1), QTime(23, 59, 59)));
}

void ZtCalendarPrivate::setRowVisible(QWidget* row, bool visible)
{
    Q_Q(ZtCalendar);
    row->setVisible(visible);
    const bool anyRow = ui.widget_4->isVisibleTo(q) || ui.widget_BtnCurLast->isVisibleTo(q);
    q->resize(kWidth, anyRow ? kFullHeight : kShortHeight);
}

ZtCalendar::ZtCalendar(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtCalendarPrivate(this))
{
    Q_D(ZtCalendar);
    d->ui.setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
    // A missing picture leaves the cell without a background.
    d->curDatePixmap = QPixmap(skinPicture("./Skin/%1/ZtGui/Calendar/CurDate.png"));
    d->containDatePixmap = QPixmap(skinPicture("./Skin/%1/ZtGui/Calendar/ContainDate.png"));

    ZtCalendarGrid* days = d->ui.m_tabCalendar;
    prepareTable(days, ZtCalendarPrivate::kRows, ZtCalendarPrivate::kColumns);
    days->setFrameShape(QFrame::NoFrame);
    days->setShowGrid(false);
    days->setSelectionMode(QAbstractItemView::MultiSelection);
    days->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    days->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Seven columns share 210 pixels: the style's wider minimum section would push Saturday out.
    days->horizontalHeader()->setMinimumSectionSize(1);
    days->verticalHeader()->setMinimumSectionSize(1);

    ZtCalendarGrid* pages = d->ui.m_tabYearMonth;
    prepareTable(pages, 3, 4);
    pages->setSelectionMode(QAbstractItemView::SingleSelection);
    pages->setShowGrid(true);
    pages->horizontalHeader()->setDefaultSectionSize(kPageCell);
    pages->verticalHeader()->setDefaultSectionSize(kPageCell);

    d->nameParts();
    d->ui.widget_4->hide();
    d->ui.widget_BtnCurLast->hide();
    // The calendar keeps its width whatever a skin's editor or buttons ask for.
    setMinimumWidth(kWidth);
    resize(kWidth, kShortHeight);

    connect(d->ui.m_PreviewBtn, &QPushButton::clicked, this, &ZtCalendar::OnPreviewMonth);
    connect(d->ui.m_MonthYearBtn, &QPushButton::clicked, this, &ZtCalendar::OnShowMonthYearWidget);
    connect(d->ui.m_NextBtn, &QPushButton::clicked, this, &ZtCalendar::OnNextMonth);
    connect(d->ui.BtnCancel, &QPushButton::clicked, this, &ZtCalendar::SgnCalendarHide);
    connect(d->ui.BtnOK, &QPushButton::clicked, this, &ZtCalendar::SgnBtnOKClicked);
    connect(pages, &ZtCalendarGrid::SgnItemClicked, this, &ZtCalendar::OnTabItemClicked);
    connect(days, &QTableWidget::itemSelectionChanged, this, &ZtCalendar::OnSelectionChanged);
    connect(days, &ZtCalendarGrid::SgnItemClicked, this, &ZtCalendar::OnTableClick);
    connect(days, &ZtCalendarGrid::SgnCellDoubleClicked, this, &ZtCalendar::OnCellDoubleClicked);
    // Queued: the editor goes on with itself after it reports a typed change, and the host may
    // delete the calendar, editor and all, from the signal this change leads to.
    connect(d->ui.m_dateTimeEdit, &QDateTimeEdit::dateTimeChanged, this, &ZtCalendar::OnDateTimeEditChanged,
            Qt::QueuedConnection);
    connect(d->ui.BtnCur, &QPushButton::clicked, this, &ZtCalendar::OnBtnCurClicked);
    connect(d->ui.BtnLast, &QPushButton::clicked, this, &ZtCalendar::OnBtnLastClicked);
    d->ui.m_dateTimeEdit->installEventFilter(this);

    d->updateQuickTexts();
    d->refill();
}

ZtCalendar::~ZtCalendar() = default;

int ZtCalendar::SetSelDate(int year, int month, int day, int hour, int minute, int second)
{
    Q_D(ZtCalendar);
    const bool valid = year >= ZtCalendarPrivate::kFirstYear && year <= ZtCalendarPrivate::kLastYear
        && month >= 1 && month <= 12 && QTime::isValid(hour, minute, second, 0);
    if (!valid)
        return -1;
    const int lastDay = QDate(year, month, 1).daysInMonth();
    d->store(QDate(year, month, qBound(1, day, lastDay)), QTime(hour, minute, second));
    d->refill();
    return 0;
}

int ZtCalendar::GetSelDate(int* year, int* month, int* day, int* hour, int* minute, int* second) const
{
    Q_D(const ZtCalendar);
    const std::pair<int*, int> fields[] = {{year, d->year}, {month, d->month}, {day, d->day},
                                           {hour, d->hour}, {minute, d->minute}, {second, d->second}};
    for (const auto& field : fields) {
        if (field.first)
            *field.first = field.second;
    }
    return 0;
}

int ZtCalendar::SetDateTime(const QDateTime& dateTime)
{
    Q_D(ZtCalendar);
    if (!dateTime.isValid() || !inCalendarRange(dateTime.date()))
        return -1;
    if (d->isEndCalendar())
        d->limitEditor(dateTime.date());
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return SetSelDate(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

int ZtCalendar::GetDateTime(QDateTime& dateTime) const
{
    dateTime = GetSelectDate();
    return 0;
}

QDateTime ZtCalendar::GetSelectDate() const
{
    Q_D(const ZtCalendar);
    return d->selection();
}

void ZtCalendar::GetSelectWeekDate(QDate& start, QDate& end) const
{
    Q_D(const ZtCalendar);
    start = d->weekStart;
    end = d->weekEnd;
}

QDate ZtCalendar::GetDateStart() const
{
    Q_D(const ZtCalendar);
    return d->startBound;
}

QDate ZtCalendar::GetDateEnd() const
{
    Q_D(const ZtCalendar);
    return d->endBound;
}

int ZtCalendar::SetRecordDate(int year, int month, int day, bool mark)
{
    Q_D(ZtCalendar);
    if (year != d->year || month != d->month)
        return 0;
    QTableWidget* table = d->ui.m_tabCalendar;
    for (int cell = 0; cell < ZtCalendarPrivate::kRows * ZtCalendarPrivate::kColumns; ++cell) {
        const int row = cell / ZtCalendarPrivate::kColumns;
        const int column = cell % ZtCalendarPrivate::kColumns;
        const QTableWidgetItem* item = table->item(row, column);
        if (item->flags() == Qt::NoItemFlags || item->data(Qt::DisplayRole).toInt() != day)
            continue;
        if (!mark) {
            table->removeCellWidget(row, column);
            continue;
        }
        auto* label = new QLabel(table);
        label->setObjectName(QStringLiteral("picRecord%1%2%3").arg(year).arg(month).arg(day));
        label->setStyleSheet(QStringLiteral("QLabel#%1{image:url(%2);}")
                                 .arg(label->objectName(), skinPicture("./Skin/%1/ZtGui/Calendar/RecordBg.svg")));
        label->setAlignment(Qt::AlignCenter);
        label->setAccessibleName(tr("Has records"));
        // The mark decorates the day; clicks still reach the cell under it.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        table->setCellWidget(row, column, label);
    }
    return 0;
}

void ZtCalendar::ClearCellWidget()
{
    Q_D(ZtCalendar);
    QTableWidget* table = d->ui.m_tabCalendar;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            table->removeCellWidget(row, column);
    }
    table->viewport()->update();
}

void ZtCalendar::ClearBackground()
{
    Q_D(ZtCalendar);
    QTableWidget* table = d->ui.m_tabCalendar;
    const QColor plain = table->palette().color(QPalette::Window);
    QAbstractItemModel* model = table->model();
    for (int row = 0; row < ZtCalendarPrivate::kRows; ++row) {
        for (int column = 0; column < ZtCalendarPrivate::kColumns; ++column)
            model->setData(model->index(row, column), plain, Qt::BackgroundRole);
    }
}

int ZtCalendar::SetRestrcitDateRange(int days)
{
    Q_D(ZtCalendar);
    if (days < 0)
        return -1;
    d->restrictRange = days;
    d->refill();
    return 0;
}

int ZtCalendar::SetOnlySelectSameMonth(bool bOnly)
{
    Q_D(ZtCalendar);
    d->onlySameMonth = bOnly;
    d->refill();
    return 0;
}

int ZtCalendar::SetStartCalendar(bool bStart)
{
    Q_D(ZtCalendar);
    d->startCalendar = bStart;
    // An end calendar never shows the month or year page.
    d->ui.m_MonthYearBtn->setEnabled(bStart);
    if (!bStart)
        d->showPage(false, false);
    d->refill();
    return 0;
}

void ZtCalendar::ChangeDisplayType(DisplayType_e type)
{
    Q_D(ZtCalendar);
    if (type < DisplayDay || type > DisplayYear) {
        qWarning("---ZtGUI--- ZtCalendar::ChangeDisplayType: type = %d", int(type));
        return;
    }
    d->displayType = type;
    if (type == DisplayWeek)
        d->setWeekOf(d->selDate);
    SetDefaultShowWgt();
}

ZtCalendar::DisplayType_e ZtCalendar::GetDisplayType() const
{
    Q_D(const ZtCalendar);
    return d->displayType;
}

void ZtCalendar::SetDefaultShowWgt()
{
    Q_D(ZtCalendar);
    d->showPage(d->displayType == DisplayMonth, d->displayType == DisplayYear);
    d->refill();
}

void ZtCalendar::SetDisplayFormat()
{
    Q_D(ZtCalendar);
    d->ui.m_dateTimeEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

void ZtCalendar::SetTimeEditVisible(bool bVisible)
{
    Q_D(ZtCalendar);
    d->ui.m_dateTimeEdit->setVisible(bVisible);
}

void ZtCalendar::SetCalendarName(const QString& name)
{
    Q_D(ZtCalendar);
    d->ui.lbName->setText(name);
}

void ZtCalendar::SetCalendarNameVisible(bool bVisible)
{
    Q_D(ZtCalendar);
    d->ui.lbName->setVisible(bVisible);
}

void ZtCalendar::SetBtnText(const QString& ok, const QString& cancel)
{
    Q_D(ZtCalendar);
    d->ui.BtnOK->setText(ok);
    d->ui.BtnCancel->setText(cancel);
}

void ZtCalendar::SetBtnVisible(bool bVisible)
{
    Q_D(ZtCalendar);
    d->setRowVisible(d->ui.widget_4, bVisible);
}

void ZtCalendar::SetLastCurBtnText(const QString& last, const QString& cur)
{
    Q_D(ZtCalendar);
    d->ui.BtnLast->setText(last);
    d->ui.BtnCur->setText(cur);
}

void ZtCalendar::SetLastCurBtnVisible(bool bVisible)
{
    Q_D(ZtCalendar);
    d->setRowVisible(d->ui.widget_BtnCurLast, bVisible);
}

void ZtCalendar::OnStartDateTimeChanged(const QDate& date)
{
    Q_D(ZtCalendar);
    if (!date.isValid())
        return;
    d->startBound = date;
    if (d->isEndCalendar()) {
        d->limitEditor(date);
        // The end of a period starts at the last second of its first day.
        if (d->follow(QDateTime(date.addDays(1), QTime(0, 0)).addSecs(-1)))
            return;
    }
    d->refill();
}

void ZtCalendar::OnEndDateTimeChanged(const QDate& date)
{
    Q_D(ZtCalendar);
    d->endBound = date;
    d->refill();
}

void ZtCalendar::OnCellDoubleClicked(int nRow, int nCol)
{
    Q_UNUSED(nRow)
    Q_UNUSED(nCol)
    if (EmitAlive(this, &ZtCalendar::SgnCalendarHide))
        emit SgnCellDoubleClicked();
}

void ZtCalendar::OnBtnLastClicked()
{
    Q_D(ZtCalendar);
    const QDate today = QDate::currentDate();
    QDate last;
    switch (d->shownType) {
    case DisplayDay: last = today.addDays(-1); break;
    case DisplayWeek: last = today.addDays(-7); break;
    case DisplayMonth: last = today.addMonths(-1); break;
    case DisplayYear: last = today.addYears(-1); break;
    }
    d->selectAndNotify(last, QTime(0, 0));
}

void ZtCalendar::OnBtnCurClicked()
{
    Q_D(ZtCalendar);
    d->selectAndNotify(QDate::currentDate(), QTime(0, 0));
}

bool ZtCalendar::eventFilter(QObject* watched, QEvent* event)
{
    Q_D(ZtCalendar);
    bool alive = true;
    if (event->type() == QEvent::Hide) {
        alive = EmitAlive(this, &ZtCalendar::SgnCalendarHide);
    } else if (watched == d->ui.m_dateTimeEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            alive = EmitAlive(this, &ZtCalendar::SgnCalendarHide);
    } else if (watched == d->ui.m_dateTimeEdit && event->type() == QEvent::Leave) {
        d->ui.m_dateTimeEdit->clearFocus();
    }
    // A host that deleted the calendar meanwhile took the editor with it: stop the event here.
    return alive ? QWidget::eventFilter(watched, event) : true;
}

void ZtCalendar::OnSelectionChanged()
{
    Q_D(ZtCalendar);
    QTableWidget* table = d->ui.m_tabCalendar;
    const QSignalBlocker blocker(table);
    const QList<QTableWidgetItem*> selected = table->selectedItems();
    for (QTableWidgetItem* item : selected) {
        const QVariant number = item->data(Qt::DisplayRole);
        const QDate date(d->year, d->month, number.toInt());
        if (!number.isValid() || (d->restricted() && date != d->selDate && !d->inWindow(date)))
            item->setSelected(false);
    }
}

void ZtCalendar::OnNextMonth()
{
    Q_D(ZtCalendar);
    d->page(1);
}

void ZtCalendar::OnPreviewMonth()
{
    Q_D(ZtCalendar);
    d->page(-1);
}

void ZtCalendar::OnShowMonthYearWidget()
{
    Q_D(ZtCalendar);
    if (d->onDayPage())
        d->showPage(true, false);
    else
        d->showPage(false, true);
    d->refill();
}

void ZtCalendar::OnTabItemClicked(QTableWidgetItem* item)
{
    Q_D(ZtCalendar);
    const int value = item ? item->data(Qt::UserRole).toInt() : 0;
    if (value < 1)
        return;
    int year = d->year;
    int month = d->month;
    if (value <= 12) {
        month = value;
        if (d->displayType != DisplayMonth)
            d->showPage(false, false);
    } else {
        year = value;
        if (d->displayType != DisplayYear)
            d->showPage(true, false);
    }
    const QDate date(year, month, qMin(d->day, QDate(year, month, 1).daysInMonth()));
    d->selectAndNotify(date, QTime(d->hour, d->minute, d->second));
}

void ZtCalendar::OnTableClick(QTableWidgetItem* item)
{
    Q_D(ZtCalendar);
    // Empty cells and days drawn disabled cannot be chosen.
    if (!item || !item->flags().testFlag(Qt::ItemIsEnabled) || !item->data(Qt::DisplayRole).isValid())
        return;
    const QDate date(d->year, d->month, item->data(Qt::DisplayRole).toInt());
    if (d->restricted() && date != d->selDate && !d->inWindow(date)) {
        const QSignalBlocker blocker(d->ui.m_tabCalendar);
        item->setSelected(false);
        return;
    }
    d->selectAndNotify(date, QTime(d->hour, d->minute, d->second));
}

void ZtCalendar::OnDateTimeEditChanged(const QDateTime& dateTime)
{
    Q_D(ZtCalendar);
    d->follow(dateTime);
}

} // namespace ZtGUI
