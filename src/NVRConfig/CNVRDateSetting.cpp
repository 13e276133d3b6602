#include "CNVRDateSetting.h"

#include "ui_CNVRDateSetting.h"

#include "ConfigPageSession.h"
#include "CNVRSummerTimeDlg.h"
#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "ReportedItems.h"
#include "SharedTexts.h"
#include "TimeZoneTable.h"
#include "UnreadForm.h"

#include <QEvent>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

// What the recorder reports and accepts, whatever the page displays.
const QString kDeviceTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// The date formats of the form; more items are formats only the NVR knows.
constexpr int DateFormatItems = 5;
// The camera time sync interval, in hours: at least hourly, at most monthly.
constexpr int MinSyncHours = 1;
constexpr int MaxSyncHours = 720;

} // namespace

CNVRDateSetting::CNVRDateSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRDateSetting)
{
    ui->setupUi(this);
    // The formats' rows or the summer time's row show as the NVR reports
    // them; their room is kept either way, so nothing moves when a read comes.
    CommonHelper::keepRoomWhenHidden({ui->labelDateFormat, ui->m_cbxDateFormate, ui->labelTimeFormat,
                                      ui->comboBoxTimeFormat, ui->m_ChkBoxSummerTime, ui->m_labelSummerTime,
                                      ui->m_btnSummerTime});
    // Whether to take the local clock is the operator's choice, not a value
    // of the NVR.
    UnreadForm::keepShown(ui->checkBox_syncLocalTime);
    m_summerDlg = new CNVRSummerTimeDlg(this);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(ui->m_btnSave, &QPushButton::clicked, this, &CNVRDateSetting::onSaveBtnClicked);
    connect(ui->m_btnSummerTime, &QPushButton::clicked, this, &CNVRDateSetting::onSummerTimeBtnClicked);
    connect(m_clock, &QTimer::timeout, this, &CNVRDateSetting::onClockTick);
    connect(ui->comboBoxTimeFormat, &QComboBox::currentTextChanged, this, &CNVRDateSetting::onTimeFormatChanged);
    ui->m_dateTimeEditSystemTime->setSpecialValueText(tr("Unknown"));
    ui->m_lineIPCTiming->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), ui->m_lineIPCTiming));
    ui->m_lineIPCTiming->setPlaceholderText(QStringLiteral("%1-%2").arg(MinSyncHours).arg(MaxSyncHours));
    ui->m_lineIPCTiming->setToolTip(ui->m_lineIPCTiming->placeholderText());
    // "Changed" is what the operator did, whatever the controls show.
    m_edits.watch(QStringLiteral("dateFormat"), ui->m_cbxDateFormate);
    m_edits.watch(QStringLiteral("timeFormat"), ui->comboBoxTimeFormat);
    m_edits.watch(QStringLiteral("ipcSetTime"), ui->m_ChkBoxTiming);
    m_edits.watch(QStringLiteral("ipcSetTimeInterval"), ui->m_lineIPCTiming);
    m_edits.watch(QStringLiteral("timeZone"), ui->m_cbxTimezoneSet);
    m_edits.watch(QStringLiteral("chanNumberDisplay"), ui->checkBoxShowChannal);
    m_edits.watch(QStringLiteral("desktopTimeDisplay"), ui->checkBoxShowTime);
    m_summerEdits.watch(QStringLiteral("enable"), ui->m_ChkBoxSummerTime);
    CommonHelper::elideChildTexts(this);
    setReadOk(false);
}

CNVRDateSetting::~CNVRDateSetting()
{
    delete ui;
}

void CNVRDateSetting::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
}

void CNVRDateSetting::setReadOk(bool ok)
{
    m_readOk = ok;
    setEnabled(ok);
}

void CNVRDateSetting::parseTimeConfig(const QString &xml)
{
    const NvrBodies::TimeConfig config = NvrBodies::readTimeConfig(xml);
    const OperatorEdits::Filling filling(m_edits);
    const OperatorEdits::Filling summerFilling(m_summerEdits);
    m_edits.setReported(config.values);
    m_summerEdits.setReported(config.summer);
    m_summerTime = config.hasSummer;
    auto value = [&config](const char *key) { return config.values.value(QLatin1String(key)).trimmed(); };
    if (m_summerTime && !config.summer.isEmpty()) {
        ui->m_ChkBoxSummerTime->setChecked(DeviceValue::toInt(summerValue("enable")) != 0);
        m_summerDlg->setOffset(DeviceValue::toInt(summerValue("offset")));
        m_summerDlg->setStartTime(summerValue("weekStartTime"));
        m_summerDlg->setEndTime(summerValue("weekEndTime"));
    }
    ui->m_ChkBoxSummerTime->setVisible(m_summerTime);
    ui->m_labelSummerTime->setVisible(m_summerTime);
    ui->m_btnSummerTime->setVisible(m_summerTime);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->labelDateFormat, ui->m_cbxDateFormate, ui->labelTimeFormat,
                                                       ui->comboBoxTimeFormat})
        w->setVisible(!m_summerTime);

    // A format the page has no item for is shown as it came, as an item of
    // its own, so that it is neither hidden nor replaced by the first item.
    QComboBox *dateFormat = ui->m_cbxDateFormate;
    while (dateFormat->count() > DateFormatItems)
        dateFormat->removeItem(DateFormatItems);
    const QString reportedFormat = value("dateFormat");
    if (!reportedFormat.isEmpty() && dateFormat->findText(reportedFormat, Qt::MatchExactly) < 0)
        dateFormat->addItem(reportedFormat);
    const int dateIndex = dateFormat->findText(reportedFormat, Qt::MatchExactly);
    if (dateIndex >= 0)
        dateFormat->setCurrentIndex(dateIndex);
    const QString timeFormat = value("timeFormat");
    ReportedItems::show(ui->comboBoxTimeFormat, 2, config.values.value(QStringLiteral("timeFormat")));

    const QDateTime sysTime = QDateTime::fromString(value("sysTime"), kDeviceTimeFormat);
    m_timeKnown = sysTime.isValid();
    // Without a readable time the field says so instead of showing a time the
    // NVR never reported.
    ui->m_dateTimeEditSystemTime->setDateTime(m_timeKnown ? sysTime : ui->m_dateTimeEditSystemTime->minimumDateTime());
    ui->m_dateTimeEditSettingTime->setDateTime(QDateTime::currentDateTime());
    m_clock->start();
    ui->m_ChkBoxTiming->setChecked(DeviceValue::toInt(value("ipcSetTime")) >= 1);
    ui->m_lineIPCTiming->setText(value("ipcSetTimeInterval"));

    const QString zone = value("timeZone");
    // A short value must be an index: an empty or non-numeric one would read
    // as index 0 and a Save would move the recorder to the first zone.
    bool numeric = false;
    zone.toInt(&numeric);
    TimeZoneTable::Result found;
    if (zone.size() >= 3 || numeric)
        found = TimeZoneTable::findByIndex(zone);
    m_zoneMode = found.second;
    fillTimeZones();
    if (m_zoneMode == TimeZoneTable::IndexMode)
        ui->m_cbxTimezoneSet->setCurrentIndex(DeviceValue::toInt(zone));
    else if (m_zoneMode == TimeZoneTable::ZoneMode)
        ui->m_cbxTimezoneSet->setCurrentText(found.first);

    ui->checkBoxShowChannal->setChecked(DeviceValue::toInt(value("chanNumberDisplay")) >= 1);
    ui->checkBoxShowTime->setChecked(DeviceValue::toInt(value("desktopTimeDisplay")) >= 1);
}

QString CNVRDateSetting::summerValue(const char *key) const
{
    return m_summerEdits.value(QLatin1String(key)).trimmed();
}

void CNVRDateSetting::fillTimeZones()
{
    ui->m_cbxTimezoneSet->clear();
    ui->m_cbxTimezoneSet->addItems(TimeZoneTable::list(m_zoneMode));
}

void CNVRDateSetting::parseSummerTime(const QString &xml)
{
    const QHash<QString, QString> values = findValuesInXml(xml, QStringLiteral("summertime"));
    ui->m_ChkBoxSummerTime->setChecked(DeviceValue::toInt(values.value(QStringLiteral("enable"))) != 0);
    m_summerDlg->setOffset(DeviceValue::toInt(values.value(QStringLiteral("offset"))));
    m_summerDlg->setStartTime(values.value(QStringLiteral("weekStartTime")).trimmed());
    m_summerDlg->setEndTime(values.value(QStringLiteral("weekEndTime")).trimmed());
}

bool CNVRDateSetting::send(unsigned cmd, const QString &body)
{
    ConfigRequest save;
    save.cmd = cmd;
    save.body = body;
    // Setting the clock sends no value the page goes on showing.
    return ConfigPageSession::sendSave(m_conversation, this, m_dev, save,
                                       cmd == Cmd::SetTimeConfig ? ConfigPageSession::Sends::ShownValues
                                                                 : ConfigPageSession::Sends::Action);
}

void CNVRDateSetting::setConversation(ConfigConversation *conversation)
{
    m_conversation = conversation;
    if (!conversation)
        return;
    // What a Save sends: the fields, and the daylight-saving rule of its dialog.
    conversation->pageSession(this)->setShowing([this] {
        OperatorEdits::Values shown = m_edits.shown();
        shown.insert(m_summerEdits.shown());
        QString rule[3];
        m_summerDlg->getOffset(rule[0]);
        m_summerDlg->getStartTime(rule[1]);
        m_summerDlg->getEndTime(rule[2]);
        shown.insert(QStringLiteral("offset"), rule[0]);
        shown.insert(QStringLiteral("weekStartTime"), rule[1]);
        shown.insert(QStringLiteral("weekEndTime"), rule[2]);
        return shown;
    });
}

void CNVRDateSetting::onSaveBtnClicked()
{
    if (!m_readOk)
        return;
    const OperatorEdits &r = m_edits;
    const QString interval = ui->m_lineIPCTiming->text().trimmed();
    // A typed interval outside its hint is refused, not sent as 0 or as
    // years.
    if (r.edited(QStringLiteral("ipcSetTimeInterval"))
        && !NvrBodies::isTypedNumberIn(interval, MinSyncHours, MaxSyncHours)) {
        MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), 2000);
        return;
    }
    QString zone;
    if (m_zoneMode == TimeZoneTable::IndexMode)
        zone = QString::number(ui->m_cbxTimezoneSet->currentIndex());
    else if (m_zoneMode == TimeZoneTable::ZoneMode)
        zone = TimeZoneTable::zoneIndexText(ui->m_cbxTimezoneSet->currentText(), false);

    auto flag = [](const QCheckBox *box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    auto tick = [&r, &flag](const char *key, const QCheckBox *box) { return r.send(QLatin1String(key), flag(box)); };
    NvrBodies::Values values{
        // The running clock when the NVR reported one, else its text as it came.
        {QStringLiteral("sysTime"), m_timeKnown ? ui->m_dateTimeEditSystemTime->dateTime().toString(kDeviceTimeFormat)
                                                : r.value(QStringLiteral("sysTime"))},
        {QStringLiteral("dateFormat"), r.send(QStringLiteral("dateFormat"), ui->m_cbxDateFormate->currentText())},
        {QStringLiteral("timeFormat"),
         r.send(QStringLiteral("timeFormat"), ReportedItems::value(ui->comboBoxTimeFormat, 2))},
        {QStringLiteral("ipcSetTime"), tick("ipcSetTime", ui->m_ChkBoxTiming)},
        {QStringLiteral("ipcSetTimeInterval"), r.send(QStringLiteral("ipcSetTimeInterval"), interval)},
        {QStringLiteral("timeZone"), r.send(QStringLiteral("timeZone"), zone)},
        {QStringLiteral("chanNumberDisplay"), tick("chanNumberDisplay", ui->checkBoxShowChannal)},
        {QStringLiteral("desktopTimeDisplay"), tick("desktopTimeDisplay", ui->checkBoxShowTime)},
    };
    NvrBodies::Values summer;
    if (m_summerTime) {
        QString offset;
        QString start;
        QString end;
        m_summerDlg->getOffset(offset);
        m_summerDlg->getStartTime(start);
        m_summerDlg->getEndTime(end);
        // The rule's parts the operator confirmed in the dialog.
        for (const char *part : {"offset", "weekStartTime", "weekEndTime"}) {
            if (m_summerDlg->operatorChanged(QLatin1String(part)))
                m_summerEdits.mark(QLatin1String(part));
        }
        const OperatorEdits &s = m_summerEdits;
        summer = {{QStringLiteral("enable"), s.send(QStringLiteral("enable"), flag(ui->m_ChkBoxSummerTime))},
                  {QStringLiteral("offset"), s.send(QStringLiteral("offset"), offset)},
                  {QStringLiteral("weekStartTime"), s.send(QStringLiteral("weekStartTime"), start)},
                  {QStringLiteral("weekEndTime"), s.send(QStringLiteral("weekEndTime"), end)}};
    }
    send(Cmd::SetTimeConfig, NvrBodies::timeConfigBody(values, m_summerTime ? &summer : nullptr));
}

void CNVRDateSetting::onSummerTimeBtnClicked()
{
    m_summerDlg->show();
}

void CNVRDateSetting::onNtpUpdateTimeBtnClicked()
{
    send(Cmd::SetClock, QStringLiteral("<ntpUpdateTime>1</ntpUpdateTime>"));
}

void CNVRDateSetting::on_m_btnSettingTime_clicked()
{
    send(Cmd::SetClock, QStringLiteral("<ntpUpdateTime>0</ntpUpdateTime><sysTime>%1</sysTime>")
                            .arg(ui->m_dateTimeEditSettingTime->dateTime().toString(kDeviceTimeFormat)));
}

void CNVRDateSetting::onClockTick()
{
    if (m_timeKnown)
        ui->m_dateTimeEditSystemTime->setDateTime(ui->m_dateTimeEditSystemTime->dateTime().addSecs(1));
    if (ui->checkBox_syncLocalTime->isChecked())
        ui->m_dateTimeEditSettingTime->setDateTime(QDateTime::currentDateTime());
}

void CNVRDateSetting::onTimeFormatChanged()
{
    const QString marker = ui->comboBoxTimeFormat->currentIndex() > 0 ? QStringLiteral("ap") : QString();
    ui->m_dateTimeEditSystemTime->setLocale(QLocale(QLocale::English));
    ui->m_dateTimeEditSystemTime->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss %1").arg(marker).trimmed());
}

void CNVRDateSetting::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The form's items are refilled in the new language; every choice stays
    // where it was.
    const int zone = ui->m_cbxTimezoneSet->currentIndex();
    ui->retranslateUi(this);
    ui->m_dateTimeEditSystemTime->setSpecialValueText(tr("Unknown"));
    CommonHelper::elideChildTexts(this);
    TimeZoneTable::retranslate();
    fillTimeZones();
    ui->m_cbxTimezoneSet->setCurrentIndex(zone);
}

void CNVRDateSetting::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // The rule read stays: a window minimised and restored still sends it.
    m_clock->stop();
}
