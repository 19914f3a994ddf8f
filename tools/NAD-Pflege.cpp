// Stand-in of the host's annex editor.
//
//   NAD-Pflege <active annex name>
//
// Keeps the user's annexes as the numbered annex files of %DRAM%\NADS (1.NAD,
// 2.NAD, ... without gaps). What the user does in the editor is prepared in
// environment variables:
//   KOV_NAD_PFLEGE_LOESCHE=<n>      removes user annex n; the annexes after it
//                                   move down one number, so none gets lost
//   KOV_NAD_PFLEGE_NEU=<name>       adds a user annex under the next free
//                                   number: a copy of the annex named on the
//                                   command line (Deutschland when that is not
//                                   known) with this name (code page 850 bytes,
//                                   cut to the 27 bytes an annex name holds)
//   KOV_NAD_PFLEGE_GAMMA_M=<value>  in that new annex, gamma_M of solid timber
//                                   and of glulam
//   KOV_NAD_PFLEGE_ARGS=<file>      receives every argument, one a line
// A removal runs before an addition. Without any of these instructions and
// with a display (KOV_UI_MODE unset or "interactive"), a small window lists the
// user's annexes and lets the user add one (a copy of the active annex under a
// new name, with its own gamma_M for timber) or remove one.
// Exit code 0 when an annex was added or removed, 1 when nothing changed (the
// user closed the editor), 2 on a usage error or when the change could not be
// made.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "nad/nadfile.h"
#include "nad/nadlist.h"
#include "platform/kovcp.h"
#include "platform/kovpath.h"
#include "platform/kovscript.h"
#include "tools/toolargs.h"

namespace {

std::string user_file(const char* dram, int n)
{
    return Kov_Path((std::string(dram) + "\\NADS\\" + std::to_string(n) + ".NAD").c_str());
}

bool exists(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

// Number of user annexes: files 1.NAD, 2.NAD, ... up to the first missing one.
int user_count(const char* dram)
{
    int n = 0;
    while (exists(user_file(dram, n + 1))) ++n;
    return n;
}

bool remove_annex(const char* dram, int number)
{
    const int last = user_count(dram);
    if (number < 1 || number > last) return false;
    if (!Nad_Store_User_Nad(number, nullptr)) return false;
    for (int k = number + 1; k <= last; ++k)
        if (std::rename(user_file(dram, k).c_str(), user_file(dram, k - 1).c_str()) != 0) return false;
    return true;
}

bool add_annex(const char* dram, const char* base_name, const char* new_name, double gamma_m)
{
    static NadRecord r;
    Nad_Default_Ec0(&r.ec0);
    Nad_Default_Ec2(&r.ec2);
    Nad_Default_Ec3(&r.ec3);
    Nad_Default_Ec5(&r.ec5);
    Nad_Default_Ec6(&r.ec6);
    Nad_Default_Ec9(&r.ec9);
    r.flag_index = NAD_FLAG_GERMANY;
    r.user_defined = 1;
    r.na_de = 1;

    // The annex to copy: a listed name, else the German annex.
    Nad_Build_List();
    int found = 1;
    for (int i = 0; i < NadList.count && i < NAD_LIST_MAX; ++i)
        if (NadList.names[i] && base_name && std::strcmp(NadList.names[i], base_name) == 0) {
            found = i;
            break;
        }
    const int u = NadList.user_number[found];
    Nad_Load(u, found == 0 ? "Standard" : "Deutschland", &r);
    r.flag_index = NadList.flag_index[found];

    std::strncpy(r.name, new_name, NAD_NAME_SIZE - 1);
    r.name[NAD_NAME_SIZE - 1] = '\0';

    if (gamma_m > 0.0) {
        r.ec5.gamma_m_solid = gamma_m;
        r.ec5.gamma_m_glulam = gamma_m;
    }
    return Nad_Store_User_Nad(user_count(dram) + 1, &r) == 1;
}

double env_gamma()
{
    const char* gamma = std::getenv("KOV_NAD_PFLEGE_GAMMA_M");
    if (!gamma || !*gamma) return 0.0;
    char* end = nullptr;
    const double g = std::strtod(gamma, &end);
    return end != gamma ? g : 0.0;
}

QString from_cp850(const char* bytes)
{
    return QString::fromStdString(Kov_Cp_To_Utf8(KOV_CP850, bytes ? bytes : ""));
}

// The editor's window: the user's annexes, "Neu ..." and "Entfernen".
int run_window(int argc, char** argv, const char* dram, const char* active)
{
    QApplication app(argc, argv);
    QDialog w;
    w.setWindowTitle(QStringLiteral("NAD-Pflege"));
    QVBoxLayout* v = new QVBoxLayout(&w);
    v->addWidget(new QLabel(QString::fromUtf8("Benutzerdefinierte nationale Anhänge"), &w));
    QListWidget* list = new QListWidget(&w);
    v->addWidget(list);
    QHBoxLayout* row = new QHBoxLayout;
    QPushButton* neu = new QPushButton(QString::fromUtf8("Neu ..."), &w);
    QPushButton* weg = new QPushButton(QStringLiteral("Entfernen"), &w);
    QPushButton* zu = new QPushButton(QString::fromUtf8("Schließen"), &w);
    row->addWidget(neu);
    row->addWidget(weg);
    row->addStretch();
    row->addWidget(zu);
    v->addLayout(row);

    int changed = 0;
    auto fill = [&] {
        list->clear();
        Nad_Build_List();
        for (int i = 2; i < NadList.count && i < NAD_LIST_MAX; ++i)
            list->addItem(QStringLiteral("%1  %2").arg(NadList.user_number[i]).arg(from_cp850(NadList.names[i])));
    };
    fill();

    QObject::connect(zu, &QPushButton::clicked, &w, &QDialog::accept);
    QObject::connect(weg, &QPushButton::clicked, &w, [&] {
        const int i = list->currentRow();
        if (i < 0) return;
        if (!remove_annex(dram, i + 1))
            QMessageBox::warning(&w, QStringLiteral("NAD-Pflege"),
                                 QString::fromUtf8("Der Anhang konnte nicht entfernt werden."));
        else
            ++changed;
        fill();
    });
    QObject::connect(neu, &QPushButton::clicked, &w, [&] {
        QDialog d(&w);
        d.setWindowTitle(QString::fromUtf8("Neuer nationaler Anhang"));
        QFormLayout* f = new QFormLayout(&d);
        f->addRow(QStringLiteral("Kopie von:"), new QLabel(from_cp850(active), &d));
        QLineEdit* name = new QLineEdit(&d);
        name->setMaxLength(NAD_NAME_SIZE - 1);
        f->addRow(QStringLiteral("Name:"), name);
        QDoubleSpinBox* gamma = new QDoubleSpinBox(&d);
        gamma->setRange(1.0, 2.0);
        gamma->setDecimals(2);
        gamma->setSingleStep(0.05);
        gamma->setValue(1.3);
        f->addRow(QString::fromUtf8("γM Holz:"), gamma);
        QDialogButtonBox* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
        f->addRow(b);
        QObject::connect(b, &QDialogButtonBox::accepted, &d, &QDialog::accept);
        QObject::connect(b, &QDialogButtonBox::rejected, &d, &QDialog::reject);
        if (d.exec() != QDialog::Accepted || name->text().trimmed().isEmpty()) return;
        const std::string bytes = Kov_Utf8_To_Cp(KOV_CP850, name->text().trimmed().toStdString());
        if (!add_annex(dram, active, bytes.c_str(), gamma->value()))
            QMessageBox::warning(&w, QStringLiteral("NAD-Pflege"),
                                 QString::fromUtf8("Der Anhang konnte nicht gespeichert werden."));
        else
            ++changed;
        fill();
    });
    w.exec();
    return changed ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    Tool_Write_Args("KOV_NAD_PFLEGE_ARGS", argc, argv);
    if (argc != 2) return 2;
    const char* dram = std::getenv("DRAM");
    if (!dram || !*dram) return 2;

    const char* loesche = std::getenv("KOV_NAD_PFLEGE_LOESCHE");
    const char* neu = std::getenv("KOV_NAD_PFLEGE_NEU");
    if (!(loesche && *loesche) && !(neu && *neu) && Tool_Display_Wanted())
        return run_window(argc, argv, dram, argv[1]);

    int rc = 1;
    if (loesche && *loesche) {
        if (!remove_annex(dram, std::atoi(loesche))) return 2;
        rc = 0;
    }
    if (neu && *neu) {
        if (!add_annex(dram, argv[1], neu, env_gamma())) return 2;
        rc = 0;
    }
    return rc;
}
