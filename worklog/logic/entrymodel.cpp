// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/entrymodel.h"

#include "worklog/logic/worklogtexts.h"

namespace dipo::worklog {

EntryModel::EntryModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void EntryModel::setStore(Store *store)
{
    m_store = store;
    reload();
}

void EntryModel::setFilter(const Filter &filter)
{
    m_filter = filter;
    reload();
}

void EntryModel::reload()
{
    beginResetModel();
    m_rows.clear();
    m_error.clear();
    m_more = m_store != nullptr;
    endResetModel();
    if (m_more)
        fetchMore(QModelIndex());
}

const Row *EntryModel::row(int index) const
{
    return index >= 0 && index < m_rows.size() ? &m_rows.at(index) : nullptr;
}

int EntryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EntryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool EntryModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more;
}

void EntryModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !m_more || !m_store)
        return;
    std::optional<PageEnd> after;
    if (!m_rows.isEmpty())
        after = PageEnd { m_rows.constLast().madeAt, m_rows.constLast().id };
    const QList<Row> page = m_store->page(m_filter, after, kPage);
    m_error = m_store->errorString();
    m_more = m_error.isEmpty() && page.size() == kPage;
    if (!m_error.isEmpty()) {
        if (!m_rows.isEmpty()) {
            beginResetModel();
            m_rows.clear();
            endResetModel();
        }
        emit readFailed(m_error);
        return;
    }
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + page.size() - 1));
    m_rows += page;
    endInsertRows();
}

QVariant EntryModel::data(const QModelIndex &index, int role) const
{
    const Row *entry = row(index.row());
    if (!entry || index.column() >= ColumnCount)
        return QVariant();
    if (role == IdRole)
        return entry->id;
    if (role == RecurringRole)
        return entry->recurring;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (index.column()) {
    case Date:
        return QDateTime::fromSecsSinceEpoch(entry->madeAt)
            .toString(QStringLiteral("dd-MM-yyyy HH:mm"));
    case Locomotive:
        return entry->locomotive;
    case KindColumn:
        return entry->kind == Kind::Job ? texts::kindJob : texts::kindDiagnosis;
    case System:
        return entry->system;
    case Result:
        return role == Qt::ToolTipRole ? entry->subject : shownSubject(entry->kind, entry->subject);
    case Technician:
        return entry->technician;
    case Marks: {
        QStringList marks;
        if (entry->recurring)
            marks << texts::markRecurring;
        if (entry->corrected)
            marks << texts::markCorrected;
        return marks.join(QStringLiteral(", "));
    }
    }
    return QVariant();
}

QVariant EntryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList headers { texts::columnDate, texts::columnLocomotive,
        texts::columnKind, texts::columnSystem, texts::columnResult, texts::columnTechnician,
        texts::columnMarks };
    return headers.value(section);
}

} // namespace dipo::worklog
