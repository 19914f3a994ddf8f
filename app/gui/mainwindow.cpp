// The one window of the step-joint program: the form with joint, materials, dimensions, load
// table, result rows and sketch, placed within the part of the screen a window may take.
#include "app/gui/mainwindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/gui/delegates.h"
#include "app/gui/exitdialog.h"
#include "app/gui/hierarchicalheaderview.h"
#include "app/gui/nadselectdialog.h"
#include "app/gui/optionsdialog.h"
#include "app/gui/proxymodelwithheadermodels.h"
#include "app/gui/resources.h"
#include "app/gui/sketchview.h"
#include "app/nelu52annex.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "nad/nadactive.h"
#include "nad/nadec5.h"
#include "nad/nadlist.h"
#include "platform/kovhost.h"

QString erg_prozent_text(double ratio)
{
    // A check that is not verified (tension in the joint, values missing) has
    // no percentage to show.
    if (std::isinf(ratio) || std::isnan(ratio)) return QString::fromUtf8("nicht erfüllt");
    return QString::number(100.0 * ratio, 'f', 2) + QStringLiteral(" %");
}

// The part of the screen that a window may take (without task bars).
static QRect available_area(QWidget* w)
{
    QScreen* screen = w->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

MainWindow* nelu52_main_window = nullptr;

QMainWindow* Nelu52_New_Main_Window()
{
    MainWindow* w = new MainWindow;
    nelu52_main_window = w;
    return w;
}

MainWindow::MainWindow()
    : QMainWindow(nullptr), options_dialog(nullptr), exit_dialog(nullptr), model_lasten(nullptr), model_header(nullptr),
      erg_layout(nullptr), scene_plot(nullptr), header_view(nullptr), delegate_kmod(nullptr), delegate_dauer(nullptr),
      delegate_button(nullptr), proxy_lasten(nullptr)
{
    Kov_App_Init_Resources();
    for (int i = 0; i < 4; ++i) {
        erg_name[i] = nullptr;
        erg_prozent[i] = nullptr;
        erg_balken[i] = nullptr;
        delegate_kraft[i] = nullptr;
    }

    setup_form();
    loadSettings();
    setup_plot_and_title();
    setup_results();

    report_read_problems(nelu52_data.read_data());

    setup_dialogs_and_actions();

    loadSettings();
    loadSettings_fonts_colors();

    display_nachweise(action_cal_auto->isChecked() ? 1 : 0);

    connect_inputs();

    fit_window(available_area(this));
    typ_click();
    plot_ansicht_fit(true);
}

// The form of the designer file in its scroll areas, with the pictures of
// the joint types and the choices of the bolt diameter and service class.
void MainWindow::setup_form()
{
    setupUi(this);
    arrange_form();

    const char* typ_icons[4] = {":/skizzen/images/versatz_stirn_sgr.png", ":/skizzen/images/versatz_brust_sgr.png",
                                ":/skizzen/images/versatz_ferse_sgr.png", ":/skizzen/images/versatz_doppelt_sgr.png"};
    for (int i = 0; i < 4; ++i)
        icon_typ[i].addFile(QString::fromLatin1(typ_icons[i]), QSize(), QIcon::Normal, QIcon::Off);

    const char* bolzen_text[8] = {" 6 mm", " 8 mm", "10 mm", "12 mm", "14 mm", "16 mm", "20 mm", "24 mm"};
    const double bolzen_d[8] = {6.0, 8.0, 10.0, 12.0, 14.0, 16.0, 20.0, 24.0};
    for (int i = 0; i < 8; ++i) cob_d_bolzen->addItem(QString::fromLatin1(bolzen_text[i]), bolzen_d[i]);
    for (int k = 1; k <= 3; ++k) cob_nkl->addItem(QStringLiteral("Nutzungsklasse %1").arg(k), k);
}

void MainWindow::setup_plot_and_title()
{
    centralwidget->setStyleSheet(QStringLiteral("QWidget#centralwidget {background-color: #D0D0D0;}"));

    scene_plot = new QGraphicsScene(this);
    gv_plot->setScene(scene_plot);

    setWindowTitle(QStringLiteral("Q8-WPSL, ") + nelu52_titel);
}

// The four result rows: name, bar and percentage.
void MainWindow::setup_results()
{
    style_balken_ok =
        QStringLiteral("QProgressBar {border: 2px solid grey; border-radius: 3px; text-align: center; "
                       "background-color: #FFFFFF;} QProgressBar::chunk {background-color: #006400; width: 10px; "
                       "margin: 0.5px; }");
    style_balken_fehler =
        QStringLiteral("QProgressBar {border: 2px solid grey; border-radius: 3px; text-align: center; "
                       "background-color: #FFFFFF;} QProgressBar::chunk {background-color: #cc0000; width: 10px; "
                       "margin: 0.5px; }");
    erg_layout = new QGridLayout(gb_ergebnisse);
    const int line_height = QFontMetrics(font()).height();
    for (int i = 0; i < 4; ++i) {
        erg_name[i] = new QLabel(gb_ergebnisse);
        erg_prozent[i] = new QLabel(gb_ergebnisse);
        erg_balken[i] = new QProgressBar(gb_ergebnisse);
        erg_name[i]->setObjectName(QStringLiteral("erg_name_%1").arg(i));
        erg_prozent[i]->setObjectName(QStringLiteral("erg_prozent_%1").arg(i));
        erg_balken[i]->setObjectName(QStringLiteral("erg_balken_%1").arg(i));
        erg_balken[i]->setRange(0, 120);
        erg_balken[i]->setValue(0);
        erg_balken[i]->setTextVisible(false);
        erg_balken[i]->setStyleSheet(style_balken_ok);
        erg_name[i]->setFont(font());
        erg_prozent[i]->setFont(font());
        erg_name[i]->setText(QStringLiteral(" "));
        erg_prozent[i]->setText(erg_prozent_text(0.0));
        erg_balken[i]->setMaximumHeight(line_height);
        erg_layout->addWidget(erg_name[i], 2 * i + 1, 0);
        erg_layout->addWidget(erg_balken[i], 2 * i + 2, 0);
        erg_layout->addWidget(erg_prozent[i], 2 * i + 2, 1);
    }
}

// The annex choice, the load table, the choices of joint type and timber,
// the tool bar's actions and the options and exit dialogs.
void MainWindow::setup_dialogs_and_actions()
{
    // The annex choice lives to the end of the run; no member holds it.
    NA_SelectDialog* na_dialog = new NA_SelectDialog;
    na_dialog->setWindowFlags(Qt::Window);
    connect(na_dialog, &NA_SelectDialog::naChanged, this, [this] { na_select_click(); });

    connect(pb_last_new, &QPushButton::clicked, this, [this] { newLast_click(); });

    setup_load_table();

    for (QRadioButton* rb : {rb_typ_stirn, rb_typ_brust, rb_typ_ferse, rb_typ_doppelt})
        connect(rb, &QRadioButton::clicked, this, [this] { typ_click(); });
    QRadioButton* sw[4] = {rb_holzart_NH_sw, rb_holzart_LH_sw, rb_holzart_BSH_DIN_sw, rb_holzart_BSH_EC_sw};
    QRadioButton* st[4] = {rb_holzart_NH_st, rb_holzart_LH_st, rb_holzart_BSH_DIN_st, rb_holzart_BSH_EC_st};
    for (QRadioButton* rb : sw)
        connect(rb, &QRadioButton::clicked, this, [this](bool c) { fill_cb_Holzguete_sw(c ? 1 : 0); });
    for (QRadioButton* rb : st)
        connect(rb, &QRadioButton::clicked, this, [this](bool c) { fill_cb_Holzguete_st(c ? 1 : 0); });
    for (QRadioButton* rb : sw) connect(rb, &QRadioButton::clicked, this, [this] { b_check_click(); });
    connect(cb_holzguete_sw, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { b_check_click(); });
    for (QRadioButton* rb : st) connect(rb, &QRadioButton::clicked, this, [this] { b_check_click(); });
    connect(cb_holzguete_st, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { b_check_click(); });
    connect(actionNationalerAnhang, &QAction::triggered, na_dialog, &QWidget::show);
    connect(actionSchnittgr_import, &QAction::triggered, this, [this] { schnittgroessen_import(); });
    connect(actionDaten_sichern, &QAction::triggered, this, [this] { save_data(); });
    connect(actionHilfe, &QAction::triggered, this, [this] { show_helpview(); });
    connect(actionDruckvorschau, &QAction::triggered, this, [this] { print_request(false); });
    connect(actionDrucken, &QAction::triggered, this, [this] { print_request(true); });
    connect(actionCalculation, &QAction::triggered, this, [this] { display_nachweise(); });
    connect(action_cal_auto, &QAction::toggled, this, [this] { h_check_click(); });
    for (QCheckBox* cb : {cb_Schwelle_Biegung, cb_Schwelle_Schub, cb_Strebe})
        connect(cb, &QCheckBox::toggled, this, [this](bool c) { display_nachweise_checkauto(c); });
    options_dialog = new OptionsDialog;
    options_dialog->setWindowFlags(Qt::Window);
    connect(actionEinstellungen, &QAction::triggered, this, [this] { show_options_dialog(); });
    exit_dialog = new ExitDialog;
    exit_dialog->setWindowFlags(Qt::Window);
    connect(actionEnde, &QAction::triggered, this, [this] { ende_request(); });
}

// The inputs that enter the checks: each change shows its results.
void MainWindow::connect_inputs()
{
    for (QSpinBox* sb : {ed_Balken_hD, ed_Balken_b, ed_Balken_hG, ed_Balken_tv1, ed_Balken_tv2})
        connect(sb, qOverload<int>(&QSpinBox::valueChanged), this, [this] { h_check_click(); });
    for (QCheckBox* cb : {cb_max_tv1, cb_max_tv2}) connect(cb, &QCheckBox::toggled, this, [this] { max_tv_click(); });
    connect(ed_gamma, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this] { h_check_click(); });
    connect(tv_lasten, &QTableView::clicked, this, [this](const QModelIndex& i) { last_click(i); });
    connect(model_lasten, &QStandardItemModel::itemChanged, this,
            [this](QStandardItem* item) { update_last_kmod(item); });

    // Every further input that enters the checks shows its results at once
    // under automatic calculation; the service class also sets k_mod of the
    // load rows (the copy into the data object writes them into the table).
    auto input = [this] { display_nachweise_checkauto(); };
    connect(cob_nkl, qOverload<int>(&QComboBox::currentIndexChanged), this, input);
    connect(cob_d_bolzen, qOverload<int>(&QComboBox::currentIndexChanged), this, input);
    connect(ed_Strebe_leff, qOverload<int>(&QSpinBox::valueChanged), this, input);
    connect(gb_holz_strebe, &QGroupBox::toggled, this, input);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{cb_kh_sw, cb_kh_st, cb_querschnittsschwaechung,
                                                                      rb_stirn_gleich, rb_linkes_schnittufer})
        connect(b, &QAbstractButton::toggled, this, input);
    connect(model_lasten, &QStandardItemModel::rowsInserted, this, input);
    connect(model_lasten, &QStandardItemModel::rowsRemoved, this, input);
}

MainWindow::~MainWindow() = default;

void MainWindow::report_read_problems(int read)
{
    if (read == 2)
        Nelu52_Warning(QString::fromUtf8(NELU52_READ_PROBLEMS_TITLE),
                       nelu52_read_problems_text(nelu52_inp_name, nelu52_data.read_problems, true));
}

void MainWindow::show_helpview() { Helpview("haupt"); }

void MainWindow::na_select_click()
{
    Nad_Publish_Active_Blocks();
    // Another annex gives other partial factors and crack factors: with
    // automatic calculation the results follow at once, otherwise they are
    // marked out of date like after any other change.
    display_nachweise_checkauto();
}

void MainWindow::set_style_checkbox()
{
    if (QCheckBox* cb = qobject_cast<QCheckBox*>(sender()))
        cb->setStyleSheet(QStringLiteral("QCheckBox[checked=\"true\"]  {font-weight: bold;} "
                                         "QCheckBox[checked=\"false\"]  {font-weight: normal;}"));
}

void MainWindow::b_check_click() { display_nachweise(action_cal_auto->isChecked() ? 1 : 0); }

void MainWindow::display_nachweise_checkauto(int) { display_nachweise(action_cal_auto->isChecked() ? 1 : 0); }

void MainWindow::display_nachweise(int calc)
{
    const int line_height = QFontMetrics(font()).height();
    gb_ergebnisse->repaint();

    show_sill_timber_in_strut();
    maske2data();

    int code = 0;
    const bool calculated = calc == 1 && actionCalculation->isEnabled();
    if (calculated) code = nelu52_data.cal_nachweise();

    const QVector<NachweisEintrag>& nw = nelu52_data.nachweise;
    if (nw.isEmpty()) {
        erg_name[1]->setText(QString());
        erg_name[2]->setText(QString());
        erg_name[0]->setText(QStringLiteral("Versatz"));
        int k = 1;
        if (cb_Schwelle_Biegung->isChecked()) {
            erg_name[1]->setText(QStringLiteral("Biegung und Normalkraft der Schwelle"));
            k = 2;
        }
        if (cb_Schwelle_Schub->isChecked()) {
            erg_name[k]->setText(QStringLiteral("Querkraft der Schwelle"));
            ++k;
        }
        if (cb_Strebe->isChecked()) erg_name[k]->setText(QString::fromUtf8("Stabilitätsnachweis der Strebe"));
    }

    const int n = std::min(nw.size(), 4);
    for (int i = 0; i < n; ++i) {
        const double v = 100.0 * nw[i].ausnutzung;
        // The bar ignores values outside its range; keep it within 0..120 so a
        // negative utilisation (tension) does not leave the previous bar standing.
        const double bar = std::max(0.0, std::min(v, 120.0));
        erg_balken[i]->setValue(static_cast<int>(std::trunc(bar)));
        erg_balken[i]->setStyleSheet(v > 100.9 ? style_balken_fehler : style_balken_ok);
        erg_name[i]->setFont(font());
        erg_prozent[i]->setFont(font());
        erg_name[i]->setText(nw[i].name);
        erg_prozent[i]->setText(erg_prozent_text(nw[i].ausnutzung));
        erg_balken[i]->setMaximumHeight(line_height);
    }
    const int last = std::min(nelu52_data.anzahl_nachweise, 4);
    for (int i = n; i < last; ++i) {
        erg_balken[i]->setValue(0);
        erg_name[i]->setFont(font());
        erg_prozent[i]->setFont(font());
        erg_name[i]->setText(QString());
        erg_prozent[i]->setText(QString());
        erg_balken[i]->setMaximumHeight(line_height);
    }
    erg_layout->setRowStretch(0, 2);

    if (code == 0) show_result_state(calculated);
    show_annex_note();
    // A longer text than the window was fitted for: the window fits anew.
    if (widen_results() && fit_area.isValid()) fit_window(fit_area);
}

void MainWindow::show_annex_note()
{
    QLabel* note = centralwidget->findChild<QLabel*>(QStringLiteral("erg_anhang"));
    if (!note) return;
    const QString text = Nelu52_Annex_Note();
    note->setFont(font());
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

void MainWindow::h_check_click()
{
    const int hD = ed_Balken_hD->value();
    const double gamma = ed_gamma->value();
    const int hG = ed_Balken_hG->value();
    const int mx = max_step_depth(hG, hD, gamma);
    ed_Balken_tv1->setFormRange(ed_Balken_tv1->formMinimum(), mx);
    ed_Balken_tv2->setFormRange(ed_Balken_tv2->formMinimum(), mx);

    max_tv_click();

    actionCalculation->setEnabled(true);
    actionDruckvorschau->setEnabled(true);
    actionDrucken->setEnabled(true);

    plot_ansicht_gs();
    fit_view();

    if (action_cal_auto->isChecked())
        display_nachweise(1);
    else
        display_nachweise(0); // marks the last results out of date
}

void MainWindow::max_tv_click()
{
    const bool ferse = rb_typ_ferse->isChecked();
    const bool doppelt = rb_typ_doppelt->isChecked();
    if (cb_max_tv1->isChecked() && !ferse) ed_Balken_tv1->setValue(ed_Balken_tv1->maximum());
    if (cb_max_tv2->isChecked() && (doppelt || ferse)) ed_Balken_tv2->setValue(ed_Balken_tv2->maximum());
    if (!ferse) ed_Balken_tv1->setEnabled(!cb_max_tv1->isChecked());
    if (doppelt || ferse) ed_Balken_tv2->setEnabled(!cb_max_tv2->isChecked());
}

static QString sub_caption(const char* base, const char* sub)
{
    return QStringLiteral("<html><head/><body><p>") + QLatin1String(base) +
           QStringLiteral("<span style=\" font-size:12pt; vertical-align:sub;\">") + QLatin1String(sub) +
           QStringLiteral("</span></p></body></html>");
}

void MainWindow::typ_click()
{
    const bool ferse = rb_typ_ferse->isChecked();
    const bool doppelt = rb_typ_doppelt->isChecked();
    ed_Balken_tv1->setEnabled(!ferse);
    cb_max_tv1->setEnabled(!ferse);
    lb_tv1->setEnabled(!ferse);
    ed_Balken_tv2->setEnabled(doppelt || ferse);
    cb_max_tv2->setEnabled(doppelt || ferse);
    lb_tv2->setEnabled(doppelt || ferse);

    lb_tv1->setText((doppelt || ferse) ? sub_caption("t", " v1") : sub_caption("t", " v"));
    lb_tv2->setText(ferse ? sub_caption("t", " v") : sub_caption("t", " v2"));

    const char* pics[4] = {":/skizzen/images/versatz_stirn.png", ":/skizzen/images/versatz_brust.png",
                           ":/skizzen/images/versatz_ferse.png", ":/skizzen/images/versatz_doppelt.png"};
    QRadioButton* typ[4] = {rb_typ_stirn, rb_typ_brust, rb_typ_ferse, rb_typ_doppelt};
    for (int i = 0; i < 4; ++i) {
        if (typ[i]->isChecked()) {
            lb_skizze->setPixmap(QPixmap(QString::fromLatin1(pics[i])));
            pb_last_new->setIcon(icon_typ[i]);
            break;
        }
    }

    h_check_click();

    QTimer::singleShot(0, this, &MainWindow::shrink);
}

void MainWindow::fit_view()
{
    QRectF r = scene_plot->itemsBoundingRect();
    r.setWidth(r.width() * 1.1);
    r.setHeight(r.height() * 1.1);
    gv_plot->centerOn(r.width() / 2, r.height() / 2);
    gv_plot->fitInView(r, Qt::KeepAspectRatio);
}

void MainWindow::plot_ansicht_fit(bool) { fit_view(); }

void MainWindow::shrink()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    fit_view();
    fit_window(available_area(this));
}

void MainWindow::plot_ansicht_gs()
{
    const double hG = ed_Balken_hG->value();
    const double hD = ed_Balken_hD->value();
    const double t1 = ed_Balken_tv1->value();
    const double t2 = ed_Balken_tv2->value();
    const double gamma = ed_gamma->value();
    int typ = -1;
    if (rb_typ_stirn->isChecked())
        typ = 0;
    else if (rb_typ_brust->isChecked())
        typ = 1;
    else if (rb_typ_ferse->isChecked())
        typ = 2;
    else if (rb_typ_doppelt->isChecked())
        typ = 3;
    // Without a joint type the scene stays empty: there is no outline to draw.
    const ScreenSketch g = sketch_geometry(typ, hG, hD, t1, t2, gamma);

    if (scene_plot) {
        scene_plot->clear();
        delete scene_plot;
    }
    scene_plot = new QGraphicsScene(this);
    gv_plot->setScene(scene_plot);
    gv_plot->clearMask();
    gv_plot->viewport()->update();
    gv_plot->update();

    QBrush wood(Qt::white, QPixmap(QStringLiteral(":/button/images/wood.png")));
    wood.setStyle(Qt::TexturePattern);
    sketch_draw(scene_plot, g, wood);
}
