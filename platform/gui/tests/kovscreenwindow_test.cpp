// Tests of the screen's Qt window: clicks, keys and wheel notches arrive in the event queue as
// host codes, closing asks like Escape, and a wait runs the window's events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "platform/gui/kovscreenwindow.h"
#include "platform/kovevent.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"

namespace {

int g_argc = 1;
char g_arg0[] = "kovscreenwindow_test";
char* g_argv[] = {g_arg0, nullptr};

class ScreenWindow : public testing::Test {
protected:
    void SetUp() override
    {
        if (!QApplication::instance()) new QApplication(g_argc, g_argv);
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Ui_Reset();
    }
    void TearDown() override { Kov_Set_Ui_Mode(-1); }
};

} // namespace

TEST_F(ScreenWindow, ClickArrivesInTheQueueAtItsPoint)
{
    KovScreenWindow w;
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    ASSERT_GE(Kov_Ui_Pending(), 2);
    int kind;
    while ((kind = Get_Mouse_Event()) == KOV_EV_MOVE) {}
    EXPECT_EQ(kind, KOV_EV_PRESS);
    EXPECT_EQ(M_XPOS, 100);
    EXPECT_EQ(M_YPOS, 50);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_RELEASE);
    EXPECT_EQ(M_LEFT, 0);
    QTest::mouseClick(&w, Qt::RightButton, Qt::ShiftModifier, QPoint(7, 9));
    while (Get_Mouse_Event() != KOV_EV_PRESS) {}
    EXPECT_EQ(M_RIGHT, 1);
    EXPECT_EQ(getkeymask(), 1);
}

TEST_F(ScreenWindow, KeysArriveAsHostCodes)
{
    KovScreenWindow w;
    QTest::keyClick(&w, Qt::Key_F1);
    QTest::keyClick(&w, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("ä"));
    QApplication::sendEvent(&w, &umlaut);
    EXPECT_EQ(getkey(), 315);
    EXPECT_EQ(getkey(), 373);
    EXPECT_EQ(getkey(), 13);
    EXPECT_EQ(getkey(), 3);
    EXPECT_EQ(getkey(), 0x84);
    EXPECT_EQ(hitkey(), -1);
}

TEST_F(ScreenWindow, OneWheelNotchUpGivesPlusOne)
{
    KovScreenWindow w;
    QWheelEvent up(QPointF(30, 40), QPointF(w.mapToGlobal(QPoint(30, 40))), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &up);
    QWheelEvent half(QPointF(30, 40), QPointF(w.mapToGlobal(QPoint(30, 40))), QPoint(), QPoint(0, -60), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &half);
    EXPECT_EQ(Kov_Ui_Pending(), 1); // half a notch waits for the other half
    QApplication::sendEvent(&w, &half);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_WHEEL);
    EXPECT_EQ(M_SCROLL, 1);
    EXPECT_EQ(M_XPOS, 30);
    EXPECT_EQ(Get_Mouse_Event(), KOV_EV_WHEEL);
    EXPECT_EQ(M_SCROLL, -1);
}

TEST_F(ScreenWindow, ClosingTheWindowAsksLikeEscape)
{
    KovScreenWindow w;
    EXPECT_FALSE(w.close());
    EXPECT_EQ(getkey(), 27);
}

TEST(ScreenKeys, TranslationTable)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        const char* text;
        int code;
    } cases[] = {
        {Qt::Key_F1, Qt::NoModifier, "", 315},
        {Qt::Key_F10, Qt::NoModifier, "", 324},
        {Qt::Key_Home, Qt::NoModifier, "", 327},
        {Qt::Key_Up, Qt::NoModifier, "", 328},
        {Qt::Key_PageUp, Qt::NoModifier, "", 329},
        {Qt::Key_Left, Qt::NoModifier, "", 331},
        {Qt::Key_Right, Qt::NoModifier, "", 333},
        {Qt::Key_End, Qt::NoModifier, "", 335},
        {Qt::Key_Down, Qt::NoModifier, "", 336},
        {Qt::Key_PageDown, Qt::NoModifier, "", 337},
        {Qt::Key_Delete, Qt::NoModifier, "", 339},
        {Qt::Key_End, Qt::ControlModifier, "", 373},
        {Qt::Key_Home, Qt::ControlModifier, "", 375},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        {Qt::Key_Tab, Qt::NoModifier, "\t", 9},
        {Qt::Key_A, Qt::ControlModifier, "\x01", 1},
        {Qt::Key_C, Qt::ControlModifier, "\x03", 3},
        {Qt::Key_V, Qt::ControlModifier, "\x16", 22},
        {Qt::Key_X, Qt::ControlModifier, "\x18", 24},
        {Qt::Key_A, Qt::NoModifier, "a", 'a'},
        {Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
        {Qt::Key_Space, Qt::NoModifier, " ", ' '},
        {Qt::Key_Shift, Qt::ShiftModifier, "", -1},
        {Qt::Key_unknown, Qt::NoModifier, "\xC3\x9F", 0xE1},   // ß
        {Qt::Key_unknown, Qt::NoModifier, "\xE2\x82\xAC", -1}, // the euro sign has no byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(Kov_Key_Code(c.key, c.mods, QString::fromUtf8(c.text)), c.code) << c.key << " " << c.text;
    EXPECT_EQ(Kov_Modifier_Bits(Qt::ShiftModifier), 1);
    EXPECT_EQ(Kov_Modifier_Bits(Qt::ControlModifier | Qt::AltModifier), 6);
}

TEST_F(ScreenWindow, WaitRunsTheWindowsEventsUntilInputOrTime)
{
    KovScreenWindow* w = KovScreenWindow::instance();
    QTimer::singleShot(20, w, [w] { QTest::keyClick(w, Qt::Key_F1); });
    EXPECT_EQ(w->waitForInput(5000), 1);
    EXPECT_EQ(getkey(), 315);
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(w->waitForInput(60), 0);
    EXPECT_GE(t.elapsed(), 55);
    EXPECT_EQ(w->waitForInput(0), 0);
}
