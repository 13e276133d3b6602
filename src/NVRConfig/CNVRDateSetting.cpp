#include "CNVRDateSetting.h"

#include "ui_CNVRDateSetting.h"

#include "CNVRSummerTimeDlg.h"
#include "CommonHelper.h"
#include "PrivateProto.h"
#include "TimeZoneTable.h"

#include <QEvent>
#include <QLocale>
#include <QTimer>

namespace {

// What the recorder reports and accepts, whatever the page displays.
const QString kDeviceTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

} // namespace

CNVRDateSetting::CNVRDateSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRDateSetting)
{
    ui->setupUi(this);
    m_summerDlg = new CNVRSummerTimeDlg(this);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(ui->m_btnSave, &QPushButton::clicked, this, &CNVRDateSetting::onSaveBtnClicked);
    connect(ui->m_btnSummerTime, &QPushButton::clicked, this, &CNVRDateSetting::onSummerTimeBtnClicked);
    connect(m_clock, &QTimer::timeout, this, &CNVRDateSetting::onClockTick);
    connect(ui->comboBoxTimeFormat, &QComboBox::currentTextChanged, this, &CNVRDateSetting::onTimeFormatChanged);
    CommonHelper::elideChildTexts(this);
}

CNVRDateSetting::~CNVRDateSetting()
{
    delete ui;
}

void CNVRDateSetting::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
}

void CNVRDateSetting::parseTimeConfig(const QString &xml)
{
    m_summerTime = xml.contains(QLatin1String("summertime"));
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    auto value = [&body](const char *key) { return body.value(QLatin1String(key)).trimmed(); };
    if (m_summerTime) {
        const QStringList summer = findAllXmlElements(xml, QStringLiteral("summertime"));
        if (!summer.isEmpty())
            parseSummerTime(summer.first());
    }
    ui->m_ChkBoxSummerTime->setVisible(m_summerTime);
    ui->m_labelSummerTime->setVisible(m_summerTime);
    ui->m_btnSummerTime->setVisible(m_summerTime);
    for (QWidget *w : std::initializer_list<QWidget *> {ui->labelDateFormat, ui->m_cbxDateFormate, ui->labelTimeFormat,
                                                        ui->comboBoxTimeFormat})
        w->setVisible(!m_summerTime);

    const int dateFormat = ui->m_cbxDateFormate->findText(value("dateFormat"), Qt::MatchExactly);
    if (dateFormat >= 0)
        ui->m_cbxDateFormate->setCurrentIndex(dateFormat);
    ui->comboBoxTimeFormat->setCurrentIndex(DeviceValue::toInt(value("timeFormat")));
    const QDateTime sysTime = QDateTime::fromString(value("sysTime"), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (sysTime.isValid())
        ui->m_dateTimeEditSystemTime->setDateTime(sysTime);
    ui->m_dateTimeEditSettingTime->setDateTime(QDateTime::currentDateTime());
    m_clock->start();
    ui->m_ChkBoxTiming->setChecked(DeviceValue::toInt(value("ipcSetTime")) >= 1);
    ui->m_lineIPCTiming->setText(value("ipcSetTimeInterval"));

    ui->m_cbxTimezoneSet->clear();
    const QString zone = value("timeZone");
    // A short value must be an index: an empty or non-numeric one would read
    // as index 0 and a Save would move the recorder to the first zone.
    bool numeric = false;
    zone.toInt(&numeric);
    TimeZoneTable::Result found;
    if (zone.size() >= 3 || numeric)
        found = TimeZoneTable::findByIndex(zone);
    m_zoneMode = found.second;
    ui->m_cbxTimezoneSet->addItems(TimeZoneTable::list(m_zoneMode));
    if (m_zoneMode == TimeZoneTable::IndexMode)
        ui->m_cbxTimezoneSet->setCurrentIndex(DeviceValue::toInt(zone));
    else if (m_zoneMode == TimeZoneTable::ZoneMode)
        ui->m_cbxTimezoneSet->setCurrentText(found.first);

    ui->checkBoxShowChannal->setChecked(DeviceValue::toInt(value("chanNumberDisplay")) >= 1);
    ui->checkBoxShowTime->setChecked(DeviceValue::toInt(value("desktopTimeDisplay")) >= 1);
}

void CNVRDateSetting::parseSummerTime(const QString &xml)
{
    const QHash<QString, QString> values = findValuesInXml(xml, QStringLiteral("summertime"));
    ui->m_ChkBoxSummerTime->setChecked(DeviceValue::toInt(values.value(QStringLiteral("enable"))) != 0);
    m_summerDlg->setOffset(DeviceValue::toInt(values.value(QStringLiteral("offset"))));
    m_summerDlg->setStartTime(values.value(QStringLiteral("weekStartTime")).trimmed());
    m_summerDlg->setEndTime(values.value(QStringLiteral("weekEndTime")).trimmed());
}

void CNVRDateSetting::send(unsigned cmd, const QString &body)
{
    ConfigConversation::sendThrough(m_conversation, this, m_dev, cmd, body, 0, RequestKind::Save);
}

void CNVRDateSetting::onSaveBtnClicked()
{
    QString zone;
    if (m_zoneMode == TimeZoneTable::IndexMode)
        zone = QString::number(ui->m_cbxTimezoneSet->currentIndex());
    else if (m_zoneMode == TimeZoneTable::ZoneMode)
        zone = TimeZoneTable::zoneIndexText(ui->m_cbxTimezoneSet->currentText(), false);
    else
        return;

    auto flag = [](const QCheckBox *box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    QString summer;
    if (m_summerTime) {
        QString offset;
        QString start;
        QString end;
        m_summerDlg->getOffset(offset);
        m_summerDlg->getStartTime(start);
        m_summerDlg->getEndTime(end);
        summer = CommonHelper::fillTemplate(
            QStringLiteral("<summertime><enable>%1</enable><offset>%2</offset><weekStartTime>%3</weekStartTime>"
                           "<weekEndTime>%4</weekEndTime></summertime>"),
            {flag(ui->m_ChkBoxSummerTime), PrivateProto::escapeText(offset), PrivateProto::escapeText(start),
             PrivateProto::escapeText(end)});
    }
    const QString body = CommonHelper::fillTemplate(
        QStringLiteral("<timeConfig><sysTime>%1</sysTime><dateFormat>%2</dateFormat><timeFormat>%3</timeFormat>"
                       "<ipcSetTime>%4</ipcSetTime><ipcSetTimeInterval>%5</ipcSetTimeInterval><timeZone>%6</timeZone>"
                       "<chanNumberDisplay>%7</chanNumberDisplay><desktopTimeDisplay>%8</desktopTimeDisplay>%9"
                       "</timeConfig>"),
        {ui->m_dateTimeEditSystemTime->dateTime().toString(kDeviceTimeFormat),
         PrivateProto::escapeText(ui->m_cbxDateFormate->currentText()),
         QString::number(ui->comboBoxTimeFormat->currentIndex()), flag(ui->m_ChkBoxTiming),
         QString::number(ui->m_lineIPCTiming->text().toInt()), PrivateProto::escapeText(zone),
         flag(ui->checkBoxShowChannal), flag(ui->checkBoxShowTime), summer});
    send(14007, body);
}

void CNVRDateSetting::onSummerTimeBtnClicked()
{
    m_summerDlg->show();
}

void CNVRDateSetting::onNtpUpdateTimeBtnClicked()
{
    send(14009, QStringLiteral("<ntpUpdateTime>1</ntpUpdateTime>"));
}

void CNVRDateSetting::on_m_btnSettingTime_clicked()
{
    send(14009, QStringLiteral("<ntpUpdateTime>0</ntpUpdateTime><sysTime>%1</sysTime>")
                    .arg(ui->m_dateTimeEditSettingTime->dateTime().toString(kDeviceTimeFormat)));
}

void CNVRDateSetting::onClockTick()
{
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
    ui->retranslateUi(this);
    CommonHelper::elideChildTexts(this);
    TimeZoneTable::retranslate();
}

void CNVRDateSetting::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_clock->stop();
    m_summerTime = false;
}
