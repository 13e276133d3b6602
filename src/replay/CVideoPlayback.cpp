#include "CVideoPlayback.h"
#include "ui_CVideoPlayback.h"

#include "WidgetHelpers.h"

#include <QDebug>
#include <QEvent>
#include <QMetaObject>

CVideoPlayback::CVideoPlayback(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CVideoPlayback)
{
    ui->setupUi(this);
    setBackgroundColor(this, QColor(40, 43, 48));
    ui->tabWidget->setCurrentIndex(NvrTab);
    ui->tabWidget->setTabVisible(CloudTab, false);
}

CVideoPlayback::~CVideoPlayback()
{
    delete ui;
}

QTabWidget *CVideoPlayback::tabWidget() const
{
    return ui->tabWidget;
}

QWidget *CVideoPlayback::tabPage(int tab) const
{
    switch (tab) {
    case LocalTab:
        return ui->pageLocal;
    case NvrTab:
        return ui->pageNVR;
    case CloudTab:
        return ui->pageIOT;
    default:
        return nullptr;
    }
}

void CVideoPlayback::resetWindow(QWidget *window)
{
    if (window && window->metaObject()->indexOfMethod("resetReplay()") >= 0)
        QMetaObject::invokeMethod(window, "resetReplay", Qt::DirectConnection);
}

void CVideoPlayback::setCloudTabVisible(bool visible)
{
    const bool wasCurrent = ui->tabWidget->currentIndex() == CloudTab;
    ui->tabWidget->setTabVisible(CloudTab, visible);
    if (!visible && wasCurrent) {
        resetWindow(ui->pageIOT);
        ui->tabWidget->setCurrentIndex(NvrTab);
    }
}

void CVideoPlayback::stopAll()
{
    // A hidden page's windows were reset when they were hidden.
    if (!isVisible())
        return;
    resetWindow(ui->pageLocal);
    resetWindow(ui->pageNVR);
    resetWindow(ui->pageIOT);
}

void CVideoPlayback::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("CVideoPlayback"));
        ui->tabWidget->setTabText(LocalTab, tr("Local"));
        ui->tabWidget->setTabText(NvrTab, tr("NVR"));
        ui->tabWidget->setTabText(CloudTab, tr("Cloud"));
    }
    QWidget::changeEvent(event);
}
