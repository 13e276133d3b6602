#include "DeviceSettingWidget.h"
#include "ui_DeviceSettingWidget.h"
#include "CommonHelperWidgets.h"

#include "CommonHelper.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"
#include "TimeZoneTable.h"
#include "UnreadForm.h"

#include <QDebug>
#include <QEvent>
#include <QTimer>

#include <iterator>
#include <limits>

namespace {
constexpr unsigned int CmdGetLanguages = Cmd::GetLanguageCaps;
constexpr unsigned int CmdGetSettings = Cmd::GetSettings;
constexpr unsigned int CmdSetSettings = Cmd::SetSettings;
constexpr unsigned int CmdSetTiming = Cmd::SetTimeConfig;
constexpr int SecondRequestMs = 50;
// Languages a camera may offer at most; a longer list is cut with a log line.
constexpr int MaxLanguages = 64;

const QList<int> &handledCommands()
{
    static const QList<int> commands{int(CmdGetLanguages), int(CmdGetSettings)};
    return commands;
}

bool isInteger(const QString &text)
{
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

// "GMT+08:00" -> 480.
int offsetMinutes(const QString &text)
{
    const QString t = text.mid(3);
    if (t.size() < 6)
        return 0;
    const int minutes = t.mid(1, 2).toInt() * 60 + t.mid(4, 2).toInt();
    return t.at(0) == QLatin1Char('-') ? -minutes : minutes;
}

const char *const kClock[] = {"year", "month", "day", "hour", "minute", "second"};
const char *const kClockFormats[] = {"yyyy", "MM", "dd", "hh", "mm", "ss"};
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
    connect(setTimeTimer, &QTimer::timeout, this, [this] {
        m_filling = true;
        ui->dateTimeEdit_setTime->setDateTime(ui->dateTimeEdit_setTime->dateTime().addSecs(1));
        m_filling = false;
    });
    fillLanguageNames();
    ui->setupUi(this);
    // The manual clock's rows and the time server's rows swap with the mode
    // read; both keep their room, so nothing below them moves.
    CommonHelper::keepRoomWhenHidden({ui->label_deviceTime, ui->dateTimeEdit_device, ui->label_setTime,
                                      ui->dateTimeEdit_setTime, ui->checkBox_syncLocalTime, ui->label_timingServer,
                                      ui->lineEdit_timingServer, ui->label_timingPort, ui->lineEdit_timingPort,
                                      ui->label_timingInterval, ui->lineEdit_timingInterval, ui->label_minuteInterval});
    // Whether to take the local clock is the operator's choice, not a value
    // of the camera.
    UnreadForm::keepShown(ui->checkBox_syncLocalTime);
    // A time the operator sets, or the local clock he asks for, is sent; the
    // "Set Time" proposal left alone is not.
    connect(ui->dateTimeEdit_setTime, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!m_filling)
            m_setTimeTouched = true;
    });
    ui->lineEdit_name->hide();
    ui->label_name->hide();
    ui->dateTimeEdit_device->setReadOnly(true);
    ui->tabWidget->setStyleSheet(QStringLiteral("QTabBar::tab{min-width: 150px; min-height: 40px;}"));
    connect(ui->comboBox_timeZone, QOverload<int>::of(&QComboBox::activated), this, [this] { m_zonePicked = true; });
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

void DeviceSettingWidget::fillLanguageNames()
{
    languageNames.insert(QStringLiteral("zh_cn"), tr("Chinese"));
    languageNames.insert(QStringLiteral("zh_en"), tr("English"));
    languageNames.insert(QStringLiteral("khm"), QStringLiteral("ភាសាខ្មែរ"));
}

void DeviceSettingWidget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    clockTimer->stop();
    setTimeTimer->stop();
    languageCaps.clear();
    m_pDeviceInfo = dev;
    // Without the camera's language list the page offers the two it knows.
    requestOptional(CmdGetLanguages);
    expectReads({CmdGetSettings});
    laterInThisRound(SecondRequestMs, [this] { request(CmdGetSettings); });
}

bool DeviceSettingWidget::replyComplete(int cmd, const QString &xml) const
{
    return cmd != int(CmdGetSettings) || !findAllXmlElements(xml, QStringLiteral("settingsConfig")).isEmpty();
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
    m_filling = true;
    const QHash<QString, QString> settings = findValuesInXml(xml, QStringLiteral("settingsConfig"));
    m_settingsRead = !settings.isEmpty();
    m_receivedSettings = IpcBody::children(xml, QStringLiteral("settingsConfig"));
    fillGeneral(settings);
    const QHash<QString, QString> timing = findValuesInXml(xml, QStringLiteral("timingConfig"));
    if (!timing.isEmpty()) {
        m_timingRead = true;
        m_receivedTiming = IpcBody::children(xml, QStringLiteral("timingConfig"));
        fillTime(timing);
    }
    m_filling = false;
    m_setTimeTouched = false;
    m_shown.reset();
    m_shown.filled(QStringLiteral("language"), ui->comboBox_language);
    m_shown.filled(QStringLiteral("timingMode"), ui->comboBox_timingMode);
    m_shown.filled(QStringLiteral("NTPServer"), ui->lineEdit_timingServer);
    m_shown.filled(QStringLiteral("NTPPort"), ui->lineEdit_timingPort);
    m_shown.filled(QStringLiteral("timingInterval"), ui->lineEdit_timingInterval);
}

void DeviceSettingWidget::fillGeneral(const QHash<QString, QString> &settings)
{
    QComboBox *languages = ui->comboBox_language;
    languages->clear();
    // A code this client has no name for shows as the code itself.
    const auto name = [this](const QString &code) { return languageNames.value(code, code); };
    if (!languageCaps.isEmpty()) {
        for (const QString &code : qAsConst(languageCaps))
            languages->addItem(name(code), code);
    } else {
        languages->addItem(tr("Chinese"), QStringLiteral("zh_cn"));
        languages->addItem(tr("English"), QStringLiteral("zh_en"));
    }
    const QString cpu = m_pDeviceInfo ? m_pDeviceInfo->cpu : QString();
    ui->lineEdit_name->setText(CommonHelper::hexToString(settings.value(QStringLiteral("deviceName")).trimmed(), cpu));
    // The camera's own language is shown even when its list lacks it.
    const QString current = settings.value(QStringLiteral("language")).trimmed();
    int index = languages->findData(current);
    if (index < 0 && !current.isEmpty()) {
        languages->addItem(name(current), current);
        index = languages->count() - 1;
    }
    if (index >= 0)
        languages->setCurrentIndex(index);
}

void DeviceSettingWidget::fillTime(const QHash<QString, QString> &timing)
{
    ui->comboBox_timeZone->clear();
    m_readZone = timing.value(QStringLiteral("timeZone"));
    m_zonePicked = false;
    const TimeZoneTable::Result zone = TimeZoneTable::findByName(m_readZone);
    m_zoneMode = zone.second;
    // Each entry carries what the camera calls it: the zone key, or the
    // minutes of a camera that names its zone by its offset.
    for (const QString &display : TimeZoneTable::list(zone.second)) {
        const QVariant key = zone.second == TimeZoneTable::OffsetMode
                                 ? QVariant(QString::number(offsetMinutes(display)))
                                 : QVariant(TimeZoneTable::zoneIndexText(display, false));
        ui->comboBox_timeZone->addItem(display, key);
    }
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
    for (QWidget *w :
         {static_cast<QWidget *>(ui->label_timingServer), static_cast<QWidget *>(ui->lineEdit_timingServer),
          static_cast<QWidget *>(ui->label_timingPort), static_cast<QWidget *>(ui->lineEdit_timingPort),
          static_cast<QWidget *>(ui->label_timingInterval), static_cast<QWidget *>(ui->lineEdit_timingInterval),
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
    if (!m_pDeviceInfo || !canSave())
        return;
    const bool general = ui->tabWidget->currentIndex() == 0;
    if (general ? !m_settingsRead : !m_timingRead) {
        sayFailure();
        return;
    }
    if (general) {
        settingsXml();
        return;
    }
    const QString body = timingXml();
    if (!body.isEmpty())
        sendSave(1, CmdSetTiming, body);
}

void DeviceSettingWidget::sendSave(int tab, unsigned int cmd, const QString &body)
{
    savePart(tab, cmd, body);
}

bool DeviceSettingWidget::takeSaveAnswer(const ConfigReply &reply)
{
    if (reply.cmd == CmdSetSettings || reply.cmd == CmdSetTiming)
        answerOfPart(reply.cmd == CmdSetSettings ? 0 : 1);
    return false;
}

void DeviceSettingWidget::settingsXml()
{
    IpcBody::Values values = m_receivedSettings;
    // The name row is hidden: the camera's name goes back as it came.
    if (!values.contains(QStringLiteral("deviceName")))
        values.insert(
            QStringLiteral("deviceName"),
            IpcBody::encodeText(ui->lineEdit_name->text().trimmed(), m_pDeviceInfo ? m_pDeviceInfo->cpu : QString()));
    m_shown.take(values, QStringLiteral("language"), ui->comboBox_language->currentData().toString());
    sendSave(0, CmdSetSettings, IpcBody::settingsConfig(values));
}

ConfigPageSession::Shown DeviceSettingWidget::shownValues() const
{
    // A Save sends its tab: the language, or the timing. Both tabs keep
    // showing what they were given while the other is on screen, so an
    // answer that comes then still settles the tab it saved.
    ConfigPageSession::Shown shown = m_shown.shown();
    if (sendingPart() < 0)
        return shown;
    const bool general = sendingPart() == 0;
    for (auto it = shown.begin(); it != shown.end();)
        it = (it.key() == QLatin1String("language")) == general ? std::next(it) : shown.erase(it);
    return shown;
}

bool DeviceSettingWidget::typedNumber(const QString &key, QLineEdit *edit, int low, int high,
                                      IpcBody::Values &values) const
{
    if (values.contains(key) && !m_shown.edited(key))
        return true;
    const std::optional<int> number = DeviceValue::number(edit->text());
    if (!number || *number < low || *number > high) {
        MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), 2000);
        return false;
    }
    values.insert(key, QString::number(*number));
    return true;
}

QString DeviceSettingWidget::timingXml() const
{
    IpcBody::Values values = m_receivedTiming;
    if (!typedNumber(QStringLiteral("NTPPort"), ui->lineEdit_timingPort, 1, 65535, values)
        || !typedNumber(QStringLiteral("timingInterval"), ui->lineEdit_timingInterval, 0,
                        std::numeric_limits<int>::max(), values))
        return QString();
    m_shown.take(values, QStringLiteral("timingMode"), QString::number(ui->comboBox_timingMode->currentIndex()));
    m_shown.take(values, QStringLiteral("NTPServer"), ui->lineEdit_timingServer->text());

    if (m_zonePicked || !values.contains(QStringLiteral("timeZone"))) {
        const QString key = ui->comboBox_timeZone->currentData().toString();
        if (m_zoneMode == TimeZoneTable::OffsetMode) {
            values.insert(QStringLiteral("timeZone"), key);
            values.insert(QStringLiteral("timeOffset"), key);
        } else {
            // The offset by the key: the list's texts may be of another language by now.
            const QString display = TimeZoneTable::findByName(key).first;
            values.insert(QStringLiteral("timeZone"), key);
            values.insert(QStringLiteral("timeOffset"), TimeZoneTable::zoneIndexText(display, true));
        }
    } else if (!values.contains(QStringLiteral("timeOffset"))) {
        const TimeZoneTable::Result found = TimeZoneTable::findByName(m_readZone);
        // A zone named by its minutes is its own offset; the zone list knows
        // no such display text, and its first group's offset is not this one.
        if (found.second == TimeZoneTable::OffsetMode && isInteger(m_readZone))
            values.insert(QStringLiteral("timeOffset"), m_readZone);
        else
            values.insert(QStringLiteral("timeOffset"), found.second == TimeZoneTable::ZoneMode
                                                            ? TimeZoneTable::zoneIndexText(found.first, true)
                                                            : QString());
    }

    // The camera's clock as it runs, unless the operator set a time.
    bool clockRead = true;
    for (const char *key : kClock)
        clockRead = clockRead && values.contains(QLatin1String(key));
    const QDateTime time = m_setTimeTouched || !clockRead || ui->checkBox_syncLocalTime->isChecked()
                               ? ui->dateTimeEdit_setTime->dateTime()
                               : ui->dateTimeEdit_device->dateTime();
    for (int i = 0; i < 6; ++i)
        values.insert(QLatin1String(kClock[i]), time.toString(QLatin1String(kClockFormats[i])));
    return IpcBody::timingConfig(values);
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
        // The lists built from the camera's codes and keys follow the language.
        fillLanguageNames();
        for (int i = 0; i < ui->comboBox_language->count(); ++i) {
            const QString code = ui->comboBox_language->itemData(i).toString();
            ui->comboBox_language->setItemText(i, languageNames.value(code, code));
        }
        if (m_zoneMode == TimeZoneTable::ZoneMode) {
            for (int i = 0; i < ui->comboBox_timeZone->count(); ++i) {
                const QString display = TimeZoneTable::findByName(ui->comboBox_timeZone->itemData(i).toString()).first;
                if (!display.isEmpty())
                    ui->comboBox_timeZone->setItemText(i, display);
            }
        }
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
