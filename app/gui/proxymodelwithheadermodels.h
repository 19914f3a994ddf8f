#pragma once
// Pass-through proxy of the load table that also hands out the tree models of
// its column and row headers (under two data roles) to a hierarchical header.
#include <QPointer>
#include <QSortFilterProxyModel>

class ProxyModelWithHeaderModels : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum HeaderDataModelRoles {
        ColumnHeaderModelRole = Qt::UserRole, // 256
        RowHeaderModelRole = Qt::UserRole + 1 // 257
    };

    explicit ProxyModelWithHeaderModels(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The proxy does not own the header models; a destroyed one reads as null.
    void setColumnHeaderModel(QAbstractItemModel* model);
    void setRowHeaderModel(QAbstractItemModel* model);

private:
    QPointer<QAbstractItemModel> columnHeaderModel;
    QPointer<QAbstractItemModel> rowHeaderModel;
};
