// The few MCI commands the music player sends to an "mpegvideo" device, and the
// owner of one open device. Error texts are fetched and dropped: nothing is shown.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <utility>

namespace mci {

// One open device, closed when reset or destroyed; 0 means none.
class Device {
 public:
  Device() = default;
  explicit Device(MCIDEVICEID id) : id_(id) {}
  ~Device() { reset(); }
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;
  Device(Device&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
  Device& operator=(Device&& other) noexcept {
    if (this != &other) {
      reset();
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }

  MCIDEVICEID get() const { return id_; }
  explicit operator bool() const { return id_ != 0; }
  void reset();

 private:
  MCIDEVICEID id_ = 0;
};

// Opens `element` on an "mpegvideo" device; an empty device when it cannot.
Device Open(const wchar_t* element);
// Plays from `from` (the default time format; 0 = where the device is) and tells
// `notify` with MM_MCINOTIFY when the play ends.
bool Play(const Device& device, HWND notify, DWORD from);
// An MCI_STATUS item; 0 when the device cannot answer.
DWORD Status(const Device& device, DWORD item);
// MCI_STOP, optionally waiting for it, MCI_PAUSE and MCI_RESUME, all without notifying.
void Stop(const Device& device, bool wait);
void Pause(const Device& device);
void Resume(const Device& device);

}  // namespace mci
