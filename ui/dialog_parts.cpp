#include "ui/dialog_parts.h"

#include "ui/picture_reader.h"

#include <QDialog>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace tarvik {

int pointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont dialogFont(int points, bool bold)
{
    // The layout was made for faces whose lines step 13 pixels at 8 points, so
    // a two-line question fills its 26-pixel label exactly. The condensed
    // face keeps that step and is narrow enough for the longest words; the
    // Helvetica-like faces step 15 pixels and slice the second line.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

QPixmap loadPicture(const QString& resource)
{
    const QImage picture = readPicture(resource);
    return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
}

QFrame* addBevel(QWidget* parent, const QRect& place, BevelShape shape)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameShape(shape == BevelShape::Frame ? QFrame::Box : QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(place);
    return bevel;
}

QLabel* addIconImage(QWidget* parent, const QWidget* mainWindow, const QRect& place)
{
    auto* image = new QLabel(parent);
    image->setGeometry(place);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (mainWindow)
        image->setPixmap(mainWindow->windowIcon().pixmap(32, 32));
    return image;
}

QPushButton* addGlyphButton(QWidget* parent, const QRect& place, const QPixmap& glyph)
{
    auto* button = new QPushButton(parent);
    button->setGeometry(place);
    if (!glyph.isNull()) {
        button->setIcon(QIcon(glyph));
        button->setIconSize(glyph.size());
    }
    return button;
}

void fixClientSize(QDialog* dialog, int width, int height)
{
    dialog->setFixedSize(width, height);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

}  // namespace tarvik

#include "text/dialog_texts.h"

namespace tarvik {

QLabel* addSmallDialogFrame(QDialog* dialog, const QWidget* mainWindow, const QRect& labelPlace)
{
    fixClientSize(dialog, 261, 103);
    dialog->setFont(dialogFont());
    dialog->setWindowTitle(QString::fromStdString(texts::dialogCaption()));
    if (mainWindow)
        dialog->setWindowIcon(mainWindow->windowIcon());
    addBevel(dialog, QRect(8, 8, 245, 49), BevelShape::Frame);
    addIconImage(dialog, mainWindow, QRect(16, 16, 32, 32));
    auto* label = new QLabel(dialog);
    label->setGeometry(labelPlace);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(dialogFont(8, true));
    return label;
}

}  // namespace tarvik
