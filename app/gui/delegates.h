#pragma once
// Item delegates of the load table: decimal numbers, the load-duration class
// and the delete button.
#include <QStringList>
#include <QStyledItemDelegate>

// Numbers edited in a ZORVSpinBox and shown with a point and fixed decimals.
class SpinBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SpinBoxDelegate(QObject* parent, int decimals, double minimum, double maximum, double singleStep);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    QString displayText(const QVariant& value, const QLocale& locale) const override;

    void setDecimals(int decimals);
    void setRange(double minimum, double maximum);
    int getDecimals() const { return decimals; }

    // Named in the message that refuses a number outside the range.
    QString fieldName;
    QString unit;

public slots:
    void valueChanged(double);

private:
    int decimals;
    double minimum;
    double maximum;
    double singleStep;
};

// The load-duration class chosen from a combo box; mode 2 offers
// "kurz/sehr kurz" as class 5, mode 1 a dashed placeholder.
class tv_ComboBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    tv_ComboBoxDelegate(QObject* parent, int mode);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    const QStringList& getEntries() const { return entries; }

public slots:
    void currentIndexChanged(int index);

private:
    QStringList entries;
};

// Paints the delete symbol centred in its cell; the click is the window's.
class tv_ButtonDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit tv_ButtonDelegate(QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
