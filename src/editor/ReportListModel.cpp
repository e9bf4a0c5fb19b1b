#include "ReportListModel.h"

#include "Dataset.h"

#include <QBrush>
#include <QColor>
#include <QSqlQuery>

ReportListModel::ReportListModel(Dataset &dataset, QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset)
{
}

void ReportListModel::fill()
{
    beginResetModel();
    m_rows.clear();
    if (m_dataset.isOpen() && !m_dataset.isEmpty()) {
        // One query for all rows. It selects in the dataset's order, so entries line up with the
        // row ids; should another window have changed the table meanwhile, match them by id.
        const QVector<qint64> &ids = m_dataset.rowIds();
        QSqlQuery q = m_dataset.selectColumns(QStringLiteral("FileNo, Address, PropertyRightMan, Client"));
        QHash<qint64, std::array<QString, ColumnCount>> strays;
        m_rows.reserve(ids.size());
        while (q.next()) {
            const qint64 id = q.value(0).toLongLong();
            std::array<QString, ColumnCount> row{q.value(1).toString(), q.value(2).toString(),
                                                 q.value(3).toString(), q.value(4).toString()};
            if (strays.isEmpty() && m_rows.size() < ids.size() && ids.at(m_rows.size()) == id)
                m_rows.append(std::move(row));
            else
                strays.insert(id, std::move(row));
        }
        if (!strays.isEmpty() || m_rows.size() != ids.size()) {
            for (int i = m_rows.size(); i < ids.size(); ++i)
                m_rows.append(strays.value(ids.at(i)));
        }
    }
    m_highlighted = m_dataset.recNo() - 1;
    endResetModel();
}

void ReportListModel::setEntryText(int row, Column column, const QString &text)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row][column] = text;
    emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void ReportListModel::shownRowChanged()
{
    const int now = m_dataset.recNo() - 1;
    if (now == m_highlighted)
        return;
    const int old = m_highlighted;
    m_highlighted = now;
    for (int row : {old, now}) {
        if (row >= 0 && row < m_rows.size())
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
    }
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const bool shown = index.row() == m_dataset.recNo() - 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return m_rows.at(index.row()).at(index.column());
    case ShownRole:
        return shown;
    case Qt::BackgroundRole:
        return shown ? QVariant(QBrush(QColor(0, 128, 0))) : QVariant();
    case Qt::ForegroundRole:
        return shown ? QVariant(QBrush(Qt::white)) : QVariant();
    default:
        return {};
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FileNo:
        return QStringLiteral("编号");
    case Address:
        return QStringLiteral("地址");
    case PropertyRightMan:
        return QStringLiteral("产权人");
    case Client:
        return QStringLiteral("委托人");
    default:
        return {};
    }
}

void ReportListDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(ReportListModel::ShownRole).toBool()) {
        option->state &= ~QStyle::State_Selected;
        option->backgroundBrush = QBrush(QColor(0, 128, 0));
        option->palette.setColor(QPalette::Text, Qt::white);
    }
}
