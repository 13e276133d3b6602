#pragma once

// The widget helpers of CommonHelper, defined in the widgets library (the
// general ones are in Common's CommonHelper.h).

#include <QList>
#include <QPair>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <initializer_list>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace CommonHelper {

// Tool tip := trimmed text; text := that text elided on the right to the width.
void setElidedButtonText(QAbstractButton *button);
void setElidedLabelText(QLabel *label);
// Buttons first, then labels, of every descendant.
void elideChildTexts(QWidget *widget);
// The texts elided for an earlier room whole again (from their tips).
void wholeChildTexts(QWidget *widget);
// A dialog made for the English texts takes the room a longer translation
// needs (it only grows), then shortens what still does not fit: against the
// laid-out widths, not the default ones.
void fitDialogToTexts(QWidget *dialog);
// Widgets that come and go with a read or a mode keep their room while
// hidden: nothing else on the page moves when they show.
void keepRoomWhenHidden(std::initializer_list<QWidget *> widgets);
// A "Copy" context menu, bound once per edit however often it is called.
void addCopyAction(QLineEdit *edit, QWidget *owner);
void addCopyMenu(QWidget *widget);
// Return and Enter click the button while it has the focus, as Space does.
void clickOnEnter(QAbstractButton *button);
// Shows a notice (a toast, a pop-up) without activating it: neither it nor
// its children take the keyboard, which stays with the field the operator
// types into; the mouse still reaches its links and buttons.
void showWithoutFocus(QWidget *notice);
// folder: 0 Login, 1 MainWindow, 2 Playback; skinned picks the current skin.
void setButtonImages(QPushButton *button, int folder, const QString &normal, const QString &hover, bool skinned);
// image holds `states` frames side by side: normal, hover, pressed/checked, disabled.
void setSpriteButton(QPushButton *button, const QString &image, int states);
void setWidgetsLocale(QWidget *widget, int languageIndex);
QRect screenGeometryOf(QWidget *widget);
// Top-left of the widget moved by offset, kept inside the union of all screens.
QPoint adjustRectToScreen(QWidget *widget, const QPoint &offset);
QPoint centerOnParent(const QRect &area, QWidget *widget);
// Percent (0..100) <-> pixels of a widget of `size`.
QRect percentRectToWidget(const QSize &size, const QPointF &topLeft, const QPointF &bottomRight, bool toPixels);
// Waits while events keep being processed.
void waitMs(int ms);
// Six numbers: four tick-pattern values, ticks per label, minutes per label.
QList<int> getTimeScaleParams(double zoomPercent);
// (translated name, sound id) of the voice-alarm sounds.
QList<QPair<QString, int>> alarmAudioList();
// Trailing "view" button on a password field; needAuth asks for the local
// account's password (re-authentication dialog) before showing the text.
void addPasswordViewAction(QLineEdit *edit, bool needAuth);
void togglePasswordVisible(QLineEdit *edit, bool needAuth);
// A red frame around a field the operator has to correct; it goes when he
// edits the field or when the mark is taken off.
void markAtFault(QLineEdit *edit, bool atFault);
// Shows the field a refusal is about as the device dialogs do: marked and
// focused. A greyed field cannot take the focus, so the message then names
// it by the label whose buddy it is. Returns the message to show; a null
// field leaves it as it is.
QString pointAtFault(QLineEdit *field, const QString &message);

} // namespace CommonHelper
