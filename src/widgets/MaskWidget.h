#pragma once

#include <QColor>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

// Semi-transparent cover over the main window while a listed dialog is shown.
// Dialogs are recognised by object name; shown ones are tracked by object, so
// two dialogs with one name, or a dialog deleted while shown, keep it right.
class MaskWidget : public QWidget
{
    Q_OBJECT

public:
    static MaskWidget *instance();

    QStringList dialogNames() const { return m_dialogNames; }
    int shownDialogCount() const { return m_shownDialogs.size(); }

public slots:
    void setMainWidget(QWidget *widget);
    void setDialogNames();
    void setBgColor(QColor bgColor);
    void setOpacity(double opacity);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    explicit MaskWidget(QWidget *parent = nullptr);
    void forget(QObject *dialog);

    QPointer<QWidget> m_mainWidget;
    QStringList m_dialogNames;
    QSet<QObject *> m_shownDialogs;
};
