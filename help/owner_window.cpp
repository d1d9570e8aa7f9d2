#include "help/owner_window.h"

#include <QWidget>

namespace tarvik {

WindowHandle nativeOwnerWindow(QWidget* active, QWidget* main)
{
    QWidget* owner = active ? active : main;
    if (!owner)
        return nullptr;
    return reinterpret_cast<WindowHandle>(owner->window()->winId());
}

}  // namespace tarvik
