#include "startup/platform.h"

#include <algorithm>

namespace nuyo {

DisplayKind displayKind(const QByteArray &platform)
{
    if (platform == X11Platform || platform.startsWith(X11Platform + ':'))
        return DisplayKind::X11;
    if (platform.startsWith(WaylandPlatform))
        return DisplayKind::Wayland;
    return DisplayKind::Other;
}

QList<QByteArray> platformCandidates(const QByteArray &userPlatform, const QByteArray &display,
                                     const QByteArray &waylandDisplay)
{
    QList<QByteArray> candidates;
    if (!userPlatform.isEmpty()) {
        candidates = userPlatform.split(';');
        candidates.removeAll(QByteArray());
        const bool waylandOnly = std::all_of(candidates.cbegin(), candidates.cend(), [](const QByteArray &p) {
            return displayKind(p) == DisplayKind::Wayland;
        });
        if (waylandOnly && !candidates.isEmpty() && !display.isEmpty())
            candidates << X11Platform;
        return candidates;
    }
    if (!display.isEmpty())
        candidates << X11Platform;
    if (!waylandDisplay.isEmpty())
        candidates << WaylandPlatform;
    return candidates;
}

PlatformChoice choosePlatform(const QList<QByteArray> &candidates,
                              const std::function<QString(const QByteArray &platform)> &problem)
{
    PlatformChoice choice;
    for (const QByteArray &candidate : candidates) {
        const QString refusal = problem(candidate);
        if (refusal.isEmpty()) {
            choice.platform = candidate;
            return choice;
        }
        choice.refusals << refusal;
    }
    return choice;
}

} // namespace nuyo
