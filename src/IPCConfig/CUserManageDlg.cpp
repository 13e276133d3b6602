#include "CUserManageDlg.h"

#include "ui_CUserManageDlg.h"

#include "RemoteCfg_Widget.h"

#include "AddClientUserDlg.h"
#include "Authentication.h"
#include "CEditContactDlg.h"
#include "ConfigPageMarks.h"
#include "CustomDialog.h"
#include "DeviceInfoManager.h"
#include "DialogReadMarks.h"
#include "EditClientUserDlg.h"
#include "KelvoSDKHelper.h"
#include "ManageWidget.h"
#include "MsgTipInfoDlg.h"
#include "PrivateProto.h"
#include "RecordKeeper.h"
#include "SharedTexts.h"
#include "WidgetHelpers.h"

#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QHeaderView>
#include <QTimer>

#include <utility>

int CUserManageDlg::s_headerDelayMs = 100;
int CUserManageDlg::s_reloadDelayMs = 500;

namespace {
constexpr int TipMs = 2000;
constexpr int ColumnWidth = 150;
constexpr int ColumnPadding = 12;
}

CUserManageDlg::CUserManageDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CUserManageDlg)
    , m_conversation(new ConfigConversation(this))
{
    ui->setupUi(this);
    QTableWidget *table = ui->m_AddDevTableWidget;
    table->setColumnCount(4);
    for (int column = 0; column < 4; ++column)
        table->setColumnWidth(column, ColumnWidth);
    table->horizontalHeader()->setStretchLastSection(true);
    setTableViewStyle(table, false);
    table->setMouseTracking(true);
    updateText();

    m_headerBox = new QCheckBox(this);
    m_headerBox->setObjectName(QStringLiteral("headerCheckBox"));
    m_editDlg = new EditClientUserDlg(this);

    connect(m_headerBox, &QCheckBox::clicked, this, &CUserManageDlg::addWidgetAllChkBoxStateChanged);
    connect(table->horizontalHeader(), &QHeaderView::sectionPressed, this,
            &CUserManageDlg::addWidgetHeaderSectionPress);
    connect(table, &QTableWidget::itemClicked, this, &CUserManageDlg::addWidgetTableItemClicked);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CUserManageDlg::onbtnCloseClicked);
    connect(ui->m_AddUserBtn, &QPushButton::clicked, this, &CUserManageDlg::onbtAddUserClicked);
    connect(ui->m_DeleteUserBtn, &QPushButton::clicked, this, &CUserManageDlg::onbtDelectSelectUserClicked);
    connect(ui->m_EditContactBtn, &QPushButton::clicked, this, &CUserManageDlg::onbtEditContactClicked);
    connect(m_conversation, &ConfigConversation::replied, this, &CUserManageDlg::recvCommonInfo);
    m_round = new ConfigReadRound(this, this);
    m_round->setConversation(m_conversation);
    // A list that was read brings the contact too.
    m_readMarks = new DialogReadMarks(
        ui->widgetListMarks, m_round, [this] { readAll(); }, [this](bool read) { m_listRead = read; });
    ConfigPageMarks::sayWaiting(m_conversation, this, [this] {
        if (std::exchange(m_listAfterQueue, false))
            getUsers();
    });
}

CUserManageDlg::~CUserManageDlg()
{
    delete ui;
}

void CUserManageDlg::setDelays(int headerMs, int reloadMs)
{
    s_headerDelayMs = headerMs;
    s_reloadDelayMs = reloadMs;
}

QString CUserManageDlg::configSuccessText()
{
    return SharedTexts::configSuccessText();
}
QString CUserManageDlg::configFailedText()
{
    return SharedTexts::configFailedText();
}
QString CUserManageDlg::areYouSureText()
{
    return SharedTexts::areYouSureText();
}
QString CUserManageDlg::deleteUserText()
{
    return SharedTexts::deleteUserText();
}

bool CUserManageDlg::isAllChecked(QTableWidget *table)
{
    return TableChecks::isAllChecked(table);
}
void CUserManageDlg::setAllChecked(QTableWidget *table, bool checked)
{
    TableChecks::setAllChecked(table, checked);
}
QStringList CUserManageDlg::getCheckedRows(QTableWidget *table, int column, bool asRowIndex)
{
    return TableChecks::getCheckedRows(table, column, asRowIndex);
}
int CUserManageDlg::findRow(const QString &text, QTableWidget *table, int column)
{
    return TableChecks::findRow(text, table, column);
}

FUN_DEV_INFO *CUserManageDlg::device() const
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    return m_devIp.isEmpty() || !registry ? nullptr : registry->findDevInfo(m_devIp);
}

bool CUserManageDlg::sendRequest(const QString &ip, unsigned int cmd, const QString &body)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *dev = ip.isEmpty() || !registry ? nullptr : registry->findDevInfo(ip);
    if (!dev) {
        qWarning() << "No device" << ip << "for command" << cmd;
        return false;
    }
    if (body.isEmpty())
        KelvoSDKHelper::instance()->sendCmd(toLoginDev(dev), cmd, 0);
    else
        KelvoSDKHelper::instance()->sendData(toLoginDev(dev), cmd, body, 0);
    return true;
}

bool CUserManageDlg::sendRequest(const UserRequestRoute &route, const QString &ip, unsigned int cmd,
                                 const QString &body, RequestKind kind, quint64 *tag, const RecordChange &change)
{
    if (tag)
        *tag = 0;
    if (!route.conversation)
        return sendRequest(ip, cmd, body);
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *dev = ip.isEmpty() || !registry ? nullptr : registry->findDevInfo(ip);
    if (!dev) {
        qWarning() << "No device" << ip << "for command" << cmd;
        return false;
    }
    // The record may have been replaced since (a new password): the
    // conversation follows the registered one.
    route.conversation->setDevice(dev);
    ConfigRequest request;
    request.cmd = cmd;
    request.body = body;
    request.kind = kind;
    request.change = change;
    request.tag = UserRequestRoute::nextTag();
    if (!route.conversation->send(route.requester, request))
        return false;
    if (tag)
        *tag = request.tag;
    return true;
}

bool CUserManageDlg::confirmDeleteUser(QWidget *parent)
{
    CustomDialog dialog(parent);
    dialog.setTitle(tr("Tips"));
    dialog.setText(areYouSureText() + deleteUserText());
    return dialog.exec() == QDialog::Accepted;
}

void CUserManageDlg::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_devIp = dev->ip;
    m_conversation->setDevice(dev);
    if (!sendRequest(route(), m_devIp, Cmd::GetContact, QString(), RequestKind::Read))
        m_readMarks->showFailure();
}

void CUserManageDlg::getUsers()
{
    // A change still waiting its turn goes out first: the list read after it
    // must show it.
    if (m_conversation->queued(this) > 0) {
        m_listAfterQueue = true;
        return;
    }
    // The record may have been replaced (a new password): the conversation
    // follows the registered one, and nothing goes out once it is gone.
    FUN_DEV_INFO *dev = device();
    if (!dev) {
        qWarning() << "No device" << m_devIp << "for the user list";
        return;
    }
    m_conversation->setDevice(dev);
    m_round->begin();
    m_round->read(Cmd::GetUsers);
}

void CUserManageDlg::readAll()
{
    if (FUN_DEV_INFO *dev = device())
        updateDevice(dev);
    getUsers();
}

void CUserManageDlg::resetHeaderCheckBox()
{
    QTimer::singleShot(s_headerDelayMs, this, [this] {
        if (!m_headerBox)
            return;
        const QPoint tableTop = ui->m_AddDevTableWidget->mapTo(this, QPoint(0, 0));
        m_headerBox->move(tableTop.x(), tableTop.y());
        m_headerBox->setCheckState(Qt::Unchecked);
        m_headerBox->raise();
    });
}

void CUserManageDlg::updateText()
{
    ui->m_AddDevTableWidget->setHorizontalHeaderLabels(
        {tr("User Name"), tr("Password"), tr("Contact Info"), tr("Operation")});
    fitColumns();
}

void CUserManageDlg::fitColumns()
{
    // 150 pixels each, wider where a heading or an entry (an e-mail address
    // as contact) needs it; the operation column takes the rest.
    QTableWidget *table = ui->m_AddDevTableWidget;
    for (int column = 0; column < 3; ++column) {
        table->resizeColumnToContents(column);
        table->setColumnWidth(column, std::max(ColumnWidth, table->columnWidth(column) + ColumnPadding));
    }
}

void CUserManageDlg::recvCommonInfo(QObject *requester, const ConfigReply &reply)
{
    // Only answers to what this dialog sent, from its own camera: another
    // camera's list carries that camera's passwords in clear.
    if (requester != this)
        return;
    // What a password change did to the client's record was settled with
    // its answer (RecordKeeper.h), shown or not; the edit dialog forgets it.
    if (reply.cmd == Cmd::ChangePassword)
        m_editDlg->modifyDevInfoEx(reply);
    // A list shows the passwords the camera holds: proof for the record.
    if (reply.cmd == Cmd::GetUsers && reply.ok())
        RecordKeeper::instance()->listed(m_devIp, reply.xml, reply.written);
    if (!isVisible())
        return;
    switch (reply.cmd) {
    case Cmd::GetUsers: {
        // A list that failed or cannot be read leaves the table as it was.
        const bool wasFailed = m_round->isFailed();
        if (m_round->take(reply, reply.ok()) == ConfigReadRound::Answer::Required && reply.ok() && !wasFailed
            && !m_round->isFailed())
            parseGetUserXml(reply.xml);
        break;
    }
    case Cmd::EditUser:
        // A name the camera refuses (one it has already) leaves the list as
        // it was: said, as the list alone would not tell why.
        if (!reply.ok())
            saySaveAnswer(reply);
        break;
    case Cmd::DeleteUser:
        // A delete the camera refused, or one not written, leaves the account
        // listed: said, as the list alone would not tell why.
        if (!reply.ok())
            saySaveAnswer(reply);
        break;
    case Cmd::ChangePassword:
        parseModifyPasswordResult(reply);
        break;
    case Cmd::GetContact:
        if (reply.ok())
            parseGetUserContactXml(reply.xml);
        else
            m_readMarks->showFailure();
        break;
    case Cmd::SetContact:
        saySaveAnswer(reply);
        break;
    default:
        break;
    }
}

bool CUserManageDlg::parseGetUserXml(const QString &xml)
{
    if (xml.isEmpty())
        return false;
    QTableWidget *table = ui->m_AddDevTableWidget;
    table->clearContents();
    // The rows follow the list: a shorter list leaves no blank rows behind
    // to count against the account limit.
    table->setRowCount(0);
    m_users.clear();
    m_contact = findValuesInXml(xml, QStringLiteral("body")).value(QStringLiteral("contactAddress")).trimmed();
    QStringList pieces = findAllXmlElements(xml, QStringLiteral("user"));
    DeviceValue::boundList(pieces, MaxListedUsers, "user accounts");
    int row = 0;
    for (const QString &piece : qAsConst(pieces)) {
        const QHash<QString, QString> user = findValuesInXml(piece, QStringLiteral("user"));
        if (user.isEmpty())
            continue;
        setUserInfo(user, row);
        m_users.insert(user.value(QStringLiteral("userName")), user);
        ++row;
    }
    fitColumns();
    return true;
}

void CUserManageDlg::setUserInfo(const QHash<QString, QString> &user, int row)
{
    if (m_devIp.isEmpty())
        return;
    QTableWidget *table = ui->m_AddDevTableWidget;
    const QString name = user.value(QStringLiteral("userName"));
    const bool admin = name == DEFAULT_DEV_USER;
    table->setRowCount(row + 1);

    auto *nameItem = new QTableWidgetItem(name);
    nameItem->setFlags(nameItem->flags() | Qt::ItemIsUserCheckable);
    nameItem->setCheckState(Qt::Unchecked);
    auto *passwordItem = new QTableWidgetItem(PASSWORD_MASK);
    auto *contactItem = new QTableWidgetItem(admin ? m_contact : QString());
    for (QTableWidgetItem *item : {nameItem, passwordItem, contactItem})
        item->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, 0, nameItem);
    table->setItem(row, 1, passwordItem);
    table->setItem(row, 2, contactItem);

    auto *manage = new ManageWidget(table);
    manage->setKey(name);
    manage->setPasswordVisible(true);
    manage->setDeleteVisible(!admin);
    // Queued: each slot runs a modal dialog, during which a new list may
    // rebuild the table and delete the very widget whose click is still on
    // the stack.
    connect(manage, &ManageWidget::signalPassword, this, &CUserManageDlg::showUserPassword, Qt::QueuedConnection);
    connect(manage, &ManageWidget::signalEdit, this, &CUserManageDlg::onEditBtnClicked, Qt::QueuedConnection);
    connect(manage, &ManageWidget::signalDelete, this, &CUserManageDlg::onDelBtnClicked, Qt::QueuedConnection);
    table->setCellWidget(row, 3, manage);
}

void CUserManageDlg::parseGetUserContactXml(const QString &xml)
{
    if (xml.isEmpty())
        return;
    m_contact = findValuesInXml(xml, QStringLiteral("body")).value(QStringLiteral("contactAddress")).trimmed();
}

void CUserManageDlg::parseModifyPasswordResult(const ConfigReply &reply)
{
    // The record took the change's password already, or follows what the
    // camera shows (RecordKeeper.h): only what the operator reads is left.
    const ReplyResult &result = reply.result;
    const bool noContact = reply.fate == ReplyFate::Answered && result.kind == ReplyResult::Failure && result.code == 8;
    saySaveAnswer(reply, noContact ? tr("Please set contact first.") : configFailedText());
}

void CUserManageDlg::saySaveAnswer(const ConfigReply &reply, const QString &refusedText)
{
    MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(
                               reply, SaveSettled(), refusedText.isEmpty() ? configFailedText() : refusedText),
                           TipMs);
    offerReconnect(reply);
}

void CUserManageDlg::offerReconnect(const ConfigReply &reply)
{
    // Not written: an earlier answer of its line never came.
    if (reply.fate == ReplyFate::OutOfStep)
        ConfigPageMarks::of(ui->widgetListMarks)->offerReconnect(reply);
}

void CUserManageDlg::onbtAddUserClicked()
{
    // The limit counts the accounts the camera listed.
    if (!m_listRead) {
        MsgTipInfoDlg::showTip(SharedTexts::readFailedText(), TipMs);
        return;
    }
    if (ui->m_AddDevTableWidget->rowCount() >= MaxUsers) {
        MsgTipInfoDlg::showTip(tr("Device user limit reached"), TipMs);
        return;
    }
    auto *add = new AddClientUserDlg(this);
    add->setDevInfo(device());
    add->setRoute(route());
    if (add->exec() == QDialog::Accepted) {
        qInfo() << "update new";
        getUsers();
    }
    delete add;
}

void CUserManageDlg::onDelBtnClicked(const QString &key)
{
    if (!m_users.contains(key) || key == DEFAULT_DEV_USER)
        return;
    if (!confirmDeleteUser(this))
        return;
    sendRequest(route(), m_devIp, Cmd::DeleteUser,
                QStringLiteral("<userName>%1</userName>").arg(PrivateProto::escapeText(key)));
    getUsers();
}

void CUserManageDlg::onbtDelectSelectUserClicked()
{
    const QStringList names = getCheckedRows(ui->m_AddDevTableWidget, 0, false);
    if (names.isEmpty())
        return;
    if (!confirmDeleteUser(this))
        return;
    for (const QString &name : names) {
        if (name == DEFAULT_DEV_USER)
            continue;
        sendRequest(route(), m_devIp, Cmd::DeleteUser,
                    QStringLiteral("<userName>%1</userName>").arg(PrivateProto::escapeText(name)));
    }
    getUsers();
}

void CUserManageDlg::onEditBtnClicked(const QString &key)
{
    if (!m_users.contains(key))
        return;
    if (key == DEFAULT_DEV_USER && m_contact.isEmpty()) {
        MsgTipInfoDlg::showTip(
            tr("Please fill in the contact information first before changing the password of admin account."), TipMs);
        return;
    }
    m_editDlg->setUserInfo(device(), m_users.value(key));
    m_editDlg->setRoute(route());
    if (m_editDlg->exec() != QDialog::Accepted)
        return;
    // The record may be replaced by then (the login account's password
    // changed); the address finds whatever is registered when it fires.
    QTimer::singleShot(s_reloadDelayMs, this, [this] { getUsers(); });
}

void CUserManageDlg::onbtEditContactClicked()
{
    auto *contact = new CEditContactDlg(this);
    contact->setContactInfo(device(), m_contact);
    contact->setRoute(route());
    if (contact->exec() == QDialog::Accepted) {
        m_contact = contact->contactAddress();
        getUsers();
    }
    delete contact;
}

void CUserManageDlg::showUserPassword(const QString &key)
{
    Authentication auth(this);
    if (auth.exec() != QDialog::Accepted || !m_users.contains(key))
        return;
    QTableWidget *table = ui->m_AddDevTableWidget;
    const int row = findRow(key, table, 0);
    if (row >= 0 && table->item(row, 1))
        table->item(row, 1)->setText(m_users.value(key).value(QStringLiteral("password")));
    fitColumns();
}

void CUserManageDlg::addWidgetAllChkBoxStateChanged()
{
    setAllChecked(ui->m_AddDevTableWidget, m_headerBox->checkState() != Qt::Unchecked);
}

void CUserManageDlg::addWidgetHeaderSectionPress(int logicalIndex)
{
    if (logicalIndex != 0)
        return;
    m_headerBox->setCheckState(m_headerBox->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    setAllChecked(ui->m_AddDevTableWidget, m_headerBox->checkState() != Qt::Unchecked);
}

void CUserManageDlg::addWidgetTableItemClicked(QTableWidgetItem *item)
{
    if (!item || item->column() != 0)
        return;
    m_headerBox->setCheckState(isAllChecked(ui->m_AddDevTableWidget) ? Qt::Checked : Qt::Unchecked);
}

void CUserManageDlg::onbtnCloseClicked()
{
    ui->m_AddDevTableWidget->clearContents();
    ui->m_AddDevTableWidget->setRowCount(0);
    reject();
}

void CUserManageDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateText();
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
    DropShadowWidget::changeEvent(event);
}
