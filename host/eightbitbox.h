// A message box that can be read on an X display of 256 colours.
//
// There Qt's windows cannot paint (its X backing store has no 8-bit pixel format), so a
// QMessageBox would open as an empty grey window. Instead the box is drawn by Qt into an image,
// which the raster engine does whatever the display, brought down to the colours the display's
// colour map gives, and shown in a plain X window of the game's own.
#pragma once

#include <QMessageBox>

namespace nuyo {

// True when the game's windows are on an X display of 8 bits per pixel.
bool onEightBitX();

// Shows `box` (set up with its text, icon and buttons, never shown) in such a window until a
// button is chosen with the mouse, Return, Enter, Space or Escape, or the window is closed.
// Returns the button chosen, or QMessageBox::NoButton when the window could not be made.
QMessageBox::StandardButton execOnEightBitX(QMessageBox &box);

} // namespace nuyo
