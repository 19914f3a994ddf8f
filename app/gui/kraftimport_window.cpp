// The force import as the main window runs it.
#include "app/kraftimport.h"

#include "app/gui/mainwindow.h"
#include "app/nelu52data.h"
#include "app/uimessage.h"

namespace {

void show_kind(QRadioButton* nh, QRadioButton* lh, QRadioButton* ec, QRadioButton* din, int kind)
{
    nh->setChecked(kind == 0);
    lh->setChecked(kind == 1);
    ec->setChecked(kind == 2);
    din->setChecked(kind == 3);
}

} // namespace

int Kraft_Import_In_Window(QMainWindow* window)
{
    MainWindow* w = qobject_cast<MainWindow*>(window);
    if (!w) return 1;
    NELU52_DATA& d = nelu52_data;
    w->maske2data();

    KraftImportLimits lim;
    lim.b_min = w->ed_Balken_b->minimum();
    lim.b_max = w->ed_Balken_b->maximum();
    lim.hD_min = w->ed_Balken_hD->minimum();
    lim.hD_max = w->ed_Balken_hD->maximum();
    lim.hG_min = w->ed_Balken_hG->minimum();
    lim.hG_max = w->ed_Balken_hG->maximum();
    const KraftImportResult r = Kraft_Import_Run(d, lim);

    // Every field set below may recalculate and so copy the form back into the
    // data object: what the import took over is kept here first.
    const int kind_st = d.holzart_st, grade_st = d.holzguete_st;
    const int kind_sw = d.holzart_sw, grade_sw = d.holzguete_sw;
    const int b = int(d.balken_b), hD = int(d.balken_hD), hG = int(d.balken_hG);
    const QVector<LoadCase> neu = d.lasten.mid(r.first_new, r.appended);

    // The grade list belongs to the kind: it is refilled before the grade is
    // selected in it.
    if (r.material_st) {
        show_kind(w->rb_holzart_NH_st, w->rb_holzart_LH_st, w->rb_holzart_BSH_EC_st, w->rb_holzart_BSH_DIN_st,
                  kind_st);
        w->fill_cb_Holzguete_st(0);
        w->cb_holzguete_st->setCurrentIndex(grade_st);
    }
    if (r.material_sw) {
        show_kind(w->rb_holzart_NH_sw, w->rb_holzart_LH_sw, w->rb_holzart_BSH_EC_sw, w->rb_holzart_BSH_DIN_sw,
                  kind_sw);
        w->fill_cb_Holzguete_sw(0);
        w->cb_holzguete_sw->setCurrentIndex(grade_sw);
    }
    if (r.b) w->ed_Balken_b->setValue(b);
    if (r.hD) w->ed_Balken_hD->setValue(hD);
    if (r.hG) w->ed_Balken_hG->setValue(hG);
    for (const LoadCase& lc : neu)
        w->newLast(lc.name, lc.nd_strebe, lc.nd_schwelle, lc.md_schwelle, lc.vd_schwelle, lc.kled, lc.kmod);
    // The data object follows the form again, new rows included.
    w->maske2data();

    Ui_Message_Box(QMessageBox::Information, r.title, r.text);
    return r.result;
}
