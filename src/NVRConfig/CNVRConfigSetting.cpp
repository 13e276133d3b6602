#include "CNVRConfigSetting.h"

#include "ui_CNVRConfigSetting.h"

#include "CNVRBasicSetting.h"
#include "CNVRDateSetting.h"
#include "CNVRDiskBrowse.h"
#include "CNVREthernetSetting.h"
#include "CNVRStoragePlan.h"
#include "CNVRVersionInfo.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "ConfigPageMarks.h"
#include "ConfigPageSession.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "NvrBodies.h"
#include "Platform.h"
#include "SharedTexts.h"

#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPixmapCache>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

// Elided texts are computed once per process, on the first window shown:
// later windows start from the same form and widths.
bool g_firstShow = true;

} // namespace

CNVRConfigSetting::CNVRConfigSetting(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRConfigSetting)
    , m_conversation(new ConfigConversation(this))
{
    ui->setupUi(this);
    setModal(true);
    setFixedSize(950, 600);
    initWidget();
    // The style sheet styles popup items only through a real item view.
    for (QComboBox *combo : findChildren<QComboBox *>())
        combo->setView(new QListView(combo));
    ui->PageBasic->setConversation(m_conversation);
    ui->PageDatetime->setConversation(m_conversation);
    ui->PageInternet->setConversation(m_conversation);
    ui->pagePlan->setConversation(m_conversation);
    ui->pageDisk->setConversation(m_conversation);
    connect(m_conversation, &ConfigConversation::replied, this, &CNVRConfigSetting::recvCommonInfo);
    connect(ui->pagePlan, &CNVRStoragePlan::readAgain, this, [this] { startRound(Cmd::GetRecordSchedule); });
}

CNVRConfigSetting::~CNVRConfigSetting()
{
    delete ui;
    // The style's pictures of this window's controls are cached under keys
    // of its own palettes and icons: no later window finds them again.
    QPixmapCache::clear();
    Platform::returnFreedMemory();
}

void CNVRConfigSetting::initWidget()
{
    QFont f(QStringLiteral("Microsoft YaHei"), 10, QFont::Normal);
    f.setPixelSize(14);
    setFont(f);
    ui->labelTitle->setText(tr("Remote Config"));
    // The style sheet addresses the close button by this name.
    ui->pushButtonClose->setObjectName(QStringLiteral("m_closeBtn"));
    m_mainButtons = {ui->pushButtonBasic, ui->pushButtonInternet, ui->pushButtonVersion, ui->pushButtonStorage};
    m_subButtons = {ui->pushButtonBasicInfo, ui->pushButtonDatetime, ui->pushButtonPlan, ui->pushButtonDisk};
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &CNVRConfigSetting::reject);
    for (QPushButton *b : m_mainButtons + m_subButtons) {
        connect(b, &QPushButton::clicked, this, &CNVRConfigSetting::onButtonsClicked);
        // The shown page's buttons stand out in the accent colour.
        b->setStyleSheet(
            QStringLiteral("QPushButton:checked { background-color: rgb(78, 161, 243); color: rgb(19, 22, 27); }"));
    }
    ui->stackedWidget->setCurrentIndex(0);
    initReplyParsers();
    initPageSelectors();
}

void CNVRConfigSetting::initReplyParsers()
{
    m_replyParsers.insert(Cmd::GetBasicSettings, [this](const QString &xml) { ui->PageBasic->parseBasicInfo(xml); });
    m_replyParsers.insert(Cmd::GetTimeConfig, [this](const QString &xml) { ui->PageDatetime->parseTimeConfig(xml); });
    m_replyParsers.insert(Cmd::GetNvrNetwork, [this](const QString &xml) { ui->PageInternet->parseNetInfo(xml); });
    m_replyParsers.insert(Cmd::GetVersion, [this](const QString &xml) { ui->PageVersion->parseVersionInfo(xml); });
    m_replyParsers.insert(Cmd::GetRecordSchedule, [this](const QString &xml) { ui->pagePlan->parseRecordPlan(xml); });
    m_replyParsers.insert(Cmd::GetDisks, [this](const QString &xml) { ui->pageDisk->parseDeviceInfo(xml); });
    m_replyParsers.insert(Cmd::GetStoragePolicy, [this](const QString &xml) { ui->pageDisk->parseStoragePolicy(xml); });
    m_pageWidgets = {{Cmd::GetBasicSettings, ui->PageBasic}, {Cmd::GetTimeConfig, ui->PageDatetime},
                     {Cmd::GetNvrNetwork, ui->PageInternet}, {Cmd::GetVersion, ui->PageVersion},
                     {Cmd::GetRecordSchedule, ui->pagePlan}, {Cmd::GetDisks, ui->pageDisk}};
    m_readStates.insert(Cmd::GetBasicSettings, [this](bool ok) { ui->PageBasic->setReadOk(ok); });
    m_readStates.insert(Cmd::GetTimeConfig, [this](bool ok) { ui->PageDatetime->setReadOk(ok); });
    m_readStates.insert(Cmd::GetNvrNetwork, [this](bool ok) { ui->PageInternet->setReadOk(ok); });
    m_readStates.insert(Cmd::GetVersion, [this](bool ok) { ui->PageVersion->setReadOk(ok); });
    m_readStates.insert(Cmd::GetRecordSchedule, [this](bool ok) { ui->pagePlan->setReadOk(ok); });
    m_readStates.insert(Cmd::GetDisks, [this](bool ok) {
        ui->pageDisk->setListReadOk(ok);
        ui->pageDisk->setPolicyReadOk(ok);
    });
    for (auto it = m_readStates.constBegin(); it != m_readStates.constEnd(); ++it) {
        const int page = it.key();
        // The page's session carries its round and its not-saved state.
        QWidget *widget = m_pageWidgets.value(page);
        // The page's session carries its round and its not-saved state; the
        // marks follow both, say why a read failed and offer the way back.
        ConfigPageSession *session = m_conversation->pageSession(widget);
        ConfigReadRound *round = session->round();
        // What became of the page's Saves, said while the window is shown.
        connect(session, &ConfigPageSession::saveSaid, this, [this](const QString &words) {
            if (isVisible())
                MsgTipInfoDlg::showTip(words, 2000);
        });
        ConfigPageMarks *marks = ConfigPageMarks::of(widget);
        marks->setConversation(m_conversation);
        marks->follow(session);
        marks->followRound(round, [] { return SharedTexts::readFailedText(); });
        connect(round, &ConfigReadRound::failed, this, [this, page, round] {
            // Said once per round: a failed reply's own words when it had
            // some, else that the read failed (not sent, not answered,
            // without the page's elements).
            MsgTipInfoDlg::showTip(
                round->failureText(m_failureText.isEmpty() ? SharedTexts::readFailedText() : m_failureText), 2000);
            m_readStates.value(page)(false);
        });
        connect(round, &ConfigReadRound::done, this, [this, page] { m_readStates.value(page)(true); });
        connect(round, &ConfigReadRound::readAgain, this, [this, page] { readAgainSoon(page); });
        m_rounds.insert(page, round);
    }
}

void CNVRConfigSetting::readAgainSoon(int page)
{
    QTimer::singleShot(0, this, [this, page] {
        // A page left meanwhile reads when it is chosen again.
        QWidget *widget = m_pageWidgets.value(page);
        ConfigReadRound *round = m_rounds.value(page);
        if (!widget || !widget->isVisible() || !round || round->state() == ConfigReadRound::State::Pending)
            return;
        startRound(page);
    });
}

int CNVRConfigSetting::pageOf(int readCmd)
{
    return readCmd == Cmd::GetStoragePolicy ? int(Cmd::GetDisks) : readCmd;
}

void CNVRConfigSetting::startRound(int page)
{
    ConfigReadRound *round = m_rounds.value(page);
    if (!round)
        return;
    round->begin();
    // Until the round is read the page saves nothing; it keeps what it showed.
    m_readStates.value(page)(false);
    m_failureText.clear();
    if (round->read(page) && page == Cmd::GetDisks)
        round->read(Cmd::GetStoragePolicy);
}

void CNVRConfigSetting::initPageSelectors()
{
    m_pageSelectors.insert(ui->pushButtonBasic, [this](unsigned short &cmd) {
        ui->stackedWidget->setCurrentIndex(0);
        const int sub = ui->stackedWidgetBasic->currentIndex();
        if (sub == 0)
            cmd = Cmd::GetBasicSettings;
        else if (sub == 1)
            cmd = Cmd::GetTimeConfig;
    });
    m_pageSelectors.insert(ui->pushButtonInternet, [this](unsigned short &cmd) {
        ui->stackedWidget->setCurrentIndex(1);
        cmd = Cmd::GetNvrNetwork;
    });
    m_pageSelectors.insert(ui->pushButtonVersion, [this](unsigned short &cmd) {
        ui->stackedWidget->setCurrentIndex(2);
        cmd = Cmd::GetVersion;
    });
    m_pageSelectors.insert(ui->pushButtonStorage, [this](unsigned short &cmd) {
        ui->stackedWidget->setCurrentIndex(3);
        const int sub = ui->stackedWidgetStorage->currentIndex();
        if (sub == 0)
            cmd = Cmd::GetRecordSchedule;
        else if (sub == 1)
            cmd = Cmd::GetDisks;
    });
    m_pageSelectors.insert(ui->pushButtonBasicInfo, [this](unsigned short &cmd) {
        ui->stackedWidgetBasic->setCurrentIndex(0);
        cmd = Cmd::GetBasicSettings;
    });
    m_pageSelectors.insert(ui->pushButtonDatetime, [this](unsigned short &cmd) {
        ui->stackedWidgetBasic->setCurrentIndex(1);
        cmd = Cmd::GetTimeConfig;
    });
    m_pageSelectors.insert(ui->pushButtonPlan, [this](unsigned short &cmd) {
        ui->stackedWidgetStorage->setCurrentIndex(0);
        cmd = Cmd::GetRecordSchedule;
    });
    m_pageSelectors.insert(ui->pushButtonDisk, [this](unsigned short &cmd) {
        ui->stackedWidgetStorage->setCurrentIndex(1);
        cmd = Cmd::GetDisks;
    });
}

void CNVRConfigSetting::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
    m_conversation->setDevice(dev);
    if (dev) {
        ui->PageBasic->setDevInfo(dev);
        ui->PageDatetime->setDevInfo(dev);
        ui->PageInternet->setDevInfo(dev);
        ui->pagePlan->setDevInfo(dev);
        ui->pageDisk->setDevInfo(dev);
        ui->PageVersion->setDevInfo(dev);
    }
    changePage(m_currentButton ? m_currentButton : ui->pushButtonBasicInfo);
}

void CNVRConfigSetting::onCloseBtnClicked()
{
    reject();
}

void CNVRConfigSetting::onButtonsClicked()
{
    changePage(qobject_cast<QPushButton *>(sender()));
}

void CNVRConfigSetting::changePage(QPushButton *btn)
{
    m_currentButton = btn;
    if (!btn)
        return;
    unsigned short cmd = Cmd::GetBasicSettings;
    const auto selector = m_pageSelectors.constFind(btn);
    if (selector != m_pageSelectors.constEnd())
        (*selector)(cmd);
    updateButtonState(cmd);
    if (!m_conversation->hasDevice())
        return;
    startRound(pageOf(cmd));
}

void CNVRConfigSetting::updateButtonState(unsigned short cmd)
{
    int main = 0;
    int sub = 0;
    switch (cmd) {
    case Cmd::GetTimeConfig:
        sub = 1;
        break;
    case Cmd::GetNvrNetwork:
        main = 1;
        break;
    case Cmd::GetVersion:
        main = 2;
        break;
    case Cmd::GetRecordSchedule:
        main = 3;
        sub = 2;
        break;
    case Cmd::GetDisks:
        main = 3;
        sub = 3;
        break;
    default:
        break;
    }
    auto mark = [this](const QList<QPushButton *> &buttons, int chosen) {
        for (int i = 0; i < buttons.size(); ++i) {
            buttons[i]->setChecked(i == chosen);
            style()->unpolish(buttons[i]);
            style()->polish(buttons[i]);
        }
    };
    mark(m_mainButtons, main);
    mark(m_subButtons, sub);
    update();
}

void CNVRConfigSetting::recvCommonInfo(QObject *requester, const ConfigReply &reply)
{
    if (!m_dev)
        return;
    if (reply.kind == RequestKind::Save) {
        // Said once by the page's session, in words that fit; the page keeps
        // what the operator set, marked as not saved while it shows what
        // that Save sent.
        const auto pages = m_pageWidgets.values();
        if (pages.contains(qobject_cast<QWidget *>(requester)))
            m_conversation->pageSession(requester)->settleSave(reply);
        return;
    }
    if (reply.kind != RequestKind::Read)
        return;
    ConfigReadRound *round = m_rounds.value(pageOf(reply.cmd));
    const auto parser = m_replyParsers.constFind(reply.cmd);
    if (!round || parser == m_replyParsers.constEnd())
        return;
    const bool complete = reply.ok() && NvrBodies::hasPageElements(reply.cmd, reply.xml);
    m_failureText = reply.ok() || reply.result.kind != ReplyResult::Failure
                        ? QString()
                        : CommonHelper::errorCodeToText(reply.result.code);
    const bool wasFailed = round->isFailed();
    const ConfigReadRound::Answer answer = round->take(reply, complete);
    m_failureText.clear();
    if (answer != ConfigReadRound::Answer::Required && answer != ConfigReadRound::Answer::Optional)
        return;
    // Only what a round still good brought reaches its page: an error reply,
    // or one without the page's elements, would blank fields that the next
    // Save writes back.
    if (!complete || wasFailed || round->isFailed())
        return;
    (*parser)(reply.xml);
    if (round->isRead())
        m_readStates.value(pageOf(reply.cmd))(true);
}

void CNVRConfigSetting::showEvent(QShowEvent *event)
{
    DropShadowWidget::showEvent(event);
    if (g_firstShow) {
        g_firstShow = false;
        CommonHelper::elideChildTexts(this);
    }
    CommonHelper::addCopyMenu(this);
}

void CNVRConfigSetting::changeEvent(QEvent *event)
{
    DropShadowWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->pushButtonBasic->setText(tr("Basic"));
    ui->pushButtonInternet->setText(tr("Internet"));
    ui->pushButtonVersion->setText(tr("Version"));
    ui->pushButtonStorage->setText(tr("Storage"));
    ui->pushButtonBasicInfo->setText(tr("BasicInfo"));
    ui->pushButtonDatetime->setText(tr("DateTime"));
    ui->pushButtonPlan->setText(tr("Storage plan"));
    ui->pushButtonDisk->setText(tr("Disk settings"));
    CommonHelper::elideChildTexts(this);
    CommonHelper::addCopyMenu(this);
}
