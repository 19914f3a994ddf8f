#pragma once
// Decimal input field: accepts a comma or a point as decimal separator
// whatever the locale, and always shows a point.
#include <QDoubleSpinBox>
#include <QString>

class ZORVSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit ZORVSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

    // A number typed outside the range is never held at the nearest limit:
    // true when the text reads as such a number (its value in *typed).
    bool outsideRange(double* typed) const;
    // The name of the field in the refusal message (empty: the object name).
    QString fieldName;
    QString unit;
    // The field refuses such a text itself on Return and when it loses the
    // focus; an editor whose owner checks the text on commit switches it off.
    bool refuseOnCommit = true;

signals:
    // A number outside the range was typed and refused; the field shows the
    // value it had before the edit again.
    void refused(double typed);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Refuses an out-of-range text before the base class would hold it at a
    // limit; true when it did.
    bool refuseOutsideRange();
    bool textOutsideRange(const QString& text, double* typed) const;
    QString decimalSeparator;
    double before_edit_ = 0.0;
    bool editing_ = false;
};

// Tells the user, in a German message after the current event, that a typed
// value lies outside a field's range and was not taken.
void Nelu52_Tell_Refused(const QString& field, double typed, double minimum, double maximum, int decimals,
                         const QString& unit);

#include <QSpinBox>

// Whole-number field (millimetres). A text with a comma or a point is never
// read as a number: the German locale would take "1.250" for 1250 and the
// English one "12,5" for 125, a silent factor of ten. Such a text stays
// unfinished, and leaving the field brings back its last value.
class WholeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit WholeSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    // The range a typed value must lie in. A value kept from the input file
    // (keepStored) widens the spin box's own range until the user types
    // another one, so that it is shown and computed as stored.
    void setFormRange(int minimum, int maximum);
    int formMinimum() const;
    int formMaximum() const;
    void keepStored(int value);
    bool keepsStored() const { return kept_; }
    int keptValue() const { return kept_value_; }
    // The name of the field in the refusal message (empty: the object name).
    QString fieldName;

signals:
    // A number outside the form range was typed and refused; the field shows
    // the value it had before the edit again.
    void refused(double typed);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool typedOutsideRange(qlonglong* typed) const;
    bool refuseOutsideRange();
    void dropKept();
    bool form_range_set_ = false;
    int form_min_ = 0;
    int form_max_ = 0;
    bool kept_ = false;
    int kept_value_ = 0;
    int before_edit_ = 0;
    bool editing_ = false;
};
