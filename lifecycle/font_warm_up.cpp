#include "lifecycle/font_warm_up.h"

#include <QFontDatabase>

namespace tarvik {

FontWarmUp::FontWarmUp() : thread_(QThread::create([] { QFontDatabase::families(); }))
{
    thread_->setObjectName(QStringLiteral("fonts"));
    thread_->start();
}

FontWarmUp::~FontWarmUp()
{
    thread_->wait();
}

}  // namespace tarvik
