#include "CEditContactDlg.h"

#include "ui_CEditContactDlg.h"

#include "CUserManageDlg.h"
#include "CommonHelper.h"

#include <QEvent>
#include <QLabel>
#include <QListView>

CEditContactDlg::CEditContactDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CEditContactDlg)
{
    ui->setupUi(this);
    ui->m_cbContactType->setView(new QListView(ui->m_cbContactType));
    applyStyle();
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CEditContactDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CEditContactDlg::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CEditContactDlg::onbtnCancleClicked);
}

CEditContactDlg::~CEditContactDlg()
{
    delete ui;
}

void CEditContactDlg::applyStyle()
{
    ui->m_lblTextInfo->setStyleSheet(QStringLiteral("QLabel{color:white;}"));
}

void CEditContactDlg::setContactInfo(FUN_DEV_INFO *dev, const QString &contact)
{
    clearInputs();
    m_devIp = dev ? dev->ip : QString();
    m_contact = contact;
    ui->m_editContact->setText(contact);
    ui->m_cbContactType->setCurrentIndex(CommonHelper::isValidEmail(contact) ? 1 : 0);
}

void CEditContactDlg::clearInputs()
{
    ui->m_editContact->clear();
    ui->m_lblTips->clear();
    ui->m_cbContactType->setCurrentIndex(0);
}

void CEditContactDlg::showEvent(QShowEvent *event)
{
    // Under the program's style sheet, and in longer languages, the help text
    // wraps to more lines than the form leaves room for (the layout sizes a
    // word-wrapped label for its widest line): its end was cut off behind the
    // buttons. The label and the dialog grow to show it whole.
    QLabel *help = ui->m_lblTextInfo;
    const int neededLabel = help->heightForWidth(help->width());
    if (neededLabel > help->height())
        help->setMinimumHeight(neededLabel);
    layout()->activate();
    const int needed = qMax(heightForWidth(width()), minimumSizeHint().height());
    if (needed > height())
        resize(width(), needed);
    DropShadowWidget::showEvent(event);
}

void CEditContactDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void CEditContactDlg::onbtnCloseclicked()
{
    clearInputs();
    reject();
}

void CEditContactDlg::onbtnCancleClicked()
{
    clearInputs();
    reject();
}

void CEditContactDlg::onbtnOkClicked()
{
    const QString text = ui->m_editContact->text().trimmed();
    if (ui->m_cbContactType->currentIndex() == 0) {
        if (!CommonHelper::isValidPhone(text)) {
            ui->m_lblTips->setText(tr("Invalid phone number!"));
            return;
        }
    } else if (!CommonHelper::isValidEmail(text)) {
        ui->m_lblTips->setText(tr("Invalid email!"));
        return;
    }
    // Both patterns leave out the markup characters, so the body is well formed as it is.
    const QString body = QStringLiteral("<contactInfo><contactAddress>%1</contactAddress></contactInfo>").arg(text);
    CUserManageDlg::sendRequest(m_route, m_devIp, Cmd::SetContact, body, RequestKind::Save);
    m_contact = text;
    clearInputs();
    accept();
}

void CEditContactDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        applyStyle();
    }
    DropShadowWidget::changeEvent(event);
}
