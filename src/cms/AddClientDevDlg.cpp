#include "AddClientDevDlg.h"
#include "ui_AddClientDevDlg.h"

#include "AddressCheck.h"
#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "CommonHelperWidgets.h"
#include "DeviceFormRules.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "OnvifService.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"

#include <QDebug>
#include <QEvent>
#include <QListView>

AddClientDevDlg::AddClientDevDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , m_ui(new Ui::AddClientDevDlg)
{
    m_ui->setupUi(this);

    connect(m_ui->m_btnClose, &QPushButton::clicked, this, &AddClientDevDlg::onbtnCloseclicked);
    connect(m_ui->m_CancelBtn, &QPushButton::clicked, this, &AddClientDevDlg::onbtnCancleClicked);
    connect(m_ui->m_OKBtn, &QPushButton::clicked, this, &AddClientDevDlg::onbtnOkClicked);
    connect(SignalsHelper::instance(), &SignalsHelper::signalDevStored, this, &AddClientDevDlg::onDevStored);

    for (QComboBox *box : findChildren<QComboBox *>())
        box->setView(new QListView(box));

    initWidget();
    // The tip line keeps its room while empty: a dialog that grew when a tip
    // appeared was placed anew by the window manager, at the screen's corner.
    m_ui->m_lblTextInfo->setMinimumHeight(2 * m_ui->m_lblTextInfo->fontMetrics().lineSpacing());
    fitTexts();
}

AddClientDevDlg::~AddClientDevDlg() = default;

void AddClientDevDlg::fitTexts()
{
    // A longer translation ("User Name" in Russian or Czech) widens the
    // dialog rather than being cut.
    CommonHelper::fitDialogToTexts(this);
}

void AddClientDevDlg::initWidget()
{
    m_ui->m_PassWdlineEdit->setEchoMode(QLineEdit::Password);

    m_ui->comboBoxProtocol->clear();
    m_ui->comboBoxProtocol->addItems({tr("Private"), tr("ONVIF")});
    m_ui->lineEditPort->setText(QStringLiteral("2028"));
    fillDevTypes();

    // Every type change, also the one caused by refilling, puts the default
    // device port back.
    connect(m_ui->m_DevTypeCmbBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { m_ui->lineEditPort->setText(QStringLiteral("2028")); });
    connect(m_ui->comboBoxProtocol, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { fillDevTypes(); });

    m_ui->comboBoxProtocol->setCurrentIndex(0);
    m_ui->lineEditRTSP->setText(QStringLiteral("554"));
    m_ui->m_DevTypeCmbBox->setCurrentIndex(0);

    readGroups();

    m_ui->m_IPlineEdit->setValidator(AddressCheck::validator(this));
    m_ui->m_UserNamelineEdit->setValidator(DeviceFormRules::noIdeographValidator(this));
    m_ui->m_PassWdlineEdit->setValidator(DeviceFormRules::noIdeographValidator(this));
    m_ui->m_UserNamelineEdit->setText(DEFAULT_DEV_USER);
    m_ui->m_PassWdlineEdit->setText(DEFAULT_DEV_PASSWORD);
    CommonHelper::addPasswordViewAction(m_ui->m_PassWdlineEdit, false);
    m_ui->m_IPlineEdit->setFocus();
}

void AddClientDevDlg::readGroups()
{
    m_ui->m_GroupCmbBox->clear();
    auto names = std::make_shared<QStringList>();
    m_groupsRead = false;
    m_reads.enqueue(OrmAccessQueue::Item::reading(
        QStringLiteral("read groups for a new device"),
        [names] {
            QSqlError error;
            for (const auto &group : OrmHelper::getAllOrganizations(&error)) {
                if (group)
                    *names << group->Name;
            }
            return error;
        },
        [this, names](const QSqlError &error) {
            // Unread, no group is offered and nothing is added: a
            // device would land in a group the operator did not choose.
            if (!error.text().isEmpty()) {
                m_ui->m_lblTextInfo->setText(SharedTexts::readFailureText(OrmDatabase::trouble(error)));
                return;
            }
            m_groupsRead = true;
            m_ui->m_GroupCmbBox->addItems(*names);
            m_ui->m_GroupCmbBox->setCurrentIndex(0);
            if (m_ui->m_lblTextInfo->text() == SharedTexts::readWaitingText())
                m_ui->m_lblTextInfo->clear();
            m_ui->m_OKBtn->setEnabled(!m_adding);
        }));
    if (!m_groupsRead) {
        m_ui->m_OKBtn->setEnabled(false);
        if (m_reads.isWaiting())
            m_ui->m_lblTextInfo->setText(SharedTexts::readWaitingText());
    }
}

void AddClientDevDlg::fillDevTypes()
{
    m_ui->m_DevTypeCmbBox->clear();
    if (m_ui->comboBoxProtocol->currentIndex() > 0)
        m_ui->m_DevTypeCmbBox->addItem(QStringLiteral("IPC"));
    else
        m_ui->m_DevTypeCmbBox->addItems({QStringLiteral("IPC"), QStringLiteral("NVR")});
}

void AddClientDevDlg::onbtnCloseclicked()
{
    reject();
}

void AddClientDevDlg::onbtnOkClicked()
{
    addDevtoClient();
}

void AddClientDevDlg::onbtnCancleClicked()
{
    reject();
}

void AddClientDevDlg::onEnterPressed()
{
    addDevtoClient();
}

void AddClientDevDlg::showError(const QString &text, bool toast, QLineEdit *atFault)
{
    m_ui->m_lblTextInfo->setText(text);
    // The one text fits several fields: the focus and the mark say which.
    if (atFault) {
        CommonHelper::markAtFault(atFault, true);
        atFault->setFocus();
    }
    if (toast)
        MsgTipInfoDlg::showTip(text, 2000);
}

void AddClientDevDlg::addDevtoClient()
{
    if (m_adding || !m_groupsRead)
        return; // the last one, or the groups, still wait for the database
    const QString name = m_ui->m_DevNamelineEdit->text().trimmed();
    const QString ip = m_ui->m_IPlineEdit->text().trimmed();
    const QString user = m_ui->m_UserNamelineEdit->text().trimmed();
    const QString password = m_ui->m_PassWdlineEdit->text().trimmed();
    const QString typeText = m_ui->m_DevTypeCmbBox->currentText().trimmed();
    const QString group = m_ui->m_GroupCmbBox->currentText().trimmed();
    const QString rtspText = m_ui->lineEditRTSP->text().trimmed();
    const QString portText = m_ui->lineEditPort->text().trimmed();

    for (QLineEdit *edit : findChildren<QLineEdit *>())
        CommonHelper::markAtFault(edit, false);
    const QList<QLineEdit *> required{m_ui->m_IPlineEdit, m_ui->m_PassWdlineEdit, m_ui->m_UserNamelineEdit,
                                      m_ui->lineEditRTSP, m_ui->lineEditPort};
    for (QLineEdit *edit : required) {
        if (edit->text().trimmed().isEmpty()) {
            showError(SharedTexts::incompleteInfoText(), true, edit);
            return;
        }
    }
    quint16 rtspPort = 0;
    quint16 devPort = 0;
    QLineEdit *atFault = !AddressCheck::isAddress(ip)                       ? m_ui->m_IPlineEdit
                         : !DeviceFormRules::parsePort(rtspText, &rtspPort) ? m_ui->lineEditRTSP
                         : !DeviceFormRules::parsePort(portText, &devPort)  ? m_ui->lineEditPort
                                                                            : nullptr;
    if (atFault) {
        showError(SharedTexts::invalidFormatText(), false, atFault);
        return;
    }
    FUN_DEV_INFO *known = DeviceInfoManager::instance() ? DeviceInfoManager::instance()->findDevInfo(ip) : nullptr;
    if (known && known->ip == ip) {
        showError(SharedTexts::ipInUseText(), true, m_ui->m_IPlineEdit);
        return;
    }

    auto *dev = new FUN_DEV_INFO;
    dev->dbId = 0;
    dev->name = name.isEmpty() ? ip : name;
    dev->ip = ip;
    dev->sn = ip;
    dev->userName = user;
    dev->password = password;
    if (m_ui->comboBoxProtocol->currentIndex() > 0)
        dev->devType = 2;
    else
        dev->devType = typeText == QLatin1String("NVR") ? 1 : 0;
    dev->bOnvif = dev->devType == 2 ? 1 : 0;
    dev->group = group;
    dev->rtspPort = rtspPort;
    dev->devPort = devPort;

    m_adding = dev;
    emit SignalsHelper::instance()->signalAddDevs({dev});
    qInfo() << "add device" << dev->name << "onvif:" << dev->bOnvif;
    if (!m_adding)
        return; // stored or refused already
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (registry && registry->findDevInfo(ip) == dev) {
        // Registered, its row waiting for a database another program holds:
        // the dialog says so and closes only once the row is there.
        m_ui->m_lblTextInfo->setText(SharedTexts::waitingText());
        m_ui->m_OKBtn->setEnabled(false);
        return;
    }
    m_adding = nullptr;
    addDone(dev);
}

void AddClientDevDlg::onDevStored(FUN_DEV_INFO *dev, const QString &failure)
{
    if (!dev || dev != m_adding)
        return;
    m_adding = nullptr;
    m_ui->m_OKBtn->setEnabled(true);
    // Not stored, and taken out again: the form stays for another try.
    if (!failure.isEmpty()) {
        showError(failure, false, nullptr);
        return;
    }
    addDone(dev);
}

void AddClientDevDlg::addDone(FUN_DEV_INFO *dev)
{
    if (dev->devType == 2) {
        qDebug() << "begin search";
        CommonHelper::saveDevInfo(dev);
        if (ONVIF::Service *service = ONVIF::Service::instance())
            service->searchDevices();
    }
    accept();
}

void AddClientDevDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const int protocol = m_ui->comboBoxProtocol->currentIndex();
        m_ui->retranslateUi(this);
        m_ui->comboBoxProtocol->setItemText(0, tr("Private"));
        m_ui->comboBoxProtocol->setItemText(1, tr("ONVIF"));
        m_ui->comboBoxProtocol->setCurrentIndex(protocol);
        fitTexts();
    }
    DropShadowWidget::changeEvent(event);
}
