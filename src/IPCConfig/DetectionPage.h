#pragma once

// The detection pages (motion, human figure, sound, face, crying) are one
// page: a detection area over the live picture (where the form has one), the
// common detection panel and the weekly arming time, read with one command
// and saved with the next. What differs is described, not coded: the
// commands, the capability that gates them, where the channel comes from,
// the body template (its blanks are the camera's own) and the fragments it
// holds, and the human figure track switch. Each page keeps its own form,
// class name and translation context; its class only builds the form.
//
// A Save sends back what the camera reported for every part the operator
// did not change: the panel's values, the area (blocks or corners) and the
// arming time as received, the latter whatever its form or length.

#include "IpcBodies.h"
#include "RemoteCfg_Widget.h"

#include <QList>

class CMoveDetectTimeSetDlg;
class CommonDetection;
class OverlayWidget;
class QCheckBox;
class QLabel;
class QPushButton;

class DetectionPage : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    struct Description
    {
        unsigned int get = 0;
        unsigned int set = 0;
        // Gates the read, the save and the enable switch (anywhere in the
        // capability list, any case); null: every camera.
        const char *token = nullptr;
        // Offers the panel's channel list; null: none.
        const char *channelToken = nullptr;
        // Reads the channel of the record the window was opened on (else 0).
        bool recordChannel = false;
        // The set body: {=enable}, {=area}, {=schedule}, {=light}, {=voice},
        // {=source} stand for the fragments, in the camera's own layout.
        QString pattern;
        // 0: voice alarm; 1: source check and music instead (crying).
        int panelMode = 0;
        // The human figure track switch: read after the settings, saved
        // right after them, shown only with trackToken.
        unsigned int trackGet = 0;
        unsigned int trackSet = 0;
        const char *trackToken = nullptr;
        // What the debug log says when the camera lacks token; null: a
        // generic line.
        const char *unsupportedLog = nullptr;
    };

    // The track switch is asked for this long after the detection settings.
    static constexpr int TrackQueryDelayMs = 80;

    ~DetectionPage() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    // Shows a read: editor, panel, then the area. A page may say more first.
    virtual void applyParams(const ipcCfgParams &params);
    // The key the preview shows: the sub stream of the channel on screen.
    QString previewKey() const;
    // The set body from what was read and what the operator changed.
    QString saveBody() const;
    const Description &description() const { return m_description; }

    // A token anywhere in the capability list, without regard to case.
    static bool hasCapability(const FUN_DEV_INFO *dev, const char *token);

public slots:
    void onSaveBtnClicked();

protected:
    ConfigPageSession::Shown shownValues() const override;
    DetectionPage(const Description &description, QWidget *parent);
    // Called by the page once its form is built: finds the parts by their
    // object names (widget, widgetTime, pushButtonSave, and where the form
    // has them widgetOverlay, checkBoxTrack).
    void attachForm();
    // The page's own form, translated again.
    virtual void retranslateForm() = 0;

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

    // Another channel of the camera: a new read round for it. A page whose
    // form connects its channel list by name calls it from its own slot.
    void changeChannel(int index);
    bool readsMd1() const { return hasCapability(m_pDeviceInfo, "md1"); }
    // The detection element's block the page's read must bring.
    bool replyComplete(int cmd, const QString &xml) const override;

private:
    bool supported() const;
    void setTrackRowShown(bool shown);
    void readAgain();

    Description m_description;
    CommonDetection *m_panel = nullptr;
    CMoveDetectTimeSetDlg *m_times = nullptr;
    OverlayWidget *m_overlay = nullptr;
    QCheckBox *m_track = nullptr;
    QPushButton *m_save = nullptr;
    // What the camera reported, and the arming time as the grid showed it.
    IpcBody::Detection m_received;
    Week m_shownTimes;
    bool m_timesShown = false;
    IpcBody::Values m_receivedTrack;
    bool m_trackShown = false;
    bool m_trackState = false;
    bool m_trackEdited = false; // the operator clicked the track switch
};
