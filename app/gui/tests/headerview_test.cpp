// Tests of the hierarchical header view: the proxy's tree models, the leaves of the load table,
// spanning cells, section sizes and the plain header without a tree.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyleOptionHeader>
#include <QTableView>

#include "app/gui/hierarchicalheaderview.h"
#include "app/gui/mainwindowapi.h"
#include "app/gui/proxymodelwithheadermodels.h"
#include "window_fixture.h"

namespace {

// Records every header cell the style is asked to draw.
class RecordingStyle : public QProxyStyle {
public:
    struct Cell {
        QString text;
        QRect rect;
        bool sunken;
    };
    mutable QVector<Cell> cells;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_Header) {
            const auto* h = qstyleoption_cast<const QStyleOptionHeader*>(option);
            cells.append({h->text, h->rect, (h->state & State_Sunken) != 0});
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// The load table's models: eight columns, the two-level header tree.
struct LoadTableHeader {
    QStandardItemModel source{1, 8};
    QStandardItemModel tree;
    ProxyModelWithHeaderModels proxy;
    QTableView view;
    HierarchicalHeaderView* header;

    LoadTableHeader()
    {
        fill_header_model(&tree);
        proxy.setSourceModel(&source);
        proxy.setColumnHeaderModel(&tree);
        proxy.setRowHeaderModel(&tree);
        view.setModel(&proxy);
        header = new HierarchicalHeaderView(Qt::Horizontal, &view);
        view.setHorizontalHeader(header);
        view.resize(900, 300);
        for (int c = 0; c < 8; ++c) header->resizeSection(c, 60 + 10 * c);
    }
};

class HeaderTest : public ::testing::Test {
protected:
    void SetUp() override { wintest::Ensure_App(); }
};

TEST_F(HeaderTest, ProxyHandsOutTheTreeModelsUnderTheirRolesOnly)
{
    QStandardItemModel source(2, 3);
    source.setData(source.index(1, 2), QStringLiteral("role256"), Qt::UserRole);
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&source);
    // Before a tree is set the roles reach the source model.
    EXPECT_EQ(proxy.data(proxy.index(1, 2), Qt::UserRole).toString(), QString("role256"));

    auto* tree = new QStandardItemModel;
    fill_header_model(tree);
    qRegisterMetaType<Qt::Orientation>();
    QSignalSpy spy(&proxy, &QAbstractItemModel::headerDataChanged);
    proxy.setColumnHeaderModel(tree);
    proxy.setRowHeaderModel(tree);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[0][0].value<Qt::Orientation>(), Qt::Horizontal);
    EXPECT_EQ(spy[0][1].toInt(), 0);
    EXPECT_EQ(spy[0][2].toInt(), 5); // six top cells, not eight leaves
    EXPECT_EQ(spy[1][0].value<Qt::Orientation>(), Qt::Vertical);
    EXPECT_EQ(spy[1][2].toInt(), 0);

    for (const QModelIndex& i : {QModelIndex(), proxy.index(1, 2)}) {
        EXPECT_EQ(proxy.data(i, 256).value<QObject*>(), tree);
        EXPECT_EQ(proxy.data(i, 257).value<QObject*>(), tree);
    }
    delete tree;
    EXPECT_EQ(proxy.data(proxy.index(1, 2), Qt::UserRole).toString(), QString("role256"));

    QStandardItemModel empty;
    QSignalSpy spy2(&proxy, &QAbstractItemModel::headerDataChanged);
    proxy.setColumnHeaderModel(&empty);
    EXPECT_EQ(spy2.count(), 0);
}

TEST_F(HeaderTest, LeavesOfTheLoadTableTree)
{
    LoadTableHeader t;
    const char* leaves[8] = {"Name", " Nd", " Nd", " Md", " Vd", "Lasteinwir-\nkungsdauer", "kmod", ""};
    for (int k = 0; k < 8; ++k) {
        const QModelIndex leaf = t.header->leafForSection(k);
        ASSERT_TRUE(leaf.isValid()) << k;
        EXPECT_EQ(leaf.data().toString(), QString(leaves[k])) << k;
    }
    EXPECT_EQ(t.header->leafForSection(1).parent().data().toString(), QString("Strebe"));
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(t.header->leafForSection(k).parent().data().toString(), QString("Schwelle"));
    EXPECT_FALSE(t.header->leafForSection(8).isValid());
}

TEST_F(HeaderTest, SpanningCellsAreDrawnOverAllTheirLeaves)
{
    LoadTableHeader t;
    auto* style = new RecordingStyle;
    t.header->setStyle(style);
    t.view.show();
    t.header->resize(t.header->sizeHint().width(), t.header->sizeHint().height());
    const int h = t.header->height();
    QImage img(t.header->size(), QImage::Format_ARGB32);
    t.header->render(&img);

    auto drawn = [&](const QString& text) {
        QVector<QRect> r;
        for (const auto& c : style->cells)
            if (c.text == text) r.append(c.rect);
        return r;
    };
    // "Name" alone fills the whole height of section 0.
    const QVector<QRect> name = drawn("Name");
    ASSERT_FALSE(name.isEmpty());
    EXPECT_EQ(name[0].top(), 0);
    EXPECT_EQ(name[0].height(), h);
    EXPECT_EQ(name[0].width(), t.header->sectionSize(0));

    // "Schwelle" is drawn once for each of its three sections, each time over
    // all three, above the leaf cells.
    const QVector<QRect> schwelle = drawn("Schwelle");
    ASSERT_EQ(schwelle.size(), 3);
    const int left = t.header->sectionPosition(2);
    const int width = t.header->sectionSize(2) + t.header->sectionSize(3) + t.header->sectionSize(4);
    for (const QRect& r : schwelle) {
        EXPECT_EQ(r.left(), left);
        EXPECT_EQ(r.width(), width);
        EXPECT_EQ(r.top(), 0);
    }
    const QVector<QRect> md = drawn(" Md");
    ASSERT_EQ(md.size(), 1);
    EXPECT_EQ(md[0].left(), t.header->sectionPosition(3));
    EXPECT_EQ(md[0].width(), t.header->sectionSize(3));
    EXPECT_EQ(md[0].top(), schwelle[0].height());
    EXPECT_EQ(md[0].bottom(), h - 1);
    // The strut's cell spans its one leaf.
    const QVector<QRect> strebe = drawn("Strebe");
    ASSERT_EQ(strebe.size(), 1);
    EXPECT_EQ(strebe[0].width(), t.header->sectionSize(1));
}

TEST_F(HeaderTest, SectionSizeStacksTheCellsOfTheChain)
{
    LoadTableHeader t;
    QFont bold = t.header->font();
    bold.setWeight(QFont::Bold);
    const QFontMetrics fm(bold);
    const QSize md = t.header->sectionSizeFromContents(3);
    const QSize name = t.header->sectionSizeFromContents(0);
    const QSize dauer = t.header->sectionSizeFromContents(5);
    // Section of " Md": the cell " Md" plus the cell "Schwelle" above it.
    // Section of "Name": the cell alone; "Lasteinwir-\nkungsdauer" counts two lines.
    // Every one-line cell has the height of "Name": " Md" under "Schwelle" is two of them.
    EXPECT_EQ(md.height(), 2 * name.height());
    EXPECT_GE(dauer.height() - name.height(), fm.height() - 2);
    EXPECT_LT(dauer.height(), md.height());
    EXPECT_LT(md.width(), fm.horizontalAdvance("Schwelle") + 40);
    EXPECT_GE(md.width(), fm.horizontalAdvance(" Md"));
}

TEST_F(HeaderTest, WithoutATreeTheViewIsAPlainHeader)
{
    QStandardItemModel source(1, 3);
    source.setHorizontalHeaderLabels({"a", "b", "c"});
    QTableView view;
    auto* header = new HierarchicalHeaderView(Qt::Horizontal, &view);
    view.setHorizontalHeader(header);
    view.setModel(&source);
    EXPECT_EQ(header->treeModel(), nullptr);
    EXPECT_FALSE(header->leafForSection(0).isValid());
    QTableView view2;
    view2.setModel(&source);
    EXPECT_EQ(header->sectionSizeFromContents(1).height(), view2.horizontalHeader()->sizeHint().height());
}

TEST_F(HeaderTest, UpwardTextExchangesWidthAndHeightAndVerticalHeadersUseTheRowTree)
{
    QStandardItemModel source(3, 3);
    QStandardItemModel tree;
    QList<QStandardItem*> top{new QStandardItem("Gruppe"), new QStandardItem("Einzeln")};
    top[0]->appendColumn({new QStandardItem("a")});
    top[0]->appendColumn({new QStandardItem("b")});
    tree.appendRow(top);
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&source);
    proxy.setRowHeaderModel(&tree);
    QTableView view;
    view.setModel(&proxy);
    auto* vh = new HierarchicalHeaderView(Qt::Vertical, &view);
    view.setVerticalHeader(vh);
    ASSERT_EQ(vh->treeModel(), &tree);
    EXPECT_EQ(vh->leafForSection(1).data().toString(), QString("b"));
    EXPECT_EQ(vh->leafForSection(2).data().toString(), QString("Einzeln"));
    // Across a vertical header the cells of a chain stand side by side.
    const QSize a = vh->sectionSizeFromContents(0);
    const QSize single = vh->sectionSizeFromContents(2);
    EXPECT_GT(a.width(), vh->sectionSizeFromContents(0).height());
    EXPECT_EQ(a.height(), vh->sectionSizeFromContents(1).height());
    EXPECT_GT(single.width(), 0);

    // A horizontal header without its role finds no tree.
    auto* hh = new HierarchicalHeaderView(Qt::Horizontal, &view);
    view.setHorizontalHeader(hh);
    EXPECT_EQ(hh->treeModel(), nullptr);

    // Text running upwards: the cell's extent is the plain one turned.
    QStandardItemModel tree2;
    tree2.appendRow({new QStandardItem("Lasteinwirkungsdauer")});
    ProxyModelWithHeaderModels proxy2;
    QStandardItemModel src2(1, 1);
    proxy2.setSourceModel(&src2);
    proxy2.setColumnHeaderModel(&tree2);
    QTableView view2;
    view2.setModel(&proxy2);
    auto* h2 = new HierarchicalHeaderView(Qt::Horizontal, &view2);
    view2.setHorizontalHeader(h2);
    const QSize flat = h2->sectionSizeFromContents(0);
    tree2.item(0, 0)->setData(1, Qt::UserRole);
    const QSize up = h2->sectionSizeFromContents(0);
    EXPECT_GT(flat.width(), flat.height());
    EXPECT_GT(up.height(), up.width());
}

} // namespace
