// The fields of a connection description with their German help texts.
#include "connections/connfields.h"

#include <cstring>

namespace {

#define FI(n, unit, text)                                                                                              \
    {                                                                                                                  \
#n, CONN_FIELD_INT, offsetof(ConnectionInput, n), unit, text                                                   \
    }
#define FD(n, unit, text)                                                                                              \
    {                                                                                                                  \
#n, CONN_FIELD_DOUBLE, offsetof(ConnectionInput, n), unit, text                                                \
    }
#define PI(b, n, text)                                                                                                 \
    {                                                                                                                  \
#b "." #n, CONN_FIELD_INT, offsetof(ConnectionInput, b##_product) + offsetof(UserScrewProduct, n), "", text    \
    }
#define PD(b, n, unit, text)                                                                                           \
    {                                                                                                                  \
#b "." #n, CONN_FIELD_DOUBLE, offsetof(ConnectionInput, b##_product) + offsetof(UserScrewProduct, n), unit,    \
            text                                                                                                       \
    }
#define UD(n, unit, text)                                                                                              \
    {                                                                                                                  \
        "user." #n, CONN_FIELD_DOUBLE, offsetof(ConnectionInput, user_material) + offsetof(UserMaterial, n), unit,     \
            text                                                                                                       \
    }
#define LD(n, text)                                                                                                    \
    {                                                                                                                  \
        "law." #n, CONN_FIELD_DOUBLE, offsetof(ConnectionInput, embedment_law) + offsetof(UserEmbedmentLaw, n), "",    \
            text                                                                                                       \
    }

// The field names of the two user screw blocks: p43 for type 43, p44 for 44.
#define p43_product assy_product
#define p44_product spax_product

#define PRODUCT_FIELDS(b)                                                                                              \
    PI(b, sub_type, "Kopfform (bei Typ 44: 1, 2, 4 Senkkopf)"),                                                        \
        PI(b, thread_layout, "Gewinde: 0, 2 nur an der Spitze; 1, 3 zusätzlich unter dem Kopf"),                       \
        PI(b, product_class, "Produktklasse (1, 2: Bohrspitze, eigene Mindestabstände)"),                              \
        PI(b, variant, "Variante der Fließmomentregel (0 C-Stahl, sonst nichtrostend)"),                               \
        PI(b, has_washer, "1 = mit Unterlegscheibe"), PD(b, d, "mm", "Nenndurchmesser, > 0"),                          \
        PD(b, d_head, "mm", "Kopfdurchmesser"), PD(b, d_inner, "mm", "Kerndurchmesser des Gewindes"),                  \
        PD(b, length, "mm", "Länge, > 0"), PD(b, head_thread_length, "mm", "Gewindelänge unter dem Kopf"),             \
        PD(b, thread_length, "mm", "Gewindelänge an der Spitze"),                                                      \
        PD(b, washer_diameter, "mm", "Außendurchmesser der Unterlegscheibe"),                                          \
        PD(b, axis_angle, "Grad", "Winkel Schraubenachse - Faser")

const ConnField kFields[] = {
    FI(type, "", "Typ des Verbindungsmittels, 0 bis 46 (Liste unten)"),
    FI(product, "", "Produkt im Katalog des Typs (Index ab 0); für Dübel besonderer Bauart 25 bis 28, 31 bis 33 nötig"),
    FI(predrilled, "", "1 = vorgebohrt, 0 = nicht vorgebohrt"),
    FI(no_clearance, "", "1 = Löcher in Blechen ohne Lochspiel, 0 = Lochdurchmesser d + 1 mm"),
    FI(thread_in_shear_plane, "", "Bolzen: 1 = Gewinde in der Scherfuge (Spannungsquerschnitt)"),
    FI(n_fasteners, "", "Anzahl der axial beanspruchten Verbindungsmittel (mit group_effect)"),
    FI(dimension_check_switch, "", "1 = Fichte, Tanne oder Kiefer (Mindestdicken-Prüfung)"),
    FI(douglas_fir, "", "1 = Douglasie: Abstände in Faserrichtung um 50 % erhöht"),
    FI(wide_edge_distances, "", "1 = Randabstände rechtwinklig zur Faser auf 10 d bzw. 14 d erhöht"),
    FI(steel_grade, "", "Stahlgüte des Verbindungsmittels, 0 bis 43 (z. B. 23 FK 4.6, 27 FK 8.8); -1 = f_u aus fu"),
    FI(service_class1, "", "Nutzungsklasse von Bauteil 1, 1 bis 3"),
    FI(service_class2, "", "Nutzungsklasse von Bauteil 2, 1 bis 3"),
    FI(duration, "", "Klasse der Lasteinwirkungsdauer: 0 ständig, 1 lang, 2 mittel, 3 kurz, 4 sehr kurz"),
    FI(core_hole, "", "Sondernägel in Bohrlöchern nicht größer als der Kerndurchmesser: 1 = Ausziehparameter 70 %"),
    FI(bolt_hole_clearance, "", "Bolzen: 1 = Loch im Blech immer d + 1 mm"),
    FD(d, "mm", "Nenndurchmesser d (Dübel besonderer Bauart: d_c des Produkts); Bereich je Typ"),
    FD(d_inner, "mm", "Kerndurchmesser des Schraubengewindes"),
    FD(d_work, "mm", "Arbeitsdurchmesser (wird bei der Bemessung auf d gesetzt)"),
    FD(d_head, "mm", "Kopfdurchmesser von Nagel oder Schraube (mindestens d)"),
    FD(length, "mm", "Länge des Verbindungsmittels; Nägel, Klammern, Schrauben: > 0"),
    FD(thread_length, "mm", "Länge des Gewindes bzw. profilierten Schafts"),
    FD(d_bolt, "mm", "Bolzendurchmesser eines Dübels besonderer Bauart 26 bis 28, 32, 33: 6 bis 30"),
    FI(shear_planes, "", "Scherfugen: 1 = einschnittig, 2 = zweischnittig (Pflichtfeld)"),
    FI(method, "", "Verfahren: 0 vereinfacht, 1 genau (Johansen), 2 mit Bemessungswerten"),
    FI(raise_a, "", "1 = Tragfähigkeit um 20 % erhöht"),
    FI(rope_effect, "", "1 = Einhängeeffekt (Seilwirkung) ansetzen"),
    FI(raise_b, "", "1 = Tragfähigkeit um 20 % erhöht (zählt mit raise_a einmal)"),
    FI(kind1, "", "Materialart von Bauteil 1 (Seitenholz bzw. Blech), Liste unten (Pflichtfeld)"),
    FI(kind2, "", "Materialart von Bauteil 2 (Mittelholz), Liste unten (Pflichtfeld)"),
    FI(grade1, "", "Güte von Bauteil 1 innerhalb der Materialart (z. B. Nadelholz 5 = C24); -999 benutzerdefiniert"),
    FI(grade2, "", "Güte von Bauteil 2 innerhalb der Materialart"),
    FI(resin_coated, "", "Klammern: 1 = beharzt (nur dann axial tragend)"),
    FI(head_rule, "", "1 = abgeminderte Kopfdurchziehregel"),
    FI(variant, "", "Variante der Fließmomentregel"),
    FD(t1, "mm", "Dicke von Bauteil 1, > 0 (Pflichtfeld)"),
    FD(t2, "mm", "Dicke von Bauteil 2, > 0 (Pflichtfeld)"),
    FD(alpha1, "Grad", "Winkel Kraft - Faser in Bauteil 1"),
    FD(alpha2, "Grad", "Winkel Kraft - Faser in Bauteil 2"),
    FD(crown_angle1, "Grad", "Winkel Verbindungsmittel (Klammerrücken) - Faser in Bauteil 1"),
    FD(crown_angle2, "Grad", "Winkel Verbindungsmittel (Klammerrücken) - Faser in Bauteil 2"),
    FD(axis_angle, "Grad", "Winkel Achse des Verbindungsmittels - Faser (Schrauben; sonst 90)"),
    FD(moisture_at_driving, "%", "Holzfeuchte beim Eintreiben von Klammern"),
    FD(gamma_m1, "", "Teilsicherheitsbeiwert Bauteil 1 (Verfahren 2, Dübel besonderer Bauart), >= 1"),
    FD(gamma_m2, "", "Teilsicherheitsbeiwert Bauteil 2 (Verfahren 2, Dübel besonderer Bauart), >= 1"),
    FD(gamma_m_fastener, "", "Teilsicherheitsbeiwert des Verbindungsmittels (Verfahren 2), >= 1"),
    FD(washer_diameter, "mm", "Außendurchmesser der Unterlegscheibe; <= 0 keine"),
    FD(fu, "N/mm²", "Zugfestigkeit f_u,k, wenn steel_grade negativ ist; > 0"),
    FD(kmod_given, "", "k_mod für beide Bauteile, wenn kmod_from_materials 0 ist: > 0 und <= 1,1"),
    FI(result_in_kN, "", "1 = Kräfte in kN ausgeben"),
    FI(kmod_from_materials, "", "1 = k_mod aus Material, Nutzungsklasse und Lasteinwirkungsdauer"),
    FI(bolt_washer_side, "", "Bolzen am Stahlblech: 1 = Scheibenpressung, 0 = Zugtragfähigkeit des Bolzens"),
    FI(group_effect, "", "Schrauben: 1 = Gruppenwirkung n^0,9"),
    PRODUCT_FIELDS(p43),
    PRODUCT_FIELDS(p44),
    UD(rho_k, "kg/m³", "benutzerdefiniertes Material: charakteristische Rohdichte"),
    UD(f_c_90_k, "N/mm²", "benutzerdefiniertes Material: Druckfestigkeit rechtwinklig zur Faser"),
    LD(c, "Lochleibungsgesetz f_h,k = c d^e_d t^e_t rho_k^e_rho: Beiwert c"),
    LD(e_d, "Lochleibungsgesetz: Exponent von d"),
    LD(e_t, "Lochleibungsgesetz: Exponent von t"),
    LD(e_rho, "Lochleibungsgesetz: Exponent von rho_k"),
    {"law.active", CONN_FIELD_INT, offsetof(ConnectionInput, embedment_law) + offsetof(UserEmbedmentLaw, active), "",
     "1 = Lochleibungsgesetz von Bauteil 1 anwenden"},
};

#undef FI
#undef FD
#undef PI
#undef PD
#undef UD
#undef LD
#undef PRODUCT_FIELDS
#undef p43_product
#undef p44_product

} // namespace

const ConnField* Conn_Fields(int* count)
{
    if (count) *count = static_cast<int>(sizeof kFields / sizeof kFields[0]);
    return kFields;
}

const ConnField* Conn_Field_Find(const char* name)
{
    if (!name) return nullptr;
    for (const ConnField& f : kFields)
        if (std::strcmp(name, f.name) == 0) return &f;
    return nullptr;
}

void* Conn_Field_Address(ConnectionInput* input, const ConnField& field)
{
    return reinterpret_cast<char*>(input) + field.offset;
}

const void* Conn_Field_Address(const ConnectionInput* input, const ConnField& field)
{
    return reinterpret_cast<const char*>(input) + field.offset;
}
