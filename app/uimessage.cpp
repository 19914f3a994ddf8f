#include "app/uimessage.h"

#include <QAbstractButton>
#include <cstdio>

#include "platform/kovscript.h"

QMessageBox::StandardButton Ui_Message_Box(QMessageBox::Icon icon, const QString& title,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton escape,
                                           const QList<QPair<QMessageBox::StandardButton, QString>>& texts)
{
    const int mode = Kov_Ui_Mode();
    if (mode == KOV_UI_INTERACTIVE) {
        QMessageBox box(icon, title, text, buttons);
        for (const auto& t : texts)
            if (QAbstractButton* b = box.button(t.first))
                b->setText(t.second);
        box.setEscapeButton(escape);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
    if (mode == KOV_UI_SCRIPTED) {
        Kov_Script_Log("QMessageBox %s: %s", title.toUtf8().constData(), text.toUtf8().constData());
        intptr_t v = 0;
        if (Kov_Script_Pop("qmessagebox", &v, nullptr, 0))
            return static_cast<QMessageBox::StandardButton>(v);
        return escape;
    }
    std::fprintf(stderr, "%s: %s\n", title.toUtf8().constData(), text.toUtf8().constData());
    return escape;
}
