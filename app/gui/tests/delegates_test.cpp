// Tests of the load table's delegates: numbers with a point and the column's decimals, values
// outside the range refused, the duration entries by mode, the delete cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include "app/gui/delegates.h"
#include "app/gui/zorvspinbox.h"
#include "platform/kovscript.h"
#include "window_fixture.h"

namespace {

class DelegateTest : public ::testing::Test {
protected:
    void SetUp() override { wintest::Ensure_App(); }
};

TEST_F(DelegateTest, NumbersShowWithThePointAndTheColumnsDecimals)
{
    SpinBoxDelegate kraft(nullptr, 2, -9999.0, 9999.0, 1.0);
    SpinBoxDelegate kmod(nullptr, 3, 0.1, 2.0, 1.0);
    const QLocale de(QLocale::German);
    EXPECT_EQ(kraft.displayText(-9999.0, de), QString("-9999.00"));
    EXPECT_EQ(kraft.displayText(12.5, de), QString("12.50"));
    EXPECT_EQ(kraft.displayText(QString("12.500"), de), QString("12.50"));
    EXPECT_EQ(kraft.displayText(QString("abc"), de), QString("0.00"));
    EXPECT_EQ(kraft.displayText(12345.678, de), QString("12345.68"));
    EXPECT_EQ(kmod.displayText(0.6, de), QString("0.600"));
    kraft.setDecimals(1);
    EXPECT_EQ(kraft.displayText(12.5, de), QString("12.5"));
    EXPECT_EQ(kmod.displayText(0.6, de), QString("0.600"));
}

// A number outside the column's range is refused with a message naming the
// range; the cell keeps its value instead of taking the nearest limit.
TEST_F(DelegateTest, TheEditorRefusesAValueOutsideItsRange)
{
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    QStandardItemModel model(1, 2);
    model.setData(model.index(0, 0), QString("0.6"));
    SpinBoxDelegate strebe(nullptr, 2, -9999.0, 9999.0, 1.0);
    strebe.fieldName = QStringLiteral("N_d der Strebe");
    strebe.unit = QStringLiteral("kN");
    SpinBoxDelegate kmod(nullptr, 3, 0.001, 1.1, 1.0);
    kmod.fieldName = QStringLiteral("k_mod");
    QStyleOptionViewItem opt;
    const struct {
        SpinBoxDelegate* d;
        const char* typed;
        double stored; // what the cell holds afterwards (it held 3 before)
        const char* message;
    } cases[] = {
        {&strebe, "12000", 3.0,
         "Der Wert 12000 für N_d der Strebe liegt außerhalb des zulässigen Bereichs von -9999.00 bis 9999.00 kN"},
        {&strebe, "-10", -10.0, nullptr}, // tension in the strut is taken
        {&strebe, "7,25", 7.25, nullptr},
        {&kmod, "5", 3.0, "Der Wert 5 für k_mod liegt außerhalb des zulässigen Bereichs von 0.001 bis 1.100"},
        {&kmod, "0", 3.0, "Der Wert 0 für k_mod liegt außerhalb des zulässigen Bereichs von 0.001 bis 1.100"},
        {&kmod, "1,1", 1.1, nullptr},
    };
    for (const auto& c : cases) {
        Kov_Script_Reset();
        model.setData(model.index(0, 1), 3.0);
        QWidget* ed = c.d->createEditor(nullptr, opt, model.index(0, 0));
        auto* sb = qobject_cast<ZORVSpinBox*>(ed);
        ASSERT_NE(sb, nullptr);
        c.d->setEditorData(sb, model.index(0, 0));
        EXPECT_DOUBLE_EQ(sb->value(), 0.6);
        sb->findChild<QLineEdit*>()->setText(QString::fromLatin1(c.typed));
        c.d->setModelData(sb, &model, model.index(0, 1));
        QApplication::processEvents();
        EXPECT_EQ(model.data(model.index(0, 1)).type(), QVariant::Double);
        EXPECT_DOUBLE_EQ(model.data(model.index(0, 1)).toDouble(), c.stored) << c.typed;
        const QString log = QString::fromUtf8(Kov_Script_Log_Text());
        if (c.message)
            EXPECT_TRUE(log.contains(QString::fromUtf8(c.message))) << c.typed << log.toStdString();
        else
            EXPECT_FALSE(log.contains(QStringLiteral("QMessageBox"))) << c.typed << log.toStdString();
        delete ed;
    }
    Kov_Set_Ui_Mode(-1);
}

TEST_F(DelegateTest, DurationEntriesByMode)
{
    tv_ComboBoxDelegate m1(nullptr, 1), m2(nullptr, 2), m0(nullptr, 7);
    ASSERT_EQ(m1.getEntries().size(), 9);
    ASSERT_EQ(m2.getEntries().size(), 9);
    EXPECT_EQ(m1.getEntries()[5], QString("--------------"));
    EXPECT_EQ(m2.getEntries()[5], QString("kurz/sehr kurz"));
    EXPECT_EQ(m1.getEntries()[0], QString::fromUtf8("ständig"));
    EXPECT_EQ(m2.getEntries()[6], QString::fromUtf8("außergewöhnlich"));
    EXPECT_EQ(m0.getEntries(), QStringList{"leer"});
}

TEST_F(DelegateTest, AnUnknownDurationOpensOnTheFirstEntryAndEveryChoiceIsWritten)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QString("kurz/sehr kurz"));
    tv_ComboBoxDelegate d(nullptr, 1);
    QStyleOptionViewItem opt;
    QWidget* ed = d.createEditor(nullptr, opt, model.index(0, 0));
    auto* cb = qobject_cast<QComboBox*>(ed);
    ASSERT_NE(cb, nullptr);
    d.setEditorData(cb, model.index(0, 0));
    EXPECT_EQ(cb->currentText(), QString::fromUtf8("ständig"));
    d.setModelData(cb, &model, model.index(0, 0));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QString::fromUtf8("ständig"));

    // Choosing an entry commits at once.
    QObject::connect(&d, &QAbstractItemDelegate::commitData,
                     [&](QWidget* w) { d.setModelData(w, &model, model.index(0, 0)); });
    cb->setCurrentIndex(5);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QString("--------------"));
    model.setData(model.index(0, 0), QString("mittel"));
    d.setEditorData(cb, model.index(0, 0));
    EXPECT_EQ(cb->currentIndex(), 2);
    delete ed;
}

TEST_F(DelegateTest, DeleteCellShowsTheHighlightOnlyWhenSelected)
{
    tv_ButtonDelegate d(nullptr);
    QStandardItemModel model(1, 1);
    const QPixmap trash(":/button/images/trash.png");
    ASSERT_FALSE(trash.isNull());
    for (bool selected : {false, true}) {
        QImage img(40, 30, QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        QStyleOptionViewItem opt;
        opt.rect = QRect(0, 0, 40, 30);
        opt.palette.setColor(QPalette::Highlight, QColor(0, 0, 255));
        if (selected) opt.state |= QStyle::State_Selected;
        d.paint(&p, opt, model.index(0, 0));
        p.end();
        EXPECT_EQ(img.pixelColor(1, 1), selected ? QColor(0, 0, 255) : QColor(Qt::white));
        // The picture sits in the middle of the cell.
        const int x0 = (0 + 39) / 2 - trash.width() / 2;
        const int y0 = (0 + 29) / 2 - trash.height() / 2;
        EXPECT_EQ(img.pixelColor(x0 + trash.width() / 2, y0 + trash.height() / 2),
                  trash.toImage().pixelColor(trash.width() / 2, trash.height() / 2).alpha() == 255
                      ? trash.toImage().pixelColor(trash.width() / 2, trash.height() / 2)
                      : img.pixelColor(x0 + trash.width() / 2, y0 + trash.height() / 2));
    }
}

} // namespace
