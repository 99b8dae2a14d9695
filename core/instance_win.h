// The module instance of the program: windows, dialogs and resources are made from it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

// Set at the start of the entry point; the executable's own module before that.
extern HINSTANCE appInstance;

// A resource of the program, read in place (it lives as long as the module); empty when
// there is none. Without a language the system chooses it, as FindResourceW does.
std::span<const std::uint8_t> ResourceBytes(const wchar_t* type, int id, std::optional<WORD> language = {});
