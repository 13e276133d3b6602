#pragma once

#include "ConfigConversation.h"
#include "KelvoCommon.h"
#include "NvrBodies.h"
#include "OperatorEdits.h"

#include <QHash>
#include <QStringList>
#include <QPointer>
#include <QWidget>

class CNVRLockScreenDlg;

namespace Ui {
class CNVRBasicSetting;
}

// The NVR's own display settings (menu language, transparency, output
// resolution, screen lock, start-up wizard, plug and play, debug log level):
// read from a Cmd::GetBasicSettings reply, saved with Cmd::SetSettings. A Save
// writes back what the operator left alone as the NVR reported it, a language
// or resolution the client has no entry for included; it sends nothing while
// the page holds no read of the NVR.
class CNVRBasicSetting : public QWidget
{
    Q_OBJECT

public:
    explicit CNVRBasicSetting(QWidget *parent = nullptr);
    ~CNVRBasicSetting() override;

    void setDevInfo(FUN_DEV_INFO *dev);
    // The window's conversation: the NVR's answers to this page's requests
    // reach the window through it. None: sent straight to the NVR.
    void setConversation(ConfigConversation *conversation);
    void parseBasicInfo(const QString &xml);
    void updateLanguageList(const QString &language, const QString &languageList);
    void updateResolutionList(const QString &language, const QString &resolutionList);
    void initComboItems();

    CNVRLockScreenDlg *lockScreenDialog() const { return m_lockDlg; }

    // Whether the page shows a read of the NVR; the window clears it when a
    // read fails or cannot be sent. Without one the page is greyed and Save
    // sends nothing.
    void setReadOk(bool ok);
    bool isReadOk() const { return m_readOk; }

public slots:
    void onSaveBtnClicked();
    void onSettingBtnClicked();
    void onLanguageChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    int languageCode(const QString &name) const;
    void fillResolutions(int languageCode);

    Ui::CNVRBasicSetting *ui;
    FUN_DEV_INFO *m_dev = nullptr;
    QPointer<ConfigConversation> m_conversation;
    CNVRLockScreenDlg *m_lockDlg = nullptr;
    QStringList m_devResolutions;
    QStringList m_fixedResolutions;
    QStringList m_devLanguages;
    QHash<int, QString> m_languages;
    OperatorEdits m_edits;
    bool m_readOk = false;
};
