// Message lists and message texts of the connection design.
#include "connections/connmsg.h"

#include <cstdio>
#include <cstring>

#include "nad/nadec5.h"
#include "platform/kovcp.h"

ConnMessageList ConnMessageListA;
ConnMessageList ConnMessageListB;

void Conn_Push_Message(ConnMessageList* list, int code)
{
    if (!list || list->count < 0 || list->count >= CONN_MESSAGE_CAPACITY) return;
    list->codes[list->count++] = code;
}

void Conn_Clear(ConnectionResult* result)
{
    std::memset(&ConnMessageListA, 0, sizeof ConnMessageListA);
    std::memset(&ConnMessageListB, 0, sizeof ConnMessageListB);
    if (result) std::memset(result, 0, sizeof *result);
}

namespace {

// One wording. A text with symbols is a format whose "%s" take the symbol
// bytes one by one (and whose "%%" is one "%"); the readable part goes through
// the code-page helper, the symbol bytes never do.
struct Wording {
    const char* text;    // UTF-8; null: no wording
    const char* symbols; // null: a constant text; else the bytes for its "%s"
};

struct MessageEntry {
    int code;
    Wording wording[4]; // first set with annex, without; second set with, without
};

#define NONE                                                                                                           \
    {                                                                                                                  \
        nullptr, nullptr                                                                                               \
    }
#define TXT(t)                                                                                                         \
    {                                                                                                                  \
        t, nullptr                                                                                                     \
    }
#define FMT(t, s)                                                                                                      \
    {                                                                                                                  \
        t, s                                                                                                           \
    }

// Symbol bytes of the output list: 0x8C diameter sign, 0xF2 greater-or-equal,
// 0xF3 less-or-equal, 0xA3 delta, 0xCB the unit sign of the withdrawal limits.
const MessageEntry kMessages[] = {
    {1,
     {TXT("Klammerdurchmesser muss >= 1,5 und <= 2 mm sein"), TXT("Klammerdurchmesser muss >= 1,5 und <= 2 mm sein"),
      NONE, NONE}},
    {2,
     {TXT("Klammerdurchmesser muss >= 1,0 und <= 1,6 mm sein"),
      TXT("Klammerdurchmesser muss >= 1,0 und <= 1,6 mm sein"), NONE, NONE}},
    {3,
     {TXT("Verbindungen mit Klammern dürfen nur einschnittig ausgeführt werden"),
      TXT("Verbindungen mit Klammern dürfen nur einschnittig ausgeführt werden"), NONE, NONE}},
    {4, {TXT("Durchmesser des Verbindungsmittels <= 0"), TXT("Durchmesser des Verbindungsmittels <= 0"), NONE, NONE}},
    {6,
     {TXT("Verbindungsmittel ist zu kurz "), TXT("Verbindungsmittel ist zu kurz "),
      TXT("Das Verbindungsmittel ist zu kurz und dringt nicht tief genug in das Seitenholz ein. Wählen Sie ein "
          "längeres Verbindungsmittel "),
      TXT("Das Verbindungsmittel ist zu kurz und dringt nicht tief genug in das Seitenholz ein. Wählen Sie ein "
          "längeres Verbindungsmittel ")}},
    {7,
     {TXT("Verbindungsmittel ist zu kurz für zweischnittige Verbindung"),
      TXT("Verbindungsmittel ist zu kurz für zweischnittige Verbindung"), NONE, NONE}},
    {8, {TXT("Einschlagtiefe < 4 d "), TXT("Einschlagtiefe < 4 d "), NONE, NONE}},
    {9, {TXT("Einschraubtiefe < 4 d "), TXT("Einschraubtiefe < 4 d "), NONE, NONE}},
    {10,
     {TXT("Nägel, Schrauben oder Klammern können nur in einschnittiger Verbindung mit Blechen ausgeführt werden"),
      TXT("Nägel, Schrauben oder Klammern können nur in einschnittiger Verbindung mit Blechen ausgeführt werden"), NONE,
      NONE}},
    {11,
     {TXT("Verbindungsmittel ist zu lang"), TXT("Verbindungsmittel ist zu lang"),
      TXT("Das Verbindungsmittel ist zu lang und durchdringt das äußere Seitenholz "),
      TXT("Das Verbindungsmittel ist zu lang und durchdringt das äußere Seitenholz ")}},
    {12,
     {TXT("Stahl-Stahl-Verbindungen können nicht nachgewiesen werden"),
      TXT("Stahl-Stahl-Verbindungen können nicht nachgewiesen werden"), NONE, NONE}},
    {13, {TXT("Holz zu dünn, Spaltgefahr gem. Gl. (8.18)"), NONE, NONE, NONE}},
    {14,
     {TXT("Seitenholz zu dünn, Spaltgefahr gem. Gl. (8.18)"), TXT("Seitenholz zu dünn, Spaltgefahr gem. Gl. (218)"),
      TXT("Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus "
          "Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten "),
      TXT("Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus "
          "Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten ")}},
    {15,
     {TXT("Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (8.18)"), TXT("Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (218)"),
      TXT("Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus "
          "Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten "),
      TXT("Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus "
          "Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten ")}},
    {16,
     {TXT("Mittenholz zu dünn, Spaltgefahr gem. Gl. (8.18)"), TXT("Mittenholz zu dünn, Spaltgefahr gem. Gl. (218)"),
      TXT("Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus "
          "Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten "),
      TXT("Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus "
          "Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten ")}},
    {17, {TXT("Hholz zu dünn, Spaltgefahr gem. Gl. (8.19)"), NONE, NONE, NONE}},
    {18,
     {TXT("Seitenholz zu dünn, Spaltgefahr gem. Gl. (8.19)"), TXT("Seitenholz zu dünn, Spaltgefahr gem. Gl. (219)"),
      NONE, NONE}},
    {19,
     {TXT("Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (8.19)"), TXT("Seitenholz 2 zu dünn, Spaltgefahr gem. Gl. (219)"),
      NONE, NONE}},
    {20,
     {TXT("Mittenholz zu dünn, Spaltgefahr gem. Gl. (8.19)"), TXT("Mittenholz zu dünn, Spaltgefahr gem. Gl. (219)"),
      NONE, NONE}},
    {21,
     {TXT("Mindestholzdicke (24mm) des Seitenholz unterschritten, gem. DIN 1052, 7.2.3(1)"),
      TXT("Mindestholzdicke (24mm) des Seitenholz unterschritten, gem. DIN 1052, 7.2.3(1)"), NONE, NONE}},
    {22, {TXT("Mindestabstand a1 unterschritten "), TXT("Mindestabstand a1 unterschritten "), NONE, NONE}},
    {23,
     {TXT("Mindestabstand a2 senkrecht zur Faserrichtung unterschritten "),
      TXT("Mindestabstand senkrecht zur Faserrichtung a2 unterschritten "),
      TXT("Mindestabstand senkrecht zur Faserrichtung a2 unterschritten "),
      TXT("Mindestabstand a2 senkrecht zur Faserrichtung unterschritten ")}},
    {24, {NONE, TXT("Mindestholzdicke (24mm) des Mittenholz unterschritten, gem. DIN 1052, 7.2.3(1)"), NONE, NONE}},
    {25,
     {TXT("Mindestholzdicke (2.25*he) des Seitenholz unterschritten, gem. 8.9 (2)"),
      TXT("Mindestholzdicke (2.25*he) des Seitenholz unterschritten, gem. DIN 1052, 13.3.3(10)"), NONE, NONE}},
    {26,
     {TXT("Mindestholzdicke (3.75*he) des Mittenholz unterschritten, gem. 8.9 (2)"),
      TXT("Mindestholzdicke (3.75*he) des Mittenholz unterschritten, gem. DIN 1052, 13.3.3(10)"), NONE, NONE}},
    {27,
     {TXT("SPAX-Schrauben in Verbindung mit Gipskarton gemäß Z-9.1-449, 1.2 nicht zulässig"),
      TXT("SPAX-Schrauben in Verbindung mit Gipskarton gemäß Z-9.1-449, 3.1 nicht zulässig"), NONE, NONE}},
    {28,
     {TXT("SPAX-Schrauben in Verbindung mit Fermacell gemäß Z-9.1-449, 1.2 nicht zulässig"),
      TXT("SPAX-Schrauben in Verbindung mit Fermacell gemäß Z-9.1-449, 3.1 nicht zulässig"), NONE, NONE}},
    {29,
     {TXT("ASSY-Schrauben in Verbindung mit Gipskarton gemäß ETA-11/0190, 1.2 nicht zulässig"),
      TXT("ASSY-Schrauben in Verbindung mit Gipskarton gemäß Z-9.1-449, 3.1 nicht zulässig"), NONE, NONE}},
    {30,
     {TXT("Holzwerkstoffe dürfen sich nur auf der Seite des Schraubenkopfes befinden (ETA-11/0190, 1.2)"), NONE, NONE,
      NONE}},
    {31,
     {TXT("ASSY-Schrauben in Verbindung mit Fermacell gemäß ETA-11/0190, 1.2 nicht zulässig"),
      TXT("ASSY-Schrauben in Verbindung mit Fermacell gemäß Z-9.1-449, 3.1 nicht zulässig"), NONE, NONE}},
    {32,
     {TXT("Keine kraftschlüssige Verbindung zum Stahlblech bei Verwendung von Zylinder- oder Tellerkopfschrauben"),
      TXT("Keine kraftschlüssige Verbindung zum Stahlblech bei Verwendung von Zylinder- oder Tellerkopfschrauben"),
      NONE, NONE}},
    {33,
     {TXT("gemäß ETA-12/0114 4.2 muss die Holzdicke mindestens 1,2d betragen"),
      TXT("gemäß ETA-11/0190, 4.2 muss die Holzdicke mindestens 1,2d betragen"), NONE, NONE}},
    {34,
     {TXT("gemäß Z-9.1-449, mässen bei Holzwerkstoffen mit Schrauben >=12mm Unterlegscheiben verwendet werden"),
      TXT("gemäß Z-9.1-449, mässen bei Holzwerkstoffen mit Schrauben >=12mm Unterlegscheiben verwendet werden"), NONE,
      NONE}},
    {35,
     {TXT("gemäß ETA-11/0190 A.1.3.2 muss die Holzdicke mindestens 1,2d betragen"),
      TXT("gemäß ETA-11/0190 A.1.3.2 muss die Holzdicke mindestens 1,2d betragen"), NONE, NONE}},
    {36,
     {TXT("gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 30 mm betragen"),
      TXT("gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 30 mm betragen"), NONE, NONE}},
    {37,
     {TXT("gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 40 mm betragen"),
      TXT("gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 40 mm betragen"), NONE, NONE}},
    {38,
     {TXT("gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 80 mm betragen"),
      TXT("gemäß Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 80 mm betragen"), NONE, NONE}},
    {39,
     {TXT("gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 30 mm betragen"),
      TXT("gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 30 mm betragen"), NONE, NONE}},
    {40,
     {TXT("gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 40 mm betragen"),
      TXT("gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 40 mm betragen"), NONE, NONE}},
    {41,
     {TXT("gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 80 mm betragen"),
      TXT("gemäß Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 80 mm betragen"), NONE, NONE}},
    {42,
     {TXT("Kann nicht berechnet werden, da z.Zt. noch keine Zulassung für DIN EN 1995 existiert"), NONE, NONE, NONE}},
    {43,
     {TXT("Kann nicht berechnet werden, da z.Zt. noch keine Zulassung für DIN EN 1995 existiert"), NONE, NONE, NONE}},
    {44,
     {TXT("Bei Dübeln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. "),
      TXT("Bei Dübeln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. "),
      TXT("Bei Dübeln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. "), NONE}},
    {45,
     {TXT("Bei Dübeln besonderer Bauart sind nur fär Vollholz, Brett- oder Balkenschichtholz oder Furnierschichtholz "
          "zugelassen. "),
      NONE,
      TXT("Bei Dübeln besonderer Bauart sind nur fär Vollholz, Brett- oder Balkenschichtholz oder Furnierschichtholz "
          "zugelassen. "),
      NONE}},
    {46,
     {TXT("Vorderer/Hinterer Mindestrandabstand (e1c, e1t) unterschritten"),
      TXT("Vorderer/Hinterer Mindestrandabstand (e1c, e1t) unterschritten"), NONE, NONE}},
    {47, {TXT("gemäß ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 24 mm betragen"), NONE, NONE, NONE}},
    {48, {TXT("gemäß ETA-11/0190, A.2.4.2 muss die Mittenholzdicke mindestens 24 mm betragen"), NONE, NONE, NONE}},
    {49,
     {TXT("gemäß ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 30 mm betragen"),
      TXT("gemäß Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 30 mm betragen"), NONE, NONE}},
    {50,
     {TXT("gemäß ETA-11/019, A.2.4.2 muss die Seitenholzdicke mindestens 40 mm betragen"),
      TXT("gemäß Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 40 mm betragen"), NONE, NONE}},
    {51,
     {TXT("gemäß ETA-11/019, A.2.4.2 muss die Seitenholzdicke mindestens 80 mm betragen"),
      TXT("gemäß Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 40 mm betragen"), NONE, NONE}},
    {52, {TXT("gemäß ETA-11/019, A.2.4.2 muss die Seitenholzdicke mindestens 100 mm betragen"), NONE, NONE, NONE}},
    {53,
     {TXT("gemäß ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 30 mm betragen"),
      TXT("gemäß Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 30 mm betragen"), NONE, NONE}},
    {54,
     {TXT("gemäß ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 40 mm betragen"),
      TXT("gemäß Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 40 mm betragen"), NONE, NONE}},
    {55,
     {TXT("gemäß ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 80 mm betragen"),
      TXT("gemäß Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 40 mm betragen"), NONE, NONE}},
    {56, {TXT("gemäß ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 100 mm betragen"), NONE, NONE, NONE}},
    {57,
     {FMT("gemäß ETA-11/0190, 4.2 dürfen Schrauben %s %s 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer "
          "eingeschraubt werden",
          "\x8C\xF2"),
      FMT("gemäß Z-9.1-614, 1.2 dürfen Schrauben %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder "
          "Kiefer eingeschraubt werden",
          "\x8C\xF2"),
      NONE, NONE}},
    {58,
     {FMT("gemäß ETA-11/0190, 4.2 dürfen Schrauben %s %s 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer "
          "eingeschraubt werden",
          "\x8C\xF2"),
      FMT("gemäß ETA-11/0190, 4.2 dürfen Schrauben %s %s 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer "
          "eingeschraubt werden",
          "\x8C\xF2"),
      NONE, NONE}},
    {59, {TXT("Schrauben mit d>4 dürfen nur in NKL 1 und 2 verwendet werden (ETA-11/0190, 1.2)"), NONE, NONE, NONE}},
    {60, {FMT("Schrauben mit d%s4 dürfen nur in NKL 1 verwendet werden (ETA-11/0190, 1.2)", "\xF3"), NONE, NONE, NONE}},
    {61, {TXT("gemäß ETA-11/0190, A.2.4.2 muss OSB mindestens 12 mm dick sein"), NONE, NONE, NONE}},
    {62, {TXT("gemäß ETA-11/0190, A.2.4.2 muss die Spanplatte mindestens 13 mm dick sein"), NONE, NONE, NONE}},
    {63,
     {TXT("SPAX-Schrauben in Laubholz nur mit Vorbohren gemäß Z-9.1-449, 4.3"),
      TXT("SPAX-Schrauben in Laubholz nur mit Vorbohren gemäß Z-9.1-449, 4.3"), NONE, NONE}},
    {64,
     {TXT("Holzwerkstoff- und Stahlplatten sollten gemäß ETA-12/0114, 4.2.2 nur auf der Schraubenkopfseite angebracht "
          "sein"),
      NONE, NONE, NONE}},
    {65, {TXT("Mindestdicke gemäß ETA-12/0114, 4.2.2 unterschritten"), NONE, NONE, NONE}},
    {66,
     {TXT("Klammerdurchmesser muss >= 1 und <= 2 mm sein"), TXT("Klammerdurchmesser muss >= 1 und <= 2 mm sein"), NONE,
      NONE}},
    {67,
     {TXT("Bei einseitiger Beplankung muss Rippenbreite/-höhe >= 0.25 sein"),
      TXT("Bei einseitiger Beplankung muss Rippenbreite/-höhe >= 0.25 sein"), NONE, NONE}},
    {68, {TXT("av muss bei Klammern <= 150 mm sein"), TXT("av muss bei Klammern <= 150 mm sein"), NONE, NONE}},
    {69, {TXT("av muss bei Nägeln <= 150 mm sein"), TXT("av muss bei Nägeln <= 150 mm sein"), NONE, NONE}},
    {70, {TXT("av muss bei Schrauben <= 200 mm sein"), TXT("av muss bei Schrauben <= 200 mm sein"), NONE, NONE}},
    {71,
     {TXT("Schraubendurchmesser muss >= 4.0 mm sein"), TXT("Schraubendurchmesser muss >= 4.0 mm sein"), NONE, NONE}},
    {72,
     {TXT("Schraubenverbindungen in Fermacell nicht zulässig"),
      TXT("Schraubenverbindungen in Fermacell nicht zulässig"), NONE, NONE}},
    {73, {TXT("Nagelabstand < 20 d"), TXT("Nagelabstand < 20 d"), NONE, NONE}},
    {74, {TXT("Nagelabstand a1 zu klein"), TXT("Nagelabstand a1 zu klein"), NONE, NONE}},
    {75, {TXT("Tafelmindestbreite muss >= H/4 sein"), TXT("Tafelmindestbreite muss >= H/4 sein"), NONE, NONE}},
    {76, {TXT("Bemessungslast Ed muss <= 5.0 KN/m sein"), TXT("Bemessungslast Ed muss <= 5.0 KN/m sein"), NONE, NONE}},
    {77, {TXT("Verbindungsmittel zu kurz"), TXT("Verbindungsmittel zu kurz"), NONE, NONE}},
    {78, {TXT("Vertikale Rippe/Lamelle zu schmal"), TXT("Vertikale Rippe zu schmal"), NONE, NONE}},
    {79, {TXT("Horizontale Rippe/Lamelle zu schmal"), TXT("Horizontale Rippe zu schmal"), NONE, NONE}},
    {80, {TXT("Mindestabstand a2 senkrecht zur Faserrichtung unterschritten"), NONE, NONE, NONE}},
    {81,
     {TXT("Nach NAD dürfen Ring- und Scheibdübel aus Aluminiumlegierung nur in Nutzungsklasse 1 und 2 verwendet "
          "werden"),
      TXT("Nach DIN 1052 dürfen Ring- und Scheibdübel aus Aluminiumlegierung nur in Nutzungsklasse 1 und 2 verwendet "
          "werden"),
      NONE, NONE}},
    {82, {TXT("fuk = 0"), TXT("fuk = 0"), NONE, NONE}},
    {83, {TXT("A = 0"), TXT("A = 0"), NONE, NONE}},
    {89, {TXT("Berechnung von Sondernägeln nur mit NAD möglich"), NONE, NONE, NONE}},
    {90, {TXT("Seitenholz zu kurz"), TXT("Seitenholz zu kurz"), TXT("Seitenholz zu kurz"), TXT("Seitenholz zu kurz")}},
    {91,
     {TXT("Mindestabstand a4,tc überschritten, Holz nicht hoch genug"),
      TXT("Mindestabstand a2,tc überschritten, Holz nicht hoch genug"),
      TXT("Mindestabstand a4,tc überschritten, Holz nicht hoch genug"),
      TXT("Mindestabstand a2tc überschritten, Holz nicht hoch genug")}},
    {92,
     {TXT("Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick"),
      TXT("Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick"),
      TXT("Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick"),
      TXT("Spaltgefahr => Seitenholz zu dünn oder Nagel zu dick")}},
    {93,
     {TXT("Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!"),
      TXT("Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!"),
      TXT("Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!"),
      TXT("Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!")}},
    {94,
     {TXT("Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!"),
      TXT("Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!"),
      TXT("Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!"),
      TXT("Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!")}},
    {95,
     {TXT("Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!"),
      TXT("Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!"),
      TXT("Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!"),
      TXT("Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!")}},
    {96,
     {TXT("Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!"),
      TXT("Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!"),
      TXT("Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!"),
      TXT("Es müssen mindestens 2 Verbindungsmittel pro Stoßhälfte gewählt werden!")}},
    {97,
     {TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt")}},
    {98,
     {TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "), NONE}},
    {99,
     {TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt")}},
    {100,
     {TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt")}},
    {101,
     {TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "),
      TXT("Einpressdübel sind in Verbindung mit Laubholz nicht erlaubt "), NONE}},
    {102,
     {TXT("Nagelabstände zu groß (Seitenholz ist zu lang)"), TXT("Nagelabstände zu groß (Seitenholz ist zu lang)"),
      TXT("Nagelabstände zu groß (Seitenholz ist zu lang)"), TXT("Nagelabstände zu groß (Seitenholz ist zu lang)")}},
    {103,
     {TXT("Sparren nicht hoch genug => Verbindungsmittel können nicht untergebracht werden"), NONE,
      TXT("Sparren nicht hoch genug => Verbindungsmittel können nicht untergebracht werden"),
      TXT("Sparren nicht hoch genug => Verbindungsmittel können nicht untergebracht werden")}},
    {104,
     {TXT("Nagelabstände zu groß, Seitenholz ist zu hoch"), TXT("Nagelabstände zu groß, Seitenholz ist zu hoch"),
      TXT("Nagelabstände zu groß, Seitenholz ist zu hoch"), TXT("Nagelabstände zu groß, Seitenholz ist zu hoch")}},
    {105,
     {TXT("NägelVerbindungsmittel ist zu kurz oder Seitenholz zu dick"),
      TXT("NägelVerbindungsmittel ist zu kurz oder Seitenholz zu dick"),
      TXT("NägelVerbindungsmittel ist zu kurz oder Seitenholz zu dick"),
      TXT("Nägel zu kurz oder Seitenholz ist zu dick")}},
    {106,
     {TXT("Mindestdicke des Mittelholz unterschritten"), TXT("Mindestdicke des Mittelholz unterschritten"),
      TXT("Mindestdicke des Mittelholz unterschritten"), TXT("Mindestdicke des Mittelholz unterschritten")}},
    {107, {TXT("Dübel zu hoch"), TXT("Dübel zu hoch"), TXT("Dübel zu hoch"), TXT("Dübel zu hoch")}},
    {108,
     {TXT("Seitenholz zu dünn bzw. Nageldurchmesser zu groß"), TXT("Seitenholz zu dünn bzw. Nageldurchmesser zu groß"),
      TXT("Seitenholz zu dünn bzw. Nageldurchmesser zu groß"),
      TXT("Seitenholz zu dünn bzw. Nageldurchmesser zu groß")}},
    {109,
     {TXT("Mindestholzdicke im Seitenholz (24 mm) unterschritten"),
      TXT("Mindestholzdicke im Seitenholz (24 mm) unterschritten"),
      TXT("Mindestholzdicke im Seitenholz (24 mm) unterschritten"),
      TXT("Mindestholzdicke im Seitenholz (24 mm) unterschritten")}},
    {110,
     {TXT("Mindestabstand a3,t in Faserrichtung zum beanspruchten Rand unterschritten "),
      TXT("Mindestabstand a3,t in Faserrichtung zum beanspruchten Rand unterschritten "), NONE, NONE}},
    {111,
     {TXT("Mindestabstand a3,c in Faserrichtung zum unbeanspruchten Rand unterschritten "),
      TXT("Mindestabstand a3,c in Faserrichtung zum unbeanspruchten Rand unterschritten "), NONE, NONE}},
    {112,
     {TXT("Mindestabstand a4,t senkrecht zur Faserrichtung zum beanspruchten Rand unterschritten "),
      TXT("Mindestabstand a4,t senkrecht zur Faserrichtung zum beanspruchten Rand unterschritten "), NONE, NONE}},
    {113,
     {TXT("Mindestabstand a4,c senkrecht zur Faserrichtung zum unbeanspruchten Rand unterschritten "),
      TXT("Mindestabstand a4,c senkrecht zur Faserrichtung zum unbeanspruchten Rand unterschritten "), NONE, NONE}},
    {114,
     {TXT("Vorderer/Hinterer Mindestrandabstand (a3c, a3t) unterschritten"),
      TXT("Vorderer/Hinterer Mindestrandabstand (a1c, a1t) unterschritten"), NONE, NONE}},
    {115,
     {TXT("Oberer/Unterer Mindestrandabstand (a2c, a2t) unterschritten"),
      TXT("Oberer/Unterer Mindestrandabstand (a2c, a2t) unterschritten"), NONE, NONE}},
    {116,
     {TXT("Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten"), NONE,
      TXT("Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten"),
      TXT("Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten")}},
    {117,
     {TXT("Oberer/Unterer Mindestrandabstand am Kehlbalken (a4c, a4t) unterschritten"), NONE,
      TXT("Oberer/Unterer Mindestrandabstand am Kehlbalken (a4c, a4t) unterschritten"),
      TXT("Oberer/Unterer Mindestrandabstand am Kehlbalken (a2c, a2t) unterschritten")}},
    {118,
     {TXT("Oberer/Unterer Mindestrandabstand am Sparren (a4c, a4t) unterschritten"), NONE,
      TXT("Oberer/Unterer Mindestrandabstand am Sparren (a4c, a4t) unterschritten"),
      TXT("Oberer/Unterer Mindestrandabstand am Sparren (a2c, a2t) unterschritten")}},
    {119,
     {TXT("Bitte mindestens eine gültige Schnittgrößenkombination eingeben"),
      TXT("Bitte mindestens eine gültige Schnittgrößenkombination eingeben"),
      TXT("Bitte mindestens eine  gültige Schnittgrößenkombination eingeben"),
      TXT("Bitte mindestens eine  gültige Schnittgrößenkombination eingeben")}},
    {120,
     {TXT("Zu wenig Verbindungsmittel am Kehlbalkenanschluss gewählt"), NONE,
      TXT("Zu wenig Verbindungsmittel am Kehlbalkenanschluss gewählt"),
      TXT("Zu wenig Verbindungsmittel am Kehlbalkenanschluss gewählt")}},
    {121,
     {TXT("Zu wenig Verbindungsmittel am Sparrenanschluss gewählt"), NONE,
      TXT("Zu wenig Verbindungsmittel am Sparrenanschluss gewählt"),
      TXT("Zu wenig Verbindungsmittel am Sparrenanschluss gewählt")}},
    {122, {TXT("Seitenholz 1 nicht hoch genung "), TXT("Seitenholz 1 nicht hoch genung "), NONE, NONE}},
    {123, {TXT("Seitenholz 2 nicht hoch genung "), TXT("Seitenholz 2 nicht hoch genung "), NONE, NONE}},
    {124,
     {TXT("Der Steg ist zu schmal "), TXT("Der Steg ist zu schmal "), TXT("Der Steg ist zu schmal "),
      TXT("Der Steg ist zu schmal ")}},
    {125, {TXT("Mindesteblechdicke (3mm) unterschritten"), TXT("Mindesteblechdicke (3mm) unterschritten"), NONE, NONE}},
    {126, {TXT("Blechrandabstand e2 oder e3 zu klein"), TXT("Blechrandabstand e2 oder e3 zu klein"), NONE, NONE}},
    {127, {TXT("Mindestdurchmesser 4mm unterschritten"), NONE, NONE, NONE}},
    {128,
     {FMT("Der charaktistische Wert des Ausziehparameters fax,k muss >= 50E-6 %s%s sein ", "\xCB\xCB"),
      FMT("Der charaktistische Wert des Ausziehparameters fax,k muss >= 50E-6 %s%s sein ", "\xCB\xCB"), NONE, NONE}},
    {129, {TXT("Der Durchmesser muss >= 4mm sein "), TXT("Der Durchmesser muss >= 4mm sein "), NONE, NONE}},
    {130,
     {TXT("Die Eindringtiefe von lef muss >= 8d sein "), TXT("Die Eindringtiefe von lef muss >= 8d sein "), NONE,
      NONE}},
    {131,
     {TXT("Der charaktistische Wert des Ausziehparameters fax,k muss >= 4,5 sein "),
      TXT("Der charaktistische Wert des Ausziehparameters fax,k muss >= 4,5 sein "), NONE, NONE}},
    {132,
     {TXT("Der muss mindestens 3 Schichten durchdringen "), TXT("Der muss mindestens 3 Schichten durchdringen "), NONE,
      NONE}},
    {134,
     {TXT("Dübel aus Aluminium nicht in Nutzungsklasse 3 erlaubt "), NONE,
      TXT("Dübel aus Aluminium nicht in Nutzungsklasse 3 erlaubt "),
      TXT("Dübel aus Aluminium nicht in Nutzungsklasse 3 erlaubt ")}},
    {135,
     {TXT("Rechtes Seitenholz nicht hoch genug "), NONE, TXT("Rechtes Seitenholz nicht hoch genug "),
      TXT("Rechtes Seitenholz nicht hoch genug ")}},
    {136,
     {TXT("Mittenholz nicht hoch genug "), NONE, TXT("Mittenholz nicht hoch genug "),
      TXT("Mittenholz nicht hoch genug ")}},
    {137,
     {TXT("gemäß 8.3.1.2(1) sollte die Eindringtiefe mindestens 8d betragen "), NONE,
      TXT("gemäß 8.3.1.2(1) sollte die Eindringtiefe mindestens 8d betragen "), NONE}},
    {138, {TXT("Achtung! Eindringtiefe ist < 4d "), NONE, TXT("Achtung! Eindringtiefe ist < 4d "), NONE}},
    {139,
     {TXT("DIN EN 1995-1-1, NA:2013 8.4 (NA.16) beachten "), NONE,
      TXT("DIN EN 1995-1-1, NA:2013 8.4 (NA.16) beachten "), NONE}},
    {140,
     {TXT("gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "), NONE,
      TXT("gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "), NONE}},
    {141,
     {TXT("gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "), NONE,
      TXT("gemäß DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen "), NONE}},
    {142,
     {TXT("gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 6mm betragen "), NONE,
      TXT("gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 6mm betragen "), NONE}},
    {143,
     {TXT("gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 8mm betragen "), NONE,
      TXT("gemäß ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 8mm betragen "), NONE}},
    {144,
     {TXT("gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 6mm betragen "), NONE,
      TXT("gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 6mm betragen "), NONE}},
    {145,
     {TXT("gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 8mm betragen "), NONE,
      TXT("gemäß ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 8mm betragen "), NONE}},
    {146,
     {TXT("gemäß TA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "), NONE,
      TXT("gemäß TA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "), NONE}},
    {147,
     {TXT("gemäß TA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "), NONE,
      TXT("gemäß TA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen "), NONE}},
    {148,
     {TXT("gemäß DIN EN 1995-1-1/NA, (NA.11) 8.3.2(1)P dürfen glattschäftige Nägel in vorgebohrten Nagellöchern nicht "
          "auf Herausziehen beansprucht werden "),
      NONE,
      TXT("gemäß DIN EN 1995-1-1/NA, (NA.11) 8.3.2(1)P dürfen glattschäftige Nägel in vorgebohrten Nagellöchern nicht "
          "auf Herausziehen beansprucht werden "),
      NONE}},
    {149,
     {TXT("gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe glattschäftiger Nägel mindestens 8d betragen "),
      NONE,
      TXT("gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe glattschäftiger Nägel mindestens 8d betragen "),
      NONE}},
    {150,
     {TXT("gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe von Nägeln mit profiliertem Schaft mindestens 6d "
          "betragen "),
      NONE,
      TXT("gemäß DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe von Nägeln mit profiliertem Schaft mindestens 6d "
          "betragen "),
      NONE}},
    {151,
     {TXT("gemäß DIN EN 1995-1-1, NA 2013(NA.16) sollte die Eindringtiefe von Klammern mindestens 12d betragen "), NONE,
      TXT("gemäß DIN EN 1995-1-1, NA 2013(NA.16) sollte die Eindringtiefe von Klammern mindestens 12d betragen "),
      NONE}},
    {152,
     {TXT("gemäß DIN EN 1995-1-1, 8.7.2(3) sollte die geringste Eindringtiefe 6d betragen "), NONE,
      TXT("gemäß DIN EN 1995-1-1, 8.7.2(3) sollte die geringste Eindringtiefe 6d betragen "), NONE}},
    {153,
     {TXT("Bei Klammern darf nur die beharzte Länge zur Ermittling von Rax angesetzt werden "), NONE,
      TXT("Bei Klammern darf nur die beharzte Länge zur Ermittling von Rax angesetzt werden "),
      TXT("Bei Klammern darf nur die beharzte Länge zur Ermittlung von Rax angesetzt werden (s. DIN 1052, "
          "12.8.3(1) ")}},
    {154,
     {TXT("gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für glattschäftige Nägel und "
          "Sondernägel der Tragfähigkeitsklasse 1 mindestens 12d betragen "),
      NONE,
      TXT("gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für glattschäftige Nägel und "
          "Sondernägel der Tragfähigkeitsklasse 1 mindestens 12d betragen "),
      TXT("gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für glattschäftige Nägel und "
          "Sondernägel der Tragfähigkeitsklasse 1 mindestens 12d betragen ")}},
    {155,
     {TXT("gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für Sondernägel der "
          "Tragfähigkeitsklassen 2 und 3 mindestens 8d betragen "),
      NONE,
      TXT("gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für Sondernägel der "
          "Tragfähigkeitsklassen 2 und 3 mindestens 8d betragen "),
      TXT("gemäß DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe für Sondernägel der "
          "Tragfähigkeitsklassen 2 und 3 mindestens 8d betragen ")}},
    {156,
     {TXT("gemäß DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt "), NONE,
      TXT("gemäß DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt "),
      TXT("gemäß DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt ")}},
    {157, {TXT("Fv,Rk nicht ermittelbar "), NONE, TXT("Fv,Rk nicht ermittelbar "), TXT("Rk nicht ermittelbar ")}},
    {158,
     {TXT("Lochleibungsspannung im Seitenholz nicht ermittelbar "), NONE,
      TXT("Lochleibungsspannung im Seitenholz nicht ermittelbar "),
      TXT("Lochleibungsspannung im Seitenholz nicht ermittelbar ")}},
    {159,
     {TXT("Lochleibungsspannung im Mittenholz nicht ermittelbar "), NONE,
      TXT("Lochleibungsspannung im Mittenholz nicht ermittelbar "),
      TXT("Lochleibungsspannung im Mittenholz nicht ermittelbar ")}},
    {1000,
     {FMT("gemäß Zulassung ETA-03/0050 für Fermacellplatten darf bei einschnittigen Verbindungen mit Nägeln oder "
          "Klammern bei überwiegend kurzzeitiger Beanspruchung die charakteristische Tragfähigkeit parallel zum Rand "
          "der Gipsfaserplatte um einen Anteil %sFv,Rk erhöht werden ",
          "\xA3"),
      NONE,
      FMT("gemäß Zulassung ETA-03/0050 für Fermacellplatten darf bei einschnittigen Verbindungen mit Nägeln oder "
          "Klammern bei überwiegend kurzzeitiger Beanspruchung die charakteristische Tragfähigkeit parallel zum Rand "
          "der Gipsfaserplatte um einen Anteil %sFv,Rk erhöht werden ",
          "\xA3"),
      FMT("gemäß Zulassung Z-9.1-434 für Fermacellplatten darf bei einschnittigen Verbindungen mit Nägeln oder "
          "Klammern bei überwiegend kurzzeitiger Beanspruchung die charakteristische Tragfähigkeit parallel zum Rand "
          "der Gipsfaserplatte um einen Anteil %sRk erhöht werden ",
          "\xA3")}},
    {1001,
     {FMT("Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondernägeln der Tragfähigkeitsklasse 3, "
          "nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragfähigkeit Fv,Rk "
          "nach NAD 8.3.1.3 (NA.9) um einen Anteil %sFv,Rk erhöht werden ",
          "\xA3"),
      NONE,
      FMT("Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondernägeln der Tragfähigkeitsklasse 3, "
          "nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragfähigkeit Fv,Rk "
          "nach NAD 8.3.1.3 (NA.9) um einen Anteil %sFv,Rk erhöht werden ",
          "\xA3"),
      FMT("Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondernägeln der Tragfähigkeitsklasse 3, "
          "nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragfähigkeit Rk nach "
          "Gl. (226) um einen Anteil %sRk erhöht werden ",
          "\xA3")}},
    {1002,
     {FMT("Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragfähigkeit Fv,Rk "
          "infolge der Seilwirkung um einen Anteil %sRk erhöht werden ",
          "\xA3"),
      NONE,
      FMT("Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragfähigkeit Fv,Rk "
          "infolge der Seilwirkung um einen Anteil %sRk erhöht werden ",
          "\xA3"),
      FMT("Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragfähigkeit Rk "
          "infolge des Einhängeeffektes um einen Anteil %sRk erhöht werden ",
          "\xA3")}},
    {1003,
     {FMT("Bei Verbindungen mit Bolzen darf der charakteristische Wert der Tragfähigkeit Fv,Rk infolge der Seilwirkung "
          "um einen Anteil %sFv,Rk erhöht werden ",
          "\xA3"),
      NONE,
      FMT("Bei Verbindungen mit Bolzen darf der charakteristische Wert der Tragfähigkeit Fv,Rk infolge der Seilwirkung "
          "um einen Anteil %sFv,Rk erhöht werden ",
          "\xA3"),
      FMT("Bei Verbindungen mit Passbolzen darf der charakteristische Wert der Tragfähigkeit Rk infolge des "
          "Einhängeeffektes um einen Anteil %sRk erhöht werden ",
          "\xA3")}},
    {1004,
     {TXT("gemäß DIN EN 1995-1-1, 8.3.1.1(8) wird die Tragfähigkeit in Faserrichtung hintereinanderliegender Nägel "
          "abgemindert, sofern sie nicht um 1d versetzt angeordnet sind "),
      NONE,
      TXT("gemäß DIN EN 1995-1-1, 8.3.1.1(8) wird die Tragfähigkeit in Faserrichtung hintereinanderliegender Nägel "
          "abgemindert, sofern sie nicht um 1d versetzt angeordnet sind "),
      NONE}},
    {1005,
     {FMT("gemäß ETA-11/0190, A.1.4.1 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände "
          "in Faserrichtung um 50%% erhöht werden ",
          ""),
      NONE,
      FMT("gemäß ETA-11/0190, A.1.4.1 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände "
          "in Faserrichtung um 50%% erhöht werden ",
          ""),
      FMT("gemäß ETA-11/0190, A.1.4.1 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände "
          "in Faserrichtung um 50%% erhöht werden ",
          "")}},
    {1006,
     {FMT("gemäß ETA-11/0190, 4.2 dürfen Schrauben mit %s %s 8 mm nur in die Vollholzarten Fichte, Tanne oder Kiefer "
          "eingeschraubt werden ",
          "\x8C\xF2"),
      NONE,
      FMT("gemäß ETA-11/0190, 4.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne "
          "oder Kiefer eingeschraubt werden ",
          "\x8C\xF2"),
      FMT("gemäß ETA-11/0190, 4.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne "
          "oder Kiefer eingeschraubt werden ",
          "\x8C\xF2")}},
    {1007,
     {TXT("Nägel in vorgebohrten Nagellöchern dürfen nach NAD 8.3.2(NA.11) nicht auf Herausziehen beansprucht werden "),
      NONE,
      TXT("Nägel in vorgebohrten Nagellöchern dürfen nach NAD 8.3.2(NA.11) nicht auf Herausziehen beansprucht werden "),
      TXT("gemäß DIN 1052, 12.8.1(3) dürfen Nägel in vorgebohrten Nagellöchern nicht auf Herausziehen beansprucht "
          "werden ")}},
    {1008,
     {TXT("gemäß DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt "), NONE,
      TXT("gemäß DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt "),
      TXT("gemäß DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt ")}},
    {1009,
     {TXT("Abminderung von f1k auf 1/3 Rax gemäß DIN 1052-10, A.1(2)b "), NONE,
      TXT("Abminderung von f1k auf 1/3 Rax gemäß DIN 1052-10, A.1(2)b "),
      TXT("Abminderung von f1k auf 1/3 Rax gemäß DIN 1052, 12.8.3(2) ")}},
    {1010,
     {TXT("Abminderung von Rax auf 70% gemäß 8.4.5(5) "), NONE, TXT("Abminderung von Rax auf 70% gemäß 8.4.5(5) "),
      TXT("Abminderung von Rax auf 70% gemäß DIN 1052, 12.8.3(3) ")}},
    {1011,
     {TXT("Mindestholzdicke (24mm) des Seitenholz unterschritten => Fv,Rk=0 "), NONE,
      TXT("Mindestholzdicke (24mm) des Seitenholz unterschritten => Fv,Rk=0 "),
      TXT("Mindestholzdicke (24mm) des Seitenholz unterschritten, gem. DIN 1052, 7.2.3(1), => Rk=0 ")}},
    {1012,
     {FMT("Wenn der Bohrlochdurchmesser nicht größer als der Kerndurchmesser des Sondernagels ist, darf gemäß NAD "
          "8.3.2 (NA.13) der Ausziehparameter fax,k mit 70%% in Ansatz gebracht werden ",
          ""),
      NONE,
      FMT("Wenn der Bohrlochdurchmesser nicht größer als der Kerndurchmesser des Sondernagels ist, darf gemäß NAD "
          "8.3.2 (NA.13) der Ausziehparameter fax,k mit 70%% in Ansatz gebracht werden ",
          ""),
      FMT("Wenn der Bohrlochdurchmesser nicht größer als der Kerndurchmesser des Sondernagels ist, darf der "
          "Ausziehparameter f1,k mit 70%% in Ansatz gebracht werden ",
          "")}},
    {1013,
     {TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114, 2.1) "), NONE,
      TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114, 2.1) "),
      TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114 2.1) ")}},
    {1014,
     {TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 15 (ETA-12/0114, 2.1) "), NONE,
      TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 15 (ETA-12/0114, 2.1) "), NONE}},
    {1015,
     {TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190, A.1.3.1)"), NONE,
      TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190, A.1.3.1)"),
      TXT("Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190 A.1.3.1)")}},
    {1016,
     {TXT("gemäß Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu "
          "Null gesetzt "),
      NONE,
      TXT("gemäß Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu "
          "Null gesetzt "),
      TXT("gemäß Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu "
          "Null gesetzt ")}},
    {1017,
     {TXT("Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragfähigkeit auf Zug in "
          "Schaftrichtung "),
      NONE,
      TXT("Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragfähigkeit auf Zug in "
          "Schaftrichtung "),
      TXT("Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragfähigkeit auf Zug in "
          "Schaftrichtung ")}},
    {1018,
     {TXT("Die Mindestdicke t darf bei Nadelhölzern auch nach Gleichung (8.18) berechnet werden, sofern die "
          "Randabstände senkrecht zur Faser erhöht werden "),
      NONE,
      TXT("Die Mindestdicke t darf bei Nadelhölzern auch nach Gleichung (8.18) berechnet werden, sofern die "
          "Randabstände senkrecht zur Faser erhöht werden "),
      TXT("Die Mindestdicke t darf bei Nadelhölzern auch nach Gleichung (219) berechnet werden, sofern die "
          "Randabstände senkrecht zur Faser erhöht werden ")}},
    {1019,
     {TXT("Minimaler Abstand a1 unterschritten "), NONE, TXT("Minimaler Abstand a1 unterschritten "),
      TXT("Minimaler Abstand a1 in Faserrichtung unterschritten ")}},
    {1020,
     {NONE, NONE,
      FMT("gemäß ETA-12/0114, 4.2.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne "
          "oder Kiefer eingeschraubt werden ",
          "\x8C\xF2"),
      FMT("gemäß ETA-12/0114, 4.2.2 dürfen Schrauben mit %s %s 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne "
          "oder Kiefer eingeschraubt werden ",
          "\x8C\xF2")}},
    {1021,
     {NONE, NONE,
      FMT("gemäß ETA-12/0114, 4.2.4 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in "
          "Faserrichtung um 50%% erhöht werden ",
          ""),
      FMT("gemäß ETA-12/0114, 4.2.4 müssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabstände in "
          "Faserrichtung um 50%% erhöht werden ",
          "")}},
    {1022,
     {NONE, NONE, FMT("Der charaktistische Wert des Ausziehparameters fhead,k muss >= 100E-6 %s%s sein ", "\xCB\xCB"),
      FMT("Der charaktistische Wert des Ausziehparameters fhead,k muss >= 100E-6 %s%s sein ", "\xCB\xCB")}},
    {2001, {TXT("Eingabewert ist keine endliche Zahl"), TXT("Eingabewert ist keine endliche Zahl"), NONE, NONE}},
    {2002,
     {TXT("Dicke t1 von Bauteil 1 muss > 0 mm sein"), TXT("Dicke t1 von Bauteil 1 muss > 0 mm sein"), NONE, NONE}},
    {2003,
     {TXT("Dicke t2 von Bauteil 2 muss > 0 mm sein"), TXT("Dicke t2 von Bauteil 2 muss > 0 mm sein"), NONE, NONE}},
    {2004,
     {TXT("Anzahl der Scherfugen muss 1 oder 2 sein"), TXT("Anzahl der Scherfugen muss 1 oder 2 sein"), NONE, NONE}},
    {2005,
     {TXT("Typ des Verbindungsmittels unbekannt (zulässig 0 bis 46)"),
      TXT("Typ des Verbindungsmittels unbekannt (zulässig 0 bis 46)"), NONE, NONE}},
    {2006,
     {TXT("Durchmesser d liegt außerhalb des für diesen Verbindungsmitteltyp zulässigen Bereichs"),
      TXT("Durchmesser d liegt außerhalb des für diesen Verbindungsmitteltyp zulässigen Bereichs"), NONE, NONE}},
    {2007,
     {TXT("Länge des Verbindungsmittels liegt außerhalb des zulässigen Bereichs"),
      TXT("Länge des Verbindungsmittels liegt außerhalb des zulässigen Bereichs"), NONE, NONE}},
    {2008,
     {TXT("Bolzendurchmesser des Dübels besonderer Bauart muss >= 6 und <= 30 mm sein"),
      TXT("Bolzendurchmesser des Dübels besonderer Bauart muss >= 6 und <= 30 mm sein"), NONE, NONE}},
    {2009, {TXT("Teilsicherheitsbeiwert muss >= 1 sein"), TXT("Teilsicherheitsbeiwert muss >= 1 sein"), NONE, NONE}},
    {2010,
     {TXT("k_mod muss > 0 und <= 1,1 sein (aus Material, Nutzungsklasse 1 bis 3 und Lasteinwirkungsdauer oder "
          "vorgegeben)"),
      TXT("k_mod muss > 0 und <= 1,1 sein (aus Material, Nutzungsklasse 1 bis 3 und Lasteinwirkungsdauer oder "
          "vorgegeben)"),
      NONE, NONE}},
    {2011,
     {TXT("Zugfestigkeit f_u des Verbindungsmittels muss > 0 N/mm² sein"),
      TXT("Zugfestigkeit f_u des Verbindungsmittels muss > 0 N/mm² sein"), NONE, NONE}},
    {2012,
     {TXT("Produkt des Dübels besonderer Bauart ist nicht im geladenen Katalog"),
      TXT("Produkt des Dübels besonderer Bauart ist nicht im geladenen Katalog"), NONE, NONE}},
    {2013,
     {TXT("Rohdichte von Bauteil 1 nicht ermittelbar: Materialart und Güte prüfen"),
      TXT("Rohdichte von Bauteil 1 nicht ermittelbar: Materialart und Güte prüfen"), NONE, NONE}},
    {2014,
     {TXT("Rohdichte von Bauteil 2 nicht ermittelbar: Materialart und Güte prüfen"),
      TXT("Rohdichte von Bauteil 2 nicht ermittelbar: Materialart und Güte prüfen"), NONE, NONE}},
    {2015,
     {TXT("Stahlgüte unbekannt (zulässig 0 bis 43 oder negativ mit fu)"),
      TXT("Stahlgüte unbekannt (zulässig 0 bis 43 oder negativ mit fu)"), NONE, NONE}},
    {2016,
     {TXT("Nachweisverfahren muss 0, 1 oder 2 sein"), TXT("Nachweisverfahren muss 0, 1 oder 2 sein"), NONE, NONE}},
    {2017,
     {TXT("Durchmesser d stimmt nicht mit dem Durchmesser d_c des Katalogprodukts überein"),
      TXT("Durchmesser d stimmt nicht mit dem Durchmesser d_c des Katalogprodukts überein"), NONE, NONE}},
};

#undef NONE
#undef TXT
#undef FMT

const char kBlank[] = " ";

const MessageEntry* Find_Message(int code)
{
    size_t lo = 0, hi = sizeof kMessages / sizeof kMessages[0];
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (kMessages[mid].code == code) return &kMessages[mid];
        if (kMessages[mid].code < code)
            lo = mid + 1;
        else
            hi = mid;
    }
    return nullptr;
}

const char* Message_Text(int code, int set, char* buffer, size_t size)
{
    if (code == 0) return nullptr;
    const MessageEntry* entry = Find_Message(code);
    if (!entry) return kBlank;
    const bool annex = ActiveNadEc5 != nullptr;
    // The approval hints for gypsum fibre boards and special nails exist only
    // under a national annex of its own.
    if (annex && (code == CONN_MSG_APPROVAL_GYPSUM_FIBRE || code == CONN_MSG_APPROVAL_SPECIAL_NAIL) &&
        ActiveNadEc5->na_de == 0)
        return kBlank;
    const Wording& w = entry->wording[set * 2 + (annex ? 0 : 1)];
    if (!w.text) return kBlank;
    if (!w.symbols) return cp850(w.text);
    char first[2] = {w.symbols[0], 0};
    char second[2] = {first[0] ? w.symbols[1] : '\0', 0};
    std::snprintf(buffer, size, cp850(w.text), first, second);
    return buffer;
}

char text_buffer_1[1024];
char text_buffer_2[1024];

} // namespace

const char* Conn_Message_Text(int code) { return Message_Text(code, 0, text_buffer_1, sizeof text_buffer_1); }

const char* Conn_Message_Text_2(int code) { return Message_Text(code, 1, text_buffer_2, sizeof text_buffer_2); }
