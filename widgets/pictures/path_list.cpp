#include "widgets/pictures/path_list.h"

#include "core/text.h"

std::u16string_view PathList::At(std::int32_t position) const {
  if (position < 0 || position >= Count()) return {};
  return FieldView(rooms_[position]->text);
}

bool PathList::Append(std::u16string_view path) {
  if (path.empty() || path.size() >= kPathRoom || path.find(u'\0') != std::u16string_view::npos) return false;
  // CopyField fills the whole room, so it is not cleared first.
  auto* room = new Room;
  CopyField(room->text, path);
  rooms_.Append(room);
  return true;
}

void PathList::Clear() {
  for (Room* room : rooms_) delete room;
  rooms_.Clear();
}

void PathList::Reorder(const std::vector<std::int32_t>& origins) {
  std::vector<Room*> old(rooms_.begin(), rooms_.end());
  rooms_.Clear();
  for (std::int32_t origin : origins) {
    if (origin < 0 || origin >= static_cast<std::int32_t>(old.size()) || !old[origin]) continue;
    rooms_.Append(old[origin]);
    old[origin] = nullptr;
  }
  for (Room* unused : old) delete unused;
}
