#include "CNVRLockScreenDlg.h"

#include "ui_CNVRLockScreenDlg.h"

#include <QEvent>

CNVRLockScreenDlg::CNVRLockScreenDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRLockScreenDlg)
{
    ui->setupUi(this);
    setWindowOpacity(1.0);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVRLockScreenDlg::accept);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRLockScreenDlg::reject);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVRLockScreenDlg::onbtnCancleClicked);
}

CNVRLockScreenDlg::~CNVRLockScreenDlg()
{
    delete ui;
}

int CNVRLockScreenDlg::getLockScreenOp() const
{
    return (ui->m_ChkBoxLogOut->isChecked() ? 1 : 0) + (ui->m_ChkBoxLockCurr->isChecked() ? 2 : 0);
}

void CNVRLockScreenDlg::setLockScreenOp(int op)
{
    ui->m_ChkBoxLogOut->setChecked(op % 2 == 1);
    ui->m_ChkBoxLockCurr->setChecked(op / 2 >= 1);
}

void CNVRLockScreenDlg::onbtnCancleClicked()
{
    ui->m_ChkBoxLogOut->setChecked(false);
    ui->m_ChkBoxLockCurr->setChecked(false);
    reject();
}

void CNVRLockScreenDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    DropShadowWidget::changeEvent(event);
}
