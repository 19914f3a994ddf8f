// A pass-through proxy of the load table that hands out the tree models of its column and row
// headers to the hierarchical header view.
#include "app/gui/proxymodelwithheadermodels.h"

ProxyModelWithHeaderModels::ProxyModelWithHeaderModels(QObject* parent) : QSortFilterProxyModel(parent) {}

QVariant ProxyModelWithHeaderModels::data(const QModelIndex& index, int role) const
{
    if (columnHeaderModel && role == ColumnHeaderModelRole)
        return QVariant::fromValue(static_cast<QObject*>(columnHeaderModel.data()));
    if (rowHeaderModel && role == RowHeaderModelRole)
        return QVariant::fromValue(static_cast<QObject*>(rowHeaderModel.data()));
    return QSortFilterProxyModel::data(index, role);
}

void ProxyModelWithHeaderModels::setColumnHeaderModel(QAbstractItemModel* model)
{
    columnHeaderModel = model;
    const int n = model ? model->columnCount() : 0;
    if (n != 0) emit headerDataChanged(Qt::Horizontal, 0, n - 1);
}

void ProxyModelWithHeaderModels::setRowHeaderModel(QAbstractItemModel* model)
{
    rowHeaderModel = model;
    const int n = model ? model->rowCount() : 0;
    if (n != 0) emit headerDataChanged(Qt::Vertical, 0, n - 1);
}
