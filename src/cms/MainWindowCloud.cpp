// The cloud login hook of the main window.

#include "MainWindow.h"

#include "CVideoPlayback.h"
#include "CustomDialog.h"
#include "IotLoginDlg.h"
#include "MsgTipInfoDlg.h"
#include "RemoteCommon.h"
#include "SharedTexts.h"

void MainWindow::onCloudButtonClicked()
{
    RemoteCommon *cloud = RemoteCommon::instance();
    if (!cloud->isLoggedIn()) {
        IotLoginDlg dialog(this);
        if (dialog.exec() == QDialog::Accepted) {
            MsgTipInfoDlg::showTip(IotLoginDlg::loginSuccessText(), 2000);
            m_playbackPage->setCloudTabVisible(true);
        }
        return;
    }
    if (CustomDialog::showMessage(SharedTexts::areYouSureText() + tr("log out?"), true, true, 0) != 1)
        return;
    // Every cloud stream stops with the logout; the tab follows.
    cloud->logout();
    m_playbackPage->setCloudTabVisible(false);
}
