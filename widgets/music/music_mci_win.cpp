#include "widgets/music/music_mci_win.h"

namespace mci {

namespace {

// The error text is fetched only because the platform offers it; no one reads it.
bool Succeeded(MCIERROR error) {
  if (error == 0) return true;
  wchar_t text[256];
  mciGetErrorStringW(error, text, 256);
  return false;
}

MCIERROR Send(MCIDEVICEID id, UINT command, DWORD_PTR flags, void* parameters = nullptr) {
  return mciSendCommandW(id, command, flags, reinterpret_cast<DWORD_PTR>(parameters));
}

}  // namespace

void Device::reset() {
  if (id_ != 0) Send(id_, MCI_CLOSE, 0);
  id_ = 0;
}

Device Open(const wchar_t* element) {
  MCI_OPEN_PARMSW open{};
  open.lpstrDeviceType = L"mpegvideo";
  open.lpstrElementName = element;
  if (!Succeeded(Send(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open))) return Device();
  return Device(open.wDeviceID);
}

bool Play(const Device& device, HWND notify, DWORD from) {
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(notify);
  play.dwFrom = from;
  return Succeeded(Send(device.get(), MCI_PLAY, MCI_NOTIFY | (from != 0 ? MCI_FROM : 0), &play));
}

DWORD Status(const Device& device, DWORD item) {
  MCI_STATUS_PARMS status{};
  status.dwItem = item;
  if (!Succeeded(Send(device.get(), MCI_STATUS, MCI_STATUS_ITEM, &status))) return 0;
  return static_cast<DWORD>(status.dwReturn);
}

void Stop(const Device& device, bool wait) { Succeeded(Send(device.get(), MCI_STOP, wait ? MCI_WAIT : 0)); }
void Pause(const Device& device) { Succeeded(Send(device.get(), MCI_PAUSE, 0)); }
void Resume(const Device& device) { Succeeded(Send(device.get(), MCI_RESUME, 0)); }

}  // namespace mci
