#include "DeviceSettingWidget.h"
#include "ui_DeviceSettingWidget.h"

#include "CommonHelper.h"
#include "IpcBodyText.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"
#include "TimeZoneTable.h"

#include <QDebug>
#include <QEvent>
#include <QTimer>

namespace {
constexpr unsigned int CmdGetLanguages = 15004;
constexpr unsigned int CmdGetSettings = 14003;
constexpr unsigned int CmdSetSettings = 14005;
constexpr unsigned int CmdSetTiming = 14007;
constexpr int SecondRequestMs = 50;
// Languages a camera may offer at most; a longer list is cut with a log line.
constexpr int MaxLanguages = 64;

const QList<int> &handledCommands()
{
    static const QList<int> commands {int(CmdGetLanguages), int(CmdGetSettings)};
    return commands;
}

bool isInteger(const QString &text)
{
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}
} // namespace

DeviceSettingWidget::DeviceSettingWidget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::DeviceSettingWidget)
    , clockTimer(new QTimer(this))
    , setTimeTimer(new QTimer(this))
{
    clockTimer->setInterval(1000);
    setTimeTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this,
            [this] { ui->dateTimeEdit_device->setDateTime(ui->dateTimeEdit_device->dateTime().addSecs(1)); });
    connect(setTimeTimer, &QTimer::timeout, this,
            [this] { ui->dateTimeEdit_setTime->setDateTime(ui->dateTimeEdit_setTime->dateTime().addSecs(1)); });
    languageNames.insert(QStringLiteral("zh_cn"), tr("Chinese"));
    languageNames.insert(QStringLiteral("zh_en"), tr("English"));
    languageNames.insert(QStringLiteral("khm"), QStringLiteral("ភាសាខ្មែរ"));
    ui->setupUi(this);
    ui->lineEdit_name->hide();
    ui->label_name->hide();
    ui->dateTimeEdit_device->setReadOnly(true);
    ui->tabWidget->setStyleSheet(QStringLiteral("QTabBar::tab{min-width: 150px; min-height: 40px;}"));
    connect(ui->comboBox_timeZone, QOverload<int>::of(&QComboBox::activated), this,
            [this] { m_zonePicked = true; });
}

DeviceSettingWidget::~DeviceSettingWidget()
{
    delete ui;
}

bool DeviceSettingWidget::clockRunning() const
{
    return clockTimer->isActive();
}

bool DeviceSettingWidget::setTimeRunning() const
{
    return setTimeTimer->isActive();
}

void DeviceSettingWidget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    clockTimer->stop();
    setTimeTimer->stop();
    languageCaps.clear();
    m_pDeviceInfo = dev;
    request(CmdGetLanguages);
    QTimer::singleShot(SecondRequestMs, this, [this] { request(CmdGetSettings); });
}

void DeviceSettingWidget::parseXml(int cmd, const QString &xml)
{
    if (xml.isEmpty() || !handledCommands().contains(cmd))
        return;
    if (cmd == int(CmdGetLanguages)) {
        const QString caps =
            findValuesInXml(xml, QStringLiteral("body")).value(QStringLiteral("languageCapList")).trimmed();
        languageCaps = caps.split(QLatin1Char('+'), Qt::SkipEmptyParts);
        DeviceValue::boundList(languageCaps, MaxLanguages, "languages");
        qDebug() << "Language caps: " << languageCaps;
        return;
    }
    const QHash<QString, QString> settings = findValuesInXml(xml, QStringLiteral("settingsConfig"));
    m_settingsRead = !settings.isEmpty();
    fillGeneral(settings);
    const QHash<QString, QString> timing = findValuesInXml(xml, QStringLiteral("timingConfig"));
    if (!timing.isEmpty())
        fillTime(timing);
}

void DeviceSettingWidget::fillGeneral(const QHash<QString, QString> &settings)
{
    QComboBox *languages = ui->comboBox_language;
    languages->clear();
    if (!languageCaps.isEmpty()) {
        for (const QString &code : qAsConst(languageCaps))
            languages->addItem(languageNames.value(code), code);
    } else {
        languages->addItem(tr("Chinese"), QStringLiteral("zh_cn"));
        languages->addItem(tr("English"), QStringLiteral("zh_en"));
    }
    const QString cpu = m_pDeviceInfo ? m_pDeviceInfo->cpu : QString();
    ui->lineEdit_name->setText(
        CommonHelper::hexToString(settings.value(QStringLiteral("deviceName")).trimmed(), cpu));
    const int index = languages->findText(languageNames.value(settings.value(QStringLiteral("language")).trimmed()));
    if (index >= 0)
        languages->setCurrentIndex(index);
}

void DeviceSettingWidget::fillTime(const QHash<QString, QString> &timing)
{
    ui->comboBox_timeZone->clear();
    m_readZone = timing.value(QStringLiteral("timeZone"));
    m_zonePicked = false;
    const TimeZoneTable::Result zone = TimeZoneTable::findByName(m_readZone);
    ui->comboBox_timeZone->addItems(TimeZoneTable::list(zone.second));
    ui->comboBox_timeZone->setCurrentText(zone.first);

    ui->comboBox_timingMode->setCurrentIndex(DeviceValue::toInt(timing.value(QStringLiteral("timingMode"))));
    on_comboBox_timingMode_activated(ui->comboBox_timingMode->currentIndex());
    ui->lineEdit_timingServer->setText(timing.value(QStringLiteral("NTPServer")));
    ui->lineEdit_timingPort->setText(timing.value(QStringLiteral("NTPPort")));
    ui->lineEdit_timingInterval->setText(timing.value(QStringLiteral("timingInterval")));
    ui->dateTimeEdit_setTime->setDateTime(QDateTime::currentDateTime());
    const auto number = [&timing](const char *key) { return DeviceValue::toInt(timing.value(QLatin1String(key))); };
    const QDate date(number("year"), number("month"), number("day"));
    const QTime time(number("hour"), number("minute"), number("second"), 0);
    ui->dateTimeEdit_device->setDateTime(QDateTime(date, time, Qt::LocalTime));
    if (ui->checkBox_syncLocalTime->isChecked())
        setTimeTimer->start();
    clockTimer->start();
}

void DeviceSettingWidget::on_comboBox_timingMode_activated(int index)
{
    const bool manual = index == 0;
    for (QWidget *w : {static_cast<QWidget *>(ui->label_deviceTime), static_cast<QWidget *>(ui->dateTimeEdit_device),
                       static_cast<QWidget *>(ui->label_setTime), static_cast<QWidget *>(ui->dateTimeEdit_setTime),
                       static_cast<QWidget *>(ui->checkBox_syncLocalTime)})
        w->setVisible(manual);
    for (QWidget *w : {static_cast<QWidget *>(ui->label_timingServer), static_cast<QWidget *>(ui->lineEdit_timingServer),
                       static_cast<QWidget *>(ui->label_timingPort), static_cast<QWidget *>(ui->lineEdit_timingPort),
                       static_cast<QWidget *>(ui->label_timingInterval),
                       static_cast<QWidget *>(ui->lineEdit_timingInterval),
                       static_cast<QWidget *>(ui->label_minuteInterval)})
        w->setVisible(!manual);
}

void DeviceSettingWidget::on_checkBox_syncLocalTime_clicked()
{
    if (ui->checkBox_syncLocalTime->isChecked())
        setTimeTimer->start();
    else
        setTimeTimer->stop();
}

void DeviceSettingWidget::on_pushButton_save_clicked()
{
    if (!m_pDeviceInfo)
        return;
    if (ui->tabWidget->currentIndex() == 0) {
        if (!m_settingsRead) {
            MsgTipInfoDlg::showTip(SharedTexts::configFailedText(), 2000);
            return;
        }
        settingsXml();
        return;
    }
    request(CmdSetTiming, timingXml(), 0, RequestKind::Save);
}

void DeviceSettingWidget::settingsXml()
{
    const QString cpu = m_pDeviceInfo ? m_pDeviceInfo->cpu : QString();
    // stringToHex already escapes for a camera that takes the name as text.
    const QString body = QStringLiteral("<settingsConfig><deviceName>%1</deviceName><language>%2</language></settingsConfig>")
                             .arg(CommonHelper::stringToHex(ui->lineEdit_name->text().trimmed(), cpu),
                                  IpcBodyText::plain(ui->comboBox_language->currentData().toString()));
    request(CmdSetSettings, body, 0, RequestKind::Save);
}

QString DeviceSettingWidget::timingXml() const
{
    const QDateTime set = ui->dateTimeEdit_setTime->dateTime();
    const QString time =
        QStringLiteral(" <year>%1</year><month>%2</month><day>%3</day>\n<hour>%4</hour><minute>%5</minute><second>%6</second>")
            .arg(set.toString(QStringLiteral("yyyy")), set.toString(QStringLiteral("MM")),
                 set.toString(QStringLiteral("dd")), set.toString(QStringLiteral("hh")),
                 set.toString(QStringLiteral("mm")), set.toString(QStringLiteral("ss")));
    const QString ntp = QStringLiteral("<NTPServer>%1</NTPServer><NTPPort>%2</NTPPort>\n<timingInterval>%3</timingInterval>")
                            .arg(IpcBodyText::plain(ui->lineEdit_timingServer->text()),
                                 QString::number(ui->lineEdit_timingPort->text().toInt()),
                                 QString::number(ui->lineEdit_timingInterval->text().toInt()));
    QString zone;
    QString offset;
    if (!m_zonePicked && !m_readZone.isEmpty()) {
        const TimeZoneTable::Result found = TimeZoneTable::findByName(m_readZone);
        const bool known = found.second == TimeZoneTable::ZoneMode
            || (found.second == TimeZoneTable::OffsetMode && isInteger(m_readZone));
        zone = IpcBodyText::plain(m_readZone);
        if (known)
            offset = TimeZoneTable::zoneIndexText(found.first, true);
    } else {
        const QString shown = ui->comboBox_timeZone->currentText();
        zone = TimeZoneTable::zoneIndexText(shown, false);
        offset = TimeZoneTable::zoneIndexText(shown, true);
    }
    return CommonHelper::fillTemplate(
        QStringLiteral("<timingConfig><timingMode>%1</timingMode><timeZone>%2</timeZone>\n\t\t\t<timeOffset>%3</timeOffset>%4 %5</timingConfig>"),
        {QString::number(ui->comboBox_timingMode->currentIndex()), zone, offset, time, ntp});
}

void DeviceSettingWidget::hideEvent(QHideEvent *event)
{
    clockTimer->stop();
    RemoteCfg_Widget::hideEvent(event);
}

void DeviceSettingWidget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        CommonHelper::elideChildTexts(this);
    }
}
