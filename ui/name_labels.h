#pragma once

#include <QFont>
#include <QString>

#include <array>

class QLabel;
class QWidget;

namespace tarvik {

// `lname1`..`lname3`: the molecule's name in up to three lines, centred as a
// group around y 203 of the window.
class NameLabels {
public:
    static constexpr int kLeft = 480;
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 20;

    explicit NameLabels(QWidget* parent);

    // Lines after the first empty one are not counted, whatever they hold.
    void show(const QString& line1, const QString& line2, const QString& line3);
    void setToolTip(const QString& tip);

    QLabel* label(int index) const { return labels_[index]; }

private:
    std::array<QLabel*, 3> labels_{};
    QFont face_;  // the 16-pixel face a line keeps whenever it fits
};

inline constexpr int kSmallestNamePixels = 9;
// The largest pixel size, from the face's own down to kSmallestNamePixels, at which
// `text` fits into `width` pixels.
int fittingPixelSize(const QFont& face, const QString& text, int width);

int nameLineCount(const QString& line2, const QString& line3);
// The tops of the lines in use; labels beyond the count keep their last place.
std::array<int, 3> nameLineTops(int count, const std::array<int, 3>& current);

}  // namespace tarvik
