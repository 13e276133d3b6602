#pragma once

// The marks a configuration page shows over its top right corner, the same
// in the camera and the NVR window: why its values are not the device's (a
// read that failed), with the action that brings a device whose answers
// cannot be told apart back in step beside it, and that the operator's last
// Save did not go through. One set per page, a child of the page; the labels
// are the page's direct children ("labelReadFailed", "labelNotSaved"); the
// action, "pushButtonReconnect", lies over the page as a child of its parent.

#include <QObject>
#include <QString>

class ConfigPageSession;
class QLabel;
class QPushButton;
class QWidget;

class ConfigPageMarks : public QObject
{
    Q_OBJECT

public:
    // The page's marks, made on first use.
    static ConfigPageMarks *of(QWidget *page);

    void showReadFailure(const QString &text, bool offerReconnect);
    void hideReadFailure();
    bool readFailureShown() const;
    void setNotSaved(bool show);
    bool notSavedShown() const;
    // The not-saved mark follows the page's session from now on.
    void follow(ConfigPageSession *session);
    QPushButton *reconnectButton() const { return m_reconnect; }

signals:
    void reconnectClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ConfigPageMarks(QWidget *page);
    void place();
    QLabel *label(const char *name);

    QWidget *m_page;
    QLabel *m_failure = nullptr;
    QPushButton *m_reconnect = nullptr; // a child of the page's parent
    bool m_offered = false;
    QLabel *m_notSaved = nullptr;
};
