// The choice of the national annex the checks use: radio buttons with flags, the stored choice
// in the position's annex-name file, and the start of the annex editor.
#include "app/gui/nadselectdialog.h"

#include <cerrno>

#include <QGuiApplication>
#include <QLabel>
#include <QLayoutItem>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/gui/dialogresources.h"
#include "app/gui/uimessage.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "nad/nadactive.h"
#include "nad/nadlist.h"
#include "nad/nadselect.h"
#include "platform/kovfilefailure.h"
#include "platform/kovhost.h"
#include "platform/kovreplace.h"

QString Nad_Flag_Picture(int flag_index)
{
    if (flag_index < 0 || flag_index > 19) return QString();
    return QString::asprintf(":/Flags/images/ef%02d.ico", flag_index + 1);
}

int start_nad_tool()
{
    const char* exec = KOVGetEnv("EXEC");
    if (!exec || !*exec) {
        Ui_Message_Box(QMessageBox::Warning, QStringLiteral("Fehler"),
                       QString::fromUtf8("Die NAD-Pflege kann nicht gestartet werden:\n"
                                         "das Programmverzeichnis (EXEC) ist unbekannt."));
        return 0;
    }
    const std::string program = std::string(exec) + "\\NAD-Pflege";
    const char* name = NadActiveName ? NadActiveName : "Deutschland";
    const char* argv[] = {program.c_str(), name, nullptr};
    // Returns when the editor has ended; its exit code says nothing the list
    // would not show.
    KOVSpawnv(0, program.c_str(), argv);
    return 1;
}

QDialog* Nelu52_New_NA_SelectDialog()
{
    NA_SelectDialog* d = new NA_SelectDialog;
    d->setWindowFlags(Qt::Window);
    return d;
}

NA_SelectDialog::NA_SelectDialog() : QDialog(nullptr)
{
    Nelu52_Init_Dialog_Resources();
    setupUi(this);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &NA_SelectDialog::storedata);
    connect(pb_tool, &QPushButton::clicked, this, &NA_SelectDialog::start_tool);
}

NA_SelectDialog::~NA_SelectDialog() = default;

void NA_SelectDialog::showEvent(QShowEvent*)
{
    fill_list();
    // Wide enough for the longest name beside its flag; the height stays and
    // the list scrolls.
    int names = 0;
    for (QRadioButton* rb : rb_list) names = qMax(names, rb->sizeHint().width());
    const QMargins outer = gridLayout->contentsMargins();
    const QMargins inner = verticalLayout->contentsMargins();
    const int wide = names + qMax(0, gridLayout_na->horizontalSpacing()) + 26 + inner.left() + inner.right() +
                     2 * sc_na_area->frameWidth() + sc_na_area->verticalScrollBar()->sizeHint().width() + outer.left() +
                     outer.right();
    int limit = wide;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) limit = screen->availableGeometry().width();
    if (wide > width()) resize(qMin(wide, qMax(limit, width())), height());
}

void NA_SelectDialog::fill_list()
{
    Qt_Safeguard_Proper_Version();

    rb_list.clear();
    flag_list.clear();
    while (QLayoutItem* item = gridLayout_na->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int r = 0; r < gridLayout_na->rowCount(); ++r) gridLayout_na->setRowStretch(r, 0);

    const int count = NadList.count < NAD_LIST_MAX ? NadList.count : NAD_LIST_MAX;
    for (int i = 0; i < count; ++i) {
        const char* name = NadList.names[i] ? NadList.names[i] : "";
        QRadioButton* rb = new QRadioButton(scrollAreaWidgetContents);
        QLabel* flag = new QLabel(scrollAreaWidgetContents);
        flag->setContentsMargins(0, 0, 0, 0);
        flag->setFixedSize(26, 19);
        const QString picture = Nad_Flag_Picture(NadList.flag_index[i]);
        if (!picture.isEmpty()) flag->setPixmap(QPixmap(picture));
        rb_list.append(rb);
        flag_list.append(flag);
        if (NadActiveName && std::strcmp(name, NadActiveName) == 0) rb->setChecked(true);
        rb->setText(qstring_from_cp850(name));
        gridLayout_na->addWidget(rb, i, 0);
        gridLayout_na->addWidget(flag, i, 1);
    }
    gridLayout_na->setRowStretch(count, 2);
}

void NA_SelectDialog::storedata()
{
    const char* chosen = nullptr;
    const int count = NadList.count < NAD_LIST_MAX ? NadList.count : NAD_LIST_MAX;
    for (int i = 0; i < count && i < rb_list.size(); ++i)
        if (rb_list[i]->isChecked()) chosen = NadList.names[i];

    errno = 0;
    if (!Nad_Store_Choice(chosen, nelu52_nad_name)) {
        const int err = errno;
        Ui_Message_Box(
            QMessageBox::Warning, QStringLiteral("Fehler"),
            QString::fromUtf8("Der nationale Anhang der Position konnte nicht gespeichert werden!\n") +
                QString::fromStdString(Kov_Write_Failure_Text(nelu52_nad_name, KOV_REPLACE_WRITE_FAILED, err)));
    }
    emit naChanged();
}

void NA_SelectDialog::start_tool()
{
    start_nad_tool();
    Qt_Safeguard_Proper_Version();
    fill_list();
}
