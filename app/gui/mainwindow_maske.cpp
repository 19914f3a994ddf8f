// Copies between the main window's form with its load table and the data object.
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <cmath>
#include <memory>
#include <vector>

#include "app/gui/mainwindow.h"
#include "app/nelu52data.h"

namespace {

enum { COL_NAME = 0, COL_ND_STREBE = 1, COL_ND = 2, COL_MD = 3, COL_VD = 4, COL_KLED = 5, COL_KMOD = 6 };

// A stored length as the integer field shows it: cut toward zero; values far
// outside every field's range (damaged input) are held at the int range.
int field_int(double v)
{
    if (std::isnan(v)) return 0;
    if (v > 1e9) return 1000000000;
    if (v < -1e9) return -1000000000;
    return static_cast<int>(v);
}

QStringList grade_list(bool nh, bool lh, bool bsh_din, bool bsh_ec)
{
    QStringList l;
    if (nh)
        l << "C14"
          << "C16 (S7)"
          << "C18"
          << "C20"
          << "C22"
          << "C24 (S10)"
          << "C27"
          << "C30 (S13)"
          << "C35"
          << "C40"
          << "C45"
          << "C50";
    else if (lh)
        l << "D18"
          << "D24"
          << "D30"
          << "D35"
          << "D40"
          << "D50"
          << "D60"
          << "D70";
    else if (bsh_din)
        l << "GL24h (BS11)"
          << "GL24c (BS11)"
          << "GL28h (BS14)"
          << "GL28c (BS14)"
          << "GL32h (BS16)"
          << "GL32c (BS16)"
          << "GL36h (BS18)"
          << "GL36c (BS18)";
    else if (bsh_ec)
        l << "GL20h"
          << "GL22h"
          << "GL24h"
          << "GL26h"
          << "GL28h"
          << "GL30h"
          << "GL32h"
          << "GL20c"
          << "GL22c"
          << "GL24c"
          << "GL26c"
          << "GL28c"
          << "GL30c"
          << "GL32c";
    else
        l << "---";
    return l;
}

// The material kind of the first checked species button, in the order
// Nadelholz, Laubholz, Brettschichtholz DIN, Brettschichtholz EC.
bool checked_kind(QRadioButton* nh, QRadioButton* lh, QRadioButton* din, QRadioButton* ec, int* kind)
{
    if (nh->isChecked())
        *kind = 0;
    else if (lh->isChecked())
        *kind = 1;
    else if (din->isChecked())
        *kind = 3;
    else if (ec->isChecked())
        *kind = 2;
    else
        return false;
    return true;
}

void show_kind(QRadioButton* nh, QRadioButton* lh, QRadioButton* din, QRadioButton* ec, int kind)
{
    nh->setChecked(kind == 0);
    lh->setChecked(kind == 1);
    din->setChecked(kind == 3);
    ec->setChecked(kind == 2);
}

double cell_double(QStandardItemModel* m, int r, int c)
{
    QStandardItem* it = m->item(r, c);
    return it ? it->data(Qt::EditRole).toDouble() : 0.0;
}

QString cell_text(QStandardItemModel* m, int r, int c)
{
    QStandardItem* it = m->item(r, c);
    return it ? it->data(Qt::EditRole).toString() : QString();
}

} // namespace

void MainWindow::fill_cb_Holzguete_sw(int update)
{
    const QStringList l = grade_list(rb_holzart_NH_sw->isChecked(), rb_holzart_LH_sw->isChecked(),
                                     rb_holzart_BSH_DIN_sw->isChecked(), rb_holzart_BSH_EC_sw->isChecked());
    cb_holzguete_sw->clear();
    cb_holzguete_sw->insertItems(0, l);
    if (rb_holzart_NH_sw->isChecked()) cb_holzguete_sw->setCurrentIndex(5);
    if (update) h_check_click();
}

void MainWindow::fill_cb_Holzguete_st(int update)
{
    const QStringList l = grade_list(rb_holzart_NH_st->isChecked(), rb_holzart_LH_st->isChecked(),
                                     rb_holzart_BSH_DIN_st->isChecked(), rb_holzart_BSH_EC_st->isChecked());
    cb_holzguete_st->clear();
    cb_holzguete_st->insertItems(0, l);
    if (rb_holzart_NH_st->isChecked()) cb_holzguete_st->setCurrentIndex(5);
    if (update) h_check_click();
}

void MainWindow::maske2data()
{
    NELU52_DATA& d = nelu52_data;
    d.cal_auto = action_cal_auto->isChecked() ? 1 : 0;

    if (rb_typ_stirn->isChecked())
        d.typ = 0;
    else if (rb_typ_brust->isChecked())
        d.typ = 1;
    else if (rb_typ_ferse->isChecked())
        d.typ = 2;
    else if (rb_typ_doppelt->isChecked())
        d.typ = 3;

    d.nkl = cob_nkl->currentData().toInt();

    checked_kind(rb_holzart_NH_sw, rb_holzart_LH_sw, rb_holzart_BSH_DIN_sw, rb_holzart_BSH_EC_sw, &d.holzart_sw);
    if (cb_holzguete_sw->currentIndex() >= 0) d.holzguete_sw = cb_holzguete_sw->currentIndex();
    d.mit_kh_sw = cb_kh_sw->isChecked() ? 1 : 0;
    d.st_wie_sw = gb_holz_strebe->isChecked() ? 0 : 1;

    checked_kind(rb_holzart_NH_st, rb_holzart_LH_st, rb_holzart_BSH_DIN_st, rb_holzart_BSH_EC_st, &d.holzart_st);
    if (cb_holzguete_st->currentIndex() >= 0) d.holzguete_st = cb_holzguete_st->currentIndex();
    d.mit_kh_st = cb_kh_st->isChecked() ? 1 : 0;

    d.balken_b = ed_Balken_b->value();
    d.strebe_leff = ed_Strebe_leff->value();
    d.balken_hG = ed_Balken_hG->value();
    d.balken_hD = ed_Balken_hD->value();
    d.balken_tv1 = ed_Balken_tv1->value();
    d.balken_tv2 = ed_Balken_tv2->value();
    d.gamma = ed_gamma->value();

    d.nw_biegung = cb_Schwelle_Biegung->isChecked() ? 1 : 0;
    d.nw_schub = cb_Schwelle_Schub->isChecked() ? 1 : 0;
    d.nw_strebe = cb_Strebe->isChecked() ? 1 : 0;
    d.stirn_gleich = rb_stirn_gleich->isChecked() ? 1 : 0;
    d.import_zov = cb_import_zov->isChecked() ? 1 : 0;
    d.import_mat = cb_import_mat->isChecked() ? 1 : 0;
    d.import_geo = cb_import_geo->isChecked() ? 1 : 0;
    d.linkes_schnittufer = rb_linkes_schnittufer->isChecked() ? 1 : 0;
    d.max_tv1 = cb_max_tv1->isChecked() ? 1 : 0;
    d.max_tv2 = cb_max_tv2->isChecked() ? 1 : 0;
    d.lagesicherung_bolzen = rb_lagesicherung_bolzen->isChecked() ? 1 : 0;
    d.d_bolzen = cob_d_bolzen->currentData().toDouble();
    d.querschnittsschwaechung = cb_querschnittsschwaechung->isChecked() ? 1 : 0;
    d.lagesicherung_text = le_lagesicherung->text();

    d.lasten.clear();
    for (int r = 0; r < model_lasten->rowCount(); ++r) {
        LoadCase lc;
        lc.name = cell_text(model_lasten, r, COL_NAME);
        lc.nd_strebe = cell_double(model_lasten, r, COL_ND_STREBE);
        lc.nd_schwelle = cell_double(model_lasten, r, COL_ND);
        lc.md_schwelle = cell_double(model_lasten, r, COL_MD);
        lc.vd_schwelle = cell_double(model_lasten, r, COL_VD);
        lc.kled = NELU52_DATA::kled_index(cell_text(model_lasten, r, COL_KLED));
        if (lc.kled == 8) {
            lc.kmod = cell_double(model_lasten, r, COL_KMOD);
        } else {
            // k_mod follows the sill's material, service class and class.
            const double kmod = d.kmod_for_class(lc.kled);
            lc.kmod = kmod;
            // The table shows the k_mod that is computed with (a new service
            // class or sill timber changes it).
            QStandardItem* k = model_lasten->item(r, COL_KMOD);
            if (k && k->data(Qt::EditRole).toDouble() != kmod) {
                writing_kmod = true;
                k->setData(kmod, Qt::EditRole);
                writing_kmod = false;
            }
        }
        d.lasten.append(lc);
    }
}

void MainWindow::data2maske()
{
    NELU52_DATA& d = nelu52_data;
    action_cal_auto->setChecked(d.cal_auto != 0);

    rb_typ_stirn->setChecked(d.typ == 0);
    rb_typ_brust->setChecked(d.typ == 1);
    rb_typ_ferse->setChecked(d.typ == 2);
    rb_typ_doppelt->setChecked(d.typ == 3);

    cob_nkl->setCurrentIndex(cob_nkl->findData(d.nkl));

    show_kind(rb_holzart_NH_sw, rb_holzart_LH_sw, rb_holzart_BSH_DIN_sw, rb_holzart_BSH_EC_sw, d.holzart_sw);
    const int grade_sw = d.holzguete_sw;
    fill_cb_Holzguete_sw(0);
    cb_holzguete_sw->setCurrentIndex(grade_sw);
    cb_kh_sw->setChecked(d.mit_kh_sw != 0);
    gb_holz_strebe->setChecked(d.st_wie_sw == 0);

    show_kind(rb_holzart_NH_st, rb_holzart_LH_st, rb_holzart_BSH_DIN_st, rb_holzart_BSH_EC_st, d.holzart_st);
    const int grade_st = d.holzguete_st;
    fill_cb_Holzguete_st(0);
    cb_holzguete_st->setCurrentIndex(grade_st);
    cb_kh_st->setChecked(d.mit_kh_st != 0);

    ed_Balken_b->setValue(field_int(d.balken_b));
    ed_Strebe_leff->setValue(field_int(d.strebe_leff));
    ed_Balken_hG->setValue(field_int(d.balken_hG));
    ed_Balken_hD->setValue(field_int(d.balken_hD));
    ed_Balken_tv1->setValue(field_int(d.balken_tv1));
    ed_Balken_tv2->setValue(field_int(d.balken_tv2));
    // The angle keeps its decimals: cutting it here would store the cut value
    // at the next save.
    ed_gamma->setValue(d.gamma);

    cb_Schwelle_Biegung->setChecked(d.nw_biegung != 0);
    cb_Schwelle_Schub->setChecked(d.nw_schub != 0);
    cb_Strebe->setChecked(d.nw_strebe != 0);
    rb_stirn_gleich->setChecked(d.stirn_gleich == 1);
    rb_stirn_gegenueber->setChecked(d.stirn_gleich == 0);

    const QVector<LoadCase> lasten = d.lasten;
    for (const LoadCase& lc : lasten)
        newLast(lc.name, lc.nd_strebe, lc.nd_schwelle, lc.md_schwelle, lc.vd_schwelle, lc.kled, lc.kmod);

    cb_import_zov->setChecked(d.import_zov != 0);
    cb_import_mat->setChecked(d.import_mat != 0);
    cb_import_geo->setChecked(d.import_geo != 0);
    rb_linkes_schnittufer->setChecked(d.linkes_schnittufer == 1);
    rb_rechtes_schnittufer->setChecked(d.linkes_schnittufer == 0);
    cb_max_tv1->setChecked(d.max_tv1 != 0);
    cb_max_tv2->setChecked(d.max_tv2 != 0);
    rb_lagesicherung_bolzen->setChecked(d.lagesicherung_bolzen == 1);
    rb_lagesicherung_text->setChecked(d.lagesicherung_bolzen == 0);
    cob_d_bolzen->setCurrentIndex(cob_d_bolzen->findData(d.d_bolzen));
    cb_querschnittsschwaechung->setChecked(d.querschnittsschwaechung != 0);
    le_lagesicherung->setText(d.lagesicherung_text);

    show_sill_timber_in_strut();
    keep_stored_values();

    const bool strebe = cb_Strebe->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{rb_stirn_gegenueber, rb_stirn_gleich, lb_stirnversatz, lbl_leff,
                                                      ed_Strebe_leff, lb_strebe})
        w->setEnabled(strebe);
}

void MainWindow::show_sill_timber_in_strut()
{
    if (gb_holz_strebe->isChecked()) return;
    int kind = 0;
    if (!checked_kind(rb_holzart_NH_sw, rb_holzart_LH_sw, rb_holzart_BSH_DIN_sw, rb_holzart_BSH_EC_sw, &kind)) return;
    QWidget* strut[] = {rb_holzart_NH_st,     rb_holzart_LH_st, rb_holzart_BSH_DIN_st,
                        rb_holzart_BSH_EC_st, cb_holzguete_st,  cb_kh_st};
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QWidget* w : strut) quiet.emplace_back(new QSignalBlocker(w));
    show_kind(rb_holzart_NH_st, rb_holzart_LH_st, rb_holzart_BSH_DIN_st, rb_holzart_BSH_EC_st, kind);
    const int grade = cb_holzguete_sw->currentIndex();
    if (cb_holzguete_st->count() != cb_holzguete_sw->count() ||
        cb_holzguete_st->itemText(0) != cb_holzguete_sw->itemText(0))
        fill_cb_Holzguete_st(0);
    cb_holzguete_st->setCurrentIndex(grade);
    cb_kh_st->setChecked(cb_kh_sw->isChecked());
}
