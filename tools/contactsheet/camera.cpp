#include "camera.h"

#include "host/simhost.h"

#include <QPainter>
#include <QWidget>

namespace nuyo {

namespace {
constexpr double LookEvery = 0.02; // seconds of game time between looks
} // namespace

Camera::Camera(const QDir &outDir) : m_out(outDir) {}

void Camera::attach(SimHost &host)
{
    m_host = &host;
    m_watches.clear();
    m_armed = false;
}

QImage Camera::grab(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Camera::grabOver(QWidget *base, QWidget *dialog)
{
    QImage picture = grab(base);
    QPainter p(&picture);
    p.drawImage(dialog->pos() - base->pos(), grab(dialog));
    return picture;
}

void Camera::take(const QString &name, const QImage &picture, const QString &detail)
{
    const QString file = m_out.filePath(name + QStringLiteral(".png"));
    if (picture.isNull() || !picture.save(file, "PNG")) {
        errors << QStringLiteral("%1: could not save %2").arg(name, file);
        return;
    }
    m_details[name] = detail;
}

QString Camera::detail(const QString &name) const
{
    const auto it = m_details.find(name);
    return it == m_details.end() ? QString() : it->second;
}

QString Camera::fileOf(const QString &name) const
{
    return m_out.filePath(name + QStringLiteral(".png"));
}

void Camera::when(std::function<bool()> condition, std::function<void()> action)
{
    m_watches.push_back({std::move(condition), std::move(action)});
    arm();
}

bool Camera::watching() const
{
    for (const Watch &w : m_watches)
        if (!w.done)
            return true;
    return false;
}

void Camera::arm()
{
    if (m_armed || !m_host)
        return;
    m_armed = true;
    m_host->after(LookEvery, [this] { look(); });
}

void Camera::look()
{
    m_armed = false;
    // The next look is due before any action runs: an action may wait or show a modal window,
    // and the looks go on inside it.
    if (watching())
        arm();
    ++m_depth;
    for (size_t i = 0; i < m_watches.size(); ++i) {
        if (m_watches[i].done || !m_watches[i].condition())
            continue;
        m_watches[i].done = true;
        const auto action = m_watches[i].action; // the list may grow while it runs
        action();
    }
    --m_depth;
    if (m_depth == 0) {
        std::vector<Watch> pending;
        for (Watch &w : m_watches)
            if (!w.done)
                pending.push_back(std::move(w));
        m_watches = std::move(pending);
    }
}

} // namespace nuyo
