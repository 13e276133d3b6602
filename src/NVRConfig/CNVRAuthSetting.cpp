#include "CNVRAuthSetting.h"

#include "ui_CNVRAuthSetting.h"

#include "CUserManageDlg.h"
#include "MsgTipInfoDlg.h"
#include "NvrBodies.h"
#include "SharedTexts.h"

#include <QEvent>

#include <algorithm>

namespace {

// Each box shows the position it stands for; a listed string shorter than
// its length shows the positions it has and leaves the others as they are.
void setFromRights(const QString &rights, const QList<QPair<int, QCheckBox *>> &boxes)
{
    for (const auto &box : boxes) {
        if (box.first < rights.size())
            box.second->setChecked(DeviceValue::toInt(QString(rights.at(box.first))) >= 1);
    }
}

} // namespace

CNVRAuthSetting::CNVRAuthSetting(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRAuthSetting)
{
    ui->setupUi(this);
    // The dialog is named as the button that opens it.
    ui->m_lblTextTitle->setText(QCoreApplication::translate("ManageWidget", "Auth"));
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRAuthSetting::onbtnCancleClicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVRAuthSetting::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVRAuthSetting::onbtnCancleClicked);
    for (const auto &box : localBoxes())
        m_edits.watch(QStringLiteral("local%1").arg(box.first), box.second);
    for (const auto &box : remoteBoxes())
        m_edits.watch(QStringLiteral("remote%1").arg(box.first), box.second);
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
    m_account = user;
    m_local = user.value(QStringLiteral("localAuthority"));
    m_remote = user.value(QStringLiteral("remoteAuthority"));
    const OperatorEdits::Filling filling(m_edits);
    setFromRights(m_local, localBoxes());
    setFromRights(m_remote, remoteBoxes());
}

QString CNVRAuthSetting::mergeRights(QString listed, int length, const QList<Box> &boxes)
{
    // Untouched rights go back as listed, short or empty ones included.
    if (std::none_of(boxes.cbegin(), boxes.cend(), [](const Box &box) { return box.acted; }))
        return listed;
    listed = listed.leftJustified(length, QLatin1Char('0'));
    // A box the operator left alone keeps the listed character, whatever it is.
    for (const Box &box : boxes) {
        if (box.acted)
            listed[box.position] = box.checked ? QLatin1Char('1') : QLatin1Char('0');
    }
    return listed;
}

QList<CNVRAuthSetting::Box> CNVRAuthSetting::states(const QString &prefix,
                                                    const QList<QPair<int, QCheckBox *>> &boxes) const
{
    QList<Box> out;
    for (const auto &box : boxes)
        out.append({box.first, box.second->isChecked(), m_edits.edited(prefix + QString::number(box.first))});
    return out;
}

void CNVRAuthSetting::onbtnOkClicked()
{
    NvrBodies::Values account = m_account;
    account.insert(QStringLiteral("localAuthority"),
                   mergeRights(m_local, LocalLength, states(QStringLiteral("local"), localBoxes())));
    account.insert(QStringLiteral("remoteAuthority"),
                   mergeRights(m_remote, RemoteLength, states(QStringLiteral("remote"), remoteBoxes())));
    // The listed state goes back unchanged: a rights change must not enable
    // an account the administrator switched off.
    if (!CUserManageDlg::sendRequest(m_route, m_devIp, Cmd::EditUser, NvrBodies::rightsBody(account),
                                     RequestKind::Save)) {
        MsgTipInfoDlg::showTip(SharedTexts::configFailedText(), 2000);
        return;
    }
    accept();
}

void CNVRAuthSetting::onbtnCancleClicked()
{
    reject();
}

void CNVRAuthSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->m_lblTextTitle->setText(QCoreApplication::translate("ManageWidget", "Auth"));
    }
    DropShadowWidget::changeEvent(event);
}
