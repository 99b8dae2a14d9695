#include "widgets/dget_win.h"

#include "core/wide_win.h"

CDget::CDget(const wchar_t* caption, const wchar_t* name) {
  CopyField(this->caption, AsU16View(caption));
  CopyField(instanceName, AsU16View(name));
}
