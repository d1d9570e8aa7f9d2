#pragma once

#include <QUrl>

#include <functional>

namespace tarvik {

// The maker's web page behind the mascot button. A failure to open it is not reported;
// it only switches the link off until the program is started again.
class MakerLink {
public:
    using Opener = std::function<bool(const QUrl&)>;

    // The address is the one the main window's link label holds; without an opener the
    // system's browser opens it.
    explicit MakerLink(QUrl address, Opener opener = {});

    void TarvikBtnClick();
    bool enabled() const { return enabled_; }
    const QUrl& address() const { return address_; }

private:
    QUrl address_;
    Opener opener_;
    bool enabled_ = true;
};

}  // namespace tarvik
