// The main window's arrangement on the screen: the form scrolls on its own,
// while the sketch, the checks and the results stand beside it and stay in
// view; the window takes the size its contents ask for, at most the screen's.
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "app/gui/mainwindow.h"

namespace {

// The smallest and largest side of the square sketch.
enum { PLOT_MIN = 160, PLOT_MAX = 400 };

QScrollArea* new_scroll_area(QWidget* parent, const char* name, QWidget* content)
{
    QScrollArea* sa = new QScrollArea(parent);
    sa->setObjectName(QString::fromLatin1(name));
    sa->setFrameShape(QFrame::NoFrame);
    sa->setWidgetResizable(true);
    sa->setWidget(content);
    // The window's grey shows through around the form.
    sa->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    return sa;
}

// The size a scroll area's content needs to be seen without scrolling.
QSize whole_size(const QWidget* content)
{
    QSize smallest = content->minimumSizeHint().expandedTo(content->minimumSize());
    const QSizePolicy policy = content->sizePolicy();
    if (!(policy.horizontalPolicy() & QSizePolicy::ShrinkFlag))
        smallest.setWidth(std::max(smallest.width(), content->sizeHint().width()));
    if (!(policy.verticalPolicy() & QSizePolicy::ShrinkFlag))
        smallest.setHeight(std::max(smallest.height(), content->sizeHint().height()));
    return smallest;
}

} // namespace

void MainWindow::arrange_form()
{
    QHBoxLayout* row = horizontalLayout_5;
    const int at = row->indexOf(tabWidget);
    row->removeWidget(tabWidget);
    sa_form = new_scroll_area(centralwidget, "sa_form", tabWidget);
    // Above the form, never scrolled away and taking no height from the
    // results: the note that the results do not use the position's annex.
    QLabel* note = new QLabel(centralwidget);
    note->setObjectName(QStringLiteral("erg_anhang"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    note->hide();
    QVBoxLayout* form_column = new QVBoxLayout;
    form_column->setContentsMargins(0, 0, 0, 0);
    form_column->addWidget(note);
    form_column->addWidget(sa_form, 1);
    row->insertLayout(at, form_column, 1);

    // The column of sketch, checks and results becomes a widget of its own.
    const int column_at = row->indexOf(verticalLayout_8);
    row->removeItem(verticalLayout_8);
    verticalLayout_8->setParent(nullptr);
    QWidget* column = new QWidget;
    column->setObjectName(QStringLiteral("erg_spalte"));
    column->setLayout(verticalLayout_8);
    verticalLayout_8->setContentsMargins(0, 0, 0, 0);
    verticalLayout_8->addStretch(1);
    sa_ergebnisse = new_scroll_area(centralwidget, "sa_ergebnisse", column);
    sa_ergebnisse->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    row->insertWidget(column_at, sa_ergebnisse, 0);

    results_min_width = gb_ergebnisse->minimumWidth();

    // The sketch shrinks where the screen is low; the results never go.
    gv_plot->setMinimumSize(PLOT_MIN, PLOT_MIN);
    verticalLayout_8->setAlignment(gv_plot, Qt::AlignHCenter);
    // The sketch is fitted into the view: nothing to scroll.
    gv_plot->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gv_plot->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MainWindow::size_plot(int height)
{
    QWidget* column = sa_ergebnisse->widget();
    // What the window needs besides the sketch: tool bar, margins, the checks
    // and the results.
    const QMargins m = centralwidget->layout()->contentsMargins();
    const int tool_bar = toolBar && !toolBar->isHidden() ? toolBar->sizeHint().height() : 0;
    const int bar = menuBar() && menuWidget() && !menuWidget()->isHidden() ? menuWidget()->sizeHint().height() : 0;
    const int others = column->layout()->minimumSize().height() - gv_plot->minimumHeight();
    const int room = height - tool_bar - bar - m.top() - m.bottom() - others;
    const int side = std::max(int(PLOT_MIN), std::min(int(PLOT_MAX), room));
    gv_plot->setFixedSize(side, side);
    column->layout()->activate();
}

bool MainWindow::widen_results()
{
    // The box's own least width would otherwise let the column cut a long
    // check name ("Biegung und Normalkraft der Schwelle") at a large font.
    gb_ergebnisse->layout()->activate();
    const int need = std::max(results_min_width, gb_ergebnisse->minimumSizeHint().width());
    if (need == gb_ergebnisse->minimumWidth()) return false;
    const bool grows = need > gb_ergebnisse->minimumWidth();
    gb_ergebnisse->setMinimumWidth(need);
    return grows;
}

void MainWindow::relayout()
{
    // The window's layout asks the central widget, whose layout holds the
    // scroll areas: all compute their sizes anew (a new font changed the
    // sizes deep inside the form).
    for (QLayout* l : centralwidget->findChildren<QLayout*>()) l->invalidate();
    centralwidget->layout()->invalidate();
    centralwidget->layout()->activate();
    layout()->invalidate();
    layout()->activate();
}

void MainWindow::fit_window(const QRect& available)
{
    // Room for the window's frame where a window manager draws one.
    fit_area = available;
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    const QSize room = available.size() - frame;
    widen_results();
    size_plot(room.height() > 0 ? room.height() : PLOT_MAX * 3);
    // A choice is never cut ("C24 (S1"), whatever the font: the form scrolls
    // sideways instead.
    for (QComboBox* choice : tabWidget->findChildren<QComboBox*>()) {
        choice->setMinimumWidth(0);
        choice->setMinimumWidth(choice->sizeHint().width());
    }

    // The size at which nothing scrolls: each scroll area as large as its
    // content; the tool bar and frames come from the window's own layout.
    sa_form->setMinimumSize(whole_size(sa_form->widget()));
    sa_ergebnisse->setMinimumSize(whole_size(sa_ergebnisse->widget()));
    relayout();
    resize(0, 0);
    const int column_width = whole_size(sa_ergebnisse->widget()).width();
    QSize want = size();
    sa_form->setMinimumSize(0, 0);
    // The column keeps its width: its texts stay whole, the form scrolls.
    sa_ergebnisse->setMinimumSize(column_width, 0);
    relayout();

    if (room.width() <= 0 || room.height() <= 0) {
        resize(want);
        return;
    }
    // A scroll bar in one direction must not call for the other one.
    if (want.height() > room.height()) want.setWidth(want.width() + sa_form->verticalScrollBar()->sizeHint().width());
    if (want.width() > room.width())
        want.setHeight(want.height() + sa_form->horizontalScrollBar()->sizeHint().height());
    resize(want.boundedTo(room));
    if (isVisible()) {
        QRect g = frameGeometry();
        if (g.right() > available.right()) g.moveRight(available.right());
        if (g.bottom() > available.bottom()) g.moveBottom(available.bottom());
        if (g.left() < available.left()) g.moveLeft(available.left());
        if (g.top() < available.top()) g.moveTop(available.top());
        move(g.topLeft());
    }
    // The sketch fills its view at the view's new size.
    fit_view();
}
