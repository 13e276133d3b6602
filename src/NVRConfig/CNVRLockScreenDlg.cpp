#include "CNVRLockScreenDlg.h"

#include "ui_CNVRLockScreenDlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QShowEvent>

CNVRLockScreenDlg::CNVRLockScreenDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRLockScreenDlg)
{
    ui->setupUi(this);
    setWindowOpacity(1.0);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVRLockScreenDlg::accept);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRLockScreenDlg::reject);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVRLockScreenDlg::onbtnCancleClicked);
    for (QCheckBox *box : {ui->m_ChkBoxLogOut, ui->m_ChkBoxLockCurr})
        connect(box, &QCheckBox::clicked, this, [this] { m_touched = true; });
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
    m_opened = getLockScreenOp();
    m_touched = false;
    m_changed = false;
}

void CNVRLockScreenDlg::showEvent(QShowEvent *event)
{
    DropShadowWidget::showEvent(event);
    // A window restored from the task bar is no new opening.
    if (event->spontaneous())
        return;
    m_opened = getLockScreenOp();
    m_touched = false;
}

void CNVRLockScreenDlg::accept()
{
    m_changed = m_changed || m_touched;
    m_touched = false;
    DropShadowWidget::accept();
}

void CNVRLockScreenDlg::reject()
{
    // Leaving without OK changes nothing the next Save sends.
    ui->m_ChkBoxLogOut->setChecked(m_opened % 2 == 1);
    ui->m_ChkBoxLockCurr->setChecked(m_opened / 2 >= 1);
    m_touched = false;
    DropShadowWidget::reject();
}

void CNVRLockScreenDlg::onbtnCancleClicked()
{
    reject();
}

void CNVRLockScreenDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    DropShadowWidget::changeEvent(event);
}
