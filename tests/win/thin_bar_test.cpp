// The real bar thinned to a small screen keeps every widget's face whole. Run at 96 DPI
// on a 1366 x 768 display and at 144 DPI on a 1920 x 1080 one (tools/wine-dpi); each
// run takes the cases of its display.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/bar_state.h"
#include "app/bar_win.h"
#include "core/text.h"
#include "support/bar_bench.h"
#include "support/win_test_support.h"
#include "widgets/gauges/gauges_win.h"

namespace {

using test_support::PumpMessages;
using test_support::Snapshot;

bool Inside(const RECT& part, const RECT& client) {
  return part.left >= 0 && part.top >= 0 && part.right <= client.right && part.bottom <= client.bottom;
}

// Pixels a widget's face draws outside its client area, which the window cuts off:
// drawn into a bitmap with a margin all round.
int InkOutside(CWindow& widget) {
  constexpr int kMargin = 40;
  constexpr COLORREF kUnpainted = RGB(1, 2, 3);
  RECT client{};
  GetClientRect(widget.hwnd, &client);
  const RECT all{0, 0, client.right + 2 * kMargin, client.bottom + 2 * kMargin};
  gdi::WindowDC screen(nullptr);
  gdi::Bitmap canvas = gdi::CompatibleBitmap(screen, all.right, all.bottom);
  {
    gdi::MemoryDC dc(screen);
    gdi::Selection selected(dc, canvas);
    gdi::Brush unpainted = gdi::SolidBrush(kUnpainted);
    FillRect(dc, &all, unpainted);
    SetViewportOrgEx(dc, kMargin, kMargin, nullptr);
    widget.Draw(dc, client);
  }
  const Snapshot shot = Snapshot::OfBitmap(canvas);
  auto painted = [](COLORREF pixel) { return pixel != kUnpainted; };
  return shot.Count(all, painted) -
         shot.Count({kMargin, kMargin, kMargin + client.right, kMargin + client.bottom}, painted);
}

class ThinnedBar : public test_support::BarBench {
 protected:
  void TearDown() override { CloseBar(); }

  // Closes the bar and forgets its lists, so that the next one starts from the defaults.
  void CloseBar() {
    if (bar && IsWindow(bar)) DestroyWindow(bar);
    PumpMessages();
    ReleaseRecordObjects();
    widgetList.Clear();
    tidgetList.Clear();
    ini.Write(L"main", nullptr, nullptr);
  }

  HWND bar = nullptr;
};

TEST_F(ThinnedBar, EveryWidgetKeepsItsControlsAndLinesWhole) {
  struct Case {
    int dpi, screenHeight;
    bool secondMemoAndPlayer;  // after the default set
  };
  const Case cases[] = {{96, 768, false}, {96, 768, true}, {144, 1080, false}, {144, 1080, true}};
  int run = 0;
  for (const Case& c : cases) {
    if (GetSystemMetrics(SM_CYSCREEN) != c.screenHeight || ScaleOf(nullptr).dpi() != c.dpi) continue;
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi" << (c.secondMemoAndPlayer ? ", two memos and players" : ""));
    ++run;
    mainWindow.Load();
    if (c.secondMemoAndPlayer) {
      widgetList.Append(ParseWidgetLine(u"메모§Memo§Memo_2§1§150§150§15794175§0§100"));
      widgetList.Append(ParseWidgetLine(u"음악 재생기§MusicPlayer§MusicPlayer_2§1§150§120§14474460§0§100"));
    }
    bar = CreateBarWindow();
    ASSERT_TRUE(bar);
    ShowWindow(bar, SW_SHOWNOACTIVATE);
    PumpMessages();
    ASSERT_TRUE(barState.shortened);
    for (int i = 0; i < widgetList.count(); ++i) {
      CWidget& widget = *widgetList[i].widget;
      const std::u16string_view kind = FieldView(widgetList[i].kind);
      SCOPED_TRACE(std::string(kind.begin(), kind.end()));
      RECT client{};
      GetClientRect(widget.hwnd, &client);
      for (HWND control = GetWindow(widget.hwnd, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, widget.hwnd, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_TRUE(Inside(place, client)) << "control " << GetDlgCtrlID(control) << " ends at " << place.bottom
                                           << " in " << client.bottom;
      }
      // One drive, whatever this machine has: the rows after the first may lie outside.
      if (auto* disk = dynamic_cast<CDiskUsage*>(&widget)) {
        disk->drives.Clear();
        disk->drives.Add({u'C', 100ull << 30, 300ull << 30});
      }
      EXPECT_EQ(InkOutside(widget), 0) << client.right << " x " << client.bottom;
    }
    CloseBar();
  }
  if (run == 0) GTEST_SKIP() << "made for 96 DPI on 1366 x 768 and 144 DPI on 1920 x 1080: tools/wine-dpi";
}

}  // namespace
