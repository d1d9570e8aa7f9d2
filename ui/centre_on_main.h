#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarvik {

// Where a dialog's outer frame goes so that it sits about centred over the
// main window's client area, below the main window's caption bar. Sizes
// are outer sizes; both halvings round toward zero.
QPoint centreOnMainPosition(const QRect& mainFrame, int mainClientHeight, QSize dialogFrame);

// Moves the dialog there; a dialog without a main window stays where it is.
void centreOnMain(QWidget* dialog, const QWidget* mainWindow);

}  // namespace tarvik
