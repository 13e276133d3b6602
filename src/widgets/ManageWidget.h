#pragma once

#include <QWidget>

namespace Ui {
class ManageWidget;
}

// Row of small action buttons in the last cell of a device or user table row.
// Every signal carries the row's key.
class ManageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ManageWidget(QWidget *parent = nullptr);
    ~ManageWidget() override;

    void setKey(const QString &key);
    QString key() const { return m_key; }

    void setPasswordVisible(bool visible);
    void setDeleteVisible(bool visible);
    void setUserVisible(bool visible);
    void setAuthVisible(bool visible);
    void setSetVisible(bool visible);
    void setChannelVisible(bool visible);

signals:
    void signalPassword(const QString &key);
    void signalEdit(const QString &key);
    void signalDelete(const QString &key);
    void signalUser(const QString &key);
    void signalSet(const QString &key);
    void signalChannel(const QString &key);
    void signalAuth(const QString &key);

private slots:
    void on_pushButtonPassword_clicked();
    void on_pushButtonEdit_clicked();
    void on_pushButtonDelete_clicked();
    void on_pushButtonUser_clicked();
    void on_pushButtonAuth_clicked();
    void on_pushButtonSet_clicked();
    void on_pushButtonChannel_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::ManageWidget *ui;
    QString m_key;
};
