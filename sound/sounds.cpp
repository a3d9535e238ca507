#include "sound/sounds.h"

#include "app/app.h"
#include "host/host.h"
#include "sound/soundlibrary.h"

#include <QCoreApplication>
#include <QFile>

// The recordings are compiled into the core library; referencing them here keeps the linker
// from dropping them from a static link.
static void initSoundResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(once);
}

namespace nuyo {

void SoundInit(App &app, quintptr windowHandle)
{
    app.g.DsHandle = app.sound ? app.sound->dsInitialize(windowHandle) : 0;
    if (app.g.DsHandle != 0) {
        app.g.SoundOff = SoundOff::Available;
    } else {
        SoundMsg(app, QCoreApplication::translate("Sound", "Direct Soundインターフェースが作成できません。　　　　"));
        app.g.SoundOff = SoundOff::Silent;
    }
}

void SoundTerm(App &app)
{
    if (app.g.DsHandle != 0 && app.sound)
        app.sound->dsTerminate(app.g.DsHandle);
}

long SoundCreate(App &app, const QByteArray &wave, int number)
{
    return app.sound ? app.sound->dsCreateResDSB(app.g.DsHandle, wave, number) : 0;
}

void SoundMsg(App &app, const QString &text)
{
    app.host.msgBox(text, MsgBox::Exclamation, QCoreApplication::translate("Sound", "ぬよ"));
}

void SoundPlay(App &app, long buffer)
{
    if (app.g.SoundOff == SoundOff::Available && app.sound)
        app.sound->dsPlay(buffer);
}

void SoundRelease(App &app)
{
    if (app.sound) {
        for (long buffer : {app.g.Snd101, app.g.Snd102, app.g.Snd103, app.g.Snd104, app.g.Snd105})
            app.sound->dsFree(buffer);
    }
    SoundTerm(app);
}

QByteArray waveResource(int id)
{
    if (id < 101 || id > 105)
        return QByteArray();
    initSoundResources();
    QFile f(QStringLiteral(":/sounds/%1.wav").arg(id));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace nuyo
