#include "CNVRSummerTimeDlg.h"

#include "ui_CNVRSummerTimeDlg.h"

#include "SharedTexts.h"

#include <QEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QRegularExpressionValidator>

CNVRSummerTimeDlg::CNVRSummerTimeDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRSummerTimeDlg)
{
    ui->setupUi(this);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRSummerTimeDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVRSummerTimeDlg::accept);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVRSummerTimeDlg::reject);
    const QStringList months{tr("January"),   tr("February"), tr("March"),    tr("April"),
                             tr("May"),       tr("June"),     tr("July"),     tr("August"),
                             tr("September"), tr("October"),  tr("November"), tr("December")};
    const QStringList weeks{tr("First"), tr("Second"), tr("Third"), tr("Fourth"), tr("Finally")};
    for (QComboBox *combo : {ui->m_StartTimeMonth, ui->m_EndTimeMonth})
        combo->addItems(months);
    for (QComboBox *combo : {ui->m_StartTimeOrder, ui->m_EndTimeOrder})
        combo->addItems(weeks);
    for (QComboBox *combo : {ui->m_StartTimeWeek, ui->m_EndTimeWeek})
        combo->addItems(weekDayList());
    ui->m_StartTimeHourMinute->setDisplayFormat(QStringLiteral("HH:mm"));
    ui->m_EndTimeHourMinute->setDisplayFormat(QStringLiteral("HH:mm"));
    ui->m_cbxClockAdjust->addItems({tr("Delayed"), tr("Advance")});
    // Three digits: a recorder may report an offset of 120 minutes, which
    // must go back unchanged.
    ui->m_lineEditAdjust->setMaxLength(3);
    ui->m_lineEditAdjust->setText(QStringLiteral("60"));
    ui->m_lineEditAdjust->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,3}")), ui->m_lineEditAdjust));
    // What the operator does; the fill code below blocks these signals.
    const QList<QPair<QString, QList<QComboBox *>>> parts{
        {QStringLiteral("weekStartTime"), {ui->m_StartTimeMonth, ui->m_StartTimeOrder, ui->m_StartTimeWeek}},
        {QStringLiteral("weekEndTime"), {ui->m_EndTimeMonth, ui->m_EndTimeOrder, ui->m_EndTimeWeek}},
        {QStringLiteral("offset"), {ui->m_cbxClockAdjust}}};
    for (const auto &part : parts) {
        for (QComboBox *combo : part.second)
            connect(combo, QOverload<int>::of(&QComboBox::activated), this,
                    [this, name = part.first] { m_touched.insert(name); });
    }
    connect(ui->m_StartTimeHourMinute, &QTimeEdit::timeChanged, this,
            [this] { m_touched.insert(QStringLiteral("weekStartTime")); });
    connect(ui->m_EndTimeHourMinute, &QTimeEdit::timeChanged, this,
            [this] { m_touched.insert(QStringLiteral("weekEndTime")); });
    connect(ui->m_lineEditAdjust, &QLineEdit::textEdited, this, [this] { m_touched.insert(QStringLiteral("offset")); });
    m_opened = fields();
}

CNVRSummerTimeDlg::~CNVRSummerTimeDlg()
{
    delete ui;
}

QStringList CNVRSummerTimeDlg::weekDayList()
{
    return SharedTexts::weekDayList();
}

QString CNVRSummerTimeDlg::ruleOf(const QComboBox *month, const QComboBox *week, const QComboBox *day,
                                  const QTimeEdit *time)
{
    QString weekText = QString::number(week->currentIndex() + 1);
    if (weekText == QLatin1String("5"))
        weekText = QStringLiteral("0");
    const int weekday = day->currentIndex() + 1;
    return QStringList{QString::number(month->currentIndex() + 1), weekText,
                       QString::number(weekday == 7 ? 0 : weekday), time->time().toString(QStringLiteral("HH:mm"))}
        .join(QLatin1Char(':'));
}

void CNVRSummerTimeDlg::showRule(const QString &rule, QComboBox *month, QComboBox *week, QComboBox *day,
                                 QTimeEdit *time)
{
    if (rule.isEmpty())
        return;
    const QSignalBlocker blockMonth(month);
    const QSignalBlocker blockWeek(week);
    const QSignalBlocker blockDay(day);
    const QSignalBlocker blockTime(time);
    const QStringList parts = rule.split(QLatin1Char(':'));
    if (parts.size() < 5)
        return;
    const int m = parts[0].toInt();
    const int w = parts[1].toInt();
    const int d = parts[2].toInt();
    month->setCurrentIndex(m > 0 ? m - 1 : 0);
    week->setCurrentIndex(w > 0 ? w - 1 : 4);
    day->setCurrentIndex(d > 0 ? d - 1 : 6);
    time->setDisplayFormat(QStringLiteral("HH:mm"));
    const QTime t(parts[3].toInt(), parts[4].toInt(), 0);
    if (t.isValid())
        time->setTime(t);
}

void CNVRSummerTimeDlg::getStartTime(QString &out)
{
    out = ruleOf(ui->m_StartTimeMonth, ui->m_StartTimeOrder, ui->m_StartTimeWeek, ui->m_StartTimeHourMinute);
}

void CNVRSummerTimeDlg::getEndTime(QString &out)
{
    out = ruleOf(ui->m_EndTimeMonth, ui->m_EndTimeOrder, ui->m_EndTimeWeek, ui->m_EndTimeHourMinute);
}

void CNVRSummerTimeDlg::setStartTime(const QString &rule)
{
    showRule(rule, ui->m_StartTimeMonth, ui->m_StartTimeOrder, ui->m_StartTimeWeek, ui->m_StartTimeHourMinute);
    filled();
}

void CNVRSummerTimeDlg::setEndTime(const QString &rule)
{
    showRule(rule, ui->m_EndTimeMonth, ui->m_EndTimeOrder, ui->m_EndTimeWeek, ui->m_EndTimeHourMinute);
    filled();
}

void CNVRSummerTimeDlg::getOffset(QString &out)
{
    out = ui->m_lineEditAdjust->text();
    if (ui->m_cbxClockAdjust->currentIndex() == 1)
        out.prepend(QLatin1Char('-'));
}

void CNVRSummerTimeDlg::setOffset(int value)
{
    {
        const QSignalBlocker block(ui->m_cbxClockAdjust);
        ui->m_cbxClockAdjust->setCurrentIndex(value >= 1 ? 0 : 1);
    }
    // In 64 bits: the NVR's number may be the most negative int.
    ui->m_lineEditAdjust->setText(QString::number(qAbs(qint64(value))));
    filled();
}

CNVRSummerTimeDlg::Fields CNVRSummerTimeDlg::fields() const
{
    Fields f;
    for (const QComboBox *combo : {ui->m_StartTimeMonth, ui->m_StartTimeOrder, ui->m_StartTimeWeek, ui->m_EndTimeMonth,
                                   ui->m_EndTimeOrder, ui->m_EndTimeWeek, ui->m_cbxClockAdjust})
        f.indexes << combo->currentIndex();
    f.times << ui->m_StartTimeHourMinute->time() << ui->m_EndTimeHourMinute->time();
    f.offset = ui->m_lineEditAdjust->text();
    return f;
}

void CNVRSummerTimeDlg::setFields(const Fields &f)
{
    const QList<QComboBox *> combos{ui->m_StartTimeMonth, ui->m_StartTimeOrder, ui->m_StartTimeWeek, ui->m_EndTimeMonth,
                                    ui->m_EndTimeOrder,   ui->m_EndTimeWeek,    ui->m_cbxClockAdjust};
    for (int i = 0; i < combos.size() && i < f.indexes.size(); ++i) {
        const QSignalBlocker block(combos[i]);
        combos[i]->setCurrentIndex(f.indexes[i]);
    }
    const QList<QTimeEdit *> times{ui->m_StartTimeHourMinute, ui->m_EndTimeHourMinute};
    for (int i = 0; i < times.size() && i < f.times.size(); ++i) {
        const QSignalBlocker block(times[i]);
        times[i]->setTime(f.times[i]);
    }
    ui->m_lineEditAdjust->setText(f.offset);
}

void CNVRSummerTimeDlg::filled()
{
    m_opened = fields();
    m_touched.clear();
    m_changed.clear();
}

void CNVRSummerTimeDlg::showEvent(QShowEvent *event)
{
    DropShadowWidget::showEvent(event);
    // A window restored from the task bar is no new opening.
    if (event->spontaneous())
        return;
    m_opened = fields();
    m_touched.clear();
}

void CNVRSummerTimeDlg::accept()
{
    m_changed.unite(m_touched);
    m_touched.clear();
    DropShadowWidget::accept();
}

void CNVRSummerTimeDlg::reject()
{
    // Leaving without OK changes nothing the next Save sends.
    setFields(m_opened);
    m_touched.clear();
    DropShadowWidget::reject();
}

void CNVRSummerTimeDlg::onbtnCloseclicked()
{
    reject();
}

void CNVRSummerTimeDlg::onbtnOkClicked()
{
    accept();
}

void CNVRSummerTimeDlg::onbtnCancleClicked()
{
    reject();
}

void CNVRSummerTimeDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    DropShadowWidget::changeEvent(event);
}
