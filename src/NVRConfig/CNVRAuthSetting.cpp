#include "CNVRAuthSetting.h"

#include "ui_CNVRAuthSetting.h"

#include "CUserManageDlg.h"
#include "CommonHelper.h"
#include "PrivateProto.h"

#include <QEvent>

const QString CNVRAuthSetting::RightsTemplate = QStringLiteral(
    "<userNum>%1</userNum><userAcount><operationType>%2</operationType><userName>%3</userName>"
    "<passWord>%4</passWord><status>%5</status><localAuthority>%6</localAuthority>"
    "<remoteAuthority>%7</remoteAuthority></userAcount>");

namespace {

void setFromRights(const QString &rights, int length, const QList<QPair<int, QCheckBox *>> &boxes)
{
    if (rights.size() < length)
        return;
    for (const auto &box : boxes)
        box.second->setChecked(QString(rights.at(box.first)).toInt() >= 1);
}

QList<QPair<int, bool>> states(const QList<QPair<int, QCheckBox *>> &boxes)
{
    QList<QPair<int, bool>> result;
    for (const auto &box : boxes)
        result.append({box.first, box.second->isChecked()});
    return result;
}

} // namespace

CNVRAuthSetting::CNVRAuthSetting(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRAuthSetting)
{
    ui->setupUi(this);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVRAuthSetting::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVRAuthSetting::onbtnCancleClicked);
}

CNVRAuthSetting::~CNVRAuthSetting()
{
    delete ui;
}

QList<QPair<int, QCheckBox *>> CNVRAuthSetting::localBoxes() const
{
    return {{0, ui->m_ChkBoxSystemSetting},
            {2, ui->m_ChkBoxLocalPlayBack},
            {3, ui->m_ChkBoxLocalPreview},
            {6, ui->m_ChkBoxVideoBackup},
            {7, ui->m_ChkBoxCloseSystem}};
}

QList<QPair<int, QCheckBox *>> CNVRAuthSetting::remoteBoxes() const
{
    return {{0, ui->m_ChkBoxRemoteSystemSetting},
            {5, ui->m_ChkBoxRemotePlayback},
            {6, ui->m_ChkBoxRemotePreview},
            {8, ui->m_ChkBoxRemoteUpgrade},
            {9, ui->m_ChkBoxRemoteCloseSystem}};
}

void CNVRAuthSetting::setAuthInfo(FUN_DEV_INFO *dev, const QHash<QString, QString> &user)
{
    m_devIp = dev ? dev->ip : QString();
    m_userName = user.value(QStringLiteral("userName"));
    m_password = user.value(QStringLiteral("passWord"));
    m_status = user.value(QStringLiteral("status"));
    m_local = user.value(QStringLiteral("localAuthority"));
    m_remote = user.value(QStringLiteral("remoteAuthority"));
    setFromRights(m_local, LocalLength, localBoxes());
    setFromRights(m_remote, RemoteLength, remoteBoxes());
}

QString CNVRAuthSetting::mergeRights(QString listed, int length, const QList<QPair<int, bool>> &boxes)
{
    listed = listed.leftJustified(length, QLatin1Char('0'));
    for (const auto &box : boxes)
        listed[box.first] = box.second ? QLatin1Char('1') : QLatin1Char('0');
    return listed;
}

void CNVRAuthSetting::onbtnOkClicked()
{
    const QString local = mergeRights(m_local, LocalLength, states(localBoxes()));
    const QString remote = mergeRights(m_remote, RemoteLength, states(remoteBoxes()));
    // The listed state goes back unchanged: a rights change must not enable
    // an account the administrator switched off.
    const QString status = m_status.trimmed().isEmpty() ? QStringLiteral("1") : m_status.trimmed();
    const QString body = CommonHelper::fillTemplate(
        RightsTemplate, {QStringLiteral("1"), QStringLiteral("3"), PrivateProto::escapeText(m_userName),
                         PrivateProto::escapeText(m_password), PrivateProto::escapeText(status),
                         PrivateProto::escapeText(local), PrivateProto::escapeText(remote)});
    CUserManageDlg::sendRequest(m_route, m_devIp, 14014, body, RequestKind::Save);
    accept();
}

void CNVRAuthSetting::onbtnCancleClicked()
{
    reject();
}

void CNVRAuthSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    DropShadowWidget::changeEvent(event);
}
