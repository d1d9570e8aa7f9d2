#include "ui/name_labels.h"

#include <QFontMetrics>
#include <QLabel>

#include "ui/window_style.h"

namespace tarvik {

int nameLineCount(const QString& line2, const QString& line3)
{
    if (line2.isEmpty())
        return 1;
    if (line3.isEmpty())
        return 2;
    return 3;
}

std::array<int, 3> nameLineTops(int count, const std::array<int, 3>& current)
{
    std::array<int, 3> tops = current;
    switch (count) {
    case 1:
        tops[0] = 193;
        break;
    case 2:
        tops[0] = 183;
        tops[1] = 203;
        break;
    default:
        tops = {173, 193, 213};
        break;
    }
    return tops;
}

int fittingPixelSize(const QFont& face, const QString& text, int width)
{
    QFont font(face);
    int pixels = face.pixelSize();
    for (; pixels > kSmallestNamePixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return pixels;
}

NameLabels::NameLabels(QWidget* parent)
{
    const int initialTops[3] = {173, 193, 213};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = makePanelLabel(parent, 16, Qt::AlignHCenter | Qt::AlignTop);
        label->setObjectName(QStringLiteral("lname%1").arg(i + 1));
        label->setWordWrap(true);
        label->setGeometry(kLeft, initialTops[i], kWidth, kHeight);
        labels_[i] = label;
    }
    face_ = labels_[0]->font();
}

void NameLabels::show(const QString& line1, const QString& line2, const QString& line3)
{
    const QString texts[3] = {line1, line2, line3};
    std::array<int, 3> current{};
    for (int i = 0; i < 3; ++i) {
        // Setting the same text again would ask for another paint of the window.
        if (labels_[i]->text() != texts[i]) {
            labels_[i]->setText(texts[i]);
            // A name line may hold up to 40 characters, far more than the panel's
            // width takes at 16 pixels; a 20-pixel-high label would cut the wrapped
            // rest off, so such a line is set smaller until it fits instead.
            QFont font = labels_[i]->font();
            font.setPixelSize(fittingPixelSize(face_, texts[i], kWidth));
            if (font != labels_[i]->font())
                labels_[i]->setFont(font);
        }
        current[i] = labels_[i]->y();
    }
    const std::array<int, 3> tops = nameLineTops(nameLineCount(line2, line3), current);
    for (int i = 0; i < 3; ++i) {
        if (tops[i] != current[i])
            labels_[i]->move(kLeft, tops[i]);
    }
}

void NameLabels::setToolTip(const QString& tip)
{
    for (QLabel* label : labels_)
        label->setToolTip(tip);
}

}  // namespace tarvik
