#include "ui/molecule_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/images.h"

namespace tarvik {

namespace {

constexpr int kCell = MoleculeView::kCell;

QRect previewTile(int column, int row)
{
    return QRect(column * kCell, row * kCell, kCell, kCell);
}

}  // namespace

QPoint moleculeOffset(int molWidth, int molHeight)
{
    // Integer division towards zero, as C++ does it.
    return QPoint((MoleculeView::kSize - kCell * molWidth) / 2, (MoleculeView::kSize - kCell * molHeight) / 2);
}

MoleculeView::MoleculeView(const Images& images, QWidget* parent)
    : QWidget(parent), images_(images), surface_(kSize, kSize)
{
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MoleculeView::drawMolecule(const MoleculeSource& molecule)
{
    surface_.fillBlack(QRect(0, 0, kSize, kSize));
    const QPoint offset = moleculeOffset(molecule.molWidth(), molecule.molHeight());
    for (int slot = 1; slot <= 50; ++slot) {
        const std::int32_t kind = molecule.atomKind(slot);
        if (kind <= 0)
            continue;
        const QPoint at = offset + QPoint(kCell * molecule.atomCol(slot), kCell * molecule.atomRow(slot));
        const int n = (kind & 255) - 1;
        if (n >= 0 && n < 24)
            surface_.copyOr(images_.previewSheet, previewTile(n % 8, n / 8), at);
        for (int k = 0; k < 16; ++k) {
            if (kind & (1 << (8 + k)))
                surface_.copyOr(images_.previewSheet, previewTile(k % 8, 3 + k / 8), at);
        }
    }
    update();
}

void MoleculeView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect().topLeft(), surface_.image(), event->rect());
}

}  // namespace tarvik
