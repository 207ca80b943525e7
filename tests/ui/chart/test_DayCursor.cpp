#include "ui/chart/DayCursor.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using ui::DayCursor;
using Anchor = DayCursor::BoxAnchor;
using Key = DayCursor::Key;
using Reason = DayCursor::FocusReason;

// A cursor on a focused chart, walked to the given day from the first one.
DayCursor CursorOn(int day)
{
    DayCursor cursor;
    cursor.ChartShown(true);
    cursor.Press(Key::Home);
    for (int step = -14; step < day; ++step)
        cursor.Press(Key::Right);
    return cursor;
}

struct KeyStep {
    int from;
    Key key;
    int to;
};

void PrintTo(const KeyStep& step, std::ostream* out)
{
    *out << "from " << step.from << " key " << static_cast<int>(step.key) << " to " << step.to;
}

class DayCursorKeys : public testing::TestWithParam<KeyStep> { };

TEST_P(DayCursorKeys, LeadToTheirDayAndStopAtTheEnds)
{
    DayCursor cursor = CursorOn(GetParam().from);
    ASSERT_EQ(cursor.Day(), GetParam().from);
    EXPECT_TRUE(cursor.Press(GetParam().key));
    EXPECT_EQ(cursor.Day(), GetParam().to);
    EXPECT_TRUE(cursor.CursorShown());
    EXPECT_EQ(cursor.ReadoutBox().anchor, Anchor::Cursor);
    EXPECT_EQ(cursor.ReadoutBox().day, GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(FromTheReportDay, DayCursorKeys,
    testing::Values(KeyStep { 0, Key::Left, -1 }, KeyStep { 0, Key::Right, 1 }, KeyStep { 0, Key::PageUp, -7 },
        KeyStep { 0, Key::PageDown, 7 }, KeyStep { 0, Key::Home, -14 }, KeyStep { 0, Key::End, 14 }));

INSTANTIATE_TEST_SUITE_P(AtTheEnds, DayCursorKeys,
    testing::Values(KeyStep { -14, Key::Left, -14 }, KeyStep { 14, Key::Right, 14 }, KeyStep { -10, Key::PageUp, -14 },
        KeyStep { 10, Key::PageDown, 14 }, KeyStep { -7, Key::PageUp, -14 }, KeyStep { 7, Key::PageDown, 14 },
        KeyStep { 13, Key::Right, 14 }, KeyStep { -14, Key::Home, -14 }, KeyStep { 14, Key::End, 14 }));

TEST(DayCursor, BeforeTheFirstChartNothingIsTheCursors)
{
    DayCursor cursor;
    EXPECT_FALSE(cursor.Press(Key::Right));
    cursor.FocusIn(Reason::Other);
    EXPECT_FALSE(cursor.PointerMoved(3));
    EXPECT_FALSE(cursor.CursorShown());
    EXPECT_EQ(cursor.ReadoutBox().anchor, Anchor::Hidden);

    // The first chart, drawn while the area already has the focus.
    cursor.ChartShown(true);
    EXPECT_TRUE(cursor.CursorShown());
    EXPECT_EQ(cursor.Day(), 0);
    EXPECT_EQ(cursor.ReadoutBox().anchor, Anchor::Cursor);
}

// What the cursor and the box do on each event of one session, in order.
struct Step {
    const char* event;
    std::function<void(DayCursor&)> act;
    bool cursorShown;
    int day;
    Anchor box;
    int boxDay;
};

void Walk(const std::vector<Step>& steps)
{
    DayCursor cursor;
    for (const Step& step : steps) {
        step.act(cursor);
        SCOPED_TRACE(step.event);
        EXPECT_EQ(cursor.CursorShown(), step.cursorShown);
        EXPECT_EQ(cursor.Day(), step.day);
        EXPECT_EQ(cursor.ReadoutBox().anchor, step.box);
        EXPECT_EQ(cursor.ReadoutBox().day, step.boxDay);
    }
}

TEST(DayCursor, StartsAgainOnTheReportDayOnFocusAndOnANewChart)
{
    Walk({
        { "chart without focus", [](DayCursor& c) { c.ChartShown(false); }, false, 0, Anchor::Hidden, 0 },
        { "Tab in", [](DayCursor& c) { c.FocusIn(Reason::Other); }, true, 0, Anchor::Cursor, 0 },
        { "End", [](DayCursor& c) { c.Press(Key::End); }, true, 14, Anchor::Cursor, 14 },
        { "Tab out", [](DayCursor& c) { c.FocusOut(Reason::Other); }, false, 14, Anchor::Hidden, 0 },
        { "Tab back", [](DayCursor& c) { c.FocusIn(Reason::Other); }, true, 0, Anchor::Cursor, 0 },
        { "Page Up", [](DayCursor& c) { c.Press(Key::PageUp); }, true, -7, Anchor::Cursor, -7 },
        { "new chart", [](DayCursor& c) { c.ChartShown(true); }, true, 0, Anchor::Cursor, 0 },
    });
}

TEST(DayCursor, AMenuOverTheChartKeepsTheCursorsDay)
{
    Walk({
        { "chart", [](DayCursor& c) { c.ChartShown(false); }, false, 0, Anchor::Hidden, 0 },
        // A menu before the cursor ever stood anywhere: it starts as any focus does.
        { "back from a menu, first time", [](DayCursor& c) { c.FocusIn(Reason::Menu); }, true, 0, Anchor::Cursor, 0 },
        { "Right", [](DayCursor& c) { c.Press(Key::Right); }, true, 1, Anchor::Cursor, 1 },
        { "context menu opens", [](DayCursor& c) { c.FocusOut(Reason::Menu); }, true, 1, Anchor::Cursor, 1 },
        { "context menu closes", [](DayCursor& c) { c.FocusIn(Reason::Menu); }, true, 1, Anchor::Cursor, 1 },
        { "menu bar", [](DayCursor& c) { c.FocusOut(Reason::Menu); }, true, 1, Anchor::Cursor, 1 },
        { "Tab away", [](DayCursor& c) { c.FocusOut(Reason::Other); }, false, 1, Anchor::Hidden, 0 },
        { "back from a later menu", [](DayCursor& c) { c.FocusIn(Reason::Menu); }, true, 1, Anchor::Cursor, 1 },
    });
}

TEST(DayCursor, TheBoxFollowsThePointerOrTheCursor)
{
    Walk({
        { "chart", [](DayCursor& c) { c.ChartShown(false); }, false, 0, Anchor::Hidden, 0 },
        { "pointer over day 3", [](DayCursor& c) { c.PointerMoved(3); }, false, 0, Anchor::Pointer, 3 },
        // The click that gives the area the focus leaves the box with the pointer.
        { "click", [](DayCursor& c) { c.FocusIn(Reason::Mouse); }, true, 0, Anchor::Pointer, 3 },
        { "Left", [](DayCursor& c) { c.Press(Key::Left); }, true, -1, Anchor::Cursor, -1 },
        { "pointer over day -5", [](DayCursor& c) { c.PointerMoved(-5); }, true, -1, Anchor::Pointer, -5 },
        // Even a key that cannot move the cursor brings the box back to it.
        { "Home", [](DayCursor& c) { c.Press(Key::Home); }, true, -14, Anchor::Cursor, -14 },
        { "Home again", [](DayCursor& c) { c.Press(Key::Home); }, true, -14, Anchor::Cursor, -14 },
        { "pointer over day 2", [](DayCursor& c) { c.PointerMoved(2); }, true, -14, Anchor::Pointer, 2 },
        { "pointer leaves", [](DayCursor& c) { c.PointerLeft(); }, true, -14, Anchor::Cursor, -14 },
        { "pointer over day 4", [](DayCursor& c) { c.PointerMoved(4); }, true, -14, Anchor::Pointer, 4 },
        { "Right", [](DayCursor& c) { c.Press(Key::Right); }, true, -13, Anchor::Cursor, -13 },
        // Without the focus the box goes back to the pointer still over the area.
        { "Tab out", [](DayCursor& c) { c.FocusOut(Reason::Other); }, false, -13, Anchor::Pointer, 4 },
        { "Tab in", [](DayCursor& c) { c.FocusIn(Reason::Other); }, true, 0, Anchor::Cursor, 0 },
        { "pointer leaves", [](DayCursor& c) { c.PointerLeft(); }, true, 0, Anchor::Cursor, 0 },
        { "click elsewhere", [](DayCursor& c) { c.FocusOut(Reason::Mouse); }, false, 0, Anchor::Hidden, 0 },
        // A click when the pointer is not known over the area: the cursor's box.
        { "focus by click", [](DayCursor& c) { c.FocusIn(Reason::Mouse); }, true, 0, Anchor::Cursor, 0 },
    });
}

} // namespace
