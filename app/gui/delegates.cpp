// Item delegates of the load table: decimal numbers in a spin box shown with a point, the
// load-duration class from a combo box, and the delete button.
#include "app/gui/delegates.h"

#include <QComboBox>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

#include "app/gui/zorvspinbox.h"

SpinBoxDelegate::SpinBoxDelegate(QObject* parent, int decimals_, double minimum_, double maximum_, double singleStep_)
    : QStyledItemDelegate(parent), decimals(decimals_), minimum(minimum_), maximum(maximum_), singleStep(singleStep_)
{}

void SpinBoxDelegate::setDecimals(int d) { decimals = d; }

void SpinBoxDelegate::setRange(double mn, double mx)
{
    minimum = mn;
    maximum = mx;
}

void SpinBoxDelegate::valueChanged(double) { emit commitData(qobject_cast<ZORVSpinBox*>(sender())); }

QWidget* SpinBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    ZORVSpinBox* sb = new ZORVSpinBox(parent);
    sb->setMinimum(minimum);
    sb->setMaximum(maximum);
    sb->setDecimals(decimals);
    sb->setSingleStep(singleStep);
    sb->setFrame(false);
    sb->setAlignment(Qt::AlignRight);
    sb->setLocale(QLocale(QLocale::German));
    // The commit below checks the text, once.
    sb->refuseOnCommit = false;
    return sb;
}

void SpinBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const double v = index.model()->data(index, Qt::EditRole).toDouble();
    static_cast<ZORVSpinBox*>(editor)->setValue(v);
}

void SpinBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    ZORVSpinBox* sb = static_cast<ZORVSpinBox*>(editor);
    // A number outside the column's range is refused, never held at a limit:
    // the cell keeps its value.
    double typed = 0.0;
    if (sb->outsideRange(&typed)) {
        Nelu52_Tell_Refused(fieldName.isEmpty() ? QStringLiteral("die Zelle") : fieldName, typed, minimum, maximum,
                            decimals, unit);
        return;
    }
    sb->interpretText();
    model->setData(index, sb->value(), Qt::EditRole);
}

void SpinBoxDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

QString SpinBoxDelegate::displayText(const QVariant& value, const QLocale&) const
{
    // Always a point and no group separators, like the editor shows it.
    return QLocale::c().toString(value.toDouble(), 'f', decimals);
}

void SpinBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem o(option);
    o.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    QStyledItemDelegate::paint(painter, o, index);
}

tv_ComboBoxDelegate::tv_ComboBoxDelegate(QObject* parent, int mode) : QStyledItemDelegate(parent)
{
    if (mode == 1)
        entries << QString::fromUtf8("ständig") << "lang"
                << "mittel"
                << "kurz"
                << "sehr kurz"
                << "--------------" << QString::fromUtf8("außergewöhnlich") << "Erdbeben"
                << "frei";
    else if (mode == 2)
        entries << QString::fromUtf8("ständig") << "lang"
                << "mittel"
                << "kurz"
                << "sehr kurz"
                << "kurz/sehr kurz" << QString::fromUtf8("außergewöhnlich") << "Erdbeben"
                << "frei";
    else
        entries << "leer";
}

QWidget* tv_ComboBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    QComboBox* cb = new QComboBox(parent);
    for (const QString& e : entries) cb->addItem(e);
    connect(cb, SIGNAL(currentIndexChanged(int)), this, SLOT(currentIndexChanged(int)));
    return cb;
}

void tv_ComboBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    QComboBox* cb = qobject_cast<QComboBox*>(editor);
    if (!cb) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString text = index.model()->data(index, Qt::EditRole).toString();
    const int i = cb->findData(text, Qt::DisplayRole, Qt::MatchCaseSensitive);
    if (i >= 0) cb->setCurrentIndex(i);
}

void tv_ComboBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    QComboBox* cb = qobject_cast<QComboBox*>(editor);
    if (!cb) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    model->setData(index, cb->currentText(), Qt::EditRole);
}

void tv_ComboBoxDelegate::currentIndexChanged(int) { emit commitData(qobject_cast<QComboBox*>(sender())); }

tv_ButtonDelegate::tv_ButtonDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void tv_ButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    QPixmap pm(":/button/images/trash.png");
    const QRect& r = option.rect;
    const int cx = (r.left() + r.right()) / 2;
    const int cy = (r.top() + r.bottom()) / 2;
    const QPoint corner(cx - pm.width() / 2, cy - pm.height() / 2);
    if (option.state & QStyle::State_Selected) painter->fillRect(r, option.palette.highlight());
    painter->drawPixmap(corner, pm);
}
