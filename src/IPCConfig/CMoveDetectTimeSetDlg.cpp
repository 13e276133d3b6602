#include "CMoveDetectTimeSetDlg.h"
#include "ui_CMoveDetectTimeSetDlg.h"

#include "DeploymentTimeTableView.h"

#include <QButtonGroup>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

CMoveDetectTimeSetDlg::CMoveDetectTimeSetDlg(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CMoveDetectTimeSetDlg)
    , m_dayButtons(new QButtonGroup(this))
{
    ui->setupUi(this);
    // The style sheet's background needs a styled plain widget.
    setAttribute(Qt::WA_StyledBackground);
    const QIcon clearIcon(QStringLiteral(":/Resources/Skin/Default/MainWindow/ptz_presetDelete.png"));
    const QList<QToolButton *> buttons{ui->toolButton_sun, ui->toolButton_mon, ui->toolButton_tue, ui->toolButton_wed,
                                       ui->toolButton_thu, ui->toolButton_fri, ui->toolButton_sat};
    for (int day = 0; day < buttons.size(); ++day) {
        buttons.at(day)->setIcon(clearIcon);
        m_dayButtons->addButton(buttons.at(day), day);
    }
    connect(m_dayButtons, &QButtonGroup::idClicked, ui->tableView, &DeploymentTimeTableView::clearDay);
}

CMoveDetectTimeSetDlg::~CMoveDetectTimeSetDlg()
{
    delete ui;
}

DeploymentTimeTableView *CMoveDetectTimeSetDlg::table() const
{
    return ui->tableView;
}

RemoteCfg_Widget::Week CMoveDetectTimeSetDlg::getTimes() const
{
    return ui->tableView->getCheckedTimes();
}

void CMoveDetectTimeSetDlg::setTimes(const RemoteCfg_Widget::Week &times)
{
    ui->tableView->clearAll();
    for (int day = 0; day < times.size(); ++day) {
        for (const auto &period : times.at(day))
            ui->tableView->setChecked(day, period);
    }
}

bool CMoveDetectTimeSetDlg::hasTooManyPeriods(const RemoteCfg_Widget::Week &times)
{
    for (const auto &day : times) {
        if (day.size() > MaxPeriodsPerDay)
            return true;
    }
    return false;
}

void CMoveDetectTimeSetDlg::keyPressEvent(QKeyEvent *event)
{
    // The enclosing configuration window must neither close nor confirm.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CMoveDetectTimeSetDlg::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::white);
    const QRect table = ui->tableView->geometry();
    const double step = table.width() / 24.0;
    for (int i = 0; i <= 24; ++i) {
        // Each number stands over the boundary where its hour begins.
        const double shift = i < 10 ? 2.0 : 7.0;
        const int x = int(i * step + table.left() - shift);
        painter.drawText(QPoint(x, table.top() - 2), QString::number(i));
    }
}

void CMoveDetectTimeSetDlg::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    RemoteCfg_Widget::elideWhenLaidOut(this);
}
