#include "ui/centre_on_main.h"

#include <QWidget>

namespace tarvik {

QPoint centreOnMainPosition(const QRect& mainFrame, int mainClientHeight, QSize dialogFrame)
{
    const int left = mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2;
    const int top = mainFrame.top() + mainFrame.height() - (mainClientHeight + dialogFrame.height()) / 2;
    return {left, top};
}

void centreOnMain(QWidget* dialog, const QWidget* mainWindow)
{
    if (!dialog || !mainWindow)
        return;
    dialog->move(centreOnMainPosition(mainWindow->frameGeometry(), mainWindow->height(),
                                      dialog->frameGeometry().size()));
}

}  // namespace tarvik
