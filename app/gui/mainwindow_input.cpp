// The main window's guards of what the user sees and typed: values of the
// input file outside a field's range, the state of the result frame, and
// leaving through the window's title bar.
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTimer>
#include <cmath>

#include "app/gui/mainwindow.h"
#include "app/gui/uimessage.h"
#include "app/gui/zorvspinbox.h"
#include "app/nelu52data.h"
#include "nad/nadec5.h"

namespace {

QString number_text(double v) { return QLocale::c().toString(v, 'g', 10); }

// Everything of the data object and the annex that a calculation reads: two
// equal fingerprints give equal results.
QByteArray input_fingerprint()
{
    const NELU52_DATA& d = nelu52_data;
    QByteArray f;
    auto add = [&f](const void* p, size_t n) { f.append(static_cast<const char*>(p), static_cast<int>(n)); };
    const int ints[] = {d.typ,
                        d.nw_biegung,
                        d.nw_schub,
                        d.nw_strebe,
                        d.linkes_schnittufer,
                        d.holzart_sw,
                        d.holzart_st,
                        d.mit_kh_sw,
                        d.mit_kh_st,
                        d.st_wie_sw,
                        d.holzguete_sw,
                        d.holzguete_st,
                        d.nkl,
                        d.querschnittsschwaechung,
                        d.stirn_gleich,
                        d.lagesicherung_bolzen};
    const double doubles[] = {d.strebe_leff, d.balken_hG,  d.balken_b, d.balken_hD,
                              d.balken_tv1,  d.balken_tv2, d.gamma,    d.d_bolzen};
    add(ints, sizeof ints);
    add(doubles, sizeof doubles);
    for (const LoadCase& lc : d.lasten) {
        const double v[] = {lc.nd_strebe, lc.nd_schwelle, lc.vd_schwelle, lc.md_schwelle, lc.kmod};
        add(v, sizeof v);
        add(&lc.kled, sizeof lc.kled);
    }
    const NadEc5Record* ec5 = ActiveNadEc5;
    add(&ec5, sizeof ec5);
    if (ec5) add(ec5, sizeof *ec5);
    return f;
}

} // namespace

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The title bar's close button leaves as "Ende" does: the exit dialog asks
    // whether to save, and "abbrechen" keeps the window and its input.
    event->ignore();
    ende_request();
}

void MainWindow::name_form_fields()
{
    ed_Balken_b->fieldName = QStringLiteral("b");
    ed_Balken_hG->fieldName = QStringLiteral("h_G");
    ed_Balken_hD->fieldName = QStringLiteral("h_D");
    ed_Balken_tv1->fieldName = QStringLiteral("t_v1");
    ed_Balken_tv2->fieldName = QStringLiteral("t_v2");
    ed_Strebe_leff->fieldName = QStringLiteral("l_eff");
    ed_gamma->fieldName = QString::fromUtf8("γ");
    ed_gamma->unit = QString::fromUtf8("°");
}

void MainWindow::keep_stored_values()
{
    name_form_fields();
    const NELU52_DATA& d = nelu52_data;
    QStringList kept;
    // A value outside its field's range is shown and computed as stored;
    // the user is told so. The step depths are also held against the limit
    // that the joint's dimensions give them.
    // A step depth that the joint type does not use is kept without a word.
    const int step_limit = max_step_depth(d.balken_hG, d.balken_hD, d.gamma);
    const struct {
        WholeSpinBox* field;
        double stored;
        int maximum;
        bool used;
    } fields[] = {
        {ed_Balken_b, d.balken_b, ed_Balken_b->formMaximum(), true},
        {ed_Balken_hG, d.balken_hG, ed_Balken_hG->formMaximum(), true},
        {ed_Balken_hD, d.balken_hD, ed_Balken_hD->formMaximum(), true},
        {ed_Balken_tv1, d.balken_tv1, std::min(ed_Balken_tv1->formMaximum(), step_limit), d.typ != 2},
        {ed_Balken_tv2, d.balken_tv2, std::min(ed_Balken_tv2->formMaximum(), step_limit), d.typ == 2 || d.typ == 3},
        {ed_Strebe_leff, d.strebe_leff, ed_Strebe_leff->formMaximum(), d.nw_strebe != 0},
    };
    for (const auto& f : fields) {
        const int minimum = f.field->formMinimum();
        // The fields hold whole millimetres.
        const bool whole = std::isfinite(f.stored) && f.stored == std::trunc(f.stored);
        const bool inside = std::isfinite(f.stored) && f.stored >= minimum && f.stored <= f.maximum;
        if (inside && whole) continue;
        if (!std::isfinite(f.stored) || std::fabs(f.stored) > 1e9) continue;
        const int shown = static_cast<int>(std::trunc(f.stored));
        if (!inside) {
            f.field->keepStored(shown);
            if (f.used)
                kept << QString::fromUtf8("%1 = %2 mm liegt außerhalb des Bereichs %3 bis %4 mm")
                            .arg(f.field->fieldName, number_text(f.stored))
                            .arg(minimum)
                            .arg(f.maximum);
        }
        if (!whole && f.used)
            kept << QString::fromUtf8("%1 = %2 mm wird als ganze Millimeter %3 mm übernommen")
                        .arg(f.field->fieldName, number_text(f.stored))
                        .arg(shown);
    }
    if (std::isfinite(d.gamma) && (d.gamma < ed_gamma->minimum() || d.gamma > ed_gamma->maximum())) {
        kept << QString::fromUtf8("γ = %1° liegt außerhalb des Bereichs %2 bis %3°")
                    .arg(number_text(d.gamma), number_text(ed_gamma->minimum()), number_text(ed_gamma->maximum()));
        ed_gamma->setRange(std::min(ed_gamma->minimum(), d.gamma), std::max(ed_gamma->maximum(), d.gamma));
        ed_gamma->setValue(d.gamma);
    }
    if (kept.isEmpty()) return;
    const QString text = QString::fromUtf8("Die Eingabedatei enthält Werte außerhalb der Eingabebereiche. Sie bleiben "
                                           "so erhalten und werden so gerechnet, bis Sie sie ändern:\n") +
                         kept.join(QLatin1Char('\n'));
    QTimer::singleShot(0, this, [text] {
        Ui_Message_Box(QMessageBox::Warning, QString::fromUtf8("Werte außerhalb der Eingabebereiche"), text);
    });
}

QLabel* MainWindow::result_status()
{
    QLabel* l = gb_ergebnisse->findChild<QLabel*>(QStringLiteral("erg_status"));
    if (!l) {
        l = new QLabel(gb_ergebnisse);
        l->setObjectName(QStringLiteral("erg_status"));
        l->setAlignment(Qt::AlignCenter);
        erg_layout->addWidget(l, 0, 0, 1, 2);
    }
    return l;
}

void MainWindow::show_result_state(bool calculated)
{
    // What is on screen belongs to the input it was calculated from; a
    // display of another input marks it out of date.
    if (calculated) {
        calculated_input = input_fingerprint();
        results = nelu52_data.lasten.isEmpty() ? Results::NoCombination : Results::Current;
    } else if (results != Results::NotCalculated) {
        const bool same = input_fingerprint() == calculated_input;
        if (results == Results::NoCombination)
            results = same ? Results::NoCombination : Results::NotCalculated;
        else
            results = same ? Results::Current : Results::Stale;
    }

    QLabel* status = result_status();
    status->setFont(font());
    if (results == Results::Current) {
        status->clear();
        status->hide();
        if (nelu52_data.eta_gesamt > 1.009)
            gb_ergebnisse->setStyleSheet(QStringLiteral("QGroupBox { background-color: ") + color_ergwin_fehler.name() +
                                         QStringLiteral("; color : red;  border-width: 1px; border-color: red; "
                                                        "border-style: solid; border-radius: 4px;}"));
        else
            gb_ergebnisse->setStyleSheet(QStringLiteral("QGroupBox { background-color: ") + color_ergwin_ok.name() +
                                         QStringLiteral("; color : green;  border-width: 1px; border-color: green; "
                                                        "border-style: solid; border-radius: 4px;}"));
        return;
    }

    // Nothing that was checked is no "passed": the frame stays neutral and
    // says why.
    gb_ergebnisse->setStyleSheet(QStringLiteral("QGroupBox { background-color: #EBEBEB; color : black;  "
                                                "border-width: 1px; border-color: grey; border-style: solid; "
                                                "border-radius: 4px;}"));
    switch (results) {
        case Results::NotCalculated: status->setText(QStringLiteral("nicht gerechnet")); break;
        case Results::NoCombination: status->setText(QStringLiteral("keine Lastkombination")); break;
        default: status->setText(QString::fromUtf8("nicht aktuell – Berechnung durchführen")); break;
    }
    status->show();
    if (results == Results::Stale) return;
    // No percentage and no bar where nothing was calculated.
    for (int i = 0; i < 4; ++i) {
        erg_prozent[i]->clear();
        erg_balken[i]->setValue(0);
        erg_balken[i]->setStyleSheet(style_balken_ok);
    }
}
