#include "AddClientUserDlg.h"

#include "ui_AddClientUserDlg.h"

#include "CUserManageDlg.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "PrivateProto.h"
#include "SharedTexts.h"

#include "ConfigReadRound.h"
#include "MsgTipInfoDlg.h"

#include <QLineEdit>
#include <QTimer>

AddClientUserDlg::AddClientUserDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::AddClientUserDlg)
    , m_answerDeadline(new QTimer(this))
{
    ui->setupUi(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (edit == ui->m_UserNamelineEdit)
            continue;
        edit->setMaxLength(31);
        edit->setEchoMode(QLineEdit::Password);
        CommonHelper::addPasswordViewAction(edit, false);
    }
    ui->m_UserNamelineEdit->setEchoMode(QLineEdit::Normal);
    ui->m_UserNamelineEdit->setFocus();
    connect(ui->m_btnClose, &QPushButton::clicked, this, &AddClientUserDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &AddClientUserDlg::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &AddClientUserDlg::onbtnCancleClicked);
    m_answerDeadline->setSingleShot(true);
    connect(m_answerDeadline, &QTimer::timeout, this, [this] {
        ui->m_OKBtn->setEnabled(true);
        ui->m_lblTextInfo->setText(SharedTexts::configFailedText());
    });
}

AddClientUserDlg::~AddClientUserDlg()
{
    delete ui;
}

QString AddClientUserDlg::incompleteInfoText()
{
    return SharedTexts::incompleteInfoText();
}

void AddClientUserDlg::setDevInfo(FUN_DEV_INFO *dev)
{
    if (dev)
        m_devIp = dev->ip;
}

void AddClientUserDlg::onEnterPressed()
{
    if (ui->m_OKBtn->isEnabled())
        onbtnOkClicked();
}

void AddClientUserDlg::onbtnCloseclicked()
{
    ui->m_lblTextInfo->clear();
    reject();
}

void AddClientUserDlg::onbtnCancleClicked()
{
    ui->m_lblTextInfo->clear();
    reject();
}

void AddClientUserDlg::onbtnOkClicked()
{
    // As typed: spaces are part of a camera's names and passwords.
    const QString user = ui->m_UserNamelineEdit->text();
    const QString password = ui->m_UserPasswordlineEdit->text();
    const QString confirm = ui->m_ConfirmUserPasswordlineEdit->text();
    if (CommonHelper::hasEmptyString({user, password, confirm}) || password != confirm) {
        ui->m_lblTextInfo->setText(incompleteInfoText());
        return;
    }
    // Escaped once: an "&" or "<" typed here would otherwise make the body
    // ill-formed and the request would silently never reach the camera.
    const QString body = QStringLiteral("<userName>%1</userName><password>%2</password>")
                             .arg(PrivateProto::escapeText(user), PrivateProto::escapeText(password));
    if (!m_route.conversation) {
        // On its own: nothing comes back to wait for.
        CUserManageDlg::sendRequest(m_route, m_devIp, Cmd::EditUser, body, RequestKind::Other);
        accept();
        return;
    }
    // Closed only once the camera took the account: a refusal keeps what was
    // typed, to be mended and sent again.
    UserRequestRoute own = m_route;
    own.requester = this;
    if (!m_listening) {
        m_listening = true;
        connect(m_route.conversation, &ConfigConversation::replied, this,
                [this](QObject *requester, const ConfigReply &reply) {
                    // Only the answer the session's ledger says pays the add
                    // last sent: an earlier add's late answer is not its.
                    if (requester != this || reply.cmd != int(Cmd::EditUser) || reply.tag != m_sentTag)
                        return;
                    m_answerDeadline->stop();
                    ui->m_OKBtn->setEnabled(true);
                    if (reply.ok()) {
                        accept();
                        return;
                    }
                    const QString words =
                        ConfigConversation::saveOutcomeText(reply, SaveSettled(), SharedTexts::configFailedText());
                    ui->m_lblTextInfo->setText(words);
                    MsgTipInfoDlg::showTip(words, 2000);
                    if (auto *owner = qobject_cast<CUserManageDlg *>(m_route.requester.data()))
                        owner->offerReconnect(reply);
                });
    }
    if (!CUserManageDlg::sendRequest(own, m_devIp, Cmd::EditUser, body, RequestKind::Other, &m_sentTag)) {
        ui->m_lblTextInfo->setText(SharedTexts::configFailedText());
        return;
    }
    ui->m_OKBtn->setEnabled(false);
    m_answerDeadline->start(ConfigReadRound::timeoutMs());
}
