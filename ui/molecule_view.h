#pragma once

#include <QWidget>

#include <cstdint>

#include "ui/surface.h"

namespace tarvik {

struct Images;

// What the preview shows: the molecule's box and its atom slots 1..50.
class MoleculeSource {
public:
    virtual ~MoleculeSource() = default;
    virtual int molWidth() const = 0;
    virtual int molHeight() const = 0;
    virtual int atomCol(int slot) const = 0;
    virtual int atomRow(int slot) const = 0;
    virtual std::int32_t atomKind(int slot) const = 0;
};

// `mol`: the target molecule at half the board's scale, centred in 150 x 150.
class MoleculeView : public QWidget {
public:
    static constexpr int kSize = 150;
    static constexpr int kCell = 15;

    explicit MoleculeView(const Images& images, QWidget* parent = nullptr);

    void drawMolecule(const MoleculeSource& molecule);

    Surface& surface() { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Images& images_;
    Surface surface_;
};

// Top-left corner of the molecule in the preview; a molecule wider or taller
// than 10 cells gets a negative offset and is cut off at the edges.
QPoint moleculeOffset(int molWidth, int molHeight);

}  // namespace tarvik
