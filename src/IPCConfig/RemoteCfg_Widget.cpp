#include "RemoteCfg_Widget.h"

#include "CommonHelper.h"
#include "ConfigPageMarks.h"
#include "ConfigPageSession.h"
#include "CommonHelperWidgets.h"
#include "CustomDialog.h"
#include "IpcBodyText.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QDomDocument>
#include <QEvent>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QBoxLayout>
#include <QStringList>
#include <QTimer>

namespace {
constexpr int TipMs = 2000;
// The least of the form a page shows however short its room.
constexpr int LeastFormHeight = 120;

// A page's form in the room the page leaves it between its marks and its
// buttons: as tall as the form where there is room, scrolling down where
// there is not, and never narrower than the form (a window too narrow for
// the page scrolls it sideways as a whole, buttons included).
class FormArea : public QScrollArea
{
public:
    explicit FormArea(QWidget *parent)
        : QScrollArea(parent)
    {
    }

    QSize sizeHint() const override
    {
        const QWidget *form = widget();
        if (!form)
            return QScrollArea::sizeHint();
        const QSize hint = form->sizeHint().expandedTo(form->minimumSizeHint());
        int height = hint.height();
        // Wrapped texts take the height of the width they have.
        if (form->hasHeightForWidth())
            height = std::max(height, form->heightForWidth(isVisible() ? viewport()->width() : hint.width()));
        return {hint.width() + barWidth(), height};
    }

    QSize minimumSizeHint() const override
    {
        const QWidget *form = widget();
        if (!form)
            return QScrollArea::minimumSizeHint();
        const QSize least = form->minimumSizeHint();
        return {least.width() + barWidth(), std::min(least.height(), LeastFormHeight)};
    }

protected:
    bool event(QEvent *event) override
    {
        // The form's needs changed (a row shown, another language), or may
        // have while the page was hidden: the page lays out again.
        if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
            updateGeometry();
        return QScrollArea::event(event);
    }

private:
    // Kept whether the bar shows or not: its coming never narrows the form.
    int barWidth() const { return verticalScrollBar()->sizeHint().width(); }
};

// A row of buttons and nothing else (spacers aside).
bool onlyButtons(QLayout *row)
{
    if (!row)
        return false;
    bool any = false;
    for (int i = 0; i < row->count(); ++i) {
        QLayoutItem *item = row->itemAt(i);
        if (item->spacerItem())
            continue;
        if (qobject_cast<QAbstractButton *>(item->widget()) || onlyButtons(item->layout())) {
            any = true;
            continue;
        }
        return false;
    }
    return any;
}

} // namespace

RemoteCfg_Widget::RemoteCfg_Widget(QWidget *parent)
    : QWidget(parent)
    , m_ownRound(new ConfigReadRound(this, this))
{
    followRound(m_ownRound);
    CommonHelper::elideChildTexts(this);
}

RemoteCfg_Widget::~RemoteCfg_Widget() = default;

void RemoteCfg_Widget::followRound(ConfigReadRound *round)
{
    connect(round, &ConfigReadRound::failed, this, &RemoteCfg_Widget::onRoundFailed, Qt::UniqueConnection);
    connect(round, &ConfigReadRound::done, this, &RemoteCfg_Widget::onRoundDone, Qt::UniqueConnection);
    // Read again once the camera's answers can be placed, a fresh session is
    // up, or what the round took may have been a copy.
    connect(round, &ConfigReadRound::readAgain, this, &RemoteCfg_Widget::readAgainSoon, Qt::UniqueConnection);
    // The marks say why it failed, offer the way back, and go only when a
    // round of the page was read.
    ConfigPageMarks::of(this)->followRound(round, [] { return SharedTexts::readFailedText(); });
}

void RemoteCfg_Widget::onRoundDone()
{
    m_everFailed = false;
    // The camera's settings shown again: nothing of the operator's is unsaved
    // (the session clears its own mark).
    if (!m_session)
        showNotSaved(false);
}

void RemoteCfg_Widget::onSaveResult(int, bool) { }

void RemoteCfg_Widget::setConversation(ConfigConversation *conversation)
{
    if (m_conversation)
        disconnect(m_conversation, nullptr, this, nullptr);
    if (m_session)
        disconnect(m_session, nullptr, this, nullptr);
    m_conversation = conversation;
    // The page's round is its session's; a page on its own keeps one.
    m_session = conversation ? conversation->pageSession(this) : nullptr;
    m_round = m_session ? m_session->round() : nullptr;
    if (!conversation)
        return;
    followRound(m_round);
    ConfigPageMarks::of(this)->setConversation(conversation);
    ConfigPageMarks::of(this)->follow(m_session);
    // The page says what it shows; the session tells what became of its Saves.
    m_session->setShowing([this] {
        ConfigPageSession::Shown shown = shownValues();
        // Another channel's values are not what a Save of this one sent.
        if (supportChannel)
            shown.insert(ConfigPageSession::channelKey(),
                         QStringLiteral("CH_%1").arg(channel + 1, 2, 10, QLatin1Char('0')));
        return shown;
    });
    connect(m_session, &ConfigPageSession::saveSaid, this,
            [](const QString &words) { MsgTipInfoDlg::showTip(words, TipMs); });
    ConfigPageMarks::sayWaiting(conversation, this);
}

void RemoteCfg_Widget::readAgainSoon()
{
    QTimer::singleShot(0, this, [this] {
        // A page left meanwhile reads when it is selected again.
        if (!isVisible() || !m_pDeviceInfo || round()->state() == ConfigReadRound::State::Pending)
            return;
        beginReading();
        updateDevice(m_pDeviceInfo);
        endVisit();
    });
}

void RemoteCfg_Widget::setReadTimeoutMs(int ms)
{
    ConfigReadRound::setTimeoutMs(ms);
}

int RemoteCfg_Widget::readTimeoutMs()
{
    return ConfigReadRound::timeoutMs();
}

QString RemoteCfg_Widget::failureText() const
{
    return SharedTexts::configFailedText();
}

void RemoteCfg_Widget::sayFailure() const
{
    MsgTipInfoDlg::showTip(round()->failureText(SharedTexts::readFailedText()), TipMs);
}

RemoteCfg_Widget::ReadState RemoteCfg_Widget::readState() const
{
    switch (round()->state()) {
    case ConfigReadRound::State::Pending:
        return ReadState::Pending;
    case ConfigReadRound::State::Done:
        return ReadState::Done;
    case ConfigReadRound::State::Failed:
        return ReadState::Failed;
    case ConfigReadRound::State::Idle:
        break;
    }
    // A failed round stays marked until a later one reads the camera whole.
    return m_everFailed ? ReadState::Failed : ReadState::Idle;
}

bool RemoteCfg_Widget::replyComplete(int, const QString &) const
{
    return true;
}

void RemoteCfg_Widget::beginReading()
{
    // Replies owed to an earlier round (a page selected twice in a row, the
    // channel switched back) are not this round's: the round tells them apart.
    round()->begin();
    m_unsaid = false;
    m_roundFailed = false;
}

void RemoteCfg_Widget::endVisit()
{
    if (m_conversation && !m_conversation->isOnline() && !m_roundFailed)
        sayFailure();
}

void RemoteCfg_Widget::expectReads(const QList<unsigned int> &cmds, uint8_t channel)
{
    if (!m_conversation)
        return;
    for (unsigned int cmd : cmds)
        round()->expect(cmd, channel);
}

bool RemoteCfg_Widget::request(unsigned int cmd, const QString &body, uint8_t channel, RequestKind kind,
                               const RecordChange &change)
{
    if (kind == RequestKind::Read && m_conversation)
        return round()->read(cmd, channel, body);
    if (m_session && kind == RequestKind::Save) {
        ConfigRequest save;
        save.cmd = cmd;
        save.body = body;
        save.channel = channel;
        save.change = change;
        return m_session->sendSave(save, ConfigPageSession::Sends::ShownValues, failureText());
    }
    return ConfigConversation::sendThrough(m_conversation, this, m_pDeviceInfo, cmd, body, channel, kind);
}

void RemoteCfg_Widget::laterInThisRound(int ms, std::function<void()> send)
{
    const quint64 generation = round()->generation();
    QTimer::singleShot(ms, this, [this, generation, send = std::move(send)] {
        if (round()->generation() == generation)
            send();
    });
}

bool RemoteCfg_Widget::requestOptional(unsigned int cmd, uint8_t channel)
{
    if (m_conversation)
        return round()->readOptional(cmd, channel);
    return ConfigConversation::sendThrough(m_conversation, this, m_pDeviceInfo, cmd, QString(), channel,
                                           RequestKind::Read);
}

bool RemoteCfg_Widget::readAnswered(const ConfigReply &reply)
{
    const bool complete = reply.ok() && replyComplete(reply.cmd, reply.xml);
    const ConfigReadRound::Answer answer = round()->take(reply, complete);
    if (answer == ConfigReadRound::Answer::Stale)
        return false;
    if (!complete)
        return false;
    // A round that failed shows nothing more of the camera: the page keeps
    // what it showed, marked, and saves nothing.
    return answer == ConfigReadRound::Answer::Optional || !round()->isFailed();
}

void RemoteCfg_Widget::onRoundFailed(const QString &why)
{
    m_everFailed = true;
    if (m_roundFailed)
        return;
    m_roundFailed = true;
    qWarning() << metaObject()->className() << "could not read the camera:" << why;
    // Said when the operator sees the page: a page left meanwhile keeps quiet.
    if (isVisible())
        sayFailure();
    else
        m_unsaid = true;
}

bool RemoteCfg_Widget::canSave()
{
    // A page on its own (no conversation) hears no replies and is not checked.
    if (!m_conversation || round()->isRead())
        return true;
    qInfo() << metaObject()->className() << "not saved: the camera's settings were not read";
    if (round()->state() == ConfigReadRound::State::Pending)
        MsgTipInfoDlg::showTip(ConfigConversation::stillReadingText(), TipMs);
    else
        sayFailure();
    return false;
}

bool RemoteCfg_Widget::takeSaveAnswer(const ConfigReply &)
{
    return false;
}

bool RemoteCfg_Widget::savePart(int part, unsigned int cmd, const QString &body, uint8_t channel)
{
    answerOfPart(part);
    m_sendingPart = part;
    const bool sent = request(cmd, body, channel, RequestKind::Save);
    m_sendingPart = -1;
    ConfigPageMarks::of(this)->partEnds();
    return sent;
}

void RemoteCfg_Widget::answerOfPart(int part)
{
    if (!conversation())
        return;
    m_partsMarked = true;
    ConfigPageMarks *marks = ConfigPageMarks::of(this);
    marks->followParts(conversation()->pageSession(this));
    marks->partBegins(part);
}

void RemoteCfg_Widget::saveAnswered(const ConfigReply &reply)
{
    if (takeSaveAnswer(reply))
        return;
    // Said once, by the session's words; the mark follows the answer only
    // while the page shows what that Save sent.
    if (m_session) {
        m_session->settleSave(reply, failureText());
    } else {
        MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(reply, SaveSettled(), failureText()), TipMs);
        showNotSaved(!reply.ok());
    }
    if (m_partsMarked)
        ConfigPageMarks::of(this)->partEnds();
    onSaveResult(reply.cmd, reply.ok());
}

bool RemoteCfg_Widget::notSavedShown() const
{
    return ConfigPageMarks::of(const_cast<RemoteCfg_Widget *>(this))->notSavedShown();
}

void RemoteCfg_Widget::showNotSaved(bool show)
{
    if (m_session)
        m_session->setNotSaved(show);
    else
        ConfigPageMarks::of(this)->setNotSaved(show);
}

ConfigPageSession::Shown RemoteCfg_Widget::shownValues() const
{
    return ConfigPageSession::Shown();
}

void RemoteCfg_Widget::keepActionsInView()
{
    if (m_actionsKept)
        return;
    m_actionsKept = true;
    auto *top = qobject_cast<QBoxLayout *>(layout());
    if (!top || top->direction() != QBoxLayout::TopToBottom)
        return;
    // The page's buttons: its last row, when it holds buttons alone. What
    // follows it (spacers) stays below it, so that on a tall screen the
    // buttons still follow the form rather than the window's bottom.
    int bar = top->count();
    for (int i = top->count() - 1; i >= 0; --i) {
        QLayoutItem *item = top->itemAt(i);
        if (item->spacerItem())
            continue;
        if (onlyButtons(item->layout()))
            bar = i;
        break;
    }
    auto *form = new QWidget;
    form->setObjectName(QStringLiteral("widgetPageForm"));
    auto *column = new QVBoxLayout(form);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(top->spacing());
    for (int i = 0; i < bar; ++i) {
        const int stretch = top->stretch(0);
        QLayoutItem *item = top->takeAt(0);
        if (QWidget *w = item->widget()) {
            column->addWidget(w, stretch, item->alignment());
            delete item;
        } else if (QLayout *inner = item->layout()) {
            inner->setParent(nullptr);
            column->addLayout(inner, stretch);
        } else {
            column->addItem(item);
        }
    }
    auto *area = new FormArea(this);
    area->setObjectName(QStringLiteral("scrollAreaPageForm"));
    area->setFrameShape(QFrame::NoFrame);
    // A frame for the form, not a stop of its own on the way through it.
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    area->setWidgetResizable(true);
    area->setWidget(form);
    // The page's own look shows through.
    area->viewport()->setAutoFillBackground(false);
    form->setAutoFillBackground(false);
    top->insertWidget(0, area);
}

bool RemoteCfg_Widget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Polish:
        // The page's form is built by now (polished before it first shows).
        keepActionsInView();
        break;
    case QEvent::Show:
        if (m_unsaid) {
            m_unsaid = false;
            sayFailure();
        }
        // Texts of a language chosen while the page was hidden get their room now.
        elideNow(this);
        break;
    case QEvent::Resize:
        // A page given more room (a window opened small, then enlarged)
        // shows the texts it had to shorten whole again.
        if (!m_elidePending && isVisible()) {
            m_elidePending = true;
            QTimer::singleShot(0, this, [this] {
                m_elidePending = false;
                if (isVisible())
                    elideNow(this);
            });
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void RemoteCfg_Widget::elideWhenLaidOut(QWidget *widget)
{
    QTimer::singleShot(0, widget, [widget] {
        if (widget->isVisible())
            elideNow(widget);
    });
}

void RemoteCfg_Widget::elideNow(QWidget *widget)
{
    CommonHelper::wholeChildTexts(widget);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (QLayout *top = widget->window()->layout())
        top->activate();
    CommonHelper::elideChildTexts(widget);
}

void RemoteCfg_Widget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    CommonHelper::addCopyMenu(this);
}

void RemoteCfg_Widget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        elideWhenLaidOut(this);
    }
}

namespace {

const char *const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr int DayCount = 7;
constexpr int PeriodSlots = 6;
const QString kEmptyTime = QStringLiteral("00:00:00");

int intOf(const QHash<QString, QString> &values, const char *key)
{
    return DeviceValue::toInt(values.value(QLatin1String(key)));
}

bool usesElementForm(const QString &cpu)
{
    static const QStringList chips{QStringLiteral("SIGMASTAR"), QStringLiteral("GUOKE"), QStringLiteral("DUOFANG")};
    return cpu.isEmpty() || chips.contains(cpu);
}

// The direct children of the detection element (the first element of the
// body that has element children; the body itself when none has). A nested
// <whiteLight> listed first must not lend the detection its own "enable".
QHash<QString, QString> detectionChildren(const QString &xml)
{
    QHash<QString, QString> values;
    QDomDocument doc;
    if (!DeviceXml::parse(xml, doc))
        return values;
    const QDomElement body = doc.documentElement().firstChildElement(QStringLiteral("body"));
    QDomElement owner = body;
    for (QDomElement e = body.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (!e.firstChildElement().isNull()) {
            owner = e;
            break;
        }
    }
    for (QDomElement e = owner.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.firstChildElement().isNull() && !values.contains(e.tagName()))
            values.insert(e.tagName(), e.text());
    }
    return values;
}

} // namespace

QString RemoteCfg_Widget::dayName(int index)
{
    return index >= 0 && index < DayCount ? QLatin1String(kDays[index]) : QString();
}

void RemoteCfg_Widget::parseDetectionXml(const QString &xml, ipcCfgParams &params) const
{
    params.bodyValues = findValuesInXml(xml, QStringLiteral("body"));
    params.received = IpcBody::parseDetection(xml);
    const QHash<QString, QString> own = detectionChildren(xml);
    for (const char *key : {"enable", "sensitivity"}) {
        const QString name = QLatin1String(key);
        if (own.contains(name))
            params.bodyValues.insert(name, own.value(name));
    }
    const QStringList schedule = findAllXmlElements(xml, QStringLiteral("supervisedTime"));
    if (!schedule.isEmpty())
        parseSupervisedTime(schedule.first(), params.timeList);
    const QStringList light = findAllXmlElements(xml, QStringLiteral("whiteLight"));
    if (!light.isEmpty())
        parseWhiteLight(light.first(), params.whiteLightEnable, params.whiteLightStatus, params.durationTime);
    const QStringList voice = findAllXmlElements(xml, QStringLiteral("voiceAlarm"));
    if (!voice.isEmpty())
        parseVoiceAlarm(voice.first(), params.voiceAlarmEnable, params.audioFile, params.playCount);
    const QString caps = m_pDeviceInfo ? m_pDeviceInfo->capList : QString();
    params.hasWhiteLight = caps.contains(QLatin1String("doubleLight"), Qt::CaseInsensitive);
    params.hasVoiceAlarm = caps.contains(QLatin1String("audioDecode"), Qt::CaseInsensitive);
}

void RemoteCfg_Widget::parseSupervisedTime(const QString &fragment, Week &days)
{
    if (fragment.contains(QLatin1String("time"))) {
        for (int d = 0; d < DayCount; ++d) {
            Periods periods;
            const QStringList day = findAllXmlElements(fragment, dayName(d));
            if (!day.isEmpty()) {
                for (int slot = 0; slot < PeriodSlots; ++slot) {
                    const QString tag = QStringLiteral("time%1").arg(slot);
                    if (findAllXmlElements(day.first(), tag).isEmpty())
                        continue;
                    const QHash<QString, QString> period = findValuesInXml(day.first(), tag);
                    const QString start = period.value(QStringLiteral("startTime")).trimmed();
                    const QString end = period.value(QStringLiteral("endTime")).trimmed();
                    if (start == end)
                        break;
                    periods.append(qMakePair(start, end));
                }
            }
            days.append(periods);
        }
        return;
    }
    const QHash<QString, QString> texts = findValuesInXml(fragment, QStringLiteral("supervisedTime"));
    for (int d = 0; d < DayCount; ++d) {
        Periods periods;
        QStringList parts = texts.value(dayName(d)).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // The camera keeps six periods a day, as the element form has slots.
        DeviceValue::boundList(parts, PeriodSlots, "periods in a day");
        for (const QString &part : parts) {
            const QStringList times = part.split(QLatin1Char('-'), Qt::SkipEmptyParts);
            if (times.size() != 2)
                continue;
            if (times.at(0) == times.at(1))
                break;
            periods.append(qMakePair(times.at(0), times.at(1)));
        }
        days.append(periods);
    }
}

void RemoteCfg_Widget::parseWhiteLight(const QString &fragment, int &enable, int &status, int &durationTime)
{
    const QHash<QString, QString> values = findValuesInXml(fragment, QStringLiteral("whiteLight"));
    enable = intOf(values, "enable");
    status = intOf(values, "status");
    durationTime = intOf(values, "durationTime");
}

void RemoteCfg_Widget::parseVoiceAlarm(const QString &fragment, int &enable, int &audioFile, int &playCount)
{
    const QHash<QString, QString> values = findValuesInXml(fragment, QStringLiteral("voiceAlarm"));
    enable = intOf(values, "enable");
    audioFile = intOf(values, "audioFile");
    playCount = intOf(values, "playCount");
}

QString RemoteCfg_Widget::buildScheduleXml(const Week &days, const QString &cpu)
{
    const bool elements = usesElementForm(cpu);
    const QString period =
        elements ? QStringLiteral("<%1><startTime>%2</startTime><endTime>%3</endTime></%1>") : QStringLiteral("%2-%3;");
    QString xml;
    // The camera knows seven days and six periods a day; more would shift or
    // overflow its table.
    for (int d = 0; d < days.size() && d < DayCount; ++d) {
        const Periods &day = days.at(d);
        xml += QStringLiteral("<%1>").arg(dayName(d));
        for (int slot = 0; slot < PeriodSlots; ++slot) {
            const bool real = slot < day.size();
            const QString start = real ? IpcBodyText::plain(day.at(slot).first) : kEmptyTime;
            const QString end = real ? IpcBodyText::plain(day.at(slot).second) : kEmptyTime;
            xml += CommonHelper::fillTemplate(period, {QStringLiteral("time%1").arg(slot), start, end});
        }
        xml += QStringLiteral("</%1>").arg(dayName(d));
    }
    return xml;
}

void RemoteCfg_Widget::showPeriodLimitTip()
{
    CustomDialog tip;
    tip.setTitle(CustomDialog::tr("Tips"));
    tip.setText(tr("Set up to four time periods in a day!"));
    tip.exec();
}
