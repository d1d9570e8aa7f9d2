#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

namespace tarvik {

// The yellow of every text on the black panels.
inline const QColor kPanelTextColour(255, 217, 0);

// The fonts the window was laid out with do not exist here; a plain sans-serif
// at the same pixel size keeps the texts inside their places.
QFont windowFont(int pixelSize, bool bold = false);

// A transparent label in the panels' yellow that shows its text as plain text,
// never as markup, whatever the data holds.
QLabel* makePanelLabel(QWidget* parent, int pixelSize, Qt::Alignment alignment);

}  // namespace tarvik
