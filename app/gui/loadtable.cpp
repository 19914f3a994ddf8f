// The load table of the main window: one row per load combination with the
// forces of strut and sill, the load-duration class, k_mod and a delete cell.
#include <QHeaderView>
#include <QStandardItemModel>

#include "app/gui/delegates.h"
#include "app/gui/hierarchicalheaderview.h"
#include "app/gui/mainwindow.h"
#include "app/gui/proxymodelwithheadermodels.h"
#include "app/nelu52data.h"
#include "materials/matfactors.h"
#include "nad/nadec5.h"

enum { COL_NAME = 0, COL_ND_STREBE = 1, COL_ND = 2, COL_MD = 3, COL_VD = 4, COL_KLED = 5, COL_KMOD = 6, COL_DEL = 7 };

void fill_header_model(QStandardItemModel* model)
{
    const char* top[6] = {"Name", "Strebe", "Schwelle", "Lasteinwir-\nkungsdauer", "kmod", ""};
    QList<QStandardItem*> row;
    for (const char* t : top) row.append(new QStandardItem(QObject::tr(t)));
    row[1]->appendColumn({new QStandardItem(QStringLiteral(" Nd"))});
    row[2]->appendColumn({new QStandardItem(QStringLiteral(" Nd"))});
    row[2]->appendColumn({new QStandardItem(QStringLiteral(" Md"))});
    row[2]->appendColumn({new QStandardItem(QStringLiteral(" Vd"))});
    model->appendRow(row);
}

void MainWindow::setup_load_table()
{
    // The strut's N_d takes a negative value (tension) as well: the joint
    // check then says that it is not met, instead of the field turning it
    // into 0.
    const char* force_names[4] = {"N_d der Strebe", "N_d der Schwelle", "M_d der Schwelle", "V_d der Schwelle"};
    for (int i = 0; i < 4; ++i) {
        delegate_kraft[i] = new SpinBoxDelegate(this, nelu52_data.nk_zov, -9999.0, 9999.0, 1.0);
        delegate_kraft[i]->fieldName = QString::fromLatin1(force_names[i]);
        delegate_kraft[i]->unit = i == 2 ? QStringLiteral("kNm") : QStringLiteral("kN");
        tv_lasten->setItemDelegateForColumn(COL_ND_STREBE + i, delegate_kraft[i]);
    }
    const int mode = (ActiveNadEc5 && ActiveNadEc5->na_de != 0) ? 2 : 1;
    delegate_dauer = new tv_ComboBoxDelegate(this, mode);
    tv_lasten->setItemDelegateForColumn(COL_KLED, delegate_dauer);
    // EN 1995-1-1 Table 3.1 gives k_mod above 0 up to 1.10; a "frei" row
    // takes nothing else (0.001 is the least that three decimals show).
    delegate_kmod = new SpinBoxDelegate(this, 3, 0.001, 1.1, 1.0);
    delegate_kmod->fieldName = QStringLiteral("k_mod");
    tv_lasten->setItemDelegateForColumn(COL_KMOD, delegate_kmod);
    delegate_button = new tv_ButtonDelegate(this);
    tv_lasten->setItemDelegateForColumn(COL_DEL, delegate_button);

    dauer_texte.clear();
    dauer_texte << QString::fromUtf8("ständig") << "lang"
                << "mittel"
                << "kurz"
                << "sehr kurz"
                << "kurz/sehr kurz" << QString::fromUtf8("außergewöhnlich") << "Erdbeben"
                << "frei";
    model_lasten = new QStandardItemModel(this);
    model_lasten->setObjectName(QStringLiteral("model_lasten"));
    // The columns exist before any row: a position without load combinations
    // has an empty table whose header still has its sections.
    model_lasten->setColumnCount(COL_DEL + 1);
    model_header = new QStandardItemModel(this);
    model_header->setObjectName(QStringLiteral("model_header"));
    fill_header_model(model_header);

    data2maske();

    proxy_lasten = new ProxyModelWithHeaderModels(this);
    proxy_lasten->setSourceModel(model_lasten);
    proxy_lasten->setColumnHeaderModel(model_header);
    proxy_lasten->setRowHeaderModel(model_header);
    tv_lasten->setModel(proxy_lasten);

    header_view = new HierarchicalHeaderView(Qt::Horizontal, tv_lasten);
    tv_lasten->setHorizontalHeader(header_view);
    header_view->setSectionResizeMode(COL_NAME, QHeaderView::Stretch);
    for (int c = COL_ND_STREBE; c <= COL_DEL; ++c) header_view->setSectionResizeMode(c, QHeaderView::ResizeToContents);
}

void MainWindow::newLast(QString name, double n_strebe, double n_schwelle, double m_schwelle, double v_schwelle,
                         int dauer, double kmod)
{
    // The cells keep the full values; the delegates show them with the
    // table's decimals.
    QList<QStandardItem*> row;
    row.append(new QStandardItem(name));
    for (double v : {n_strebe, n_schwelle, m_schwelle, v_schwelle}) {
        QStandardItem* it = new QStandardItem;
        it->setData(v, Qt::EditRole);
        row.append(it);
    }
    const QString dauer_text = (dauer >= 0 && dauer < dauer_texte.size()) ? dauer_texte[dauer] : QString();
    row.append(new QStandardItem(dauer_text));
    QStandardItem* k = new QStandardItem;
    k->setData(kmod, Qt::EditRole);
    row.append(k);
    QStandardItem* del = new QStandardItem;
    del->setData(QIcon(QStringLiteral(":/button/images/trash.png")), Qt::DecorationRole);
    row.append(del);

    model_lasten->appendRow(row);
    k->setEnabled(dauer_text.contains(QStringLiteral("frei"), Qt::CaseSensitive));
    tv_lasten->resizeRowsToContents();
}

void MainWindow::newLast_click()
{
    const LoadCase lc;
    nelu52_data.lasten.append(lc);
    newLast(lc.name, lc.nd_strebe, lc.nd_schwelle, lc.md_schwelle, lc.vd_schwelle, lc.kled, lc.kmod);
}

void MainWindow::last_click(QModelIndex index)
{
    if (index.isValid() && index.column() == COL_DEL) model_lasten->removeRows(index.row(), 1);
}

void MainWindow::update_last_kmod(QStandardItem* item)
{
    if (writing_kmod) return;
    const int automatic = action_cal_auto->isChecked() ? 1 : 0;
    if (!item || item->column() != COL_KLED) {
        display_nachweise(automatic);
        return;
    }
    const QString text = item->data(Qt::EditRole).toString();
    const bool frei = text.contains(QStringLiteral("frei"), Qt::CaseSensitive);
    QStandardItem* k = model_lasten->item(item->row(), COL_KMOD);
    if (k) k->setEnabled(frei);
    if (frei) {
        display_nachweise(automatic);
        return;
    }

    int kind = 0;
    if (rb_holzart_NH_sw->isChecked())
        kind = 0;
    else if (rb_holzart_LH_sw->isChecked())
        kind = 1;
    else if (rb_holzart_BSH_EC_sw->isChecked())
        kind = 2;
    else if (rb_holzart_BSH_DIN_sw->isChecked())
        kind = 3;
    const int grade = cb_holzguete_sw->currentIndex();
    const int nkl = cob_nkl->currentData().toInt();
    double kmod = 0.0;
    Mat_Kmod(kind, grade, nkl, NELU52_DATA::kled_index(text), &kmod, nullptr);
    if (k) k->setData(kmod, Qt::DisplayRole);

    display_nachweise(automatic);
}
