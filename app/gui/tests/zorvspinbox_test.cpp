// Tests of the decimal input field: comma and point, refused keys, empty input and the range,
// and the point without group separator under a German locale.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "app/gui/zorvspinbox.h"
#include "window_fixture.h"

namespace {

class ZorvSpinBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wintest::Ensure_App();
        box = new ZORVSpinBox(nullptr);
        box->setRange(-100000.0, 100000.0);
        box->setDecimals(2);
    }
    void TearDown() override { delete box; }

    // Clears the field and types the text key by key, as a user would.
    QString type(const QString& keys)
    {
        box->findChild<QLineEdit*>()->clear();
        QTest::keyClicks(box->findChild<QLineEdit*>(), keys);
        return box->findChild<QLineEdit*>()->text();
    }

    ZORVSpinBox* box = nullptr;
};

TEST_F(ZorvSpinBoxTest, CommaAndPointBothGiveTheSameValue)
{
    const struct {
        const char* keys;
        double value;
    } cases[] = {{"12,5", 12.5}, {"12.5", 12.5}, {"-3", -3.0}, {"0,25", 0.25}, {",5", 0.5}};
    for (const auto& c : cases) {
        type(QString::fromLatin1(c.keys));
        box->interpretText();
        EXPECT_DOUBLE_EQ(box->value(), c.value) << c.keys;
    }
}

TEST_F(ZorvSpinBoxTest, RefusesKeysThatCannotBelongToANumber)
{
    EXPECT_EQ(type("1,2,"), QString("1,2"));
    EXPECT_EQ(type("1,2."), QString("1,2"));
    EXPECT_EQ(type("1.2,"), QString("1.2"));
    EXPECT_EQ(type("0,1234567891"), QString("0,123456789")); // nine decimals, not ten
    EXPECT_EQ(type("1a2"), QString("12"));
    EXPECT_EQ(type("1 2"), QString("12"));
    EXPECT_EQ(type("+5"), QString("5"));
    EXPECT_EQ(type("1e5"), QString("15"));
    EXPECT_EQ(type("1-"), QString("1"));
}

TEST_F(ZorvSpinBoxTest, EmptyOrLoneMinusReadsZeroAndTheRangeRaisesIt)
{
    box->setRange(5.0, 80.0);
    EXPECT_DOUBLE_EQ(box->valueFromText(QString()), 0.0);
    EXPECT_DOUBLE_EQ(box->valueFromText("-"), 0.0);
    box->setValue(30.0);
    type("-");
    box->interpretText();
    EXPECT_DOUBLE_EQ(box->value(), 5.0);
}

TEST_F(ZorvSpinBoxTest, ShowsAPointAndNoGroupSeparatorUnderTheGermanLocale)
{
    box->setLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(box->textFromValue(1234.5), QString("1234.50"));
    box->setValue(1234.5);
    EXPECT_EQ(box->findChild<QLineEdit*>()->text(), QString("1234.50"));
    box->setDecimals(3);
    EXPECT_EQ(box->textFromValue(-0.6), QString("-0.600"));
}

} // namespace
