#pragma once
// The one window of the step-joint program: the form with the joint, the
// materials and dimensions, the load table, the result rows and the sketch.
#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QMainWindow>
#include <QModelIndex>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

#include "app/gui/mainwindowapi.h"
#include "ui_mainwindow.h"

class QCloseEvent;
class QGraphicsScene;
class QGridLayout;
class QLabel;
class QProgressBar;
class QScrollArea;
class QStandardItem;
class QStandardItemModel;
class HierarchicalHeaderView;
class ProxyModelWithHeaderModels;
class SpinBoxDelegate;
class tv_ComboBoxDelegate;
class tv_ButtonDelegate;
class OptionsDialog;
class ExitDialog;

class MainWindow : public QMainWindow, public Ui::MainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

public slots:
    void set_application_font();
    void set_application_default_font();
    void set_tabellen_font();
    void set_application_default_color();
    void loadSettings_fonts_colors();
    void saveSettings_fonts_colors();
    void set_application_color_background();
    void set_application_color_buttonleiste();
    void set_application_color_tabheader();
    void set_application_color_ergwin_ok();
    void set_application_color_ergwin_fehler();
    void set_tabelle_nachkomma();

public:
    Q_INVOKABLE void loadSettings();
    Q_INVOKABLE void saveSettings();
    Q_INVOKABLE void updateAllWidgets(QFont font);
    Q_INVOKABLE void show_helpview();
    Q_INVOKABLE void maske2data();
    Q_INVOKABLE void data2maske();
    Q_INVOKABLE void fill_cb_Holzguete_sw(int update);
    Q_INVOKABLE void fill_cb_Holzguete_st(int update);
    Q_INVOKABLE void newLast(QString name, double n_strebe, double n_schwelle, double m_schwelle, double v_schwelle,
                             int dauer, double kmod);
    Q_INVOKABLE void newLast_click();
    Q_INVOKABLE void last_click(QModelIndex index);
    Q_INVOKABLE void update_last_kmod(QStandardItem* item);
    Q_INVOKABLE void typ_click();
    Q_INVOKABLE void plot_ansicht_gs();
    Q_INVOKABLE void h_check_click();
    Q_INVOKABLE void b_check_click();
    Q_INVOKABLE void max_tv_click();
    Q_INVOKABLE void na_select_click();
    Q_INVOKABLE int schnittgroessen_import();
    // The force import's first half: runs the force-selection tool for strut
    // and sill, takes over materials and cross-sections into the form as the
    // import's check boxes ask, and gives the forces of both cuts in the
    // joint's systems (Kraft_Import_Schnitte). 1 finished or nothing chosen,
    // 0 on a failure (with its line in the import's info text).
    int import_schnitte(int* cut_count, std::vector<double>* forces, int* row_count);
    Q_INVOKABLE void display_nachweise(int calc);
    Q_INVOKABLE void display_nachweise() { display_nachweise(1); }
    Q_INVOKABLE void display_nachweise_checkauto(int);
    Q_INVOKABLE void display_nachweise_checkauto() { display_nachweise_checkauto(1); }
    Q_INVOKABLE void plot_ansicht_fit(bool);
    Q_INVOKABLE void shrink();
    Q_INVOKABLE void set_style_checkbox();

    // "Daten sichern": settings, fonts and colours, form into the data object,
    // input file. A failed write is told to the user; returns 0 when written.
    int save_data();
    // Gives the window the size its form asks for, at most the given screen
    // area (the form scrolls inside a smaller window), and moves it into it.
    Q_INVOKABLE void fit_window(const QRect& available);
    // Writes the input file from the data object and tells the user when it
    // could not be written (the old file then stays as it was). Returns what
    // the write returned (0 written).
    int save_input();

    OptionsDialog* options_dialog;
    ExitDialog* exit_dialog;
    QStandardItemModel* model_lasten;
    QStandardItemModel* model_header;
    QStringList dauer_texte;
    QColor color_background;
    QColor color_ergwin_ok;
    QColor color_ergwin_fehler;
    QColor color_tabheader;
    QColor color_buttonleiste;
    QGridLayout* erg_layout;
    QLabel* erg_name[4];
    QLabel* erg_prozent[4];
    QProgressBar* erg_balken[4];
    QString style_balken_ok;
    QString style_balken_fehler;
    QGraphicsScene* scene_plot;
    HierarchicalHeaderView* header_view;
    QIcon icon_typ[4];
    SpinBoxDelegate* delegate_kraft[4];
    SpinBoxDelegate* delegate_kmod;
    tv_ComboBoxDelegate* delegate_dauer;
    tv_ButtonDelegate* delegate_button;
    ProxyModelWithHeaderModels* proxy_lasten;
    // The form (the tab widget) scrolls in sa_form; the sketch, the checks and
    // the results stand beside it in sa_ergebnisse, sized to be seen whole.
    QScrollArea* sa_form = nullptr;
    QScrollArea* sa_ergebnisse = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Values of the input file outside a field's range (or not whole
    // millimetres) are shown and computed as stored, and the user is told.
    void keep_stored_values();
    void name_form_fields();
    // The result frame: green or red only for a calculation of the current
    // input that had something to check; otherwise neutral, saying why.
    enum class Results { NotCalculated, Current, Stale, NoCombination };
    Results results = Results::NotCalculated;
    QByteArray calculated_input;
    void show_result_state(bool calculated);
    // The note that the results use the EC recommended values instead of the
    // position's annex, shown while that is so.
    void show_annex_note();
    QLabel* result_status();
    // Tells the user what a damaged input file held that could not be taken
    // (read: what the read returned), before anything is calculated.
    void report_read_problems(int read);
    // The steps of the construction, in their order.
    void setup_form();
    void arrange_form();
    void setup_plot_and_title();
    void setup_results();
    void setup_dialogs_and_actions();
    void connect_inputs();
    // The sketch's side for a window whose form may be height pixels high:
    // what the checks and results leave, within the sketch's limits.
    void size_plot(int height);
    void relayout();
    // The results box at least as wide as its longest text (and never below
    // the width it was designed with); true when it had to grow.
    bool widen_results();
    int results_min_width = 0;
    // The screen area of the last fit, for a fit that texts set later ask for.
    QRect fit_area;
    // While the strut takes the sill's timber, its panel shows the sill's kind,
    // grade and k_h switch (greyed), so the screen says what is computed.
    void show_sill_timber_in_strut();
    // Set while the form writes k_mod cells itself; those writes are no input.
    bool writing_kmod = false;
    void setup_load_table();
    void fit_view();
    // The requests that lead out of the window: print, the options, leaving
    // with its question.
    void print_request(bool to_printer);
    void ende_request();
    void show_options_dialog();
};
