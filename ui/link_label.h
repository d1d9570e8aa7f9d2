#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

namespace tarvik {

// Asks the system to open an address; false when it cannot.
using LinkOpener = std::function<bool(const QUrl&)>;

// The system's own opener (web browser, mail program).
bool openWithSystem(const QUrl& url);

// An address shown in blue and underlined with a hand cursor; a click asks
// the system to open it. An address with an at sign is opened as a mail
// address. A link the system cannot open switches itself off for good.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& address, LinkOpener opener, QWidget* parent = nullptr);

    QUrl url() const;
    bool isSwitchedOff() const { return switchedOff_; }

    void follow();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString address_;
    LinkOpener opener_;
    bool switchedOff_ = false;
};

}  // namespace tarvik
