#pragma once

#include <QColor>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>

// Semi-transparent cover over the main window while a listed dialog is shown.
// Dialogs are recognised by object name; shown ones are tracked by object, so
// two dialogs with one name, or a dialog deleted while shown, keep it right.
// The cover is a translucent window of its own where a compositing manager
// runs; without one such a window shows solid black, so the shade is then
// painted inside the main window instead.
class MaskWidget : public QWidget
{
    Q_OBJECT

public:
    static MaskWidget *instance();

    QStringList dialogNames() const { return m_dialogNames; }
    int shownDialogCount() const { return m_shownDialogs.size(); }
    // The cover painted inside the main window (null until first needed).
    QWidget *overlay() const { return m_overlay; }
    bool isShading() const;

    // Whether translucent windows are composited. The default asks the X
    // server for a compositing manager (other platforms always composite);
    // tests replace it. An empty function restores the default.
    static void setCompositingProbe(std::function<bool()> probe);
    static bool compositingRunning();

public slots:
    void setMainWidget(QWidget *widget);
    void setDialogNames();
    void setBgColor(QColor bgColor);
    void setOpacity(double opacity);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    explicit MaskWidget(QWidget *parent = nullptr);
    void forget(QObject *dialog);
    void shade();
    void unshade();

    QPointer<QWidget> m_mainWidget;
    QPointer<QWidget> m_overlay;
    QColor m_colour = Qt::black;
    double m_opacity = 0.6;
    QStringList m_dialogNames;
    QSet<QObject *> m_shownDialogs;
};
