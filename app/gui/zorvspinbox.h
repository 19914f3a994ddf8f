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
