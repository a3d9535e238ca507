// Which Qt windowing platform the game starts on.
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

namespace nuyo {

// Qt's names of the X11 and the Wayland platforms.
inline const QByteArray X11Platform = QByteArrayLiteral("xcb");
inline const QByteArray WaylandPlatform = QByteArrayLiteral("wayland");

// The display a platform opens: an X display ("xcb", "xcb:options"), a Wayland socket ("wayland",
// "wayland-egl"...), or something that is not the game's to check ("offscreen"...).
enum class DisplayKind { X11, Wayland, Other };
DisplayKind displayKind(const QByteArray &platform);

// The platforms the game may start on, in its order: the user's own QT_QPA_PLATFORM (its list,
// and the X display after a choice of Wayland alone); else the X server when there is one
// (XWayland in a Wayland session, where every window can be placed where the game puts it), then
// native Wayland.
QList<QByteArray> platformCandidates(const QByteArray &userPlatform, const QByteArray &display,
                                     const QByteArray &waylandDisplay);

// The first of the candidates (platformCandidates) whose display answers. `problem` names a
// candidate's display and says why it does not answer (empty when it does); those passed over are
// in `refusals`, in order.
struct PlatformChoice {
    QByteArray platform; // empty: no display answers
    QStringList refusals;
};
PlatformChoice choosePlatform(const QList<QByteArray> &candidates,
                              const std::function<QString(const QByteArray &platform)> &problem);

} // namespace nuyo
