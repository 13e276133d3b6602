#pragma once

// The weekly arming-time editor of the detection pages ("Arming Time"): day
// names, the hour grid with an hour ruler above it, and a button per day that
// clears the day. It converts between the grid and the periods the camera
// exchanges; it does no I/O. A plain widget despite its name.

#include "RemoteCfg_Widget.h"

#include <QWidget>

class DeploymentTimeTableView;
class QButtonGroup;

namespace Ui {
class CMoveDetectTimeSetDlg;
}

class CMoveDetectTimeSetDlg : public QWidget
{
    Q_OBJECT

public:
    // More than this many periods on a day are not saved.
    static constexpr int MaxPeriodsPerDay = 4;

    explicit CMoveDetectTimeSetDlg(QWidget *parent = nullptr);
    ~CMoveDetectTimeSetDlg() override;

    RemoteCfg_Widget::Week getTimes() const;
    void setTimes(const RemoteCfg_Widget::Week &times);
    static bool hasTooManyPeriods(const RemoteCfg_Widget::Week &times);

    DeploymentTimeTableView *table() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::CMoveDetectTimeSetDlg *ui;
    QButtonGroup *m_dayButtons;
};
