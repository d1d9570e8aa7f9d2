#include "ui/event_loop_ports.h"

#include <QCoreApplication>

#include <chrono>

namespace tarvik {

void QtEventPump::processPendingEvents()
{
    QCoreApplication::processEvents();
}

ClockSeededRandom::ClockSeededRandom()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}

int ClockSeededRandom::below(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

}  // namespace tarvik
