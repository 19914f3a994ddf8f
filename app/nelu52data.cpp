// The data object with its defaults, the texts of the load-duration classes and
// the conversions between Qt strings and the 8-bit texts of the host.
#include "app/nelu52data.h"

#include <cstdlib>
#include <cstring>

#include "materials/matfactors.h"
#include "platform/kovcp.h"

NELU52_DATA nelu52_data;

LoadCase::LoadCase() : nd_strebe(0.0), nd_schwelle(0.0), vd_schwelle(0.0), md_schwelle(0.0), kmod(0.9), kled(3) {}

NELU52_DATA::NELU52_DATA() : QObject(nullptr) { set_defaults(); }

NELU52_DATA::~NELU52_DATA() = default;

void NELU52_DATA::clear_results()
{
    anzahl_nachweise = 0;
    nachweise.clear();
    alpha = kcr_sw = kcr_st = eta_versatz = lv_min = 0.0;
    erg_versatz.clear();
    bn_biegung = hn_biegung = an_biegung = wn_biegung = ez_schwelle = 0.0;
    fmk_sw = ftk_sw = fck_sw = eta_biegung = 0.0;
    erg_biegung.clear();
    bn_schub = hn_schub = an_schub = fvk_sw = eta_schub = 0.0;
    erg_schub.clear();
    fmk_st = ftk_st = fck_st = e05_st = g05_st = 0.0;
    lambda_y = lambda_rel_y = lambda_z = lambda_rel_z = kc_y = kc_z = beta_c = k_y = k_z = 0.0;
    a_st = it_st = i_y = i_z = ez_strebe = wy_st = iz_st = 0.0;
    sigma_m_crit = lambda_rel_m = k_crit = eta_strebe = 0.0;
    erg_strebe.clear();
    eta_gesamt = 0.0;
}

void NELU52_DATA::set_defaults()
{
    clear_results();
    typ = 0;
    strebe_leff = 1000.0;
    balken_hG = 180.0;
    balken_b = 120.0;
    balken_hD = 100.0;
    balken_tv1 = 30.0;
    balken_tv2 = 30.0;
    gamma = 60.0;
    nw_biegung = 1;
    nw_schub = 1;
    nw_strebe = 1;
    cal_auto = 0;
    max_tv1 = 0;
    max_tv2 = 0;
    import_zov = 1;
    import_mat = 1;
    import_geo = 1;
    linkes_schnittufer = 0;
    kh_sw = 1.0;
    kh_st = 1.0;
    holzart_sw = 0;
    holzart_st = 0;
    mit_kh_sw = 1;
    mit_kh_st = 1;
    st_wie_sw = 1;
    holzguete_sw = 5;
    holzguete_st = 5;
    nkl = 1;
    lagesicherung_bolzen = 1;
    querschnittsschwaechung = 1;
    stirn_gleich = 0;
    lagesicherung_text.clear();
    d_bolzen = 12.0;
    graf_breite = 17.0;
    graf_hoehe = 12.0;
    masstab_optimal = 1;
    ausfuehrlich = 1;
    grafik = 1;
    nk_zov = 2;

    lasten.clear();
    LoadCase a;
    a.name = QString::fromUtf8("A ständig");
    a.kmod = 0.6;
    a.kled = 0;
    lasten.append(a);
}

// ---- load-duration classes ----------------------------------------------------

namespace {

const char* const kKledTexts[9] = {
    "ständig", "lang", "mittel", "kurz", "sehr kurz", "kurz/sehr kurz", "außergewöhnlich", "Erdbeben", "frei",
};
const char kKledNone[] = "--------------";

} // namespace

int NELU52_DATA::kled_index(const QString& text)
{
    for (int i = 0; i < 9; ++i) {
        if (text.compare(QString::fromUtf8(kKledTexts[i]), Qt::CaseInsensitive) == 0) return i;
        if (i == 5 && text.compare(QLatin1String(kKledNone), Qt::CaseInsensitive) == 0) return 5;
    }
    return 0;
}

QString NELU52_DATA::kled_text(int klasse, int mit_kurz_sehr_kurz)
{
    if (klasse < 0 || klasse > 8) return QString();
    if (klasse == 5 && !mit_kurz_sehr_kurz) return QLatin1String(kKledNone);
    return QString::fromUtf8(kKledTexts[klasse]);
}

double NELU52_DATA::kmod_for_class(int kled) const
{
    double kmod = 0.0;
    Mat_Kmod(holzart_sw, holzguete_sw, nkl, kled, &kmod, nullptr);
    return kmod;
}

void NELU52_DATA::follow_kmod()
{
    for (LoadCase& lc : lasten)
        if (lc.kled != 8) lc.kmod = kmod_for_class(lc.kled);
}

// ---- 8-bit texts -----------------------------------------------------------------------

namespace {

// The seven German letters: Latin-1 code and code page 850 byte.
const unsigned char kLetters[7][2] = {
    {0xE4, 0x84}, {0xC4, 0x8E}, {0xF6, 0x94}, {0xD6, 0x99}, {0xDC, 0x9A}, {0xFC, 0x81}, {0xDF, 0xE1},
};

} // namespace

QString qstring_from_system8(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char b = (unsigned char)c;
        out.append(b < 0x80 ? QChar(b) : QChar((ushort)Kov_Cp_Code_Point(KOV_CP1252, b)));
    }
    return out;
}

QByteArray qstring_to_system8(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u < 0x80) {
            out.append(char(u));
            continue;
        }
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
        const int b = QChar::isSurrogate(u) ? -1 : Kov_Cp_Byte_Of(KOV_CP1252, u);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString qstring_from_cp850(const char* text)
{
    if (!text) return QString();
    QByteArray bytes(text);
    for (int i = 0; i < bytes.size(); ++i) {
        const unsigned char b = (unsigned char)bytes[i];
        for (const auto& l : kLetters)
            if (b == l[1]) {
                bytes[i] = char(l[0]);
                break;
            }
    }
    return QString::fromLatin1(bytes);
}

char* qstring_to_cp850(const QString& text)
{
    QByteArray bytes = qstring_to_system8(text);
    for (int i = 0; i < bytes.size(); ++i) {
        const unsigned char b = (unsigned char)bytes[i];
        for (const auto& l : kLetters)
            if (b == l[0]) {
                bytes[i] = char(l[1]);
                break;
            }
    }
    char* out = (char*)std::malloc((size_t)bytes.size() + 1);
    if (!out) return nullptr;
    std::memcpy(out, bytes.constData(), (size_t)bytes.size() + 1);
    return out;
}

QString qstring_recode_cp850(const QString& text)
{
    char* bytes = qstring_to_cp850(text);
    QString out = qstring_from_cp850(bytes);
    std::free(bytes);
    return out;
}
