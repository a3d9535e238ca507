// The contact sheet: every moment's picture in a grid with its caption underneath.
#pragma once

#include <QImage>
#include <QString>

namespace nuyo {

class Camera;

struct SheetStyle {
    int columns = 4;
    int cellWidth = 610; // pictures are scaled down to fit a cell, never up
    int cellHeight = 427;
    int captionPixels = 17; // caption font size
    int margin = 16;        // around the sheet and between cells
};

// Lays out the pictures of moments() that the camera took, in the order of moments().
QImage makeSheet(const Camera &camera, const SheetStyle &style);

// Saves `sheet` as a PNG with a palette of at most 256 colours (no dithering).
bool savePalettePng(const QImage &sheet, const QString &file);

} // namespace nuyo
