#pragma once
// The data object of the step-joint program: the joint, its materials and
// dimensions, the switches, the print options, the load combinations and the
// results of the last calculation. There is one such object (nelu52_data); the
// main window, the input file, the checks and the output list all work on it.
//
// Units: lengths in mm, angles in degrees, forces in kN, moments in kNm; the
// checks work in N/mm2, N and Nmm inside and store their results as noted.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

// One load combination of the load table.
struct LoadCase {
    LoadCase(); // blank row: no name, forces 0, k_mod 0.9, class 3 "kurz"
    QString name;
    double nd_strebe;   // N_d of the strut [kN], compression positive
    double nd_schwelle; // N_d of the sill [kN], tension positive
    double vd_schwelle; // V_d of the sill [kN]
    double md_schwelle; // M_d of the sill [kNm]
    double kmod;
    int kled; // load-duration class 0..8
};

// One entry of the result list: the check's name and its utilisation.
struct NachweisEintrag {
    QString name;
    double ausnutzung;
    int flag; // always 0
};

// Step-joint check, one record per load combination.
struct ErgVersatz {
    double fc_alpha1_d; // f_c,alpha,d of the front step [N/mm2]
    double fc_alpha2_d; // f_c,alpha,d of the heel step [N/mm2]
    double fv_d;        // sill [N/mm2]
    double fc0_d;
    double fc90_d;
    double fv_d_st; // strut [N/mm2]
    double fc0_d_st;
    double fc90_d_st;
    double nd;    // N_d of the strut [kN] (negative: tension)
    double s1r_d; // resistance of the front step [kN]
    double s2r_d; // resistance of the heel step [kN]
    double lv1;   // required fore-wood length, front step [mm]
    double lv2;   // required fore-wood length, heel step [mm]
    double gamma_m;
    double u_lv1;
    double u_lv2;
    double u_se; // contact pressure
    double u;
};

// Bending and axial force of the sill.
struct ErgBiegung {
    double gamma_m;
    double md_links; // [kNm]
    double nd_links; // [kN]
    double md_rechts;
    double nd_rechts;
    double fm_d; // [N/mm2]
    double ft_d;
    double fc_d;
    double sigma_n_links; // [N/mm2]
    double sigma_m_links;
    double sigma_n_rechts;
    double sigma_m_rechts;
    double u_links;
    double u_rechts;
    double u;
};

// Shear of the sill.
struct ErgSchub {
    double gamma_m;
    double vd_links; // [kN]
    double vd_rechts;
    double fv_d;      // [N/mm2]
    double tau_links; // [N/mm2]
    double tau_rechts;
    double u_links;
    double u_rechts;
    double u;
};

// Stability of the strut.
struct ErgStrebe {
    double gamma_m;
    double kraft_fc_d; // F_c,d [N]
    double ft_d;       // [N/mm2]
    double fc_d;
    double fm_d;
    double my_d;      // [Nmm]
    double sigma_c_d; // [N/mm2]
    double sigma_m_d;
    double u_y;
    double u_z;
    double u_enden; // at the ends of the strut
    double u;
};

class NELU52_DATA : public QObject {
    Q_OBJECT
public:
    NELU52_DATA();
    ~NELU52_DATA() override;

    Q_INVOKABLE int cal_Versatz();
    Q_INVOKABLE int cal_Biegung_schwelle();
    Q_INVOKABLE int cal_Querkraft_schwelle();
    Q_INVOKABLE int cal_Strebe();

public slots:
    // Writes the position's input file and its annex-name file (the names of
    // the start-up). 0 when both are written; 1 when the input file cannot be
    // written (the old file stays as it was, no annex-name file is written);
    // 2 when the input file was written but the annex-name file was not.
    int write_data();
    // Publishes the active annex's blocks, reads the input file and the
    // annex-name file. 0; 1 when the input file cannot be opened (the members
    // keep their values); 2 when the file was read but is damaged: a line is
    // missing or has another number of values, a value is no finite number or
    // a code lies outside its range. read_problems then says, line by line and
    // in German, what could not be read and what is used instead (the member
    // keeps its value; a "frei" k_mod outside (0, 1.10] is kept and the checks
    // do not verify it). The file itself is never changed by reading; a save
    // over a damaged file keeps its bytes as "<name>.bak".
    int read_data();
    int cal_nachweise();

public:
    // The same with explicit file names; annex_file NULL leaves the annex alone.
    int write_file(const char* input_file, const char* annex_file);
    // After a write that failed: the message naming the file that could not
    // be written and the reason (German, UTF-8); empty after a good write.
    static QString write_failure();
    int read_file(const char* input_file, const char* annex_file);

    // The checks themselves; each adds 1 to anzahl_nachweise and replaces its
    // records.
    void biegung_schwelle();
    void querkraft_schwelle();
    void stabilitaet_strebe();

    // Load-duration class of a text (case ignored; 0 for no class) and the text
    // of a class (empty outside 0..8). Class 5 reads "kurz/sehr kurz" with the
    // flag set, else "--------------".
    static int kled_index(const QString& text);
    static QString kled_text(int klasse, int mit_kurz_sehr_kurz);

    // k_mod of a load-duration class for the sill's material and the service
    // class (0.0 when the table has none). Every combination whose class is
    // not "frei" (8) is computed with it: follow_kmod sets it in every such
    // combination, as the form does before each calculation.
    double kmod_for_class(int kled) const;
    void follow_kmod();

    // Defaults of the constructor; the results are cleared.
    void set_defaults();

    QVector<LoadCase> lasten;
    // What the last read could not take from the input file (see read_data).
    QStringList read_problems;

    // ---- results ----
    int anzahl_nachweise;
    QVector<NachweisEintrag> nachweise;
    // step-joint check
    double alpha; // gamma / 2 [rad]
    double kcr_sw;
    double kcr_st;
    double eta_versatz;
    double lv_min;
    QVector<ErgVersatz> erg_versatz;
    // bending and axial force of the sill
    double bn_biegung, hn_biegung, an_biegung, wn_biegung, ez_schwelle;
    double fmk_sw, ftk_sw, fck_sw;
    double eta_biegung;
    QVector<ErgBiegung> erg_biegung;
    // shear of the sill
    double bn_schub, hn_schub, an_schub, fvk_sw;
    double eta_schub;
    QVector<ErgSchub> erg_schub;
    // stability of the strut
    double fmk_st, ftk_st, fck_st, e05_st, g05_st;
    double lambda_y, lambda_rel_y, lambda_z, lambda_rel_z, kc_y, kc_z, beta_c, k_y, k_z;
    double a_st, it_st, i_y, i_z, ez_strebe, wy_st, iz_st;
    double sigma_m_crit, lambda_rel_m, k_crit;
    double eta_strebe;
    QVector<ErgStrebe> erg_strebe;
    double eta_gesamt;

    // ---- input ----
    int typ; // 0 Stirnversatz, 1 Brustversatz, 2 Fersenversatz, 3 Doppelter Versatz
    double strebe_leff;
    double balken_hG;
    double balken_b;
    double balken_hD;
    double balken_tv1;
    double balken_tv2;
    double gamma;
    int nw_biegung;
    int nw_schub;
    int nw_strebe;
    int cal_auto;
    int max_tv1;
    int max_tv2;
    int import_zov;
    int import_mat;
    int import_geo;
    int linkes_schnittufer;
    double kh_sw;
    double kh_st;
    int holzart_sw;
    int holzart_st;
    int mit_kh_sw;
    int mit_kh_st;
    int st_wie_sw;
    int holzguete_sw;
    int holzguete_st;
    int nkl;
    int lagesicherung_bolzen;
    int querschnittsschwaechung;
    int stirn_gleich;
    QString lagesicherung_text;
    double d_bolzen;
    double graf_breite;
    double graf_hoehe;
    int masstab_optimal;
    int ausfuehrlich;
    int grafik;
    int nk_zov;

private:
    void clear_results();
    double net_width() const;
    double net_depth() const;
};

// The program's one data object.
extern NELU52_DATA nelu52_data;

// The German report of a damaged input file (read_problems of its read): the
// file's name, then one problem a line. calculated: the window goes on with
// the values named; otherwise nothing is calculated (a run without window).
QString nelu52_read_problems_text(const char* file, const QStringList& problems, bool calculated);
extern const char NELU52_READ_PROBLEMS_TITLE[]; // "Eingabedatei beschädigt"

// The largest step depth that the joint allows (whole millimetres, cut toward
// zero): the smaller of the limit from the sill's depth, which runs linearly
// from h_G/4 at 50 degrees to h_G/6 at 60 degrees, and h_D cos(gamma). The
// form holds both step depths at or below it.
int max_step_depth(double hG, double hD, double gammaDeg);

// Texts between Qt and the 8-bit world. Bytes of code page 850 for the seven
// German letters (ä 84, Ä 8E, ö 94, Ö 99, Ü 9A, ü 81, ß E1) are mapped to and
// from their Latin-1 codes; every other byte is taken as Latin-1.
QString qstring_from_cp850(const char* text);
// The text in the system's 8-bit code page (Windows-1252) with the seven letters
// in code page 850; newly allocated with malloc, the caller frees it.
char* qstring_to_cp850(const QString& text);
// qstring_to_cp850 followed by qstring_from_cp850: repairs a code page 850 line
// read through the system code page and keeps letters that were already right.
QString qstring_recode_cp850(const QString& text);

// The system's 8-bit code page of this program: Windows-1252 (every byte maps
// to one character and back).
QString qstring_from_system8(const QByteArray& bytes);
QByteArray qstring_to_system8(const QString& text);
