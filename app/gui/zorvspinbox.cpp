// The decimal input fields: a comma or a point as separator whatever the locale, always shown
// with a point, and a German message when a typed value lies outside the range.
#include "app/gui/zorvspinbox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "app/gui/uimessage.h"

ZORVSpinBox::ZORVSpinBox(QWidget* parent) : QDoubleSpinBox(parent), decimalSeparator(",")
{
    // The line edit refuses every keystroke after which its text would not
    // match: optional minus, digits, one separator, at most nine decimals.
    QString pattern = "-?[0-9]*[.";
    if (decimalSeparator != ".") pattern += decimalSeparator;
    pattern += "]?[0-9]{,9}";
    pattern += suffix();
    QRegExp rx(pattern, Qt::CaseSensitive, QRegExp::RegExp);
    lineEdit()->setValidator(new QRegExpValidator(rx, this));
    setAlignment(Qt::AlignRight);
}

QValidator::State ZORVSpinBox::validate(QString& input, int& pos) const
{
    // The line edit's own validator has already refused what cannot be a
    // number; whatever got through is read by valueFromText. A number outside
    // the range is not taken while it is typed (the base class would hold it
    // at the limit); the commit refuses it.
    Q_UNUSED(pos);
    return textOutsideRange(input, nullptr) ? QValidator::Intermediate : QValidator::Acceptable;
}

double ZORVSpinBox::valueFromText(const QString& text) const
{
    QString t = text;
    t.replace(QRegExp(","), ".");
    if (!suffix().isEmpty()) t.remove(suffix(), Qt::CaseSensitive);
    return t.toDouble(); // locale-independent; 0 when it does not convert
}

QString ZORVSpinBox::textFromValue(double value) const
{
    QString t = QDoubleSpinBox::textFromValue(value);
    t.replace(QLocale().decimalPoint(), QChar('.'));
    return t;
}

void Nelu52_Tell_Refused(const QString& field, double typed, double minimum, double maximum, int decimals,
                         const QString& unit)
{
    const QLocale c = QLocale::c();
    const QString text =
        QString::fromUtf8("Der Wert %1 für %2 liegt außerhalb des zulässigen Bereichs von %3 bis %4%5 und wird nicht "
                          "übernommen; der bisherige Wert bleibt.")
            .arg(c.toString(typed, 'g', 12), field, c.toString(minimum, 'f', decimals),
                 c.toString(maximum, 'f', decimals), unit.isEmpty() ? QString() : QStringLiteral(" ") + unit);
    // After the current event: a box inside a focus change or an editor's
    // commit would run a second event loop in the middle of it.
    QTimer::singleShot(0, qApp, [text] {
        Ui_Message_Box(QMessageBox::Warning, QString::fromUtf8("Eingabe außerhalb des Bereichs"), text);
    });
}

bool ZORVSpinBox::outsideRange(double* typed) const { return textOutsideRange(lineEdit()->text(), typed); }

bool ZORVSpinBox::textOutsideRange(const QString& text, double* typed) const
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!suffix().isEmpty()) t.remove(suffix(), Qt::CaseSensitive);
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok) return false;
    // As the field would round it to its decimals.
    const double shown = QLocale::c().toString(v, 'f', decimals()).toDouble();
    if (shown >= minimum() && shown <= maximum()) return false;
    if (typed) *typed = v;
    return true;
}

bool ZORVSpinBox::refuseOutsideRange()
{
    double typed = 0.0;
    if (!refuseOnCommit || !outsideRange(&typed)) return false;
    setValue(before_edit_);
    lineEdit()->setText(textFromValue(value()));
    Nelu52_Tell_Refused(fieldName.isEmpty() ? objectName() : fieldName, typed, minimum(), maximum(), decimals(), unit);
    emit refused(typed);
    return true;
}

void ZORVSpinBox::focusInEvent(QFocusEvent* event)
{
    if (!editing_) before_edit_ = value();
    QDoubleSpinBox::focusInEvent(event);
}

void ZORVSpinBox::focusOutEvent(QFocusEvent* event)
{
    refuseOutsideRange();
    QDoubleSpinBox::focusOutEvent(event);
    editing_ = false;
    before_edit_ = value();
}

void ZORVSpinBox::keyPressEvent(QKeyEvent* event)
{
    const bool commit = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The value before the first keystroke of an edit is what a refusal
    // brings back (typing changes the value on the way).
    if (!editing_ && !commit) {
        before_edit_ = value();
        editing_ = true;
    }
    if (commit) refuseOutsideRange();
    QDoubleSpinBox::keyPressEvent(event);
    if (commit) {
        editing_ = false;
        before_edit_ = value();
    }
}

WholeSpinBox::WholeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    QLocale l = locale();
    l.setNumberOptions(l.numberOptions() | QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    setLocale(l);
    // A step or a typed value other than the one kept from the file returns
    // the field to its own range.
    connect(this, qOverload<int>(&QSpinBox::valueChanged), this, [this](int v) {
        if (kept_ && v != kept_value_) dropKept();
    });
}

void WholeSpinBox::setFormRange(int minimum, int maximum)
{
    form_range_set_ = true;
    form_min_ = minimum;
    form_max_ = maximum;
    if (kept_)
        setRange(std::min(minimum, kept_value_), std::max(maximum, kept_value_));
    else
        setRange(minimum, maximum);
}

int WholeSpinBox::formMinimum() const { return form_range_set_ ? form_min_ : minimum(); }

int WholeSpinBox::formMaximum() const { return form_range_set_ ? form_max_ : maximum(); }

void WholeSpinBox::keepStored(int value)
{
    const int lo = formMinimum(), hi = formMaximum();
    kept_ = true;
    kept_value_ = value;
    setFormRange(lo, hi);
    setValue(value);
    before_edit_ = value;
}

void WholeSpinBox::dropKept()
{
    kept_ = false;
    setFormRange(formMinimum(), formMaximum());
}

bool WholeSpinBox::typedOutsideRange(qlonglong* typed) const
{
    QString digits = lineEdit()->text();
    if (!prefix().isEmpty() && digits.startsWith(prefix())) digits.remove(0, prefix().size());
    if (!suffix().isEmpty() && digits.endsWith(suffix())) digits.chop(suffix().size());
    digits = digits.trimmed();
    bool ok = false;
    const qlonglong v = digits.toLongLong(&ok, 10);
    if (!ok) return false;
    if (kept_ && v == kept_value_) return false; // the stored value, left as it is
    if (v >= formMinimum() && v <= formMaximum()) return false;
    *typed = v;
    return true;
}

bool WholeSpinBox::refuseOutsideRange()
{
    qlonglong typed = 0;
    if (!typedOutsideRange(&typed)) return false;
    setValue(before_edit_);
    lineEdit()->setText(textFromValue(value()));
    Nelu52_Tell_Refused(fieldName.isEmpty() ? objectName() : fieldName, double(typed), formMinimum(), formMaximum(), 0,
                        QStringLiteral("mm"));
    emit refused(double(typed));
    return true;
}

void WholeSpinBox::focusInEvent(QFocusEvent* event)
{
    if (!editing_) before_edit_ = value();
    QSpinBox::focusInEvent(event);
}

void WholeSpinBox::focusOutEvent(QFocusEvent* event)
{
    refuseOutsideRange();
    QSpinBox::focusOutEvent(event);
    editing_ = false;
    before_edit_ = value();
}

void WholeSpinBox::keyPressEvent(QKeyEvent* event)
{
    const bool commit = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The value before the first keystroke of an edit is what a refusal
    // brings back (typing changes the value on the way).
    if (!editing_ && !commit) {
        before_edit_ = value();
        editing_ = true;
    }
    if (commit) refuseOutsideRange();
    QSpinBox::keyPressEvent(event);
    if (commit) {
        editing_ = false;
        before_edit_ = value();
    }
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
    const QValidator::State state = QSpinBox::validate(input, pos);
    // A whole number beyond a limit may be finished: a commit refuses it with
    // a message instead of the field silently dropping the keystroke.
    if (state == QValidator::Invalid && QRegExp(QStringLiteral("-?[0-9]{1,12}")).exactMatch(digits.trimmed()))
        return QValidator::Intermediate;
    return state;
}

void WholeSpinBox::fixup(QString& input) const
{
    // The base class would drop group separators and so turn "1.250" into
    // 1250; an unfinished text is left as it is.
    Q_UNUSED(input);
}
