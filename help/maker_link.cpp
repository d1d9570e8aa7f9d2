#include "help/maker_link.h"

#include <QDesktopServices>

namespace tarvik {

MakerLink::MakerLink(QUrl address, Opener opener)
    : address_(std::move(address)),
      opener_(opener ? std::move(opener) : Opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }))
{
}

void MakerLink::TarvikBtnClick()
{
    if (!enabled_)
        return;
    if (!opener_(address_))
        enabled_ = false;
}

}  // namespace tarvik
