#include "lifecycle/font_config_warm_up.h"

#if defined(TARVIK_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace tarvik {

void readSystemFontConfiguration()
{
#if defined(TARVIK_HAVE_FONTCONFIG)
    // The configuration stays loaded for the whole run; the font list's own
    // start finds it there and reads it no second time.
    FcInit();
#endif
}

FontConfigWarmUp::FontConfigWarmUp(void (*read)()) : read_(std::async(std::launch::async, read).share()) {}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

void FontConfigWarmUp::wait() const
{
    read_.wait();
}

}  // namespace tarvik
