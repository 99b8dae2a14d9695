#include "core/instance_win.h"

HINSTANCE appInstance = GetModuleHandleW(nullptr);

std::span<const std::uint8_t> ResourceBytes(const wchar_t* type, int id, std::optional<WORD> language) {
  HRSRC found = language ? FindResourceExW(appInstance, type, MAKEINTRESOURCEW(id), *language)
                         : FindResourceW(appInstance, MAKEINTRESOURCEW(id), type);
  HGLOBAL loaded = found ? LoadResource(appInstance, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(appInstance, found)};
}
