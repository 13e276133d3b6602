#include "recordAdvanceConfigDlg.h"
#include "ui_recordAdvanceConfigDlg.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "FileChooser.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "RecordSchedule.h"
#include "SharedTexts.h"
#include "StorageMark.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QListView>

#include <memory>

namespace {

constexpr int TipMs = 2000;
constexpr int NoticeMs = 10000;
constexpr quint64 MinFreeGiB = 5;

// The volume of a folder that does not exist yet is the one of its nearest
// existing ancestor (the recorder creates the rest).
QString existingAncestor(const QString &path)
{
    QString probe = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(probe)) {
        const QString parent = QFileInfo(probe).path();
        if (parent == probe)
            break;
        probe = parent;
    }
    return probe;
}

} // namespace

recordAdvanceConfigDlg::recordAdvanceConfigDlg(RECORD_PLAN_INFO *plan, QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::recordAdvanceConfigDlg)
    , m_plan(plan)
{
    ui->setupUi(this);
    m_queue.setSaid(tr("the recording folder"));
    for (QComboBox *box : findChildren<QComboBox *>())
        box->setView(new QListView(box));

    ui->m_cbxFileLength->addItems({QStringLiteral("5"), QStringLiteral("15"), QStringLiteral("30"),
                                   QStringLiteral("45"), QStringLiteral("60"), QStringLiteral("90"),
                                   QStringLiteral("120")});
    ui->m_cbxFileLength->setCurrentIndex(2);
    ui->lineEdit->setReadOnly(true);

    const bool hasPlan = m_plan != nullptr;
    if (hasPlan && m_plan->iStorageType != 0)
        ui->m_radioStop->setChecked(true);
    else
        ui->m_radioDelete->setChecked(true);
    if (hasPlan) {
        const int length = ui->m_cbxFileLength->findText(QString::number(m_plan->iTimeFile));
        if (length >= 0)
            ui->m_cbxFileLength->setCurrentIndex(length);
        ui->m_chkAudio->setChecked(m_plan->iAudioRecord == 1);
    }
    ui->m_cbxStreamType->addItems({tr("Main stream"), tr("Sub stream")});
    ui->m_cbxStreamType->setCurrentIndex(
        hasPlan && !m_plan->devices.isEmpty() && m_plan->devices.first().iStreamType != 0 ? 1 : 0);

    connect(ui->pushButtonPath, &QPushButton::clicked, this, &recordAdvanceConfigDlg::slotPath);
    ui->m_lblWaiting->setWordWrap(true);
    ui->m_lblWaiting->hide();
    readFolder();
    layout()->activate();
    CommonHelper::elideChildTexts(this);
}

void recordAdvanceConfigDlg::readFolder()
{
    auto folder = std::make_shared<QString>();
    m_queue.enqueue(OrmAccessQueue::Item::reading(
        QStringLiteral("read recording folder"),
        [folder] {
            QSqlError error;
            if (const QSharedPointer<CMS_Config_V2> row = OrmHelper::getConfig(&error))
                *folder = row->BackupPath;
            return error;
        },
        [this, folder](const QSqlError &error) {
            // Unread, the folder in force is not known: nothing is
            // saved over it, and the dialog says why.
            if (!error.text().isEmpty()) {
                showWaiting(SharedTexts::readFailureText(OrmDatabase::trouble(error)));
                return;
            }
            m_folderRead = true;
            // A folder the operator picked meanwhile stays.
            if (!m_folderChosen)
                ui->lineEdit->setText(*folder);
            showWaiting(QString());
        }));
    if (!m_folderRead)
        showWaiting(m_queue.isWaiting() ? SharedTexts::readWaitingText() : ui->m_lblWaiting->text());
}

recordAdvanceConfigDlg::~recordAdvanceConfigDlg()
{
    delete ui;
}

void recordAdvanceConfigDlg::on_m_btnClose_clicked()
{
    reject();
}

void recordAdvanceConfigDlg::on_m_btnCancle_clicked()
{
    reject();
}

void recordAdvanceConfigDlg::onEnterPressed()
{
    on_m_btnOK_clicked();
}

void recordAdvanceConfigDlg::slotPath()
{
    const QString folder = FileChooser::existingFolder(this, tr("Open Recrod Directory"), QString());
    if (!folder.isEmpty()) {
        ui->lineEdit->setText(folder);
        m_folderChosen = true;
    }
}

void recordAdvanceConfigDlg::on_m_btnOK_clicked()
{
    if (m_saving || !m_folderRead)
        return; // the last Save, or the folder in force, still waits for the database
    const QString path = ui->lineEdit->text().trimmed();
    if (path.isEmpty()) {
        MsgTipInfoDlg::showTip(tr("Please add at least one video save path"), TipMs);
        return;
    }
    const QString root = existingAncestor(path);
    quint64 freeGiB = 0;
    const bool known = CommonHelper::getDiskFreeSpace(root, freeGiB);
    qInfo("add record save path, path=%s, space=%lld", qPrintable(root), static_cast<long long>(freeGiB));
    if (!known || freeGiB < MinFreeGiB) {
        MsgTipInfoDlg::showTip(tr("Disk remaining space is less than 5G, unable to save video!"), TipMs);
        return;
    }

    // The settings first: a folder that is not stored would be replaced by the
    // old one at the next start, so nothing changes unless it is. A database
    // another program holds is waited for with the dialog open.
    m_saving = true;
    auto before = std::make_shared<QString>();
    m_queue.enqueue({QStringLiteral("recording folder"), QString(), true,
                     [path, before] { return storeFolder(path, before.get()); },
                     [this, path, before](const QSqlError &error) {
                         if (error.text().isEmpty())
                             m_folderBefore = *before;
                         folderStored(path, error);
                     }});
    if (m_saving)
        showWaiting(SharedTexts::waitingText());
}

QSqlError recordAdvanceConfigDlg::storeFolder(const QString &path, QString *before)
{
    return OrmHelper::changeConfig([&](CMS_Config_V2 &config) {
        if (before)
            *before = config.BackupPath;
        config.BackupPath = path;
    });
}

void recordAdvanceConfigDlg::showWaiting(const QString &text)
{
    ui->m_lblWaiting->setText(text);
    ui->m_lblWaiting->setVisible(!text.isEmpty());
    ui->m_btnOK->setEnabled(!m_saving && m_folderRead);
}

void recordAdvanceConfigDlg::folderStored(const QString &path, const QSqlError &error)
{
    m_saving = false;
    // Not stored: said where the waiting was, until the next Save.
    showWaiting(error.text().isEmpty() ? QString() : SharedTexts::failureText(OrmDatabase::trouble(error)));
    if (!error.text().isEmpty())
        return;
    if (!takeFolder(path))
        return;
    if (m_plan) {
        m_plan->iStorageType = ui->m_radioDelete->isChecked() ? 0 : 1;
        m_plan->iTimeFile = uint16_t(ui->m_cbxFileLength->currentText().toUInt());
        m_plan->iAudioRecord = ui->m_chkAudio->isChecked() ? 1 : 0;
        for (RECORD_DEVICE_INFO &d : m_plan->devices)
            d.iStreamType = uint8_t(ui->m_cbxStreamType->currentIndex());
        m_plan->szStoragePath = path;
    }
    accept();
}

bool recordAdvanceConfigDlg::takeFolder(const QString &path)
{
    // A folder chosen anew is the storage from now on, whatever it holds (a
    // folder made again by hand, a new disk): it gets the client's mark. The
    // folder in force otherwise stays known by the mark it has.
    if (!m_folderChosen && QDir::cleanPath(path) == QDir::cleanPath(m_folderBefore))
        return true;
    QString why;
    QString notKept;
    bool taken = false;
    // The mark's settings are written briefly: held again meanwhile, the
    // database does not keep them, and the notice below says so.
    OrmAccessQueue::tryBriefly([&] {
        taken = StorageMark::takeAnew(QDir::toNativeSeparators(path), &why, &notKept);
        return QSqlError();
    });
    if (!taken) {
        const QString before = m_folderBefore;
        m_queue.enqueue({QStringLiteral("recording folder restored"), QString(), true,
                         [before] { return storeFolder(before, nullptr); },
                         [](const QSqlError &error) {
                             if (!error.text().isEmpty() && !OrmAccessQueue::closeBegun())
                                 MsgTipInfoDlg::showTip(SharedTexts::failureText(OrmDatabase::trouble(error)), TipMs);
                         }});
        MsgTipInfoDlg::showTip(tr("The folder cannot be used for recordings: %1")
                                   .arg(QCoreApplication::translate("StorageMark", why.toUtf8().constData())),
                               TipMs);
        return false;
    }
    if (!notKept.isEmpty())
        MsgTipInfoDlg::showTip(RecordSchedule::markNotKeptText(notKept), NoticeMs);
    return true;
}
