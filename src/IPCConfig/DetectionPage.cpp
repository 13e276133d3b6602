#include "DetectionPage.h"

#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "CommonHelperStream.h"
#include "DeviceInfoManager.h"
#include "OpenGLRender.h"
#include "OverlayWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>

namespace {

constexpr int SubStream = 1;
constexpr int TrackRowHeight = 30;

// The layout that holds item directly (a widget or a layout), searched below root.
QLayout *holderOf(QWidget *root, QObject *item)
{
    for (QLayout *layout : root->findChildren<QLayout *>()) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *entry = layout->itemAt(i);
            if (entry->widget() == item || entry->layout() == item)
                return layout;
        }
    }
    return nullptr;
}

} // namespace

DetectionPage::DetectionPage(const Description &description, QWidget *parent)
    : RemoteCfg_Widget(parent)
    , m_description(description)
{
}

DetectionPage::~DetectionPage() = default;

void DetectionPage::attachForm()
{
    m_panel = findChild<CommonDetection *>(QStringLiteral("widget"));
    m_times = findChild<CMoveDetectTimeSetDlg *>(QStringLiteral("widgetTime"));
    m_overlay = findChild<OverlayWidget *>(QStringLiteral("widgetOverlay"));
    m_track = findChild<QCheckBox *>(QStringLiteral("checkBoxTrack"));
    m_save = findChild<QPushButton *>(QStringLiteral("pushButtonSave"));
    Q_ASSERT(m_panel && m_times && m_save);
    connect(m_save, &QPushButton::clicked, this, &DetectionPage::onSaveBtnClicked);
    m_panel->setMode(m_description.panelMode);
    if (m_overlay)
        m_overlay->raise();
    // A page with a slot of the list's name got it connected by its form
    // already: connected twice, a change would be read twice.
    const bool connectedByName = metaObject()->indexOfSlot("on_comboBoxChannel_currentIndexChanged(int)") >= 0;
    if (auto *channels = m_panel->findChild<QComboBox *>(QStringLiteral("comboBoxChannel"));
        channels && !connectedByName)
        connect(channels, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DetectionPage::changeChannel);
    if (m_track)
        connect(m_track, &QCheckBox::clicked, this, [this] { m_trackEdited = true; });
}

bool DetectionPage::hasCapability(const FUN_DEV_INFO *dev, const char *token)
{
    return dev && dev->capList.contains(QLatin1String(token), Qt::CaseInsensitive);
}

bool DetectionPage::supported() const
{
    return !m_description.token || hasCapability(m_pDeviceInfo, m_description.token);
}

void DetectionPage::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    supportChannel = m_description.channelToken && hasCapability(dev, m_description.channelToken);
    // Opened on a channel record: that channel, as the device numbers it.
    if (m_description.recordChannel && dev->channelIdx > 0)
        channel = dev->channelIdx - 1;
    if (supported())
        readAgain();
    else if (m_description.unsupportedLog)
        qDebug() << m_description.unsupportedLog << dev->ip << dev->model;
    m_panel->setEnableEditable(supported());
}

bool DetectionPage::replyComplete(int cmd, const QString &xml) const
{
    // The main read must bring the detection's own element; the track
    // switch's reply is optional and looked at by its value.
    if (cmd != int(m_description.get))
        return true;
    const QString root = m_description.pattern.section(QLatin1Char('>'), 0, 0).mid(1);
    return !root.isEmpty() && !findAllXmlElements(xml, root).isEmpty();
}

void DetectionPage::readAgain()
{
    const uint8_t ch = m_description.recordChannel || supportChannel ? getChannel() : 0;
    request(m_description.get, QString(), ch);
    if (!m_description.trackGet)
        return;
    setTrackRowShown(hasCapability(m_pDeviceInfo, m_description.trackToken));
    // Only the camera's answer lets the switch be used and saved: a camera
    // without pan-tilt refuses the read, and its page still saves the rest.
    m_receivedTrack.clear();
    m_trackShown = false;
    m_trackEdited = false;
    if (m_track)
        m_track->setEnabled(false);
    // The page owns the timer: a page gone before it fires sends nothing.
    laterInThisRound(TrackQueryDelayMs, [this, ch]() { requestOptional(m_description.trackGet, ch); });
}

void DetectionPage::setTrackRowShown(bool shown)
{
    if (!m_track)
        return;
    if (shown) {
        m_track->setMinimumHeight(TrackRowHeight);
        m_track->setMaximumHeight(QWIDGETSIZE_MAX);
        m_track->show();
        return;
    }
    // Collapsed so that it takes no space at all above the panel.
    m_track->hide();
    m_track->setMinimumHeight(0);
    m_track->setMaximumHeight(0);
    QLayout *row = holderOf(this, m_track);
    if (!row)
        return;
    for (int i = 0; i < row->count(); ++i) {
        QLayoutItem *item = row->itemAt(i);
        if (QSpacerItem *spacer = item->spacerItem())
            spacer->changeSize(0, 0, QSizePolicy::Ignored, QSizePolicy::Ignored);
        else if (QWidget *w = item->widget())
            w->hide();
    }
    row->setContentsMargins(0, 0, 0, 0);
    row->invalidate();
    row->activate();
    if (QLayout *column = holderOf(this, row)) {
        column->invalidate();
        column->activate();
    }
    updateGeometry();
}

void DetectionPage::parseXml(int cmd, const QString &xml)
{
    if (xml.isEmpty()) {
        qDebug() << "xml is empty." << cmd << (m_pDeviceInfo ? m_pDeviceInfo->capList : QString());
        return;
    }
    if (cmd == int(m_description.get)) {
        ipcCfgParams params;
        parseDetectionXml(xml, params);
        params.supportChannel = supportChannel;
        params.channel = channel;
        applyParams(params);
    } else if (m_description.trackGet && cmd == int(m_description.trackGet)) {
        const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
        m_receivedTrack.clear();
        if (body.contains(QStringLiteral("humanTrackStatus")))
            m_receivedTrack.insert(QStringLiteral("humanTrackStatus"), body.value(QStringLiteral("humanTrackStatus")));
        if (m_track && body.contains(QStringLiteral("humanTrackStatus"))) {
            m_track->setChecked(DeviceValue::toInt(body.value(QStringLiteral("humanTrackStatus"))) >= 1);
            m_trackState = m_track->isChecked();
            m_trackShown = true;
            m_trackEdited = false;
            m_track->setEnabled(true);
        }
    }
}

void DetectionPage::applyParams(const ipcCfgParams &params)
{
    m_received = params.received;
    m_times->setTimes(params.timeList);
    m_shownTimes = m_times->getTimes();
    m_timesShown = true;
    m_panel->setUi(params);
    if (m_overlay) {
        m_overlay->parseAreaXml(params.bodyValues);
        m_overlay->setAreaSelect(params.bodyValues);
    }
}

QString DetectionPage::saveBody() const
{
    const Week times = m_times->getTimes();
    const bool scheduleKept = m_timesShown && m_received.hasSchedule && times == m_shownTimes;
    const QString cpu = m_pDeviceInfo ? m_pDeviceInfo->cpu : QString();
    const IpcBody::Values fragments{
        {QStringLiteral("enable"), m_panel->enableXml()},
        {QStringLiteral("area"), m_overlay ? m_overlay->getAreaSelect() : QString()},
        {QStringLiteral("schedule"), scheduleKept ? m_received.schedule : buildScheduleXml(times, cpu)},
        {QStringLiteral("light"), m_panel->whiteLightXml()},
        {QStringLiteral("voice"), m_panel->voiceAlarmXml()},
        {QStringLiteral("source"), m_panel->checkSourceXml()},
    };
    return IpcBody::fill(m_description.pattern, fragments);
}

void DetectionPage::onSaveBtnClicked()
{
    if (!m_pDeviceInfo)
        return;
    if (!supported()) {
        if (m_description.unsupportedLog)
            qDebug() << m_description.unsupportedLog << m_pDeviceInfo->ip << m_pDeviceInfo->model;
        else
            // The face and crying pages say it in the same words as the human
            // figure page; the token that was missing follows.
            qDebug() << "don't support pd." << m_pDeviceInfo->ip << m_pDeviceInfo->model << m_description.token;
        return;
    }
    if (!canSave())
        return;
    const Week times = m_times->getTimes();
    // The camera's own arming time goes back as it came, however many periods.
    if (!(m_timesShown && m_received.hasSchedule && times == m_shownTimes)
        && CMoveDetectTimeSetDlg::hasTooManyPeriods(times)) {
        showPeriodLimitTip();
        return;
    }
    const uint8_t ch = readChannel();
    request(m_description.set, saveBody(), ch, RequestKind::Save);
    // The track switch goes only where the camera answered its read (sent
    // even while the switch is hidden: the camera keeps what it had).
    if (!m_description.trackSet || !m_trackShown || !optionalAnswered(m_description.trackGet))
        return;
    IpcBody::Values track = m_receivedTrack;
    if (m_trackEdited)
        track.insert(QStringLiteral("humanTrackStatus"),
                     m_track && m_track->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    request(m_description.trackSet, IpcBody::humanTrack(track), ch, RequestKind::Other);
}

ConfigPageSession::Shown DetectionPage::shownValues() const
{
    // The body is built from the panel, the area and the week alone.
    return {{QStringLiteral("detection"), saveBody()}};
}

QString DetectionPage::previewKey() const
{
    if (!m_pDeviceInfo)
        return QString();
    if (supportChannel) {
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        // The window plays the device itself when it has no channel records.
        if (FUN_DEV_INFO *record = registry ? registry->getChannelInfo(m_pDeviceInfo->ip, uchar(channel + 1)) : nullptr)
            return CommonHelper::getDevUrl(record, ENUM_STREAM_TYPE(SubStream));
    }
    return CommonHelper::getDevUrl(m_pDeviceInfo, ENUM_STREAM_TYPE(SubStream));
}

void DetectionPage::changeChannel(int index)
{
    if (!m_pDeviceInfo || !supportChannel || index == channel || index < 0)
        return;
    channel = index;
    beginReading();
    readAgain();
    if (!m_overlay)
        return;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *record = registry ? registry->getChannelInfo(m_pDeviceInfo->ip, uchar(index + 1)) : nullptr;
    m_overlay->preview()->setStreamKey(CommonHelper::getDevUrl(record, ENUM_STREAM_TYPE(SubStream)));
}

void DetectionPage::showEvent(QShowEvent *event)
{
    if (!m_overlay) {
        RemoteCfg_Widget::showEvent(event);
        return;
    }
    // The clear on hide emptied the key: set it again on every show.
    QWidget::showEvent(event);
    m_overlay->preview()->setStreamKey(previewKey());
}

void DetectionPage::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_overlay)
        m_overlay->preview()->clear();
}

void DetectionPage::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslateForm();
    RemoteCfg_Widget::elideWhenLaidOut(this);
}
