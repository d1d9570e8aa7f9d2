#include "ui/pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace tarvik {

namespace {

class SystemPointer final : public Pointer {
public:
    ~SystemPointer() override
    {
        while (hidden_ > 0)
            show();
    }

    void hide() override
    {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
        ++hidden_;
    }

    void show() override
    {
        if (hidden_ == 0)
            return;
        QGuiApplication::restoreOverrideCursor();
        --hidden_;
    }

    void moveTo(const QPoint& screenPoint) override { QCursor::setPos(screenPoint); }
    QPoint position() const override { return QCursor::pos(); }

private:
    int hidden_ = 0;
};

}  // namespace

std::unique_ptr<Pointer> makeSystemPointer()
{
    return std::make_unique<SystemPointer>();
}

}  // namespace tarvik
