#include "OverlayWidget.h"
#include "ui_OverlayWidget.h"

#include "CaptureScreen.h"
#include "CommonHelperWidgets.h"
#include "DeviceValues.h"
#include "IpcBodies.h"
#include "OpenGLRender.h"

#include <QDebug>
#include <QHeaderView>
#include <QTableWidget>

namespace {

constexpr int Width = 400;
constexpr int Height = 300;

// A side of the grid from the reply's text; 0 when missing, not a number or
// out of bounds.
int gridSide(const QHash<QString, QString> &body, const QString &key, int fallback)
{
    const QString text = body.value(key, QString::number(fallback));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= OverlayWidget::MaxGridSide ? value : 0;
}

} // namespace

OverlayWidget::OverlayWidget(QWidget *parent)
    : QWidget(parent)
    , m_preview(new OpenGLRender(this))
    , ui(new Ui::OverlayWidget)
{
    ui->setupUi(this);
    m_preview->setGeometry(0, 0, Width, Height);
    m_selector = new CaptureScreen(m_preview);
    m_selector->setGeometry(0, 0, Width, Height);
    m_grid = new QTableWidget(m_preview);
    m_grid->setGeometry(0, 0, Width, Height);
    m_grid->setStyleSheet(
        QStringLiteral("QTableWidget { background: transparent; gridline-color: rgba(201, 205, 212, 90); }"
                       "QTableWidget::item:selected { background: rgba(78, 161, 243, 110); }"));
    initTable(m_grid, m_cells, m_rows, m_columns);
    m_grid->hide();
    m_selector->hide();
}

OverlayWidget::~OverlayWidget()
{
    delete ui;
}

void OverlayWidget::initTable(QTableWidget *table, QList<QTableWidgetItem *> &cells, int rows, int columns)
{
    if (!table)
        return;
    cells.clear();
    table->clear();
    table->setAttribute(Qt::WA_TranslucentBackground);
    table->setFocusPolicy(Qt::NoFocus);
    table->setRowCount(rows);
    table->setColumnCount(columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto *item = new QTableWidgetItem;
            table->setItem(r, c, item);
            cells.append(item);
        }
    }
    for (QHeaderView *header : {table->horizontalHeader(), table->verticalHeader()}) {
        header->setMinimumSectionSize(10);
        header->setSectionResizeMode(QHeaderView::Stretch);
        header->hide();
    }
    table->setSelectionMode(QAbstractItemView::MultiSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFrameShape(QFrame::NoFrame);
}

void OverlayWidget::parseAreaXml(const QHash<QString, QString> &body)
{
    m_gridMode = body.value(QStringLiteral("areaType")) != QLatin1String("point");
    if (!m_gridMode)
        return;
    int rows = gridSide(body, QStringLiteral("rows"), DefaultRows);
    int columns = gridSide(body, QStringLiteral("columns"), DefaultColumns);
    if (rows == 0 || columns == 0) {
        qWarning() << "OverlayWidget: grid size not usable:" << body.value(QStringLiteral("rows"))
                   << body.value(QStringLiteral("columns"));
        rows = DefaultRows;
        columns = DefaultColumns;
    }
    if (rows == m_rows && columns == m_columns)
        return;
    m_rows = rows;
    m_columns = columns;
    initTable(m_grid, m_cells, m_rows, m_columns);
}

void OverlayWidget::setAreaSelect(const QHash<QString, QString> &body)
{
    if (m_gridMode)
        setBlockSelect(body.value(QStringLiteral("blockConfig")));
    else
        setPointSelect(body);
    m_received.clear();
    const QStringList keys =
        m_gridMode ? QStringList{QStringLiteral("areaType"), QStringLiteral("blockConfig")}
                   : QStringList{QStringLiteral("areaType"), QStringLiteral("startX"), QStringLiteral("startY"),
                                 QStringLiteral("endX"), QStringLiteral("endY")};
    // Only a whole area goes back as received; a part of one would mix it
    // with what the controls made of the rest.
    for (const QString &key : keys) {
        if (!body.contains(key)) {
            m_received.clear();
            break;
        }
        m_received.insert(key, body.value(key));
    }
    m_receivedGridMode = m_gridMode;
    m_shownBlocks = getBlockConfig();
    m_shownRect = m_selector->getSelectRect();
}

void OverlayWidget::setBlockSelect(const QString &blockConfig)
{
    const int n = std::min(int(m_cells.size()), int(blockConfig.size()));
    for (int i = 0; i < n; ++i)
        m_cells.at(i)->setSelected(blockConfig.at(i).digitValue() >= 1);
    m_grid->show();
}

void OverlayWidget::setPointSelect(const QHash<QString, QString> &body)
{
    // Percent of the picture; whatever else a camera sends is kept on it.
    const auto value = [&body](const char *key) {
        return DeviceValue::bounded(body.value(QLatin1String(key)), 0, 100, 0);
    };
    m_selector->setGeometry(rect());
    const QRect selection = CommonHelper::percentRectToWidget(
        m_selector->size(), QPointF(value("startX"), value("startY")), QPointF(value("endX"), value("endY")), true);
    m_selector->setSelectRect(selection);
    qDebug() << "OverlayWidget::setPointSelect" << body << selection.topLeft() << selection.bottomRight();
    m_selector->show();
}

QString OverlayWidget::getBlockConfig() const
{
    QString config;
    config.reserve(m_cells.size());
    for (const QTableWidgetItem *cell : m_cells)
        config += cell->isSelected() ? QLatin1Char('1') : QLatin1Char('0');
    return config;
}

QString OverlayWidget::getAreaSelect() const
{
    const bool kept = !m_received.isEmpty() && m_gridMode == m_receivedGridMode
                      && (m_gridMode ? getBlockConfig() == m_shownBlocks : m_selector->getSelectRect() == m_shownRect);
    if (kept) {
        IpcBody::Values received;
        for (auto it = m_received.cbegin(); it != m_received.cend(); ++it)
            received.insert(it.key(), it.value());
        return IpcBody::areaFragment(received);
    }
    if (m_gridMode)
        return QStringLiteral("<areaType>%1</areaType><blockConfig>%2</blockConfig>")
            .arg(QStringLiteral("block"), getBlockConfig());
    const QRect selection = m_selector->getSelectRect();
    const QRect percent =
        CommonHelper::percentRectToWidget(m_selector->size(), selection.topLeft(), selection.bottomRight(), false);
    const QString points = QStringLiteral("<startX>%1</startX><startY>%2</startY><endX>%3</endX><endY>%4</endY>")
                               .arg(percent.left())
                               .arg(percent.top())
                               .arg(percent.right())
                               .arg(percent.bottom());
    qDebug() << "selectRect:" << selection << "; pointxml:" << points;
    return QStringLiteral("<areaType>%1</areaType>%2").arg(QStringLiteral("point"), points);
}

void OverlayWidget::setAreaVisible(bool visible)
{
    m_grid->setVisible(visible);
    m_selector->setVisible(visible);
}
