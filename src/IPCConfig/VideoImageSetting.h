#pragma once

// The picture of the camera in six groups (image, night vision, exposure,
// backlight, white balance, enhancement), one sub-page each beside a live
// preview. One get (Cmd::GetImage) reads all six, another
// (Cmd::GetImageDefaults) their defaults; "Save" writes the shown group with
// its own set command, on the channel the group was read from, with every value
// the operator did not change as the camera sent it; "Default" fills the shown
// group's controls without sending.

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

#include <array>

#include <QHash>
#include <QStringList>
#include <QVector>

class QComboBox;
class QModelIndex;
class QStringListModel;

namespace Ui {
class VideoImageSetting;
}

class VideoImageSetting : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    using Values = QHash<QString, int>;

    explicit VideoImageSetting(QWidget *parent = nullptr);
    ~VideoImageSetting() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

    // Group readers (Cmd::GetImage) and the save and default operations of each
    // group.
    void updateImageAdjustment(const Values &values);
    void updateNightVision(const Values &values);
    void updateExposure(const Values &values);
    void updateBacklight(const Values &values);
    void updateWhiteBalance(const Values &values);
    void updateImageEnhancement(const Values &values);
    void saveImageAdjustment();
    void saveNightVision();
    void saveExposure();
    void saveBacklight();
    void saveWhiteBalance();
    void saveImageEnhancement();
    void defaultImageAdjustment();
    void defaultNightVision();
    void defaultExposure();
    void defaultBacklight();
    void defaultWhiteBalance();
    void defaultImageEnhancement();

    // The element children of a group that are integers.
    static Values intValues(const QString &xml, const QString &group);
    static const QStringList &shutterList(int standard);

private slots:
    void on_listView_clicked(const QModelIndex &index);
    void on_btn_default_clicked();
    void on_btn_save_clicked();
    void on_comboBox_videoFormat_activated(int index);
    void on_comboBox_exposureMode_currentIndexChanged(int index);
    void on_comboBox_whiteBalance_currentIndexChanged(int index);
    void on_comboBox_DRCMode_currentIndexChanged(int index);
    void on_comboBox_denoiseMode_currentIndexChanged(int index);
    void on_comboBoxChannel_currentIndexChanged(int index);

protected:
    ConfigPageSession::Shown shownValues() const override;
    bool takeSaveAnswer(const ConfigReply &reply) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Control
    {
        const char *element;
        QWidget *control;
    };
    void initSectionList();
    void requestSettings();
    int currentSection() const;
    QStringList nightVisionModes() const;
    // The controls of a group, by element.
    QList<Control> controlsOf(int position) const;
    // What the group's controls show of the camera's values now.
    void rememberShown(int position);
    // The group's values as received, with the changed controls' values.
    IpcBody::Values valuesToSend(int position) const;
    static QString controlValue(const QWidget *control);
    // Each group's Saves are marked apart (RemoteCfg_Widget::savePart).
    void send(int position, const IpcBody::Values &values);

    Ui::VideoImageSetting *ui;
    QStringListModel *m_sectionModel;
    QStringList m_sectionNames;
    Values m_defaults;
    int m_rememberedPage = 0;
    // Per group: the texts of the last Cmd::GetImage, whether it had the group,
    // and how the controls showed them.
    QVector<IpcBody::Values> m_received;
    QVector<bool> m_present;
    std::array<OperatorEdits, 6> m_shown; // one per image group
    // The number box beside each slider: typing there moves the slider.
    QHash<const QWidget *, QWidget *> m_boxBeside;
};
