// Takes the pictures: grabs the game's windows as they are drawn, and watches the game (every
// 20 ms of game time) for the moments to photograph.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QWidget;

namespace nuyo {

class SimHost;

class Camera
{
public:
    explicit Camera(const QDir &outDir);

    // Watches the game of this host from now on (pending watches of an earlier game are dropped).
    void attach(SimHost &host);

    // The window as it is drawn now.
    static QImage grab(QWidget *window);
    // `dialog` drawn over `base` where it stands on the screen, as a person sees the two.
    static QImage grabOver(QWidget *base, QWidget *dialog);

    // Saves the picture of moment `name` as <name>.png; `detail` is added to its caption.
    void take(const QString &name, const QImage &picture, const QString &detail = QString());
    bool has(const QString &name) const { return m_details.count(name) > 0; }
    QString detail(const QString &name) const;
    QString fileOf(const QString &name) const;

    // Runs `action` once, at the first look at which `condition` holds. Looks happen every
    // 20 ms of game time while a watch is pending, also inside waits and modal windows.
    void when(std::function<bool()> condition, std::function<void()> action);
    bool watching() const;

    QStringList errors; // moments that could not be saved

private:
    struct Watch {
        std::function<bool()> condition;
        std::function<void()> action;
        bool done = false;
    };
    void arm();
    void look();

    SimHost *m_host = nullptr;
    QDir m_out;
    std::map<QString, QString> m_details;
    std::vector<Watch> m_watches;
    bool m_armed = false;
    int m_depth = 0;
};

} // namespace nuyo
