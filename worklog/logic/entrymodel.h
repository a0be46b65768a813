// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worklog/logic/store.h"

#include <QAbstractTableModel>

namespace dipo::worklog {

// The log's entries for a table view, newest first, read a page at a time as the view
// scrolls down. Setting a filter starts again from the top.
class EntryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, Locomotive, KindColumn, System, Result, Technician, Marks, ColumnCount };
    static constexpr int kPage = 200;
    // The entry's id, for any cell of its row.
    static constexpr int IdRole = Qt::UserRole + 1;
    // True for a row whose cause recurs on its locomotive.
    static constexpr int RecurringRole = Qt::UserRole + 2;

    explicit EntryModel(QObject *parent = nullptr);

    // The store to read from (not owned); none shows nothing.
    void setStore(Store *store);
    void setFilter(const Filter &filter);
    const Filter &filter() const { return m_filter; }
    // Reads the first page again, after a save.
    void reload();
    // The failure of the last read, empty when it went well.
    QString errorString() const { return m_error; }

    const Row *row(int index) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

signals:
    // A page could not be read: the rows shown so far are taken away, as they are not all.
    void readFailed(const QString &why);

private:
    Store *m_store = nullptr;
    Filter m_filter;
    QList<Row> m_rows;
    bool m_more = false;
    QString m_error;
};

} // namespace dipo::worklog
