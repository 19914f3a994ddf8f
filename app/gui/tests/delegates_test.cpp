#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include "app/gui/delegates.h"
#include "app/gui/zorvspinbox.h"
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

TEST_F(DelegateTest, TheEditorKeepsTheValueInItsRange)
{
    QStandardItemModel model(1, 2);
    model.setData(model.index(0, 0), QString("12.5"));
    SpinBoxDelegate strebe(nullptr, 2, 0.0, 9999.0, 1.0);
    SpinBoxDelegate kmod(nullptr, 3, 0.1, 2.0, 1.0);
    QStyleOptionViewItem opt;
    const struct { SpinBoxDelegate* d; const char* typed; double stored; } cases[] = {
        {&strebe, "12000", 9999.0}, {&strebe, "-5", 0.0}, {&strebe, "7,25", 7.25}, {&kmod, "0,05", 0.1}};
    for (const auto& c : cases) {
        QWidget* ed = c.d->createEditor(nullptr, opt, model.index(0, 0));
        auto* sb = qobject_cast<ZORVSpinBox*>(ed);
        ASSERT_NE(sb, nullptr);
        c.d->setEditorData(sb, model.index(0, 0));
        EXPECT_DOUBLE_EQ(sb->value(), c.d == &kmod ? 2.0 : 12.5);
        sb->findChild<QLineEdit*>()->setText(QString::fromLatin1(c.typed));
        c.d->setModelData(sb, &model, model.index(0, 1));
        EXPECT_EQ(model.data(model.index(0, 1)).type(), QVariant::Double);
        EXPECT_DOUBLE_EQ(model.data(model.index(0, 1)).toDouble(), c.stored) << c.typed;
        delete ed;
    }
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
        if (selected)
            opt.state |= QStyle::State_Selected;
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
