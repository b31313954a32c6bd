// An edit control of the driver's own, made like one of the program's, to
// measure what the bare control costs beside what the program's costs.
#pragma once

#include <windows.h>

namespace driver {

// A visible edit of this process with the style and size of LIKE and the
// program's window font (宋体, 12 pixels); its window and font go with the
// object.
class OwnEdit {
 public:
  explicit OwnEdit(HWND like);
  ~OwnEdit();
  OwnEdit(const OwnEdit&) = delete;
  OwnEdit& operator=(const OwnEdit&) = delete;
  HWND get() const { return edit_; }

 private:
  HFONT font_;
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

// Lets this process paint, as the program's loop does between appends.
void handlePending();

}  // namespace driver
