#include "widgets/memo/memo.h"

#include <algorithm>

#include "core/font_heights.h"
#include "core/text.h"

std::u16string DeleteQuestion(const TextTable& texts, std::u16string_view title) {
  return texts.Format(TextId::MemoDeleteQuestion, {title.substr(0, kMemoTitleUnits - 1)});
}

std::u16string MemoFilePath(std::u16string_view programPath, std::u16string_view instanceName) {
  const std::size_t nameStart = programPath.find_last_of(u"\\/") + 1;  // npos + 1 == 0
  const std::size_t dot = programPath.find_last_of(u'.');
  std::u16string path(programPath);
  if (dot == std::u16string_view::npos || dot < nameStart)
    path += u'.';
  else
    path.resize(dot + 1);
  path += instanceName == u"Memo_1" ? std::u16string_view(u"Memo") : instanceName;
  return path;
}

MemoWidgetLayout MemoWidgetLayoutOf(int width, int height, Scale scale) {
  auto u = [scale](int units) { return scale.Px(units); };
  auto button = [&](int fromRight) {
    const int left = width - u(fromRight);
    return Rect{left, u(5), left + u(20), u(5) + u(20)};
  };
  return {{u(2), u(2), width - u(68), u(2) + u(200)},
          button(66),
          button(44),
          button(22),
          {u(2), u(28), width - u(2), height - u(2)}};
}

int MemoUsableThickness(bool vertical, int across, Scale scale) {
  // An edit keeps a pixel between its border and its text.
  const int twoLines = 2 * scale.Px(kNormalFontHeight) + 2 * (kThinBorder + 1);
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const MemoWidgetLayout layout = MemoWidgetLayoutOf(size.width, size.height, scale);
    // The title list as it shows closed, above the edit.
    const Rect title{layout.titleList.left, layout.titleList.top, layout.titleList.right, layout.edit.top};
    for (const Rect& part : {title, layout.addButton, layout.deleteButton, layout.openButton, layout.edit})
      if (!size.Holds(part)) return false;
    return !size.vertical || layout.edit.Height() >= twoLines;
  });
}
