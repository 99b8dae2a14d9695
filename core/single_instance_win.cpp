#include "core/single_instance_win.h"

#include <cstdint>
#include <utility>

#include "core/app_messages_win.h"
#include "core/single_instance.h"
#include "core/wide_win.h"

namespace {

// How long a later start looks for the running bar, and how often.
constexpr ULONGLONG kReachMs = 5000;
constexpr DWORD kLookEveryMs = 100;

// The bar's window, kept as a 64-bit number so that every build reads it alike.
using Published = LONG64;

// The folder as the file system names it: full, long names, its own upper case.
std::wstring FolderKey(const std::wstring& folder) {
  std::wstring full(GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr), L'\0');
  if (full.empty()) return folder;
  full.resize(GetFullPathNameW(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  // Only a path with a short alias (PROGRA~1) is asked for its long names: that walks
  // the whole path through the file system, a millisecond of start-up under Wine.
  if (full.find(L'~') != std::wstring::npos) {
    std::wstring longName(GetLongPathNameW(full.c_str(), nullptr, 0), L'\0');
    if (!longName.empty()) {
      longName.resize(GetLongPathNameW(full.c_str(), longName.data(), static_cast<DWORD>(longName.size())));
      if (!longName.empty()) full = longName;
    }
  }
  std::wstring upper(full.size(), L'\0');
  const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, full.c_str(), static_cast<int>(full.size()),
                                   upper.data(), static_cast<int>(upper.size()), nullptr, nullptr, 0);
  return length > 0 ? upper.substr(0, static_cast<std::size_t>(length)) : full;
}

// The 64-bit number in a block, read and written whole.
Published volatile* Slot(const MappedView& view) { return static_cast<Published volatile*>(view.get()); }

HWND PublishedWindow(const MappedView& view) {
  if (!view.get()) return nullptr;
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(InterlockedCompareExchange64(Slot(view), 0, 0)));
}

// The running bar may come to the front: this start is the one the user just made.
void WakeBar(HWND bar) {
  DWORD process = 0;
  GetWindowThreadProcessId(bar, &process);
  AllowSetForegroundWindow(process);
  PostMessageW(bar, kMsgShowBar, 0, 0);
}

}  // namespace

SingleBar::SingleBar(const std::wstring& dataFolder) {
  const std::wstring name = ToWide(InstanceObjectName(AsU16View(FolderKey(dataFolder).c_str())));
  const ULONGLONG deadline = GetTickCount64() + kReachMs;
  for (;;) {
    {
      UniqueHandle block(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Published),
                                            name.c_str()));
      const DWORD error = GetLastError();
      // Denied: a bar of higher rights holds it. Anything else: no guard to be had.
      if (!block && error != ERROR_ACCESS_DENIED) {
        first_ = true;
        return;
      }
      MappedView view(block.get(), sizeof(Published));
      const HWND bar = PublishedWindow(view);
      switch (NextStartStep(block && error != ERROR_ALREADY_EXISTS, bar && IsWindow(bar),
                            GetTickCount64() < deadline)) {
        case StartStep::kRunBar:
          first_ = true;
          view_ = std::move(view);
          block_ = std::move(block);
          return;
        case StartStep::kWakeRunningBar: WakeBar(bar); return;
        case StartStep::kGiveUp: return;
        case StartStep::kWait: break;
      }
    }
    // Looked for again with new handles: a bar that has ended leaves no object behind
    // once no handle holds it.
    Sleep(kLookEveryMs);
  }
}

void SingleBar::Publish(HWND bar) {
  if (view_.get()) InterlockedExchange64(Slot(view_), static_cast<Published>(reinterpret_cast<std::intptr_t>(bar)));
}
