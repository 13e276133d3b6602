#pragma once

// The detection area of a detection page over the camera's live picture: a
// grid of blocks (rows x columns, each on or off) or one rectangle with its
// corners in percent of the picture, as the camera's `areaType` says. It reads
// the area part of a detection reply and builds the area part of a set body:
// the area as the camera sent it while the operator has not changed it (a
// grid shows digits above 1 as on, corners round to pixels), the area as
// drawn once he has.

#include <QHash>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class CaptureScreen;
class OpenGLRender;
class QTableWidget;
class QTableWidgetItem;

namespace Ui {
class OverlayWidget;
}

class OverlayWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultRows = 15;
    static constexpr int DefaultColumns = 20;
    // A grid the camera asks for beyond this is not believed (memory).
    static constexpr int MaxGridSide = 64;

    explicit OverlayWidget(QWidget *parent = nullptr);
    ~OverlayWidget() override;

    // The page gives it the sub-stream address on show and clears it on hide.
    OpenGLRender *preview() const { return m_preview; }

    // Both take the values of the detection body (findValuesInXml).
    void parseAreaXml(const QHash<QString, QString> &body);
    void setAreaSelect(const QHash<QString, QString> &body);
    void setBlockSelect(const QString &blockConfig);
    void setPointSelect(const QHash<QString, QString> &body);
    QString getAreaSelect() const;
    QString getBlockConfig() const;
    void setAreaVisible(bool visible);

    bool isGridMode() const { return m_gridMode; }
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    QTableWidget *grid() const { return m_grid; }
    CaptureScreen *selector() const { return m_selector; }

    static void initTable(QTableWidget *table, QList<QTableWidgetItem *> &cells, int rows, int columns);

private:
    OpenGLRender *m_preview;
    Ui::OverlayWidget *ui;
    QTableWidget *m_grid;
    QList<QTableWidgetItem *> m_cells;
    CaptureScreen *m_selector;
    // The area of the last reply, and what the grid or selector showed of it.
    QHash<QString, QString> m_received;
    bool m_receivedGridMode = true;
    QString m_shownBlocks;
    QRect m_shownRect;
    bool m_gridMode = true;
    int m_rows = DefaultRows;
    int m_columns = DefaultColumns;
};
