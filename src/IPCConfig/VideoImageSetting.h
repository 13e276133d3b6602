#pragma once

// The picture of the camera in six groups (image, night vision, exposure,
// backlight, white balance, enhancement), one sub-page each beside a live
// preview. One get (11001) reads all six, another (11014) their defaults;
// "Save" writes the shown group with its own set command, "Default" fills the
// shown group's controls without sending.

#include "RemoteCfg_Widget.h"

#include <QHash>
#include <QStringList>

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

    // Group readers (11001) and the save and default operations of each group.
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
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void initSectionList();
    void requestSettings();
    int currentSection() const;
    QStringList nightVisionModes() const;
    // Selects a received position; remembers it so a position the combo does
    // not hold is sent back as received rather than as -1.
    void selectReceived(QComboBox *combo, const QString &element, int position);
    int positionToSend(const QComboBox *combo, const QString &element) const;
    void send(unsigned int cmd, const QString &body);

    Ui::VideoImageSetting *ui;
    QStringListModel *m_sectionModel;
    QStringList m_sectionNames;
    Values m_defaults;
    int m_rememberedPage = 0;
    Values m_received;
};
