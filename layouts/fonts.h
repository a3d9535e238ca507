// The Japanese faces the windows name, mapped to the IPA Gothic faces on this desktop.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace nuyo {

QString proportionalFaceName(); // "ＭＳ Ｐゴシック"
QString fixedFaceName();        // "ＭＳ ゴシック"
QString defaultFaceName();      // the windows' default face: the proportional one

// Maps the two faces to IPA Pゴシック and IPAゴシック, once per process.
void installFontSubstitutions();

// A font of the named face in points (0 keeps the default size).
QFont gameFont(const QString &face, double points);

// Gives `w` a display-scaled size in whole points; a size not yet computed (0) changes nothing.
void setFontPoints(QWidget *w, int points);

} // namespace nuyo
