#include "RemoteCfg_Widget.h"

#include "CommonHelper.h"

#include <QEvent>

RemoteCfg_Widget::RemoteCfg_Widget(QWidget *parent)
    : QWidget(parent)
{
    CommonHelper::elideChildTexts(this);
}

RemoteCfg_Widget::~RemoteCfg_Widget() = default;

void RemoteCfg_Widget::onSaveResult(int, bool)
{
}

void RemoteCfg_Widget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    CommonHelper::addCopyMenu(this);
}

void RemoteCfg_Widget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        CommonHelper::elideChildTexts(this);
}
