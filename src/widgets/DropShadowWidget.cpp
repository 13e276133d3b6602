#include "DropShadowWidget.h"

#include "CommonHelperWidgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRect>
#include <QTextDocument>

namespace {
const QColor kBandColor(19, 22, 27);
const QColor kBodyColor(40, 43, 48);
} // namespace

DropShadowWidget::DropShadowWidget(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
}

void DropShadowWidget::onEnterPressed() { }

void DropShadowWidget::onEscPressed() { }

QLabel *DropShadowWidget::titleLabel() const
{
    for (const char *name : {"m_lblTextTitle", "labelTitle", "m_lblTitle"}) {
        for (QLabel *label : findChildren<QLabel *>(QLatin1String(name))) {
            if (label->window() == this)
                return label;
        }
    }
    // Dialogs whose title label has no telling name: the first label with a
    // text inside the title band.
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->window() != this || label->isHidden() || label->text().trimmed().isEmpty())
            continue;
        const QRect shown(label->mapTo(this, QPoint(0, 0)), label->size());
        if (shown.bottom() < TitleHeight + 4)
            return label;
    }
    return nullptr;
}

void DropShadowWidget::syncWindowTitle()
{
    QLabel *label = titleLabel();
    QString shown = label ? label->text().trimmed() : QString();
    // A title elided to its label's width keeps its whole text in the tip.
    if (shown.endsWith(QChar(0x2026)) && !label->toolTip().trimmed().isEmpty())
        shown = label->toolTip().trimmed();
    if (!shown.isEmpty() && !Qt::mightBeRichText(shown))
        setWindowTitle(shown);
    else if (windowTitle() == QLatin1String(metaObject()->className()))
        setWindowTitle(QString());
}

void DropShadowWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_pressPoint = event->pos();
    }
}

void DropShadowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void DropShadowWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    move(CommonHelper::adjustRectToScreen(this, event->pos() - m_pressPoint));
}

void DropShadowWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        onEscPressed();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        onEnterPressed();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void DropShadowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(0, 0, width(), TitleHeight), kBandColor);
    painter.fillRect(QRect(0, TitleHeight, width(), height() - TitleHeight), kBodyColor);
    painter.setPen(QPen(kBandColor, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int r = width() - 1;
    const int b = height() - 1;
    painter.drawLine(0, 0, r, 0);
    painter.drawLine(0, 0, 0, b);
    painter.drawLine(r, 0, r, b);
    painter.drawLine(0, b, r, b);
}

void DropShadowWidget::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void DropShadowWidget::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CommonHelper::addCopyMenu(this);
    syncWindowTitle();
}

void DropShadowWidget::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Dialogs retranslate their labels in their own handler, before or after
    // this one: the title is taken once they are done.
    if (event->type() == QEvent::LanguageChange)
        QTimer::singleShot(0, this, &DropShadowWidget::syncWindowTitle);
}
