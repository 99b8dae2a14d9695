// What the image slide show decides without a window: its list of picture paths and
// their stored "ImageList" form, the order of the show, which dropped files it takes,
// and where the shown picture goes when its popup rearranges the list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/scale.h"
#include "widgets/pictures/path_list.h"

// Follows every path in the stored list.
inline constexpr char16_t kImageListSeparator = u'\u00A7';

// Appends the paths of a stored "ImageList" value: the text is split at each "§",
// and what follows the last one is ignored.
void ReadImageList(std::u16string_view stored, PathList& paths);
// Every path followed by "§"; "" for an empty list.
std::u16string ImageListText(const PathList& paths);

// The next position of the show in order: the one after `current`, wrapping to 0;
// -1 for an empty list.
std::int32_t NextInOrder(std::int32_t current, std::int32_t count);
// The next position at random: `draw` () mod count again until it differs from
// `current`, or any draw for a list of one; -1 for an empty list.
std::int32_t NextAtRandom(std::int32_t current, std::int32_t count, const std::function<int()>& draw);

// Whether a dropped file joins the show, by its extension (".jpg" or ".png", any case).
bool IsSlideExtension(std::u16string_view extension);
// The part after the last '\'.
std::u16string_view FileNameOf(std::u16string_view path);

// Where the widget's texts go: the hint of an empty show wraps inside HintBox; the
// file name is centred on FileNameAnchor, standing on it.
Rect HintBox(const Rect& client, Scale scale = {});
Point FileNameAnchor(const Rect& client, Scale scale = {});

// The seconds between pictures, within what the popup's spinner offers (1..300).
int ClampInterval(int seconds);

// The entry to select after deleting `deleted`: the one now there, or the last; -1 when
// the list is empty.
int SelectionAfterDelete(int deleted, int countAfter);
// Where the shown entry `current` went after the list became `origins` (old position
// of each new entry); -1 when it was removed or nothing was shown.
std::int32_t FollowShown(const std::vector<std::int32_t>& origins, std::int32_t current);
