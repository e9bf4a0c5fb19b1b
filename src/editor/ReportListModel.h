#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QHash>
#include <QStringList>
#include <QVector>

#include <array>

class Dataset;

// The report list: one entry per row of the report dataset, in its order, with the report
// number, address, owner and client. Filled by one query; the entry of the report shown is
// drawn white on green whatever the selection.
class ReportListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { FileNo, Address, PropertyRightMan, Client, ColumnCount };
    enum Role { ShownRole = Qt::UserRole + 1 }; // true for the entry of the report shown

    explicit ReportListModel(Dataset &dataset, QObject *parent = nullptr);

    // Re-reads the four columns of every row of the dataset.
    void fill();
    // Rewrites one text of the entry at row (the live update while typing).
    void setEntryText(int row, Column column, const QString &text);
    // The shown report changed: repaint the old and the new highlight.
    void shownRowChanged();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Dataset &m_dataset;
    QVector<std::array<QString, ColumnCount>> m_rows;
    int m_highlighted = -1;
};

// Draws the entry of the shown report white on green also when it is selected.
class ReportListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
