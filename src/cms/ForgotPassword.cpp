#include "ForgotPassword.h"
#include "ui_ForgotPassword.h"

#include "CommonHelper.h"
#include "ConfigPageMarks.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "PrivateProto.h"
#include "QrPixmap.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QEvent>

const QString ForgotPassword::ResetPageUrl =
    QStringLiteral("https://password-reset.kelvo.invalid:8443/reset/index.html");

ForgotPassword::ForgotPassword(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::ForgotPassword)
    , m_conversation(new ConfigConversation(this))
{
    ui->setupUi(this);
    retranslateTexts();
    ui->m_labelResetPass->setPixmap(createQrPixmap(ResetPageUrl, ui->m_labelResetPass->width()));
    const QString frame = QStringLiteral("border: 1px solid rgb(63,63,70);");
    ui->m_labelResetPass->setStyleSheet(frame);
    ui->m_labelSafe->setStyleSheet(frame);
    ui->labelSafePrivate->setStyleSheet(frame);
    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this, &ForgotPassword::parseXml);
    connect(m_conversation, &ConfigConversation::replied, this, &ForgotPassword::onResetAnswer);
    ConfigPageMarks::sayWaiting(m_conversation, this);
    // A reset that waited for its turn is out now: its answer is awaited.
    connect(m_conversation, &ConfigConversation::queueChanged, this, [this] {
        if (!m_sent.isEmpty() && m_conversation->queued(this) == 0
            && (m_page ? ui->labelErrorInfoPrivate : ui->labelErrorInfo)->text() == ConfigConversation::waitingText())
            setErrorText(ConfigConversation::awaitingAnswerText());
    });
    ui->stackedWidget->setCurrentWidget(ui->pagePrivate);
}

ForgotPassword::~ForgotPassword()
{
    delete ui;
}

void ForgotPassword::retranslateTexts()
{
    ui->labelStepInfo->setText(
        tr("Dear user,please follow the steps below to reset your password:") + QStringLiteral("\n\n")
        + tr("1. Scan the \"Reset Password\" QR code with a mobile browser, or open %1 in a browser.").arg(ResetPageUrl)
        + QStringLiteral("\n\n")
        + tr("2. Use the QR scanner of that web page on the \"Security Code\" QR code on the left.")
        + QStringLiteral("\n\n")
        + tr("3. The security code is sent to the contact below; enter it with a new password to finish."));
}

void ForgotPassword::setDevInfo(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_dev = dev;
    m_conversation->setDevice(dev);
    m_sent.clear();
    m_page = dev->sdkPlatform == QLatin1String("BRELON");
    ui->stackedWidget->setCurrentWidget(m_page ? ui->pagePrivate : ui->pageMid);
    const loginDev key = toLoginDev(dev);
    KelvoSDKHelper::instance()->sendCmd(key, Cmd::GetContact, 0);
    qDebug() << "forgot password for" << key.ip << "channel" << key.channel << "port" << key.port;
}

QString ForgotPassword::getCodeStr(const QString &xml)
{
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    qDebug() << "QR code reply body" << body;
    return body.value(QStringLiteral("QRCodeInfo"));
}

QString ForgotPassword::parseContactXml(const QString &xml)
{
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    qDebug() << "contact reply body" << body;
    return body.value(QStringLiteral("contactAddress"));
}

QString ForgotPassword::resultText(int result)
{
    switch (static_cast<qint8>(result & 0xFF)) {
    case -1:
        return tr("Operation failed");
    case 5:
        return tr("Password is empty");
    case 6:
        return tr("Security code error");
    case 7:
        return tr("Security code timeout");
    case 8:
        return tr("ContactInfo is empty");
    case 9:
        return tr("Password is default password");
    default:
        return QString();
    }
}

void ForgotPassword::setErrorText(const QString &text)
{
    (m_page ? ui->labelErrorInfoPrivate : ui->labelErrorInfo)->setText(text);
}

void ForgotPassword::parseXml(const RecvInfo &info)
{
    if (!isVisible() || !m_dev)
        return;
    // Only the device being reset may answer for it.
    if (info.ip != m_dev->ip || info.channel != 0 || !info.data.isEmpty() || !info.head.usable)
        return;
    const int cmd = info.head.cmd;
    if (!m_handledCmds.contains(static_cast<quint16>(cmd)))
        return;
    const ReplyResult &result = info.head.result;
    if (!result.ok()) {
        setErrorText(resultText(result.kind == ReplyResult::Failure ? result.code : -1));
        return;
    }
    switch (static_cast<quint16>(cmd)) {
    case Cmd::GetContact: {
        const QString contact = parseContactXml(info.xml);
        if (contact.isEmpty()) {
            MsgTipInfoDlg::showTip(tr("No contact info,  defalut password 402917"), 2000);
            return;
        }
        (m_page ? ui->labelContactValuePrivate : ui->labelContactValue)->setText(CommonHelper::maskAccount(contact));
        KelvoSDKHelper::instance()->sendCmd(toLoginDev(m_dev), Cmd::GetSecurityCode, 0);
        break;
    }
    case Cmd::GetSecurityCode: {
        const QString code = getCodeStr(info.xml);
        if (code.isEmpty()) {
            qDebug() << "code info empty";
            return;
        }
        QLabel *label = m_page ? ui->labelSafePrivate : ui->m_labelSafe;
        label->setPixmap(createQrPixmap(code, label->width()));
        break;
    }
    default:
        break;
    }
}

void ForgotPassword::onResetAnswer(QObject *requester, const ConfigReply &reply)
{
    if (requester != this || reply.cmd != int(Cmd::ResetPassword) || !m_dev)
        return;
    // Told no answer came, the reset stays: the device's own answer may still come.
    if (reply.fate == ReplyFate::NoReply) {
        if (reply.tag == m_lastTag)
            setErrorText(ConfigConversation::noAnswerText());
        return;
    }
    QString password;
    if (!m_sent.take(reply, &password))
        return;
    // The registry's record was settled with the answer (RecordKeeper.h): a
    // success that could be another request's changes nothing yet.
    if (!reply.ok() || reply.record == RecordFate::Unproven) {
        const QString words = reply.fate == ReplyFate::Answered && reply.usable
                                  ? resultText(reply.result.kind == ReplyResult::Failure ? reply.result.code : -1)
                                  : QString();
        setErrorText(ConfigConversation::saveOutcomeText(reply, SaveSettled(),
                                                         words.isEmpty() ? SharedTexts::configFailedText() : words));
        return;
    }
    // The edit dialog's copy of the record too, which it hands on when it closes.
    m_dev->password = password;
    emit resetPassword(m_dev->ip, password);
    // Closed first: a toast shown over this dialog would close with it.
    close();
    MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(reply), 2000);
}

void ForgotPassword::submit(const QString &code, const QString &password, const QString &confirm)
{
    if (password != confirm) {
        setErrorText(SharedTexts::passwordMismatchText());
        if (m_page)
            qDebug() << "password not same password";
        return;
    }
    if (CommonHelper::hasEmptyString({code, password, confirm})) {
        setErrorText(SharedTexts::incompleteInfoText());
        if (m_page)
            qDebug() << "some info is empty";
        return;
    }
    sendResetRequest(code, password);
}

void ForgotPassword::sendResetRequest(const QString &code, const QString &password)
{
    if (!m_dev)
        return;
    const QString body = QStringLiteral("<securityCodeCheck>%1</securityCodeCheck><password>%2</password>")
                             .arg(PrivateProto::escapeText(code), PrivateProto::escapeText(password));
    ConfigRequest reset;
    reset.cmd = Cmd::ResetPassword;
    reset.body = body;
    reset.kind = RequestKind::Save;
    reset.tag = ++m_lastTag;
    reset.change = RecordChange{RecordChange::Reset, m_dev->ip, m_dev->userName, password};
    if (!m_conversation->send(this, reset)) {
        setErrorText(m_conversation->isOnline() ? SharedTexts::configFailedText() : ConfigConversation::offlineText());
        return;
    }
    // Said until the answer comes; closed meanwhile, the answer still
    // reaches the client's record and is said outside (RecordKeeper.h).
    setErrorText(m_conversation->queued(this) > 0 ? ConfigConversation::waitingText()
                                                  : ConfigConversation::awaitingAnswerText());
    m_sent.add(reset.tag, password);
}

void ForgotPassword::on_pushButtonOK_clicked()
{
    submit(ui->lineEditSafe->text().trimmed(), ui->lineEditPassword->text().trimmed(),
           ui->lineEditConfirmPassword->text().trimmed());
}

void ForgotPassword::on_pushButtonOKPrivate_clicked()
{
    submit(ui->lineEditSafePrivate->text().trimmed(), ui->lineEditPasswordPrivate->text().trimmed(),
           ui->lineEditConfirmPasswordPrivate->text().trimmed());
}

void ForgotPassword::on_pushButtonCancelPrivate_clicked()
{
    ui->lineEditSafePrivate->clear();
    ui->lineEditPasswordPrivate->clear();
    ui->lineEditConfirmPasswordPrivate->clear();
    ui->labelErrorInfoPrivate->clear();
    close();
}

void ForgotPassword::on_pushButtonCancel_clicked()
{
    ui->lineEditSafe->clear();
    ui->lineEditPassword->clear();
    ui->lineEditConfirmPassword->clear();
    ui->labelErrorInfo->clear();
    close();
}

void ForgotPassword::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTexts();
    }
    DropShadowWidget::changeEvent(event);
}
