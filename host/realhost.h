// The host of a real game: the Qt event loop, QTimer, QMessageBox, the desktop.
#pragma once

#include "host/host.h"

#include <QElapsedTimer>

namespace nuyo {

class RealHost : public Host
{
public:
    RealHost();

    double now() const override;
    void doEvents() override;
    void waitFor(double seconds, const std::function<bool()> &stop = {}) override;
    std::unique_ptr<HostTimer> createTimer(int intervalMs) override;
    void showModal(QWidget *window) override;
    int msgBox(const QString &text, int style, const QString &caption) override;
    quint32 clockSeed() override;
    bool openDocument(const QString &path) override;
    [[noreturn]] void endApplication() override;

    // Runs just before the process ends (the single-instance lock is given back there).
    std::function<void()> beforeExit;

private:
    QElapsedTimer m_clock;
};

} // namespace nuyo
