#pragma once

// The alarm page of the main window: a navigation list switching between the
// alarm settings and the alarm record browser.

#include <QStringList>
#include <QWidget>

namespace Ui {
class AlarmManageWidget;
}

class AlarmEventWidget;
class AlarmInfoWidget;
class QModelIndex;
class QStringListModel;

class AlarmManageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AlarmManageWidget(QWidget *parent = nullptr);
    ~AlarmManageWidget() override;

    AlarmEventWidget *eventPage() const;
    AlarmInfoWidget *infoPage() const;

    void initListItems();

public slots:
    void onListViewClicked(const QModelIndex &index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitListWidth();

    Ui::AlarmManageWidget *ui;
    QStringListModel *m_model = nullptr;
    QStringList m_items;
};
