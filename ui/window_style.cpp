#include "ui/window_style.h"

#include <QLabel>
#include <QPalette>

namespace tarvik {

QFont windowFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel* makePanelLabel(QWidget* parent, int pixelSize, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(windowFont(pixelSize));
    label->setAlignment(alignment);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kPanelTextColour);
    label->setPalette(palette);
    return label;
}

}  // namespace tarvik
