#pragma once
// Header view whose sections are stacks of nested cells taken from a tree
// model: a cell spans the sections of all leaves below it. The tree is found
// through the view's model under ProxyModelWithHeaderModels' roles; without a
// tree the view is a plain QHeaderView.
#include <QHeaderView>
#include <QModelIndexList>
#include <QStyleOptionHeader>

class HierarchicalHeaderView : public QHeaderView {
    Q_OBJECT
public:
    HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~HierarchicalHeaderView() override;

    void setModel(QAbstractItemModel* model) override;

    // The cell of leaf k of the tree (invalid without a tree or beyond its leaves).
    QModelIndex leafForSection(int k) const;
    // The tree model in use (null when none was found or it was destroyed).
    QAbstractItemModel* treeModel() const;
    // The leaf cell's size with the heights (widths) of the cells above it.
    QSize sectionSizeFromContents(int logicalIndex) const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private slots:
    void on_sectionResized(int logicalIndex);

private:
    struct HeaderViewState;
    HeaderViewState* state;

    QStyleOptionHeader sectionStyleOption(int k) const;
    QModelIndexList leavesOf(const QModelIndex& c) const;
    QModelIndexList leavesUnder(const QModelIndex& c) const;
    QSize cellExtent(const QModelIndex& c, const QStyleOptionHeader& option) const;
    void drawColumnCells(QPainter* painter, const QRect& sectionRect, int k, const QStyleOptionHeader& option,
                         const QModelIndex& leaf) const;
    void drawRowCells(QPainter* painter, const QRect& sectionRect, int k, const QStyleOptionHeader& option,
                      const QModelIndex& leaf) const;
    void drawCell(QPainter* painter, const QModelIndex& c, QStyleOptionHeader& u, const QRect& r) const;
    static QStyleOptionHeader cellOption(const QStyleOptionHeader& option, const QModelIndex& c, bool isLeaf);
};
