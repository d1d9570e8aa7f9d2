#include "lifecycle/font_warm_up.h"

#include <QFontDatabase>

#include "lifecycle/font_config_warm_up.h"

namespace tarvik {

FontWarmUp::FontWarmUp(const FontConfigWarmUp& config)
{
    // The list's first step would read the configuration again if it were
    // still being read: the two readings do not wait for each other.
    config.wait();
    thread_.reset(QThread::create([] { QFontDatabase::families(); }));
    thread_->setObjectName(QStringLiteral("fonts"));
    thread_->start();
}

FontWarmUp::~FontWarmUp()
{
    thread_->wait();
}

}  // namespace tarvik
