#pragma once

#include "help/platform.h"

class QWidget;

namespace tarvik {

// The window that the shell's windows belong to, as the system knows it: the active
// window's native handle, else the main window's, else none.
WindowHandle nativeOwnerWindow(QWidget* active, QWidget* main);

}  // namespace tarvik
