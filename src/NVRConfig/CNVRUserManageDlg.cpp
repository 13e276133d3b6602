#include "CNVRUserManageDlg.h"

#include "ui_CNVRUserManageDlg.h"

#include "Authentication.h"
#include "CEditContactDlg.h"
#include "CNVRAuthSetting.h"
#include "CNVREditClientUserDlg.h"
#include "CUserManageDlg.h"
#include "ConfigPageMarks.h"
#include "DeviceInfoManager.h"
#include "DialogReadMarks.h"
#include "KelvoSDKHelper.h"
#include "ManageWidget.h"
#include "MsgTipInfoDlg.h"
#include "NvrBodies.h"
#include "RecordKeeper.h"
#include "SharedTexts.h"
#include "WidgetHelpers.h"

#include <QCheckBox>
#include <QEvent>
#include <QHeaderView>
#include <QTimer>

#include <utility>

int CNVRUserManageDlg::s_headerDelayMs = 100;
int CNVRUserManageDlg::s_reloadDelayMs = 500;

CNVRUserManageDlg::CNVRUserManageDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , m_conversation(new ConfigConversation(this))
    , ui(new Ui::CNVRUserManageDlg)
{
    ui->setupUi(this);
    m_headerBox = new QCheckBox(this);
    m_headerBox->setObjectName(QStringLiteral("headerCheckBox"));
    QTableWidget *table = ui->m_AddDevTableWidget;
    table->setColumnCount(5);
    for (int column = 0; column < 5; ++column)
        table->setColumnWidth(column, 150);
    table->horizontalHeader()->setStretchLastSection(true);
    setTableViewStyle(table, false);
    updateText();

    connect(m_headerBox, &QCheckBox::clicked, this, &CNVRUserManageDlg::addWidgetAllChkBoxStateChanged);
    connect(table->horizontalHeader(), &QHeaderView::sectionPressed, this,
            &CNVRUserManageDlg::addWidgetHeaderSectionPress);
    connect(table, &QTableWidget::itemClicked, this, &CNVRUserManageDlg::addWidgetTableItemClicked);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRUserManageDlg::onbtnCloseClicked);
    connect(ui->m_AddUserBtn, &QPushButton::clicked, this, &CNVRUserManageDlg::onbtAddUserClicked);
    connect(ui->m_DeleteUserBtn, &QPushButton::clicked, this, &CNVRUserManageDlg::onbtDelectSelectUserClicked);
    connect(ui->m_EditContactBtn, &QPushButton::clicked, this, &CNVRUserManageDlg::onbtEditContactClicked);
    connect(m_conversation, &ConfigConversation::replied, this, &CNVRUserManageDlg::recvCommonInfo);
    m_round = new ConfigReadRound(this, this);
    m_round->setConversation(m_conversation);
    // A failed read (unreadable, without accounts, not sent or not answered)
    // is said once and marked until a read succeeds; a list that was read
    // brings the contact too (the e-mail of "admin").
    m_readMarks = new DialogReadMarks(
        ui->widgetListMarks, m_round, [this] { readAll(); },
        [this](bool read) {
            m_listRead = read;
            if (!read)
                sayFailed(true);
        });
    m_editDlg = new CNVREditClientUserDlg(this, QString());
    ConfigPageMarks::sayWaiting(m_conversation, this, [this] {
        if (std::exchange(m_listAfterQueue, false))
            getUsers();
    });
}

CNVRUserManageDlg::~CNVRUserManageDlg()
{
    delete m_editDlg;
    delete ui;
}

void CNVRUserManageDlg::setDelays(int headerMs, int reloadMs)
{
    s_headerDelayMs = headerMs;
    s_reloadDelayMs = reloadMs;
}

FUN_DEV_INFO *CNVRUserManageDlg::device() const
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    return m_devIp.isEmpty() || !registry ? nullptr : registry->findDevInfo(m_devIp);
}

void CNVRUserManageDlg::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_devIp = dev->ip;
    m_conversation->setDevice(dev);
    if (!CUserManageDlg::sendRequest(route(), m_devIp, Cmd::GetContact, QString(), RequestKind::Read)) {
        sayFailed(true);
        m_readMarks->showFailure();
    }
}

void CNVRUserManageDlg::readAll()
{
    if (FUN_DEV_INFO *dev = device())
        updateDevice(dev);
    getUsers();
}

void CNVRUserManageDlg::getUsers()
{
    if (m_devIp.isEmpty())
        return;
    // A change still waiting its turn goes out first: the list read after it
    // must show it.
    if (m_conversation->queued(this) > 0) {
        m_listAfterQueue = true;
        return;
    }
    m_round->begin();
    m_round->read(Cmd::GetUsers);
}

void CNVRUserManageDlg::placeOver(QWidget *dialog) const
{
    // Centred over this dialog, whatever size the language gave it: left to
    // the window system, a frameless dialog sometimes opened at the screen's
    // corner.
    dialog->adjustSize();
    const QRect over = frameGeometry();
    dialog->move(over.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

bool CNVRUserManageDlg::listUsable()
{
    if (m_listRead)
        return true;
    sayFailed(true);
    return false;
}

void CNVRUserManageDlg::sayFailed(bool read)
{
    if (!m_failedTip)
        m_failedTip =
            MsgTipInfoDlg::showTip(read ? SharedTexts::readFailedText() : SharedTexts::configFailedText(), 2000);
}

void CNVRUserManageDlg::resetHeaderCheckBox()
{
    QTimer::singleShot(s_headerDelayMs, this, [this] {
        const QPoint tableTop = ui->m_AddDevTableWidget->mapTo(this, QPoint(0, 0));
        m_headerBox->move(tableTop);
        m_headerBox->setCheckState(Qt::Unchecked);
        m_headerBox->raise();
    });
}

void CNVRUserManageDlg::updateText()
{
    ui->m_AddDevTableWidget->setHorizontalHeaderLabels(
        {tr("User Name"), tr("Password"), tr("Enabled State"), tr("Contacts"), tr("Edit")});
    widenColumnsToTexts(ui->m_AddDevTableWidget);
}

QString CNVRUserManageDlg::rowKey(int row) const
{
    return QStringLiteral("%1:%2").arg(m_listNumber).arg(row);
}

const QHash<QString, QString> *CNVRUserManageDlg::account(const QString &key) const
{
    const int colon = key.indexOf(QLatin1Char(':'));
    bool listOk = false;
    bool rowOk = false;
    const int list = key.left(colon).toInt(&listOk);
    const int row = key.mid(colon + 1).toInt(&rowOk);
    if (colon < 0 || !listOk || !rowOk || list != m_listNumber || row < 0 || row >= m_rows.size())
        return nullptr;
    return &m_rows.at(row);
}

QString CNVRUserManageDlg::buildUserAcountXml(const QString &key) const
{
    if (!isEditableUser(key))
        return QString();
    return NvrBodies::deleteRecord(*account(key));
}

bool CNVRUserManageDlg::isEditableUser(const QString &key) const
{
    const QHash<QString, QString> *user = account(key);
    return user && user->value(QStringLiteral("userName")).trimmed() != DEFAULT_DEV_USER;
}

void CNVRUserManageDlg::recvCommonInfo(QObject *requester, const ConfigReply &reply)
{
    // Only answers to what this dialog sent, from its own NVR: another NVR's
    // list carries its passwords in clear, and its Cmd::EditUser results would
    // apply this dialog's pending password.
    if (requester != this)
        return;
    // What a password change did to the client's record was settled with
    // its answer (RecordKeeper.h), shown or not; the edit dialog forgets it.
    if (reply.cmd == Cmd::EditUser)
        m_editDlg->modifyDevInfoEx(reply);
    // A list shows the passwords the NVR holds: proof for the record.
    if (reply.cmd == Cmd::GetUsers && reply.ok())
        RecordKeeper::instance()->listed(m_devIp, reply.xml, reply.written);
    // The list goes to its round also while hidden; what only the operator
    // acts on waits for the dialog to be shown.
    if (!isVisible() && reply.cmd != Cmd::GetUsers)
        return;
    switch (reply.cmd) {
    case Cmd::GetUsers: {
        // A list that failed, cannot be read or holds no account is said (by
        // the round); the table stays.
        const bool complete = reply.ok() && !findAllXmlElements(reply.xml, QStringLiteral("userAcount")).isEmpty();
        const bool wasFailed = m_round->isFailed();
        if (m_round->take(reply, complete) == ConfigReadRound::Answer::Required && complete && !wasFailed
            && !m_round->isFailed())
            parseUserList(reply.xml);
        break;
    }
    case Cmd::EditUser:
        // An add, a delete, a rights or a password change: each answer is
        // its own request's (settled above by its tag), said as such.
        saySaveAnswer(reply);
        break;
    case Cmd::GetContact:
        if (reply.ok()) {
            parseGetUserContactXml(reply.xml);
        } else {
            sayFailed(true);
            m_readMarks->showFailure();
        }
        break;
    case Cmd::SetContact:
        saySaveAnswer(reply);
        break;
    default:
        break;
    }
}

void CNVRUserManageDlg::saySaveAnswer(const ConfigReply &reply)
{
    MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(reply, SaveSettled(), SharedTexts::configFailedText()),
                           2000);
    // Not written: an earlier answer of its line never came.
    if (reply.fate == ReplyFate::OutOfStep)
        ConfigPageMarks::of(ui->widgetListMarks)->offerReconnect(reply);
}

void CNVRUserManageDlg::parseUserList(const QString &xml)
{
    if (xml.isEmpty())
        return;
    QTableWidget *table = ui->m_AddDevTableWidget;
    table->clearContents();
    // The rows follow the list; blank rows would count against the limit.
    table->setRowCount(0);
    // Keys handed out for the previous list name nothing from now on.
    ++m_listNumber;
    m_rows = NvrBodies::readAccounts(xml, MaxListedUsers);
    for (int row = 0; row < m_rows.size(); ++row)
        setUserInfo(m_rows.at(row), row);
    updateStateTexts();
    widenColumnsToTexts(table);
}

void CNVRUserManageDlg::setUserInfo(const QHash<QString, QString> &user, int row)
{
    if (m_devIp.isEmpty())
        return;
    QTableWidget *table = ui->m_AddDevTableWidget;
    const QString name = user.value(QStringLiteral("userName")).trimmed();
    const bool admin = name == DEFAULT_DEV_USER;
    table->setRowCount(row + 1);
    auto *nameItem = new QTableWidgetItem(name);
    nameItem->setFlags(nameItem->flags() | Qt::ItemIsUserCheckable);
    nameItem->setCheckState(Qt::Unchecked);
    auto *stateItem = new QTableWidgetItem;
    const QString email = user.value(QStringLiteral("email")).trimmed();
    auto *contactItem = new QTableWidgetItem(admin ? email : QString());
    QList<QTableWidgetItem *> items{nameItem, new QTableWidgetItem(PASSWORD_MASK), stateItem, contactItem};
    for (int column = 0; column < items.size(); ++column) {
        items[column]->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, items[column]);
    }
    if (admin)
        m_contact = email;

    auto *manage = new ManageWidget(table);
    manage->setKey(rowKey(row));
    manage->setPasswordVisible(true);
    manage->setAuthVisible(true);
    manage->setDeleteVisible(!admin);
    // Queued: each slot runs a modal dialog during which a new list may
    // rebuild the table and delete the widget whose click is on the stack.
    connect(manage, &ManageWidget::signalPassword, this, &CNVRUserManageDlg::showUserPassword, Qt::QueuedConnection);
    connect(manage, &ManageWidget::signalEdit, this, &CNVRUserManageDlg::onEditBtnClicked, Qt::QueuedConnection);
    connect(manage, &ManageWidget::signalDelete, this, &CNVRUserManageDlg::onDelBtnClicked, Qt::QueuedConnection);
    connect(manage, &ManageWidget::signalAuth, this, &CNVRUserManageDlg::onEditAuthorityBtnClicked,
            Qt::QueuedConnection);
    table->setCellWidget(row, 4, manage);
}

void CNVRUserManageDlg::updateStateTexts()
{
    QTableWidget *table = ui->m_AddDevTableWidget;
    for (int row = 0; row < m_rows.size() && row < table->rowCount(); ++row) {
        if (QTableWidgetItem *item = table->item(row, 2)) {
            const bool disabled = DeviceValue::toInt(m_rows.at(row).value(QStringLiteral("status"))) == 0;
            item->setText(disabled ? tr("Disable") : tr("Enable"));
        }
    }
}

void CNVRUserManageDlg::parseGetUserContactXml(const QString &xml)
{
    if (xml.isEmpty())
        return;
    m_contact = findValuesInXml(xml, QStringLiteral("body")).value(QStringLiteral("contactAddress")).trimmed();
}

void CNVRUserManageDlg::onDelBtnClicked(QString key)
{
    // The record of the row clicked, taken before the question: a list read
    // meanwhile changes neither which account goes nor what is sent for it.
    if (!listUsable())
        return;
    const QString record = buildUserAcountXml(key);
    if (record.isEmpty() || !CUserManageDlg::confirmDeleteUser(this))
        return;
    if (CUserManageDlg::sendRequest(route(), m_devIp, Cmd::EditUser, QStringLiteral("<userNum>1</userNum>") + record,
                                    RequestKind::Save))
        getUsers();
    else
        sayFailed();
}

void CNVRUserManageDlg::onbtDelectSelectUserClicked()
{
    // The records of the ticked rows, taken before the question: a list read
    // meanwhile must not turn them into other accounts.
    if (!listUsable())
        return;
    const QStringList rows = CUserManageDlg::getCheckedRows(ui->m_AddDevTableWidget, 0, true);
    QStringList records;
    for (const QString &row : rows) {
        const QString record = buildUserAcountXml(rowKey(row.toInt()));
        if (!record.isEmpty())
            records << record;
    }
    if (rows.isEmpty() || !CUserManageDlg::confirmDeleteUser(this))
        return;
    if (!records.isEmpty()
        && !CUserManageDlg::sendRequest(
            route(), m_devIp, Cmd::EditUser,
            QStringLiteral("<userNum>%1</userNum>").arg(records.size()) + records.join(QString()), RequestKind::Save)) {
        sayFailed();
        return;
    }
    getUsers();
}

void CNVRUserManageDlg::onbtAddUserClicked()
{
    // The limit counts the accounts the NVR listed.
    if (!listUsable())
        return;
    if (ui->m_AddDevTableWidget->rowCount() >= MaxUsers) {
        MsgTipInfoDlg::showTip(tr("Device user limit reached"), 1000);
        return;
    }
    auto *add = new CNVREditClientUserDlg(this, QString());
    add->initAccount(device(), QString());
    add->setRoute(route());
    placeOver(add);
    if (add->exec() == QDialog::Accepted)
        getUsers();
    delete add;
}

void CNVRUserManageDlg::onEditBtnClicked(QString key)
{
    const QHash<QString, QString> *listed = listUsable() ? account(key) : nullptr;
    if (!listed)
        return;
    const QHash<QString, QString> user = *listed;
    if (user.value(QStringLiteral("userName")).trimmed() == DEFAULT_DEV_USER && m_contact.isEmpty()) {
        MsgTipInfoDlg::showTip(
            tr("Please fill in the contact information first before changing the password of admin account."), 2000);
        return;
    }
    m_editDlg->setUserInfo(device(), user);
    m_editDlg->setRoute(route());
    placeOver(m_editDlg);
    if (m_editDlg->exec() != QDialog::Accepted)
        return;
    QTimer::singleShot(s_reloadDelayMs, this, [this] { getUsers(); });
}

void CNVRUserManageDlg::onEditAuthorityBtnClicked(QString key)
{
    if (!listUsable() || !isEditableUser(key))
        return;
    auto *rights = new CNVRAuthSetting(this);
    rights->setAuthInfo(device(), *account(key));
    rights->setRoute(route());
    placeOver(rights);
    if (rights->exec() == QDialog::Accepted)
        getUsers();
    delete rights;
}

void CNVRUserManageDlg::onbtEditContactClicked()
{
    auto *contact = new CEditContactDlg(this);
    contact->setContactInfo(device(), m_contact);
    contact->setRoute(route());
    placeOver(contact);
    if (contact->exec() == QDialog::Accepted) {
        m_contact = contact->contactAddress();
        getUsers();
    }
    delete contact;
}

void CNVRUserManageDlg::showUserPassword(const QString &key)
{
    Authentication auth(this);
    // The list may have changed while the password was asked for.
    const QHash<QString, QString> *listed = auth.exec() == QDialog::Accepted ? account(key) : nullptr;
    if (!listed)
        return;
    QTableWidget *table = ui->m_AddDevTableWidget;
    const int row = key.section(QLatin1Char(':'), 1).toInt();
    const QHash<QString, QString> user = *listed;
    if (table->item(row, 1))
        table->item(row, 1)->setText(user.value(QStringLiteral("passWord")));
    if (table->item(row, 3))
        table->item(row, 3)->setText(user.value(QStringLiteral("email")));
}

void CNVRUserManageDlg::addWidgetAllChkBoxStateChanged()
{
    CUserManageDlg::setAllChecked(ui->m_AddDevTableWidget, m_headerBox->checkState() != Qt::Unchecked);
}

void CNVRUserManageDlg::addWidgetHeaderSectionPress(int logicalIndex)
{
    if (logicalIndex != 0)
        return;
    m_headerBox->setCheckState(m_headerBox->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    addWidgetAllChkBoxStateChanged();
}

void CNVRUserManageDlg::addWidgetTableItemClicked(QTableWidgetItem *item)
{
    if (!item || item->column() != 0)
        return;
    m_headerBox->setCheckState(CUserManageDlg::isAllChecked(ui->m_AddDevTableWidget) ? Qt::Checked : Qt::Unchecked);
}

void CNVRUserManageDlg::onbtnCloseClicked()
{
    ui->m_AddDevTableWidget->clearContents();
    ui->m_AddDevTableWidget->setRowCount(0);
    reject();
}

void CNVRUserManageDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateText();
        updateStateTexts();
    }
    DropShadowWidget::changeEvent(event);
}
