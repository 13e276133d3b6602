#include "CommonHelperWidgets.h"

#include "CommonHelper.h"

#include "Authentication.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

// The text to elide: the full text kept in the tool tip when the widget already
// shows its elided form, so a second call does not lose the full text.
QString fullText(const QString &shown, const QString &toolTip, const QFontMetrics &fm, int width)
{
    const QString tip = toolTip.trimmed();
    if (!tip.isEmpty() && tip != shown.trimmed() && fm.elidedText(tip, Qt::ElideRight, width) == shown)
        return tip;
    return shown.trimmed();
}

// Clicks its button on Return/Enter; lives as the button's child.
class EnterClicks : public QObject
{
public:
    explicit EnterClicks(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
    {
        setObjectName(QStringLiteral("enterClicks"));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (m_button->isEnabled())
            m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

// A platform may activate a window shown without activation all the same
// (some window managers, the offscreen platform): the window the operator was
// in is activated again, with the focus where it was.
class HandsKeyboardBack : public QObject
{
public:
    explicit HandsKeyboardBack(QWidget *notice)
        : QObject(notice)
        , m_notice(notice)
    {
        setObjectName(QStringLiteral("handsKeyboardBack"));
    }

    QPointer<QWidget> workedIn;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_notice && event->type() == QEvent::WindowActivate && workedIn && workedIn->isVisible()
            && !workedIn->isMinimized())
            workedIn->activateWindow();
        return false;
    }

private:
    QWidget *m_notice;
};

} // namespace

void CommonHelper::showWithoutFocus(QWidget *notice)
{
    if (!notice)
        return;
    notice->setAttribute(Qt::WA_ShowWithoutActivating);
    if (!notice->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        notice->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    notice->setFocusPolicy(Qt::NoFocus);
    for (QWidget *child : notice->findChildren<QWidget *>())
        child->setFocusPolicy(Qt::NoFocus);
    auto *guard =
        notice->findChild<HandsKeyboardBack *>(QStringLiteral("handsKeyboardBack"), Qt::FindDirectChildrenOnly);
    if (!guard) {
        guard = new HandsKeyboardBack(notice);
        notice->installEventFilter(guard);
    }
    // Another notice is no window to hand the keyboard back to.
    QWidget *active = QApplication::activeWindow();
    const bool worksIn = active && active != notice && !active->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
    guard->workedIn = worksIn ? active : nullptr;
    notice->show();
}

void CommonHelper::clickOnEnter(QAbstractButton *button)
{
    if (!button || button->findChild<QObject *>(QStringLiteral("enterClicks"), Qt::FindDirectChildrenOnly))
        return;
    button->installEventFilter(new EnterClicks(button));
}

void CommonHelper::setElidedButtonText(QAbstractButton *button)
{
    if (!button)
        return;
    const QFontMetrics fm(button->font());
    // A shown button draws its text in its contents, inside the style sheet's
    // padding and beside its icon; measured on the whole width the text stayed
    // too long and was clipped at both ends. Before its window is laid out a
    // button has no final width, and the whole one is the better guess.
    int width = button->width();
    if (qobject_cast<QPushButton *>(button) && button->window()->isVisible()) {
        QStyleOptionButton option;
        option.initFrom(button);
        // Two pixels of slack: a button laid out at its size hint has room
        // for the rounded advance of its text, not its fractional one.
        width = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() + 2;
        if (!button->icon().isNull())
            width -= button->iconSize().width() + 4;
    }
    width = std::max(width, 0);
    const QString text = fullText(button->text(), button->toolTip(), fm, width);
    button->setToolTip(text);
    button->setText(fm.elidedText(text, Qt::ElideRight, width));
}

void CommonHelper::setElidedLabelText(QLabel *label)
{
    if (!label)
        return;
    // Eliding would wipe a picture label's pixmap, cut a wrapped message down
    // to one line, or break the markup of a link; those labels are left alone.
    if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
        return;
    const QFontMetrics fm(label->font());
    const QString text = fullText(label->text(), label->toolTip(), fm, label->width());
    label->setToolTip(text);
    label->setText(fm.elidedText(text, Qt::ElideRight, label->width()));
}

void CommonHelper::wholeChildTexts(QWidget *widget)
{
    const auto whole = [](auto *w) {
        const QString text = w->text();
        const QString tip = w->toolTip();
        if (text.endsWith(QChar(0x2026)) && tip.startsWith(text.chopped(1)) && tip != text)
            w->setText(tip);
    };
    for (QLabel *label : widget->findChildren<QLabel *>())
        whole(label);
    for (QAbstractButton *button : widget->findChildren<QAbstractButton *>())
        whole(button);
}

void CommonHelper::fitDialogToTexts(QWidget *dialog)
{
    if (!dialog || !dialog->layout())
        return;
    // Measured as drawn (the style sheet's fonts), with the texts whole and
    // every layout told of them.
    dialog->ensurePolished();
    wholeChildTexts(dialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    dialog->layout()->activate();
    // No larger than the screen: what still does not fit is elided, whole in its tip.
    const QRect screen = screenGeometryOf(dialog);
    dialog->resize(dialog->size().expandedTo(dialog->sizeHint()).boundedTo(screen.size().expandedTo(dialog->size())));
    // A dialog not shown yet is not laid out again by its resize.
    dialog->layout()->invalidate();
    dialog->layout()->activate();
    elideChildTexts(dialog);
}

void CommonHelper::keepRoomWhenHidden(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *w : widgets) {
        QSizePolicy policy = w->sizePolicy();
        if (policy.retainSizeWhenHidden())
            continue;
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
}

void CommonHelper::elideChildTexts(QWidget *widget)
{
    if (!widget)
        return;
    // A form is elided right after it is built, before its layout has given
    // the children their widths: eliding then would cut every text longer than
    // a fresh widget's default width for good, however much room the layout
    // gives it later. Only widgets that already have a size are elided. A
    // child dialog lays out only when it opens, so its texts are left alone.
    const QWidget *window = widget->window();
    for (QPushButton *button : widget->findChildren<QPushButton *>()) {
        if (button->window() == window && button->testAttribute(Qt::WA_Resized))
            setElidedButtonText(button);
    }
    for (QLabel *label : widget->findChildren<QLabel *>()) {
        if (label->window() == window && label->testAttribute(Qt::WA_Resized))
            setElidedLabelText(label);
    }
}

void CommonHelper::addCopyAction(QLineEdit *edit, QWidget *owner)
{
    if (!edit)
        return;
    if (edit->property("contextMenuBound").toBool())
        return;
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *action =
        new QAction(QCoreApplication::translate("CommonHelper", "Copy"), owner ? static_cast<QObject *>(owner) : edit);
    action->setShortcut(QKeySequence::Copy);
    QPointer<QLineEdit> target(edit);
    QObject::connect(action, &QAction::triggered, edit, [target] {
        if (target)
            target->copy();
    });
    QPointer<QAction> menuAction(action);
    QObject::connect(edit, &QLineEdit::customContextMenuRequested, edit, [menuAction](const QPoint &) {
        if (!menuAction)
            return;
        QMenu menu;
        menu.addAction(menuAction);
        menu.exec(QCursor::pos());
    });
    edit->setProperty("contextMenuBound", true);
    edit->setFocusPolicy(Qt::StrongFocus);
}

void CommonHelper::addCopyMenu(QWidget *widget)
{
    if (!widget)
        return;
    for (QLineEdit *edit : widget->findChildren<QLineEdit *>())
        addCopyAction(edit, widget);
}

void CommonHelper::setButtonImages(QPushButton *button, int folder, const QString &normal, const QString &hover,
                                   bool skinned)
{
    if (!button)
        return;
    static const QMap<int, QString> folders{
        {0, QStringLiteral(":/Resources/Skin/Default/Login/")},
        {1, QStringLiteral(":/Resources/Skin/Default/MainWindow/")},
        {2, QStringLiteral(":/Resources/Skin/Default/Playback/")},
    };
    QString dir = folders.value(folder);
    if (skinned)
        dir.replace(QStringLiteral("Default"), getSkinName());
    button->setStyleSheet(QStringLiteral("QPushButton {border-image:url(%1); font-size:12px;}"
                                         "QPushButton:hover:pressed {border-image:url(%2);font-size:12px;}"
                                         "QPushButton:hover:!pressed {border-image:url(%2);font-size:12px;}")
                              .arg(dir + normal, dir + hover));
}

void CommonHelper::setSpriteButton(QPushButton *button, const QString &image, int states)
{
    if (!button || states <= 0)
        return;
    const QImage sprite(image);
    if (sprite.isNull())
        return;
    const int w = sprite.width() / states;
    button->setFixedSize(w, sprite.height());
    button->setStyleSheet(
        QStringLiteral("QPushButton{ border-image: url(%1) 0 0 0 %2 repeat repeat;}"
                       "QPushButton::hover{ border-image: url(%1) 0 0 0 %3 repeat repeat;}"
                       "QPushButton::pressed, QPushButton::checked{ border-image: url(%1) 0 0 0 %4 repeat repeat;}"
                       "QPushButton::disabled{ border-image: url(%1) 0 0 0 %5 repeat repeat;}")
            .arg(image)
            .arg(0)
            .arg(w)
            .arg(2 * w)
            .arg(3 * w));
}

void CommonHelper::setWidgetsLocale(QWidget *widget, int languageIndex)
{
    if (!widget)
        return;
    const QLocale::Language language = languageLocaleMap().value(languageIndex, QLocale::English);
    widget->setLocale(QLocale(language, QLocale::AnyCountry));
}

QRect CommonHelper::screenGeometryOf(QWidget *widget)
{
    QScreen *screen = nullptr;
    if (widget) {
        QPoint centre = widget->geometry().center();
        if (widget->parentWidget())
            centre = widget->parentWidget()->mapToGlobal(centre);
        screen = QGuiApplication::screenAt(centre);
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint CommonHelper::adjustRectToScreen(QWidget *widget, const QPoint &offset)
{
    if (!widget)
        return offset;
    QRect all;
    for (QScreen *screen : QGuiApplication::screens())
        all = all.united(screen->geometry());
    QRect r = widget->geometry().translated(offset);
    r.moveLeft(std::max(all.left(), std::min(all.right() - r.width(), r.left())));
    r.moveTop(std::max(all.top(), std::min(all.bottom() - r.height(), r.top())));
    return r.topLeft();
}

QPoint CommonHelper::centerOnParent(const QRect &area, QWidget *widget)
{
    if (!widget)
        return QPoint(0, 0);
    return area.center() - QPoint(widget->width() / 2, widget->height() / 2);
}

QRect CommonHelper::percentRectToWidget(const QSize &size, const QPointF &topLeft, const QPointF &bottomRight,
                                        bool toPixels)
{
    const double w = size.width();
    const double h = size.height();
    auto convert = [&](const QPointF &p) {
        if (toPixels)
            return QPoint(int(p.x() * w / 100.0), int(p.y() * h / 100.0));
        // An empty widget has no percent scale; keep the corner at 0 rather than
        // turning a division by zero into an undefined integer.
        return QPoint(w > 0 ? int(p.x() / w * 100.0) : 0, h > 0 ? int(p.y() / h * 100.0) : 0);
    };
    return QRect(convert(topLeft), convert(bottomRight));
}

void CommonHelper::waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(std::max(0, ms), &loop, &QEventLoop::quit);
    loop.exec();
}

QList<int> CommonHelper::getTimeScaleParams(double zoomPercent)
{
    struct Row
    {
        double limit;
        QList<int> params;
    };
    static const QList<Row> rows{
        {0.5, {1, 2, 0, -1, 4, 240}},    {1.5, {2, 4, 2, 0, 4, 120}},    {4.0, {6, 6, 3, 0, 6, 60}},
        {8.0, {12, 6, 3, 0, 6, 30}},     {30.0, {60, 10, 5, 0, 10, 10}}, {75.0, {120, 10, 2, 0, 10, 5}},
        {86400.0, {360, 6, 3, 0, 6, 1}},
    };
    for (const Row &row : rows) {
        if (row.limit > zoomPercent)
            return row.params;
    }
    return rows.last().params;
}

QList<QPair<QString, int>> CommonHelper::alarmAudioList()
{
    return {
        {QCoreApplication::translate("CommonHelper", "Siren"), 5},
        {QCoreApplication::translate("CommonHelper", "Doorbell"), 8},
        {QCoreApplication::translate("CommonHelper", "Bark"), 9},
    };
}

void CommonHelper::addPasswordViewAction(QLineEdit *edit, bool needAuth)
{
    if (!edit)
        return;
    static const QIcon icon(QStringLiteral(":Resources/Skin/Default/icon/view_icon.png"));
    QAction *action = edit->addAction(icon, QLineEdit::TrailingPosition);
    action->setObjectName(QStringLiteral("passwordViewAction"));
    QPointer<QLineEdit> target(edit);
    QObject::connect(action, &QAction::triggered, edit, [target, needAuth] {
        if (target)
            togglePasswordVisible(target, needAuth);
    });
}

void CommonHelper::togglePasswordVisible(QLineEdit *edit, bool needAuth)
{
    if (!edit)
        return;
    QPointer<QLineEdit> target(edit);
    if (needAuth) {
        Authentication auth(edit->window());
        if (auth.exec() != QDialog::Accepted)
            return;
    }
    if (!target)
        return;
    target->setEchoMode(target->echoMode() == QLineEdit::Password ? QLineEdit::Normal : QLineEdit::Password);
}

void CommonHelper::markAtFault(QLineEdit *edit, bool atFault)
{
    if (!edit || edit->property("atFault").toBool() == atFault)
        return;
    if (!atFault) {
        edit->setStyleSheet(edit->property("styleBeforeFault").toString());
        edit->setProperty("atFault", false);
        return;
    }
    // The field's own sheet wins over the application's, the focus frame
    // included: the mark shows while the field has the focus.
    const QString before = edit->styleSheet();
    const QString rule = QStringLiteral("QLineEdit { border: 1px solid rgb(229, 72, 77); }");
    edit->setProperty("styleBeforeFault", before);
    edit->setProperty("atFault", true);
    if (before.trimmed().isEmpty())
        edit->setStyleSheet(rule);
    else if (before.contains(QLatin1Char('{')))
        edit->setStyleSheet(before + QLatin1Char('\n') + rule);
    else
        edit->setStyleSheet(QStringLiteral("QLineEdit { %1 }\n").arg(before) + rule);
    if (!edit->property("atFaultBound").toBool()) {
        edit->setProperty("atFaultBound", true);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] { markAtFault(edit, false); });
    }
}

QString CommonHelper::pointAtFault(QLineEdit *field, const QString &message)
{
    if (!field)
        return message;
    markAtFault(field, true);
    if (field->isEnabled()) {
        field->setFocus();
        return message;
    }
    for (const QLabel *label : field->window()->findChildren<QLabel *>()) {
        if (label->buddy() != field)
            continue;
        // An elided label keeps its whole text in its tool tip.
        const bool elided = label->text().contains(QChar(0x2026)) && !label->toolTip().isEmpty();
        const QString name = (elided ? label->toolTip() : label->text()).trimmed();
        if (!name.isEmpty())
            return QCoreApplication::translate("CommonHelper", "%1: %2").arg(message, name);
    }
    return message;
}
