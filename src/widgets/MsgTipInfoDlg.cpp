#include "MsgTipInfoDlg.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "Platform.h"
#include "SwitchControl.h"
#include "WidgetHelpers.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

const QColor kToastBackground(19, 22, 27);

} // namespace

// While toasts show, what may come under one of them: a widget shown, moved
// or resized (a button that appears, a row laid out anew, a window dragged).
// Looked at once the events of the moment are handled, for every toast.
class ToastWatch : public QObject
{
public:
    static ToastWatch &instance()
    {
        static ToastWatch watch;
        return watch;
    }

    void follow(MsgTipInfoDlg *toast)
    {
        if (m_toasts.contains(toast))
            return;
        if (m_toasts.isEmpty())
            qApp->installEventFilter(this);
        m_toasts.append(toast);
        connect(toast, &QObject::destroyed, this, [this, toast] {
            m_toasts.removeAll(toast);
            if (m_toasts.isEmpty() && qApp)
                qApp->removeEventFilter(this);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) || m_pending
            || !watched->isWidgetType() || qobject_cast<MsgTipInfoDlg *>(static_cast<QWidget *>(watched)->window()))
            return false;
        m_pending = true;
        // After the layouts the change set off have placed what they hold.
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            const QList<MsgTipInfoDlg *> toasts = m_toasts;
            for (MsgTipInfoDlg *toast : toasts) {
                if (m_toasts.contains(toast))
                    toast->keepClear();
            }
        });
        return false;
    }

private:
    QList<MsgTipInfoDlg *> m_toasts;
    bool m_pending = false;
};

MsgTitleWidget::MsgTitleWidget(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_btnClose(new QPushButton(this))
{
    m_btnClose->setObjectName(QStringLiteral("m_btnClose"));
    m_btnClose->setFixedSize(20, 20);
    m_btnClose->setIcon(QIcon(QStringLiteral(":/Resources/Skin/Default/MainWindow/mw_close.png")));
    m_btnClose->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addStretch();
    layout->addWidget(m_btnClose, 0, Qt::AlignRight | Qt::AlignTop);

    setFixedHeight(24);
    setBackgroundColor(this, kToastBackground);
    connect(m_btnClose, &QPushButton::clicked, this, &MsgTitleWidget::myClose);
}

MsgTipInfoDlg::MsgTipInfoDlg(QWidget *parent)
    : QDialog(parent)
    , m_hideTimer(new QTimer(this))
    , m_textLabel(new QLabel(this))
    , m_title(new MsgTitleWidget(this))
{
    setObjectName(QStringLiteral("MsgTipInfoDlg"));
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(m_duration);
    connect(m_hideTimer, &QTimer::timeout, this, &MsgTipInfoDlg::onHideTimerTimeout);

    setFixedSize(BaseWidth, BaseHeight);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundColor(this, kToastBackground);

    m_textLabel->setObjectName(QStringLiteral("labelText"));
    m_textLabel->setFrameShape(QFrame::NoFrame);
    m_textLabel->setStyleSheet(QStringLiteral("background:rgb(47, 51, 56);color:white;"));
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(m_textLabel);

    connect(m_title, &MsgTitleWidget::myClose, this, &QDialog::close);
}

MsgTipInfoDlg *MsgTipInfoDlg::showTip(const QString &text, int ms)
{
    return showTipWithLink(text, QString(), ms);
}

void MsgTipInfoDlg::showWhile(QPointer<MsgTipInfoDlg> &tip, bool lasting, const QString &text)
{
    if (!lasting) {
        if (tip)
            tip->close();
        return;
    }
    if (!tip)
        tip = showTip(text, std::numeric_limits<int>::max());
    else if (tip->text() != text)
        tip->setText(text);
}

void MsgTipInfoDlg::setText(const QString &text)
{
    if (m_linkPath.isEmpty())
        m_textLabel->setText(text);
}

QString MsgTipInfoDlg::text() const
{
    return m_textLabel->text();
}

MsgTipInfoDlg *MsgTipInfoDlg::showTipWithLink(const QString &text, const QString &link, int ms)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent) {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow *>(top)) {
                parent = top;
                break;
            }
        }
    }
    auto *tip = new MsgTipInfoDlg(parent);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->setTimeout(ms);
    tip->showMessage(text, link);
    return tip;
}

void MsgTipInfoDlg::setTimeout(int ms)
{
    m_duration = ms;
    m_hideTimer->setInterval(ms);
}

bool MsgTipInfoDlg::isWaiting() const
{
    return m_hideTimer->isActive();
}

void MsgTipInfoDlg::showMessage(const QString &text, const QString &link)
{
    m_linkPath = link;
    // A link is there to be clicked: it stays long enough to reach it.
    if (!link.isEmpty() && m_duration < LinkMinMs)
        setTimeout(LinkMinMs);
    // Long words (a refusal and what to do about it) stay until read.
    if (m_duration < readingMs(text))
        setTimeout(readingMs(text));

    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);
    if (link.isEmpty()) {
        m_textLabel->setTextFormat(Qt::PlainText);
        m_textLabel->setText(text);
    } else {
        m_textLabel->setTextFormat(Qt::RichText);
        m_textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                             | Qt::LinksAccessibleByKeyboard);
        m_textLabel->setOpenExternalLinks(false);
        connect(m_textLabel, &QLabel::linkActivated, this, &MsgTipInfoDlg::onLinkActivated, Qt::UniqueConnection);
        const QString escapedLink = link.toHtmlEscaped();
        m_textLabel->setText(text.toHtmlEscaped() + QLatin1Char(' ')
                             + QStringLiteral("<a href=\"%1\" style=\"color:#4ea1f3;\">%1</a>").arg(escapedLink));
    }

    fitToText(link.isEmpty() ? text : text + QLatin1Char(' ') + link);

    const QPoint end = findRestingPlace();
    m_endX = end.x();
    m_endY = end.y();
    // Slides up from just below where it rests, unless the way up crosses
    // another toast or a button of its window: then it shows in its place.
    QPoint start(m_endX, m_endY + height());
    const QRect way = QRect(start, size()).united(QRect(end, size()));
    const QVector<QRect> crossed = toastPlaces(this) + ownControls(true);
    if (std::any_of(crossed.cbegin(), crossed.cend(), [&way](const QRect &r) { return r.intersects(way); }))
        start = end;
    move(start);

    // A plain toast only tells: clicks go through it to the window beneath
    // (a toast that lands on the button just clicked would swallow the next
    // click), and with nothing to click its close button goes.
    const bool plain = link.isEmpty();
    setWindowFlag(Qt::WindowTransparentForInput, plain);
    setAttribute(Qt::WA_TransparentForMouseEvents, plain);
    if (auto *close = m_title->findChild<QPushButton *>(QStringLiteral("m_btnClose")))
        close->setVisible(!plain);

    // A notice never takes the keyboard: what the operator types goes on
    // into the field he types into.
    CommonHelper::showWithoutFocus(this);
    ToastWatch::instance().follow(this);

    if (!m_animation) {
        m_animation = new QPropertyAnimation(this, "pos", this);
        connect(m_animation, &QPropertyAnimation::finished, this, &MsgTipInfoDlg::onSlideFinished);
    }
    m_animation->stop();
    m_animation->setDuration(SlideMs);
    m_animation->setStartValue(start);
    m_animation->setEndValue(QPoint(m_endX, m_endY));
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    m_animation->start();
}

void MsgTipInfoDlg::fitToText(const QString &words)
{
    // All of its words on the screen: long ones (a refusal, what to do about
    // it, a path) make the toast taller, and a word wider than it wider,
    // never past the screen it shows on.
    const QRect area = restingArea(parentWidget(), QSize(BaseWidth, BaseHeight));
    QScreen *screen = QGuiApplication::screenAt(area.center());
    const QRect screenArea = screen ? screen->availableGeometry() : area;
    m_textLabel->ensurePolished();
    const QFontMetrics metrics(m_textLabel->font());
    const int padding = 2 * metrics.averageCharWidth() + m_textLabel->margin() * 2;
    int longest = 0;
    for (const QString &word : words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        longest = std::max(longest, metrics.horizontalAdvance(word));
    const int width = std::max(BaseWidth, std::min(longest + padding, screenArea.width() - 2 * EdgeMargin));
    const int textHeight = m_textLabel->heightForWidth(width - padding) + metrics.lineSpacing();
    const int height = std::max(BaseHeight, std::min(m_title->height() + textHeight, screenArea.height()));
    setFixedSize(width, height);
}

void MsgTipInfoDlg::onSlideFinished()
{
    if (!m_linkPath.isEmpty() && (underMouse() || frameGeometry().contains(QCursor::pos())))
        return;
    m_hideTimer->start();
}

void MsgTipInfoDlg::keepClear()
{
    if (!isVisible())
        return;
    const QRect at(endPosition(), size());
    const QVector<QRect> buttons = ownControls(true);
    if (std::none_of(buttons.cbegin(), buttons.cend(), [&at](const QRect &r) { return r.intersects(at); }))
        return;
    const QPoint end = findRestingPlace();
    if (end == endPosition())
        return;
    m_endX = end.x();
    m_endY = end.y();
    // On its way up it ends where it now rests, and waits from there.
    const bool sliding = m_animation && m_animation->state() == QAbstractAnimation::Running;
    if (sliding)
        m_animation->stop();
    move(end);
    if (sliding)
        onSlideFinished();
}

QRect MsgTipInfoDlg::restingArea(QWidget *raiser, const QSize &room)
{
    // Over the window that raised the toast, where the operator looks: on a
    // large screen its corner is far from a centred window. The screen under
    // the pointer when no window is known or the window leaves no room.
    QWidget *window = raiser ? raiser->window() : nullptr;
    QScreen *screen = window && window->isVisible() ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (!window || !window->isVisible() || window->isMinimized())
        return available;
    const QRect over = window->frameGeometry().intersected(available);
    if (over.width() < room.width() + EdgeMargin || over.height() < room.height())
        return available;
    return over;
}

QPoint MsgTipInfoDlg::restingPlace(const QRect &area, const QSize &size, const QVector<QRect> &avoid)
{
    QPoint at;
    if (freePlace(area, size, avoid, &at))
        return at;
    return QPoint(area.right() - size.width() - EdgeMargin, area.bottom() - size.height());
}

bool MsgTipInfoDlg::freePlace(const QRect &area, const QSize &size, const QVector<QRect> &avoid, QPoint *at)
{
    const QPoint corner(area.right() - size.width() - EdgeMargin, area.bottom() - size.height());
    // Up the right edge first, then column by column to the left; past
    // what is in the way in one step up.
    constexpr int StepX = 16, StepY = 8;
    for (int x = corner.x(); x >= area.left(); x -= StepX) {
        for (int y = corner.y(); y >= area.top();) {
            const QRect rect(QPoint(x, y), size);
            const auto in =
                std::find_if(avoid.cbegin(), avoid.cend(), [&rect](const QRect &r) { return r.intersects(rect); });
            if (in == avoid.cend()) {
                *at = QPoint(x, y);
                return true;
            }
            const int clear = y - (in->top() - size.height());
            y -= std::max(StepY, (clear + StepY - 1) / StepY * StepY);
        }
    }
    return false;
}

QPoint MsgTipInfoDlg::findRestingPlace() const
{
    // Never over another toast, nor over the buttons of the window it speaks
    // of (a dialog's OK and Cancel): over that window clear of every control
    // shown when there is room, else still over it clear of its buttons,
    // else anywhere on its screen clear of the controls, then of its
    // window's; never over another toast while the screen has room for one.
    const QRect own = restingArea(parentWidget(), size());
    QScreen *screen = QGuiApplication::screenAt(own.center());
    const QRect screenArea = screen ? screen->availableGeometry() : own;
    const QVector<QRect> toasts = toastPlaces(this);
    const QVector<QRect> ownButtons = ownControls(true);
    const QVector<QRect> allControls = shownControls();
    QPoint at;
    if (freePlace(own, size(), allControls + toasts, &at) || freePlace(own, size(), ownButtons + toasts, &at)
        || freePlace(screenArea, size(), allControls + toasts, &at)
        || freePlace(screenArea, size(), ownControls(false) + toasts, &at)
        || freePlace(screenArea, size(), toasts, &at))
        return at;
    return restingPlace(own, size(), allControls);
}

QVector<QRect> MsgTipInfoDlg::ownControls(bool buttonsOnly) const
{
    // The window that raised it, and the one the operator works in (a
    // dialog shown beside its parent rather than over it).
    QVector<QRect> rects;
    QWidget *raiser = parentWidget() ? parentWidget()->window() : nullptr;
    QWidget *active = QApplication::activeWindow();
    if (active == raiser)
        active = nullptr;
    for (QWidget *window : {raiser, active}) {
        if (window && window->isVisible() && !qobject_cast<MsgTipInfoDlg *>(window))
            rects += controlsOf(window, buttonsOnly);
    }
    return rects;
}

QVector<QRect> MsgTipInfoDlg::toastPlaces(const MsgTipInfoDlg *except)
{
    QVector<QRect> places;
    for (QWidget *w : QApplication::allWidgets()) {
        auto *toast = qobject_cast<MsgTipInfoDlg *>(w);
        if (!toast || toast == except || !toast->isVisible())
            continue;
        places.append(QRect(toast->endPosition(), toast->frameGeometry().size()));
    }
    return places;
}

int MsgTipInfoDlg::readingMs(const QString &text)
{
    // About four words a second once the eye found the toast; a script
    // written without spaces about eight signs a second.
    int words = 0;
    int signs = 0;
    bool inWord = false;
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Han || c.script() == QChar::Script_Hiragana
            || c.script() == QChar::Script_Katakana || c.script() == QChar::Script_Hangul) {
            ++signs;
            inWord = false;
        } else if (c.isSpace()) {
            inWord = false;
        } else if (!inWord) {
            ++words;
            inWord = true;
        }
    }
    constexpr int FindMs = 1000, WordMs = 250, SignMs = 125, MostMs = 15000;
    return std::min(MostMs, FindMs + WordMs * words + SignMs * signs);
}

QVector<QRect> MsgTipInfoDlg::shownControls()
{
    QVector<QRect> rects;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qobject_cast<MsgTipInfoDlg *>(top))
            continue;
        rects += controlsOf(top);
    }
    return rects;
}

QVector<QRect> MsgTipInfoDlg::controlsOf(QWidget *top, bool buttonsOnly)
{
    QVector<QRect> rects;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != top)
            continue;
        const bool button = qobject_cast<QAbstractButton *>(w);
        if (buttonsOnly ? !button
                        : !button && !qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w)
                              && !qobject_cast<QAbstractSpinBox *>(w) && !qobject_cast<QAbstractSlider *>(w)
                              && !qobject_cast<SwitchControl *>(w))
            continue;
        // Only what shows: a control scrolled out of its view covers nothing.
        const QRect shown = w->visibleRegion().boundingRect();
        if (!shown.isEmpty())
            rects.append(shown.translated(w->mapToGlobal(QPoint(0, 0))));
    }
    return rects;
}

void MsgTipInfoDlg::onHideTimerTimeout()
{
    m_hideTimer->stop();
    close();
}

void MsgTipInfoDlg::onLinkActivated(const QString &)
{
    if (m_linkPath.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(m_linkPath);
    if (QFileInfo(m_linkPath).isDir())
        Platform::launchUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
    else
        CommonHelper::showFileInFolder(path);
}

void MsgTipInfoDlg::enterEvent(QEvent *event)
{
    // Only a toast with a link waits for the pointer: the link is there to
    // be clicked. A plain one goes on time, off what lies beneath.
    if (!m_linkPath.isEmpty())
        m_hideTimer->stop();
    QDialog::enterEvent(event);
}

void MsgTipInfoDlg::leaveEvent(QEvent *event)
{
    if (!m_linkPath.isEmpty())
        m_hideTimer->start(m_duration);
    QDialog::leaveEvent(event);
}
