// The size meter: a click on the tidget opens an ordinary resizable window of
// class "SizeMeter" (no CWindow object) that shows its own client size; the digit
// keys 1 to 9 give it the standard sizes, keeping its top-left corner.
#pragma once

#include "widgets/base/dget_win.h"

inline constexpr wchar_t kSizeMeterClass[] = L"SizeMeter";

class CSizeMeter : public CIconTidget {
 public:
  CSizeMeter(DgetHost& host, const wchar_t* caption, const wchar_t* name);

  void Activate() override;
};

// Registers the window class (again: fails harmlessly).
void RegisterSizeMeterClass();
