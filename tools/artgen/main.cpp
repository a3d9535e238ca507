// artgen: draws every picture of the game and writes them into the given art folder.
//
//   artgen <art folder>            write every picture
//   artgen --preview <folder>      also write PNG previews of the scene as the game composes it
#include "catalog.h"
#include "drawings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

using namespace nuyo::art;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

// The scene as the game shows it: the angler frame, the line to the fish, the float box, marks.
void writePreviews(const QString &dir)
{
    const QPointF lineEnd[8] = {{}, {}, {}, {247, 245}, {247, 185}, {236, 112}, {223, 51}, {}};
    for (int k = 0; k < 8; ++k) {
        QImage scene = pondScene(true).convertToFormat(QImage::Format_RGB32);
        blitSprite(scene, anglerCell(k), 90, 0);
        QPainter p(&scene);
        if (k >= 3 && k <= 6) {
            p.setPen(QColor(0, 192, 255));
            p.drawLine(QPointF(150, 0), lineEnd[k]);
        }
        p.drawImage(QPointF(100, 320), resultMarks(pictureLanguages().first()), QRectF(0, 25, 100, 24));
        p.drawImage(QPointF(0, 320), bigCatchMarks(pictureLanguages().first()), QRectF(0, 50, 100, 24));
        p.end();
        if (k == 3)
            blitSprite(scene, landedFish(), 120, 70);
        scene.save(QStringLiteral("%1/scene_%2.png").arg(dir).arg(k));
    }
    QImage watch = pondScene(false).convertToFormat(QImage::Format_RGB32);
    blitSprite(watch, anglerCell(0), 90, 0);
    QPainter p(&watch);
    QImage box = floatCloseUp();
    QPainter b(&box);
    b.drawImage(QRectF(96, 50, 5, 126), floatPicture(), QRectF(0, 0, 5, 126));
    b.end();
    p.drawImage(48, 32, box);
    p.drawImage(QPointF(100, 320), splashFrames(), QRectF(0, 0, 100, 24));
    p.end();
    watch.save(dir + QStringLiteral("/watch.png"));
}

} // namespace

#ifdef ARTGEN_MODULE
// The entry point when artgen-plaincpu loads the generator as a module.
extern "C" __attribute__((visibility("default"))) int artgenMain(int argc, char **argv)
#else
int main(int argc, char **argv)
#endif
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString previewDir;
    const int flag = int(args.indexOf(QStringLiteral("--preview")));
    if (flag >= 0 && flag + 1 < args.size()) {
        previewDir = args.at(flag + 1);
        args.remove(flag, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: artgen [--preview <folder>] <art folder>\n");
        return 2;
    }
    if (!loadFonts()) {
        std::fprintf(stderr, "artgen: the IPA Gothic fonts are missing (fonts-ipafont-gothic)\n");
        return 1;
    }
    const QString outDir = args.at(0);
    for (const Output &o : catalog()) {
        const QString path = outDir + QLatin1Char('/') + o.path;
        if (!writeFile(path, o.bytes())) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!previewDir.isEmpty()) {
        QDir().mkpath(previewDir);
        writePreviews(previewDir);
    }
    return 0;
}
