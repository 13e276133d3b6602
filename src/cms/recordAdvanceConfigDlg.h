#pragma once

// "Advanced Configuration" of the storage schedule: segment length, recorded
// stream, audio, full-disk policy and the recording folder, edited on the
// page's plan. A folder on a volume with less than 5 GiB free is refused. A
// folder the operator picks (or another one than before) becomes the storage
// folder: it is given the client's mark (StorageMark::takeAnew). The dialog
// closes once the folder is stored in the settings.

#include "DropShadowWidget.h"
#include "OrmAccessQueue.h"
#include "RecordPlan.h"

namespace Ui {
class recordAdvanceConfigDlg;
}

class recordAdvanceConfigDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    // plan: the page's plan, not owned; it outlives the dialog.
    explicit recordAdvanceConfigDlg(RECORD_PLAN_INFO *plan, QWidget *parent = nullptr);
    ~recordAdvanceConfigDlg() override;

public slots:
    void on_m_btnClose_clicked();
    void on_m_btnOK_clicked();
    void on_m_btnCancle_clicked();
    void slotPath();
    void onEnterPressed() override;

private:
    // Stores the folder in the settings; *before gets the one it replaces.
    static QSqlError storeFolder(const QString &path, QString *before);
    // The folder in force, read off the GUI thread; until read, no Save.
    void readFolder();
    // What the settings write says under the buttons (nothing: hidden).
    void showWaiting(const QString &text);
    void folderStored(const QString &path, const QSqlError &error);
    // Marks a folder picked anew as the storage; false (and said) when refused.
    bool takeFolder(const QString &path);

    Ui::recordAdvanceConfigDlg *ui = nullptr;
    RECORD_PLAN_INFO *m_plan = nullptr;
    bool m_folderChosen = false; // the operator picked the folder in this opening
    // The settings read and the folder's write: while another program holds
    // the database the dialog stays open, says it waits, and closes once the
    // folder is stored.
    OrmAccessQueue m_queue;
    bool m_saving = false;
    bool m_folderRead = false;
    QString m_folderBefore;
};
