#pragma once
// Decimal input field: accepts a comma or a point as decimal separator
// whatever the locale, and always shows a point.
#include <QDoubleSpinBox>
#include <QString>

class ZORVSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit ZORVSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

private:
    QString decimalSeparator;
};

#include <QSpinBox>

// Whole-number field (millimetres). A text with a comma or a point is never
// read as a number: the German locale would take "1.250" for 1250 and the
// English one "12,5" for 125, a silent factor of ten. Such a text stays
// unfinished, and leaving the field brings back its last value.
class WholeSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit WholeSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
