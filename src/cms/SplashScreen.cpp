#include "SplashScreen.h"
#include "ui_SplashScreen.h"

#include "WindowGone.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLayout>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>

namespace {

// A closable splash is an ordinary window, so that the window manager gives
// it the keyboard and offers its close; the other one stays a splash.
Qt::WindowFlags splashFlags(bool closable)
{
    if (closable)
        return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    return Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
}

constexpr int FirstPaintMs = 1000;

} // namespace

SplashScreen::SplashScreen(QWidget *parent, bool closable)
    : QWidget(parent, splashFlags(closable))
    , ui(new Ui::SplashScreen)
    , m_closable(closable)
{
    ui->setupUi(this);
    setWindowTitle(QApplication::applicationName());
    if (m_closable) {
        setFocusPolicy(Qt::StrongFocus);
        // Not closed but gone: the start ends all the same, never left
        // running without a window.
        connect(new WindowGone(this), &WindowGone::gone, this, [this] {
            qInfo() << "Start-up splash's window destroyed by another program";
            emit closeRequested();
        });
    }
    setAttribute(Qt::WA_StyledBackground);
    ui->labelLogo->setPixmap(QPixmap(QStringLiteral(":/Resources/Skin/Default/Login/logo.png"))
                                 .scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->labelAppName->setText(QApplication::applicationName());

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SplashScreen::~SplashScreen()
{
    delete ui;
}

void SplashScreen::showPainted()
{
    // The first paint of a start (styles, fonts, the scaled logo) is made
    // here, before the window is mapped: mapped first, the window would stay
    // blank for as long as that takes.
    ensurePolished();
    if (layout())
        layout()->activate();
    (void)grab();
    show();
    raise();
    if (m_closable)
        activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < FirstPaintMs) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!(windowHandle() && windowHandle()->isExposed()))
            QThread::msleep(5);
    }
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashScreen::keyPressEvent(QKeyEvent *event)
{
    if (m_closable && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplashScreen::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (m_closable && event->isAccepted()) {
        qInfo() << "Start-up splash closed by the operator";
        emit closeRequested();
    }
}

void SplashScreen::setProgress(int percent, const QString &text)
{
    ui->splashProgress->setValue(qBound(0, percent, 100));
    ui->splashText->setText(text);
    qInfo().noquote() << "Start-up" << percent << "%" << text;
    if (isVisible())
        repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int SplashScreen::progress() const
{
    return ui->splashProgress->value();
}

QString SplashScreen::text() const
{
    return ui->splashText->text();
}
