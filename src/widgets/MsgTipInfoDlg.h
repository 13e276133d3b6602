#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QVector>

class QLabel;
class QPushButton;
class QPropertyAnimation;
class QTimer;

// Title bar of the toast: an empty label and the close button.
class MsgTitleWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MsgTitleWidget(QWidget *parent = nullptr);

signals:
    void myClose();

private:
    QLabel *m_label;
    QPushButton *m_btnClose;
};

// The toast: slides up at the bottom right of the window that raised it (of
// the screen under the pointer without one), clear of the buttons and fields
// of the windows beneath when there is room, stays for its duration, then
// closes and deletes itself. Long words make it larger: all of them show, and
// it lies whole on its screen. A toast made while others show takes a place
// of its own beside them: none hides another, and none lies over the buttons
// of the window that raised it, also one that shows or moves under it while
// it is there (it moves off, keeping its time). It stays at least as long as its words take to
// read. A plain toast takes no mouse input: a click on it reaches what lies
// beneath. A variant carries a link that shows a file in its folder; it takes
// clicks, has its close button and is held while the pointer rests on it.
class MsgTipInfoDlg : public QDialog
{
    Q_OBJECT

public:
    explicit MsgTipInfoDlg(QWidget *parent = nullptr);

    static MsgTipInfoDlg *showTip(const QString &text, int ms);
    static MsgTipInfoDlg *showTipWithLink(const QString &text, const QString &link, int ms);
    // Words that stay exactly as long as a state lasts (a write waiting for
    // the database): shown once while it does, closed when it ends; words
    // that change with the state change in place.
    static void showWhile(QPointer<MsgTipInfoDlg> &tip, bool lasting, const QString &text);

    void setTimeout(int ms);
    void showMessage(const QString &text, const QString &link);

    // The words of a plain toast, changed where it rests.
    void setText(const QString &text);
    QString text() const;

    int timeout() const { return m_duration; }
    QString linkPath() const { return m_linkPath; }
    QPoint endPosition() const { return QPoint(m_endX, m_endY); }
    bool isWaiting() const;

    static constexpr int SlideMs = 500;
    // Its size unless its words need more.
    static constexpr int BaseWidth = 300;
    static constexpr int BaseHeight = 150;
    // The least a toast with a link stays, whatever it was given.
    static constexpr int LinkMinMs = 6000;
    static constexpr int EdgeMargin = 10;

    // Where a toast of the given size rests in the area: the bottom-right
    // corner (EdgeMargin from the right edge), else the nearest place above
    // it, then further left, that covers none of the given rectangles; the
    // corner when there is none.
    static QPoint restingPlace(const QRect &area, const QSize &size, const QVector<QRect> &avoid);
    // The same, or nothing when no place in the area is free.
    static bool freePlace(const QRect &area, const QSize &size, const QVector<QRect> &avoid, QPoint *at);
    // Where the toasts shown or on their way rest, but `except`.
    static QVector<QRect> toastPlaces(const MsgTipInfoDlg *except = nullptr);
    // The least time words need to be read (a few words: no more than a
    // short toast's 2000 ms).
    static int readingMs(const QString &text);
    // The area a toast raised by `raiser` rests in: that window's part of its
    // screen's available area, or the available area of the screen under the
    // pointer when there is no such window or it leaves no room for a toast
    // of that size.
    static QRect restingArea(QWidget *raiser, const QSize &room = QSize(BaseWidth, BaseHeight));
    // What an operator clicks in the shown windows (buttons, fields, lists of
    // choices, switches), in global coordinates.
    static QVector<QRect> shownControls();
    // The same of one window only; its buttons only if asked.
    static QVector<QRect> controlsOf(QWidget *window, bool buttonsOnly = false);

public slots:
    void onHideTimerTimeout();
    void onLinkActivated(const QString &link);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    friend class ToastWatch;
    void onSlideFinished();
    // Moves off a button of its window that came under it since it was
    // placed (another toast never does: each keeps clear of the others).
    void keepClear();
    // Sized so that its words (as the operator reads them) show whole, at
    // least BaseWidth x BaseHeight.
    void fitToText(const QString &words);
    QPoint findRestingPlace() const;
    // The controls (or buttons) of the windows the toast speaks of.
    QVector<QRect> ownControls(bool buttonsOnly) const;

    int m_duration = 5000;
    QTimer *m_hideTimer;
    QString m_linkPath;
    int m_endX = 0;
    int m_endY = 0;
    QPropertyAnimation *m_animation = nullptr;
    QLabel *m_textLabel;
    MsgTitleWidget *m_title;
};
