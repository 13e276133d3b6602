#include "CustomDialog.h"

#include "ui_CustomDialog.h"

#include <QMap>
#include <QMouseEvent>
#include <QPixmap>

CustomDialog::CustomDialog(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CustomDialog)
{
    ui->setupUi(this);
    // The title row belongs in the painted band, however tall the dialog grows.
    ui->verticalLayout->setAlignment(ui->titleLayout, Qt::AlignTop);
    setWindowFlags(windowFlags() | Qt::Popup | Qt::FramelessWindowHint);
    ui->pushButtonIcon->hide();
    ui->labelInfoIcon->hide();
    setObjectName(QStringLiteral("TipsWidget"));
}

CustomDialog::~CustomDialog()
{
    delete ui;
}

void CustomDialog::setTitle(const QString &title)
{
    ui->labelTitle->setText(title);
}

void CustomDialog::setText(const QString &text)
{
    ui->labelInfo->setText(text);
}

void CustomDialog::setIcon(const QString &path)
{
    const QPixmap pixmap(path);
    ui->labelInfoIcon->setPixmap(
        pixmap.isNull() ? QPixmap() : pixmap.scaled(30, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    ui->labelInfoIcon->show();
}

void CustomDialog::setTitleIcon(const QString &path)
{
    ui->pushButtonIcon->setStyleSheet(QStringLiteral("QPushButton {border-image:url(%1);}").arg(path));
    ui->pushButtonIcon->show();
}

void CustomDialog::hideButtons(bool hide)
{
    ui->pushButtonOK->setVisible(!hide);
    ui->pushButtonCancel->setVisible(!hide);
}

QString CustomDialog::iconPath(int iconType)
{
    static const QMap<int, QString> icons{
        {0, QStringLiteral(":Resources/Skin/Default/icon/warn.png")},
        {1, QStringLiteral(":Resources/Skin/Default/icon/info.png")},
        {2, QStringLiteral(":Resources/Skin/Default/icon/success.png")},
        {3, QStringLiteral(":Resources/Skin/Default/icon/fail.png")},
    };
    return icons.value(iconType);
}

int CustomDialog::showMessage(const QString &text, bool cancelVisible, bool okVisible, int iconType)
{
    const QString path = iconPath(iconType);
    CustomDialog dialog(nullptr);
    dialog.setObjectName(QStringLiteral("TipsWidget"));
    dialog.setTitle(tr("Tips"));
    dialog.setTitleIcon(path);
    dialog.setText(text);
    dialog.setIcon(path);
    dialog.ui->pushButtonOK->setVisible(okVisible);
    dialog.ui->pushButtonCancel->setVisible(cancelVisible);
    dialog.raise();
    return dialog.exec();
}

void CustomDialog::onEnterPressed()
{
    on_pushButtonOK_clicked();
}

void CustomDialog::on_pushButtonOK_clicked()
{
    accept();
}

void CustomDialog::on_pushButtonCancel_clicked()
{
    reject();
}

void CustomDialog::on_pushButtonClose_clicked()
{
    reject();
}

void CustomDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_pressPoint = event->pos();
    }
}

void CustomDialog::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void CustomDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(pos() + event->pos() - m_pressPoint);
}

void CustomDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    DropShadowWidget::changeEvent(event);
}
