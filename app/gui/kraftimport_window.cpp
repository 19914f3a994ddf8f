// The force import as the main window runs it.
#include "app/kraftimport.h"

#include "app/gui/mainwindow.h"
#include "app/gui/uimessage.h"
#include "app/nelu52data.h"

namespace {

void show_kind(QRadioButton* nh, QRadioButton* lh, QRadioButton* ec, QRadioButton* din, int kind)
{
    nh->setChecked(kind == 0);
    lh->setChecked(kind == 1);
    ec->setChecked(kind == 2);
    din->setChecked(kind == 3);
}

} // namespace

int MainWindow::import_schnitte(int* cut_count, std::vector<double>* forces, int* row_count)
{
    NELU52_DATA& d = nelu52_data;
    KraftImportLimits lim;
    lim.b_min = ed_Balken_b->minimum();
    lim.b_max = ed_Balken_b->maximum();
    lim.hD_min = ed_Balken_hD->minimum();
    lim.hD_max = ed_Balken_hD->maximum();
    lim.hG_min = ed_Balken_hG->minimum();
    lim.hG_max = ed_Balken_hG->maximum();
    KraftImportResult r;
    const int rc = Kraft_Import_Schnitte(d, lim, cut_count, forces, row_count, &r);

    // Every field set below may recalculate and so copy the form back into the
    // data object: what the import took over is kept here first.
    const int kind_st = d.holzart_st, grade_st = d.holzguete_st;
    const int kind_sw = d.holzart_sw, grade_sw = d.holzguete_sw;
    const int b = int(d.balken_b), hD = int(d.balken_hD), hG = int(d.balken_hG);

    // The grade list belongs to the kind: it is refilled before the grade is
    // selected in it.
    if (r.material_st) {
        show_kind(rb_holzart_NH_st, rb_holzart_LH_st, rb_holzart_BSH_EC_st, rb_holzart_BSH_DIN_st, kind_st);
        fill_cb_Holzguete_st(0);
        cb_holzguete_st->setCurrentIndex(grade_st);
    }
    if (r.material_sw) {
        show_kind(rb_holzart_NH_sw, rb_holzart_LH_sw, rb_holzart_BSH_EC_sw, rb_holzart_BSH_DIN_sw, kind_sw);
        fill_cb_Holzguete_sw(0);
        cb_holzguete_sw->setCurrentIndex(grade_sw);
    }
    if (r.b) ed_Balken_b->setValue(b);
    if (r.hD) ed_Balken_hD->setValue(hD);
    if (r.hG) ed_Balken_hG->setValue(hG);
    // The data object follows the form again.
    maske2data();
    return rc;
}

int Kraft_Import_In_Window(QMainWindow* window)
{
    MainWindow* w = qobject_cast<MainWindow*>(window);
    if (!w) return 1;
    NELU52_DATA& d = nelu52_data;
    KraftImportTexts& texts = Kraft_Import_Texts();
    texts.fehler.clear();
    texts.info.clear();
    texts.hinweise.clear();
    w->maske2data();

    int cut_count = 2, rows = 0;
    std::vector<double> forces;
    w->import_schnitte(&cut_count, &forces, &rows);
    KraftImportResult r;
    Kraft_Import_Combinations(d, cut_count, forces, rows, &r);

    // The new rows go into the load table, which may recalculate on each.
    const QVector<LoadCase> neu = d.lasten.mid(r.first_new, r.appended);
    for (const LoadCase& lc : neu)
        w->newLast(lc.name, lc.nd_strebe, lc.nd_schwelle, lc.md_schwelle, lc.vd_schwelle, lc.kled, lc.kmod);
    // The data object follows the form again, new rows included.
    w->maske2data();

    Ui_Message_Box(QMessageBox::Information, r.title, r.text);
    return r.result;
}
