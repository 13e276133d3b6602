#pragma once

// What the camera writes into its own picture: date and time with their
// format, the channel name and up to four custom texts, each placed by
// dragging a floating label over the live preview, and the OSD frame switch.
// Positions travel in the camera's unit (posUnit) across width and height;
// each record (the camera's settings, its defaults) keeps its own unit.
//
// A Save sends what the camera reported for everything the operator left
// alone: the date pattern as received (whatever its pieces), positions of
// labels not dragged, names not edited, custom entries with their own
// numbers. A custom entry the camera did not report is added once the
// operator fills it in.

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

#include <QList>
#include <QPoint>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace Ui {
class MD_TimeTitle_Widget;
}

class MD_TimeTitle_Widget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    struct CustomEntry
    {
        bool displayEnable = false;
        QString text;
        int x = 0;
        int y = 0;
    };

    struct OSD_INFO
    {
        uint8_t weekDisplayEnable = 1;
        uint8_t dateDisplayEnable = 1;
        uint8_t channelDisplayEnable = 0;
        uint8_t hourFormat = 0;
        QString dateTimeFormat;
        QString timeformat;
        int timeX = 0;
        int timeY = 0;
        QString channelContent;
        int channelX = 0;
        int channelY = 0;
        QList<CustomEntry> customs;
        // Positions of this record are in this unit (100 when the camera
        // sent none, or none usable).
        int posUnit = 100;
    };

    explicit MD_TimeTitle_Widget(QWidget *parent = nullptr);
    ~MD_TimeTitle_Widget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    bool replyComplete(int cmd, const QString &xml) const override;
    // Reads an OSD body into a record (and posUnit).
    void parseXml(OSD_INFO &info, const QString &xml);

    // Label rectangle (screen) to device position within the preview
    // rectangle (screen), and back; pure.
    static QPoint scalePos(const QRect &label, const QRect &preview, int unit);
    static QPoint placePos(QPoint device, const QSize &label, const QRect &preview, int unit);
    // The pattern of the date/time controls and its reading back.
    QString buildDateTimeFormat() const;
    void applyDateTimeFormat(const QString &pattern, bool show);
    static QString formatCurrentDateTime(const QString &pattern);

    int posUnit() const { return m_info.posUnit; }
    // The Cmd::SetOsd body from what was read and what the operator changed.
    QString saveBody() const;
    const OSD_INFO &currentInfo() const { return m_info; }
    QPoint getScalePos(const QLabel *label) const;

public slots:
    void onDefaultParameterBtnClicked();
    void onSaveBtnClicked();
    void onCheckBoxShowDateClicked();
    void slotStateChanged(int state);
    void slotAdjustLabel(const QString &str);
    void slotMove(QPoint point);
    void on_comboBoxChannel_currentIndexChanged(int index);

protected:
    ConfigPageSession::Shown shownValues() const override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void resetRecords();
    void requestOsd();
    void parseTimeXml(OSD_INFO &info, const QString &xml);
    void applyOsdInfo(const OSD_INFO &info);
    void collectOsdInfo();
    void placeLabel(QLabel *label, int x, int y, bool visible);
    // The labels are windows of their own over the preview: one shows only
    // while the page does, whatever answer asks for it (a late read of a
    // page no longer shown draws nothing over the page shown); it comes
    // back with the page.
    void showLabel(QLabel *label, bool wanted);
    QRect previewRect() const;
    QPoint defaultPosition(const QLabel *label) const;
    void rememberShown();
    bool patternChanged() const;
    QPoint positionToSend(const QLabel *label, const QPoint &received) const;

    Ui::MD_TimeTitle_Widget *ui;
    OSD_INFO m_info;
    OSD_INFO m_defaultInfo;
    // The texts of the camera's settings and defaults, and of the frame switch.
    IpcBody::Osd m_received;
    IpcBody::Osd m_receivedDefaults;
    IpcBody::Values m_receivedFrame;
    OperatorEdits m_shown;
    OperatorEdits m_shownFrame;
    bool m_dragging = false;
    QPoint m_lastPos;
    QPointer<QLabel> m_dragLabel;
    QList<QLabel *> m_labels;
    QList<QCheckBox *> m_checks;
    QList<QLineEdit *> m_edits;
    QList<QPoint> m_defaultPositions;
};
