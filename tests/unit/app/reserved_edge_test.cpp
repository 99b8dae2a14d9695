#include "app/reserved_edge.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr Rect kMonitor{0, 0, 1920, 1080};
using Asked = std::vector<std::string>;

std::string Text(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

// Notes every request and answers from its script: by default what was asked.
struct ScriptedShell : AppBarShell {
  bool accepts = true;
  std::optional<Rect> offer, grant;
  Asked asked;
  bool New() override { return asked.push_back("new"), accepts; }
  Rect QueryPos(ScreenEdge, const Rect& r) override { return asked.push_back("query " + Text(r)), offer.value_or(r); }
  Rect SetPos(ScreenEdge, const Rect& r) override { return asked.push_back("set " + Text(r)), grant.value_or(r); }
  void Remove() override { asked.push_back("remove"); }
};

TEST(ReservedEdge, TheBarsEdgeIsTheSideItIsSnappedToAlongItsThickness) {
  const Rect work{0, 0, 1920, 1040};
  const struct {
    Rect bar;
    bool vertical;
    ScreenEdge edge;
  } cases[] = {
      {{0, 100, 200, 900}, true, ScreenEdge::Left},     {{1720, 100, 1920, 900}, true, ScreenEdge::Right},
      {{1, 100, 201, 900}, true, ScreenEdge::None},     {{0, 0, 200, 900}, true, ScreenEdge::Left},
      {{100, 0, 1300, 120}, false, ScreenEdge::Top},    {{100, 920, 1300, 1040}, false, ScreenEdge::Bottom},
      {{0, 500, 1200, 620}, false, ScreenEdge::None},
  };
  for (const auto& c : cases) EXPECT_EQ(EdgeOf(c.bar, work, c.vertical), c.edge) << Text(c.bar);
  // The system's work area starts past the bar's own band; the bar is still at its edge.
  EXPECT_EQ(WithoutOwnBand({200, 0, 1920, 1040}, ScreenEdge::Left, {0, 0, 200, 1040}), work);
}

// What the bar asks for each edge and answer, and where it goes: it never shrinks.
TEST(ReservedEdge, NegotiationAsksTheWholeEdgeAndKeepsTheBarsSize) {
  const struct {
    const char* name;
    ScreenEdge edge;
    Rect bar;
    std::optional<Rect> offer, grant;
    Asked asked;
    Rect placed;
  } cases[] = {
      {"left, as asked", ScreenEdge::Left, {0, 100, 200, 900}, {}, {},
       {"new", "query 0,0,200,1080", "set 0,0,200,1080"}, {0, 100, 200, 900}},
      {"right", ScreenEdge::Right, {1720, 100, 1920, 900}, {}, {},
       {"new", "query 1720,0,1920,1080", "set 1720,0,1920,1080"}, {1720, 100, 1920, 900}},
      {"top", ScreenEdge::Top, {100, 0, 1300, 120}, {}, {},
       {"new", "query 0,0,1920,120", "set 0,0,1920,120"}, {100, 0, 1300, 120}},
      {"bottom, above another bar", ScreenEdge::Bottom, {100, 960, 1300, 1080}, Rect{0, 920, 1920, 1040}, {},
       {"new", "query 0,960,1920,1080", "set 0,920,1920,1040"}, {100, 920, 1300, 1040}},
      {"left, beside another bar", ScreenEdge::Left, {0, 100, 200, 900}, Rect{60, 0, 200, 1080}, {},
       {"new", "query 0,0,200,1080", "set 60,0,260,1080"}, {60, 100, 260, 900}},
      {"less room offered", ScreenEdge::Left, {0, 100, 200, 900}, Rect{0, 0, 150, 1080}, {},
       {"new", "query 0,0,200,1080", "set 0,0,200,1080"}, {0, 100, 200, 900}},
      {"less granted", ScreenEdge::Right, {1720, 100, 1920, 900}, {}, Rect{1800, 0, 1920, 1080},
       {"new", "query 1720,0,1920,1080", "set 1720,0,1920,1080"}, {1720, 100, 1920, 900}},
  };
  for (const auto& c : cases) {
    ScriptedShell shell;
    shell.offer = c.offer;
    shell.grant = c.grant;
    EdgeReservation reservation;
    EXPECT_EQ(reservation.Follow(shell, c.edge, c.bar, kMonitor), c.placed) << c.name;
    EXPECT_EQ(shell.asked, c.asked) << c.name;
  }
}

TEST(ReservedEdge, TheReservationFollowsTheBarAndIsGivenBack) {
  ScriptedShell shell;
  EdgeReservation reservation;
  auto follow = [&](ScreenEdge edge, const Rect& bar) {
    shell.asked.clear();
    reservation.Follow(shell, edge, bar, kMonitor);
    return shell.asked;
  };
  EXPECT_EQ(follow(ScreenEdge::None, {300, 100, 500, 900}), Asked{});  // nothing held, nothing given back
  EXPECT_EQ(follow(ScreenEdge::Left, {0, 100, 200, 900}).size(), 3u);
  EXPECT_EQ(follow(ScreenEdge::Left, {0, 100, 200, 900}), Asked{});  // unchanged: nothing asked
  EXPECT_EQ(follow(ScreenEdge::Left, {0, 100, 240, 900}), (Asked{"query 0,0,240,1080", "set 0,0,240,1080"}));
  reservation.Renegotiate();  // another bar moved
  EXPECT_EQ(follow(ScreenEdge::Left, {0, 100, 240, 900}).size(), 2u);
  EXPECT_EQ(follow(ScreenEdge::Top, {0, 0, 1000, 120}), (Asked{"query 0,0,1920,120", "set 0,0,1920,120"}));
  reservation.ShellRestarted();
  EXPECT_EQ(follow(ScreenEdge::Top, {0, 0, 1000, 120}).size(), 3u);  // registered anew
  EXPECT_EQ(follow(ScreenEdge::None, {300, 300, 1300, 420}), Asked{"remove"});  // moved away
  EXPECT_EQ(reservation.Edge(), ScreenEdge::None);
  follow(ScreenEdge::Right, {1720, 100, 1920, 900});
  shell.asked.clear();
  reservation.Release(shell);  // the option off, or the bar's end
  reservation.Release(shell);
  EXPECT_EQ(shell.asked, Asked{"remove"});
  shell.accepts = false;  // refused: nothing else is asked
  EXPECT_EQ(follow(ScreenEdge::Left, {0, 100, 200, 900}), Asked{"new"});
  EXPECT_FALSE(reservation.Registered());
}

}  // namespace
