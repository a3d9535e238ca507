// What a screen reader learns of the kit's controls: a role for each, and a name that follows
// the caption, so a button is read as the button it is and by what it says now.
#pragma once

namespace nuyo {

// Installs the kit's accessibility for the whole application, once.
void installKitAccessibility();

} // namespace nuyo
