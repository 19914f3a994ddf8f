// A header view whose sections are stacks of nested cells from a tree model, each cell spanning
// the sections of the leaves below it; a plain header without a tree.
#include "app/gui/hierarchicalheaderview.h"

#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPointer>

#include "app/gui/proxymodelwithheadermodels.h"

struct HierarchicalHeaderView::HeaderViewState {
    QPointer<QAbstractItemModel> treeModel;
};

HierarchicalHeaderView::HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), state(new HeaderViewState)
{
    connect(this, SIGNAL(sectionResized(int, int, int)), this, SLOT(on_sectionResized(int)));
}

HierarchicalHeaderView::~HierarchicalHeaderView() { delete state; }

QAbstractItemModel* HierarchicalHeaderView::treeModel() const { return state->treeModel.data(); }

void HierarchicalHeaderView::setModel(QAbstractItemModel* model)
{
    state->treeModel = nullptr;
    if (model) {
        const int role = orientation() == Qt::Horizontal ? ProxyModelWithHeaderModels::ColumnHeaderModelRole
                                                         : ProxyModelWithHeaderModels::RowHeaderModelRole;
        QVariant v = model->data(QModelIndex(), role);
        if (v.isValid() && v.canConvert<QObject*>())
            state->treeModel = qobject_cast<QAbstractItemModel*>(v.value<QObject*>());
    }
    QHeaderView::setModel(model);
    if (model) {
        const int n = orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
        if (n != 0) initializeSections(0, n - 1);
    }
}

// Depth-first walk: the counter runs over the leaves, children side by side in row 0.
static QModelIndex findLeaf(const QModelIndex& c, int k, int& counter)
{
    if (!c.isValid()) return QModelIndex();
    const QAbstractItemModel* m = c.model();
    const int n = m->columnCount(c);
    if (n == 0) {
        ++counter;
        return counter == k ? c : QModelIndex();
    }
    for (int j = 0; j < n; ++j) {
        QModelIndex r = findLeaf(m->index(0, j, c), k, counter);
        if (r.isValid()) return r;
    }
    return QModelIndex();
}

QModelIndex HierarchicalHeaderView::leafForSection(int k) const
{
    QAbstractItemModel* tm = state->treeModel.data();
    if (!tm || k < 0) return QModelIndex();
    int counter = -1;
    const int n = tm->columnCount();
    for (int i = 0; i < n; ++i) {
        QModelIndex r = findLeaf(tm->index(0, i), k, counter);
        if (r.isValid()) return r;
    }
    return QModelIndex();
}

QModelIndexList HierarchicalHeaderView::leavesOf(const QModelIndex& c) const
{
    QModelIndexList res;
    if (!c.isValid()) return res;
    const int n = c.model()->columnCount(c);
    if (n == 0) {
        res.append(c);
        return res;
    }
    for (int j = 0; j < n; ++j) res += leavesOf(c.model()->index(0, j, c));
    return res;
}

QModelIndexList HierarchicalHeaderView::leavesUnder(const QModelIndex& c) const
{
    QModelIndexList res;
    if (!c.isValid()) return res;
    const int n = c.model()->columnCount(c);
    for (int j = 0; j < n; ++j) res += leavesOf(c.model()->index(0, j, c));
    return res;
}

QStyleOptionHeader HierarchicalHeaderView::sectionStyleOption(int k) const
{
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    if (window()->isActiveWindow()) opt.state |= QStyle::State_Active;
    opt.textAlignment = Qt::AlignCenter;
    opt.iconAlignment = Qt::AlignVCenter;
    opt.section = k;

    const int v = visualIndex(k);
    if (count() == 1)
        opt.position = QStyleOptionHeader::OnlyOneSection;
    else if (v == 0)
        opt.position = QStyleOptionHeader::Beginning;
    else if (v == count() - 1)
        opt.position = QStyleOptionHeader::End;
    else
        opt.position = QStyleOptionHeader::Middle;

    QItemSelectionModel* sel = selectionModel();
    if (sectionsClickable() && highlightSections() && sel) {
        if (orientation() == Qt::Horizontal) {
            if (sel->columnIntersectsSelection(k, rootIndex())) opt.state |= QStyle::State_On;
            if (sel->isColumnSelected(k, rootIndex())) opt.state |= QStyle::State_Sunken;
        } else {
            if (sel->rowIntersectsSelection(k, rootIndex())) opt.state |= QStyle::State_On;
            if (sel->isRowSelected(k, rootIndex())) opt.state |= QStyle::State_Sunken;
        }
    }
    if (sel) {
        bool previous = false, next = false;
        const int pl = logicalIndex(v - 1);
        const int nl = logicalIndex(v + 1);
        if (orientation() == Qt::Horizontal) {
            previous = pl >= 0 && sel->isColumnSelected(pl, rootIndex());
            next = nl >= 0 && sel->isColumnSelected(nl, rootIndex());
        } else {
            previous = pl >= 0 && sel->isRowSelected(pl, rootIndex());
            next = nl >= 0 && sel->isRowSelected(nl, rootIndex());
        }
        if (previous && next)
            opt.selectedPosition = QStyleOptionHeader::NextAndPreviousAreSelected;
        else if (previous)
            opt.selectedPosition = QStyleOptionHeader::PreviousIsSelected;
        else if (next)
            opt.selectedPosition = QStyleOptionHeader::NextIsSelected;
        else
            opt.selectedPosition = QStyleOptionHeader::NotAdjacent;
    }
    return opt;
}

QSize HierarchicalHeaderView::cellExtent(const QModelIndex& c, const QStyleOptionHeader& option) const
{
    QVariant vh = c.data(Qt::SizeHintRole);
    QSize hint = vh.isValid() ? vh.toSize() : QSize(-1, -1);

    QFont f = font();
    QVariant vf = c.data(Qt::FontRole);
    if (vf.isValid() && vf.canConvert<QFont>()) f = qvariant_cast<QFont>(vf);
    f.setWeight(QFont::Bold);
    QFontMetrics fm(f);

    QSize text = fm.size(0, c.data(Qt::DisplayRole).toString());
    if (c.data(Qt::UserRole).isValid()) text.transpose();
    QSize decoration = style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    QSize empty = fm.size(0, QString());
    return hint.expandedTo(text + decoration - empty);
}

QSize HierarchicalHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    if (!state->treeModel) return QHeaderView::sectionSizeFromContents(logicalIndex);
    QModelIndex leaf = leafForSection(logicalIndex);
    if (!leaf.isValid()) return QHeaderView::sectionSizeFromContents(logicalIndex);

    QStyleOptionHeader option = sectionStyleOption(logicalIndex);
    QSize size = cellExtent(leaf, option);
    for (QModelIndex p = leaf.parent(); p.isValid(); p = p.parent()) {
        if (orientation() == Qt::Horizontal)
            size.rheight() += cellExtent(p, option).height();
        else
            size.rwidth() += cellExtent(p, option).width();
    }
    return size;
}

void HierarchicalHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (rect.isValid()) {
        QModelIndex leaf = leafForSection(logicalIndex);
        if (leaf.isValid()) {
            QStyleOptionHeader option = sectionStyleOption(logicalIndex);
            if (orientation() == Qt::Horizontal)
                drawColumnCells(painter, rect, logicalIndex, option, leaf);
            else
                drawRowCells(painter, rect, logicalIndex, option, leaf);
            return;
        }
    }
    QHeaderView::paintSection(painter, rect, logicalIndex);
}

static QModelIndexList chainTo(const QModelIndex& leaf)
{
    QModelIndexList chain;
    for (QModelIndex c = leaf; c.isValid(); c = c.parent()) chain.prepend(c);
    return chain;
}

QStyleOptionHeader HierarchicalHeaderView::cellOption(const QStyleOptionHeader& option, const QModelIndex& c,
                                                      bool isLeaf)
{
    QStyleOptionHeader o = option;
    if (!isLeaf) o.state &= ~(QStyle::State_Sunken | QStyle::State_On);
    QStyleOptionHeader u = o;
    QVariant fg = c.data(Qt::ForegroundRole);
    if (fg.canConvert<QBrush>()) u.palette.setBrush(QPalette::ButtonText, qvariant_cast<QBrush>(fg));
    QVariant bg = c.data(Qt::BackgroundRole);
    if (bg.canConvert<QBrush>()) {
        u.palette.setBrush(QPalette::Button, qvariant_cast<QBrush>(bg));
        u.palette.setBrush(QPalette::Window, qvariant_cast<QBrush>(bg));
    }
    return u;
}

void HierarchicalHeaderView::drawCell(QPainter* painter, const QModelIndex& c, QStyleOptionHeader& u,
                                      const QRect& r) const
{
    u.text = c.data(Qt::DisplayRole).toString();
    painter->save();
    u.rect = r;
    if (c.data(Qt::UserRole).isValid()) {
        style()->drawControl(QStyle::CE_HeaderSection, &u, painter, this);
        QTransform t = painter->worldTransform();
        t.rotate(-90);
        painter->setWorldTransform(t);
        QRect rr(0, 0, r.height(), r.width());
        rr.moveCenter(QPoint(-r.center().y(), r.center().x()));
        u.rect = rr;
        style()->drawControl(QStyle::CE_HeaderLabel, &u, painter, this);
    } else {
        style()->drawControl(QStyle::CE_Header, &u, painter, this);
    }
    painter->restore();
}

void HierarchicalHeaderView::drawColumnCells(QPainter* painter, const QRect& sectionRect, int k,
                                             const QStyleOptionHeader& option, const QModelIndex& leaf) const
{
    const QPointF origin = painter->brushOrigin();
    const QModelIndexList chain = chainTo(leaf);
    int top = sectionRect.top();
    for (const QModelIndex& c : chain) {
        const bool isLeaf = (c == leaf);
        QStyleOptionHeader u = cellOption(option, c, isLeaf);
        int height = cellExtent(c, u).height();
        if (isLeaf) height = sectionRect.height() - top;
        const QModelIndexList under = leavesUnder(c);
        const int n = under.indexOf(leaf);
        int left = sectionRect.left();
        for (int s = k - n; s < k; ++s) left -= sectionSize(s);
        int width = 0;
        if (under.isEmpty())
            width = sectionSize(k);
        else
            for (int i = 0; i < under.size(); ++i) width += sectionSize(k - n + i);
        drawCell(painter, c, u, QRect(left, top, width, height));
        top += height;
    }
    painter->setBrushOrigin(origin);
}

void HierarchicalHeaderView::drawRowCells(QPainter* painter, const QRect& sectionRect, int k,
                                          const QStyleOptionHeader& option, const QModelIndex& leaf) const
{
    const QPointF origin = painter->brushOrigin();
    const QModelIndexList chain = chainTo(leaf);
    int left = sectionRect.left();
    for (const QModelIndex& c : chain) {
        const bool isLeaf = (c == leaf);
        QStyleOptionHeader u = cellOption(option, c, isLeaf);
        int width = cellExtent(c, u).width();
        if (isLeaf) width = sectionRect.width() - left;
        const QModelIndexList under = leavesUnder(c);
        const int n = under.indexOf(leaf);
        int top = sectionRect.top();
        for (int s = k - n; s < k; ++s) top -= sectionSize(s);
        int height = 0;
        if (under.isEmpty())
            height = sectionSize(k);
        else
            for (int i = 0; i < under.size(); ++i) height += sectionSize(k - n + i);
        drawCell(painter, c, u, QRect(left, top, width, height));
        left += width;
    }
    painter->setBrushOrigin(origin);
}

void HierarchicalHeaderView::on_sectionResized(int logicalIndex)
{
    if (isSectionHidden(logicalIndex)) return;
    QModelIndex leaf = leafForSection(logicalIndex);
    if (!leaf.isValid()) return;
    QModelIndex root = leaf;
    while (root.parent().isValid()) root = root.parent();
    const int n = leavesUnder(root).indexOf(leaf);
    const int w = viewport()->width();
    const int h = viewport()->height();
    for (int s = logicalIndex - 1; s >= logicalIndex - n; --s) {
        const int p = sectionViewportPosition(s);
        QRect r;
        if (orientation() == Qt::Horizontal) {
            if (isRightToLeft())
                r = QRect(QPoint(0, 0), QPoint(p + sectionSize(s) - 1, h - 1));
            else
                r = QRect(QPoint(p, 0), QPoint(w - 1, h - 1));
        } else {
            r = QRect(QPoint(0, p), QPoint(w - 1, h - 1));
        }
        viewport()->update(r.normalized());
    }
}
