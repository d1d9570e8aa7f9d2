#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tarvik::testing {

// Runs the action on the modal window once it is up (a modal dialog's
// exec() blocks the test until something closes it).
inline void whenModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

}  // namespace tarvik::testing

#include <QDialog>
#include <QEvent>
#include <QPointer>

#include <map>
#include <string>
#include <vector>

namespace tarvik::testing {

// For as long as it lives, notes every dialog as it comes up (its class
// name, without the namespace) and answers it by the script for its class.
// A dialog without an answer is left alone (the splash closes itself).
class ModalScript : public QObject {
public:
    explicit ModalScript(std::vector<std::string>& log) : log_(log) { qApp->installEventFilter(this); }
    ~ModalScript() override { qApp->removeEventFilter(this); }

    std::map<std::string, std::function<void(QDialog*)>> answers;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow()) {
                std::string name = dialog->metaObject()->className();
                if (auto colons = name.rfind("::"); colons != std::string::npos)
                    name = name.substr(colons + 2);
                log_.push_back(name);
                if (auto it = answers.find(name); it != answers.end()) {
                    QPointer<QDialog> shown(dialog);
                    auto action = it->second;
                    QTimer::singleShot(0, dialog, [shown, action] {
                        if (shown && shown->isVisible())
                            action(shown);
                    });
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<std::string>& log_;
};

}  // namespace tarvik::testing
