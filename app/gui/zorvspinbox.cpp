#include "app/gui/zorvspinbox.h"

#include <QLineEdit>
#include <QLocale>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSpinBox>

ZORVSpinBox::ZORVSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent), decimalSeparator(",")
{
    // The line edit refuses every keystroke after which its text would not
    // match: optional minus, digits, one separator, at most nine decimals.
    QString pattern = "-?[0-9]*[.";
    if (decimalSeparator != ".")
        pattern += decimalSeparator;
    pattern += "]?[0-9]{,9}";
    pattern += suffix();
    QRegExp rx(pattern, Qt::CaseSensitive, QRegExp::RegExp);
    lineEdit()->setValidator(new QRegExpValidator(rx, this));
    setAlignment(Qt::AlignRight);
}

QValidator::State ZORVSpinBox::validate(QString& input, int& pos) const
{
    // The line edit's own validator has already refused what cannot be a
    // number; whatever got through is read by valueFromText.
    Q_UNUSED(input);
    Q_UNUSED(pos);
    return QValidator::Acceptable;
}

double ZORVSpinBox::valueFromText(const QString& text) const
{
    QString t = text;
    t.replace(QRegExp(","), ".");
    if (!suffix().isEmpty())
        t.remove(suffix(), Qt::CaseSensitive);
    return t.toDouble(); // locale-independent; 0 when it does not convert
}

QString ZORVSpinBox::textFromValue(double value) const
{
    QString t = QDoubleSpinBox::textFromValue(value);
    t.replace(QLocale().decimalPoint(), QChar('.'));
    return t;
}

WholeSpinBox::WholeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    QLocale l = locale();
    l.setNumberOptions(l.numberOptions() | QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    setLocale(l);
}

QValidator::State WholeSpinBox::validate(QString& input, int& pos) const
{
    QString digits = input;
    if (!prefix().isEmpty() && digits.startsWith(prefix())) digits.remove(0, prefix().size());
    if (!suffix().isEmpty() && digits.endsWith(suffix())) digits.chop(suffix().size());
    for (QChar c : digits)
        if (c == QLatin1Char(',') || c == QLatin1Char('.') || c == locale().groupSeparator() ||
            c == locale().decimalPoint())
            return QValidator::Intermediate;
    return QSpinBox::validate(input, pos);
}

void WholeSpinBox::fixup(QString& input) const
{
    // The base class would drop group separators and so turn "1.250" into
    // 1250; an unfinished text is left as it is.
    Q_UNUSED(input);
}
