// The literature lines of the standards that output lists cite: designation,
// title, German version and edition, continuation lines indented by two
// blanks. The German national annexes (and DIN 1052-10 beside DIN EN 1995-1-1)
// are cited only while the German annex is active.
#include <cstdio>
#include <cstring>

#include "nad/nadlist.h"
#include "nad/nadtitle.h"
#include "platform/kovcp.h"

namespace {

enum { ANY = -1 };

struct Reference {
    int norm;
    int edition;      // NadNormEdition it belongs to, ANY for both
    int prestandard;  // NadFirePrestandard it belongs to, ANY for both
    bool national;    // printed only with the German annex
    const char* text; // UTF-8
};

// The editions are those of the norm titles; the annex of DIN EN 1995-1-1 is
// the edition whose values the supplied German annex holds.
const Reference kReferences[] = {
    {0, ANY, ANY, false, "DIN 1045, Beton und Stahlbeton; Bemessung und Ausführung, Ausgabe Juli 1988"},
    {0, ANY, ANY, false,
     "Deutscher Ausschuss für Stahlbeton, Heft 400: Erläuterungen zu DIN 1045 Beton und Stahlbeton,"},
    {0, ANY, ANY, false, "  Ausgabe 07.88; Beuth Verlag, Berlin 1989"},

    {1, 1, ANY, false,
     "DIN 1045-1, Tragwerke aus Beton, Stahlbeton und Spannbeton - Teil 1: Bemessung und Konstruktion,"},
    {1, 1, ANY, false, "  Ausgabe Juli 2001, mit Berichtigung 2, Juni 2005"},
    {1, 1, ANY, false,
     "Deutscher Ausschuss für Stahlbeton, Heft 525: Erläuterungen zu DIN 1045-1, Beuth Verlag, Berlin 2003"},
    {1, 1, ANY, false, "Berichtigung 1 zum DAfStb-Heft 525, Mai 2005"},
    {1, 0, ANY, false,
     "DIN 1045-1, Tragwerke aus Beton, Stahlbeton und Spannbeton - Teil 1: Bemessung und Konstruktion,"},
    {1, 0, ANY, false, "  Ausgabe August 2008"},
    {1, 0, ANY, false,
     "Deutscher Ausschuss für Stahlbeton, Heft 525: Erläuterungen zu DIN 1045-1, Beuth Verlag, Berlin 2010"},

    {2, ANY, ANY, false, "DIN-Fachbericht 102: Betonbrücken, März 2009"},

    {3, ANY, ANY, false, "ÖNORM B 4700, Stahlbetontragwerke - EUROCODE-nahe Berechnung, Bemessung und konstruktive"},
    {3, ANY, ANY, false, "  Durchbildung, Ausgabe 2001-06-01"},

    {4, ANY, ANY, false,
     "DIN EN 1992-1-1, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -"},
    {4, ANY, ANY, false, "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln für den Hochbau;"},
    {4, ANY, ANY, false, "  Deutsche Fassung EN 1992-1-1:2004 + AC:2010, Ausgabe Januar 2011"},
    {4, ANY, ANY, true, "DIN EN 1992-1-1/NA, Nationaler Anhang zur DIN EN 1992-1-1, Ausgabe Januar 2011"},

    {5, ANY, ANY, false, "DIN-Fachbericht 101: Einwirkungen auf Brücken, März 2009"},

    {8, ANY, ANY, false, "DIN 1055-100, Einwirkungen auf Tragwerke - Teil 100: Grundlagen der Tragwerksplanung -"},
    {8, ANY, ANY, false, "  Sicherheitskonzept und Bemessungsregeln, Ausgabe März 2001"},

    {9, ANY, ANY, false, "DIN 1053-100, Mauerwerk - Teil 100: Berechnung auf der Grundlage des semiprobabilistischen"},
    {9, ANY, ANY, false, "  Sicherheitskonzepts, Ausgabe September 2007"},

    {10, ANY, 0, false,
     "DIN EN 1992-1-2, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -"},
    {10, ANY, 0, false, "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung für den Brandfall;"},
    {10, ANY, 0, false, "  Deutsche Fassung EN 1992-1-2:2004 + AC:2008, Ausgabe Dezember 2010"},
    {10, ANY, 0, true, "DIN EN 1992-1-2/NA, Nationaler Anhang zur DIN EN 1992-1-2, Ausgabe Dezember 2010"},
    {10, ANY, 1, false, "DIN V ENV 1992-1-2, Eurocode 2: Planung von Stahlbeton- und Spannbetontragwerken -"},
    {10, ANY, 1, false, "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung für den Brandfall;"},
    {10, ANY, 1, false, "  Deutsche Fassung ENV 1992-1-2:1995, Ausgabe Mai 1997"},
    {10, ANY, 1, true, "DIN-Fachbericht 92, Nationales Anwendungsdokument (NAD) zu DIN V ENV 1992-1-2, Ausgabe 2000"},

    {11, ANY, ANY, false, "DIN EN 1990, Eurocode: Grundlagen der Tragwerksplanung;"},
    {11, ANY, ANY, false, "  Deutsche Fassung EN 1990:2002 + A1:2005 + A1:2005/AC:2010, Ausgabe Dezember 2010"},
    {11, ANY, ANY, true, "DIN EN 1990/NA, Nationaler Anhang zur DIN EN 1990, Ausgabe Dezember 2010"},

    {12, ANY, ANY, false, "DIN EN 1993-1-1, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -"},
    {12, ANY, ANY, false, "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln für den Hochbau;"},
    {12, ANY, ANY, false, "  Deutsche Fassung EN 1993-1-1:2005 + AC:2009, Ausgabe Dezember 2010"},
    {12, ANY, ANY, false,
     "DIN EN 1993-1-1/A1, Änderung A1; Deutsche Fassung EN 1993-1-1:2005/A1:2014, Ausgabe Juli 2014"},
    {12, ANY, ANY, true, "DIN EN 1993-1-1/NA, Nationaler Anhang zur DIN EN 1993-1-1, Ausgabe Dezember 2018"},

    {13, ANY, ANY, false, "DIN EN 1993-1-8, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -"},
    {13, ANY, ANY, false, "  Teil 1-8: Bemessung von Anschlüssen;"},
    {13, ANY, ANY, false, "  Deutsche Fassung EN 1993-1-8:2005 + AC:2009, Ausgabe Dezember 2010"},
    {13, ANY, ANY, true, "DIN EN 1993-1-8/NA, Nationaler Anhang zur DIN EN 1993-1-8, Ausgabe Dezember 2010"},

    {14, ANY, ANY, false, "DIN 4085, Baugrund - Berechnung des Erddrucks, Ausgabe August 2017"},

    {15, ANY, ANY, false, "DIN 1054, Baugrund - Sicherheitsnachweise im Erd- und Grundbau, Ausgabe April 2021"},

    {16, ANY, ANY, false, "DIN 18800-1, Stahlbauten - Teil 1: Bemessung und Konstruktion, Ausgabe November 2008"},
    {16, ANY, ANY, false, "DIN 18800-2, Stahlbauten - Teil 2: Stabilitätsfälle - Knicken von Stäben und Stabwerken,"},
    {16, ANY, ANY, false, "  Ausgabe November 2008"},
    {16, ANY, ANY, false, "DIN 18800-3, Stahlbauten - Teil 3: Stabilitätsfälle - Plattenbeulen, Ausgabe November 2008"},

    {17, ANY, ANY, false, "DIN 1052 Teil 1, Holzbauwerke; Berechnung und Ausführung, Ausgabe April 1988"},
    {17, ANY, ANY, false,
     "DIN 1052-1/A 1, Holzbauwerke - Teil 1: Berechnung und Ausführung; Änderung A 1, Ausgabe Oktober 1996"},

    {18, ANY, ANY, false,
     "DIN 1052, Entwurf, Berechnung und Bemessung von Holzbauwerken - Allgemeine Bemessungsregeln"},
    {18, ANY, ANY, false, "  und Bemessungsregeln für den Hochbau, Ausgabe Dezember 2008"},

    {19, ANY, ANY, false, "DIN EN 1995-1-1, Eurocode 5: Bemessung und Konstruktion von Holzbauten -"},
    {19, ANY, ANY, false, "  Teil 1-1: Allgemeines - Allgemeine Regeln und Regeln für den Hochbau;"},
    {19, ANY, ANY, false, "  Deutsche Fassung EN 1995-1-1:2004 + AC:2006 + A1:2008, Ausgabe Dezember 2010"},
    {19, ANY, ANY, true, "DIN EN 1995-1-1/NA, Nationaler Anhang zur DIN EN 1995-1-1, Ausgabe August 2013"},
    {19, ANY, ANY, true,
     "DIN 1052-10, Herstellung und Ausführung von Holzbauwerken - Teil 10: Ergänzende Bestimmungen,"},
    {19, ANY, ANY, true, "  Ausgabe Mai 2012"},

    {20, ANY, ANY, false, "DIN EN 1995-1-2, Eurocode 5: Bemessung und Konstruktion von Holzbauten -"},
    {20, ANY, ANY, false, "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung für den Brandfall;"},
    {20, ANY, ANY, false, "  Deutsche Fassung EN 1995-1-2:2004 + AC:2009, Ausgabe Dezember 2010"},
    {20, ANY, ANY, true, "DIN EN 1995-1-2/NA, Nationaler Anhang zur DIN EN 1995-1-2, Ausgabe Dezember 2010"},

    {21, ANY, ANY, false,
     "DIN EN 1992-2, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -"},
    {21, ANY, ANY, false, "  Teil 2: Betonbrücken - Bemessungs- und Konstruktionsregeln;"},
    {21, ANY, ANY, false, "  Deutsche Fassung EN 1992-2:2005 + AC:2008, Ausgabe Dezember 2010"},
    {21, ANY, ANY, true, "DIN EN 1992-2/NA, Nationaler Anhang zur DIN EN 1992-2, Ausgabe April 2013"},

    {22, ANY, ANY, false, "DIN EN 1996-1-1, Eurocode 6: Bemessung und Konstruktion von Mauerwerksbauten -"},
    {22, ANY, ANY, false, "  Teil 1-1: Allgemeine Regeln für bewehrtes und unbewehrtes Mauerwerk;"},
    {22, ANY, ANY, false, "  Deutsche Fassung EN 1996-1-1:2005 + A1:2012, Ausgabe Februar 2013"},
    {22, ANY, ANY, true, "DIN EN 1996-1-1/NA, Nationaler Anhang zur DIN EN 1996-1-1, Ausgabe Dezember 2019"},

    {23, ANY, ANY, false, "DIN EN 1991, Eurocode 1: Einwirkungen auf Tragwerke;"},
    {23, ANY, ANY, false, "  Deutsche Fassung EN 1991, Ausgabe Dezember 2010"},
    {23, ANY, ANY, true, "DIN EN 1991/NA, Nationaler Anhang zur DIN EN 1991, Ausgabe Dezember 2010"},

    {24, ANY, ANY, false,
     "DIN EN 1993-1-5, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-5: Plattenförmige Bauteile;"},
    {24, ANY, ANY, false, "  Deutsche Fassung EN 1993-1-5:2006 + AC:2009 + A1:2017 + A2:2019, Ausgabe Oktober 2019"},
    {24, ANY, ANY, true, "DIN EN 1993-1-5/NA, Nationaler Anhang zur DIN EN 1993-1-5, Ausgabe April 2016"},

    {25, ANY, ANY, false, "DIN 18800-1, Stahlbauten - Teil 1: Bemessung und Konstruktion, Ausgabe November 2008"},

    {26, ANY, ANY, false,
     "DIN EN 1993-1-9, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-9: Ermüdung;"},
    {26, ANY, ANY, false, "  Deutsche Fassung EN 1993-1-9:2005 + AC:2009, Ausgabe Dezember 2010"},
    {26, ANY, ANY, true, "DIN EN 1993-1-9/NA, Nationaler Anhang zur DIN EN 1993-1-9, Ausgabe Dezember 2010"},

    {27, ANY, ANY, false,
     "DIN EN 1993-6, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 6: Kranbahnen;"},
    {27, ANY, ANY, false, "  Deutsche Fassung EN 1993-6:2007 + AC:2009, Ausgabe Dezember 2010"},
    {27, ANY, ANY, true, "DIN EN 1993-6/NA, Nationaler Anhang zur DIN EN 1993-6, Ausgabe Dezember 2010"},

    {28, ANY, ANY, false, "DIN EN 1991-3, Eurocode 1: Einwirkungen auf Tragwerke -"},
    {28, ANY, ANY, false, "  Teil 3: Einwirkungen infolge von Kranen und Maschinen;"},
    {28, ANY, ANY, false, "  Deutsche Fassung EN 1991-3:2006, Ausgabe Dezember 2010"},
    {28, ANY, ANY, true, "DIN EN 1991-3/NA, Nationaler Anhang zur DIN EN 1991-3, Ausgabe Dezember 2010"},

    {29, ANY, ANY, false, "DIN EN 1999-1-1, Eurocode 9: Bemessung und Konstruktion von Aluminiumtragwerken -"},
    {29, ANY, ANY, false, "  Teil 1-1: Allgemeine Bemessungsregeln;"},
    {29, ANY, ANY, false, "  Deutsche Fassung EN 1999-1-1:2007 + A1:2009 + A2:2013, Ausgabe März 2014"},
    {29, ANY, ANY, true, "DIN EN 1999-1-1/NA, Nationaler Anhang zur DIN EN 1999-1-1, Ausgabe Mai 2013,"},
    {29, ANY, ANY, true, "  mit den Änderungen A1:2014 + A2:2015 + A3:2015"},

    {30, ANY, ANY, false, "DAfStb-Richtlinie Betonbau beim Umgang mit wassergefährdenden Stoffen,"},
    {30, ANY, ANY, false, "  Ausgabe Dezember 2017"},

    {31, ANY, ANY, false,
     "DIN EN 1993-1-2, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-2: Allgemeine Regeln -"},
    {31, ANY, ANY, false,
     "  Tragwerksbemessung für den Brandfall; Deutsche Fassung EN 1993-1-2:2005 + AC:2009, Ausgabe Dezember 2010"},
    {31, ANY, ANY, true, "DIN EN 1993-1-2/NA, Nationaler Anhang zur DIN EN 1993-1-2, Ausgabe Dezember 2010"},

    {32, ANY, ANY, false,
     "DIN EN 1991-1-2, Eurocode 1: Einwirkungen auf Tragwerke - Teil 1-2: Allgemeine Einwirkungen -"},
    {32, ANY, ANY, false,
     "  Brandeinwirkungen auf Tragwerke; Deutsche Fassung EN 1991-1-2:2002 + AC:2009, Ausgabe Dezember 2010"},
    {32, ANY, ANY, true, "DIN EN 1991-1-2/NA, Nationaler Anhang zur DIN EN 1991-1-2, Ausgabe September 2015"},
};

} // namespace

int Nad_Literature_Lines(int norm, const char** lines)
{
    static char buffer[NAD_LITERATURE_LINES][NAD_LITERATURE_LINE_SIZE];
    for (auto& line : buffer) line[0] = '\0';
    int n = 0;
    if (norm < 0 || norm >= NAD_NORM_COUNT) {
        n = 1; // a norm without references: one empty line
    } else {
        const char* annex = Nad_Get_Active_Name();
        const bool german = annex && std::strcmp(annex, "Deutschland") == 0;
        for (const Reference& ref : kReferences) {
            if (ref.norm != norm || n >= NAD_LITERATURE_LINES) continue;
            if (ref.edition != ANY && ref.edition != NadNormEdition) continue;
            if (ref.prestandard != ANY && ref.prestandard != (NadFirePrestandard ? 1 : 0)) continue;
            if (ref.national && !german) continue;
            std::snprintf(buffer[n++], NAD_LITERATURE_LINE_SIZE, "%s", cp850(ref.text));
        }
    }
    if (lines)
        for (int i = 0; i < n; ++i) lines[i] = buffer[i];
    return n;
}
