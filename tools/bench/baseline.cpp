// The floor for a Qt Widgets program on this machine: an empty window of the title window's size
// (357 × 272), or of --size WIDTHxHEIGHT (the main window's, where the game's memory is measured:
// a window's drawing buffer grows with its size). With --loop FILE it also plays that WAVE file in an endless loop, as
// the game's background sound does. With --japanese it shows one line of Japanese text in the game's own face, found
// through the game's font substitutions, so that the font's memory is in the floor as it is in the game. With
// --control it holds one plain child widget: Qt sets up its screen-reader bridge when the first control shows,
// which is before the window maps, where an empty window does it after its map. Built without
// NUYOBENCH_SOUND it does not link Qt Multimedia at all (and has no --loop).
#include "layouts/fonts.h"

#include <QApplication>
#include <QLabel>
#ifdef NUYOBENCH_SOUND
#include <QSoundEffect>
#endif
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

// "WIDTHxHEIGHT", or `otherwise`.
static QSize sizeFrom(const char *text, QSize otherwise)
{
    int w = 0, h = 0;
    return std::sscanf(text, "%dx%d", &w, &h) == 2 && w > 0 && h > 0 ? QSize(w, h) : otherwise;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QString loop;
    QString title = QStringLiteral("nuyo-baseline");
    QSize size(357, 272);
    bool japanese = false;
    bool control = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--loop") && i + 1 < argc)
            loop = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--title") && i + 1 < argc)
            title = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            size = sizeFrom(argv[++i], size);
        else if (!std::strcmp(argv[i], "--japanese"))
            japanese = true;
        else if (!std::strcmp(argv[i], "--control"))
            control = true;
        else {
            std::fprintf(stderr, "usage: %s [--loop WAVE] [--title TEXT] [--size WxH] [--japanese] [--control]\n",
                         argv[0]);
            return 2;
        }
    }

    QWidget window;
    window.setWindowTitle(title);
    window.setFixedSize(size);
    std::unique_ptr<QLabel> line;
    if (japanese) {
        nuyo::installFontSubstitutions();
        line = std::make_unique<QLabel>(QStringLiteral("釣りゲーム「 ぬ よ 」　只今、準備中 ・・・"), &window);
        line->setFont(nuyo::gameFont(nuyo::defaultFaceName(), 9));
        line->move(8, 8);
    }
    std::unique_ptr<QWidget> child;
    if (control) {
        child = std::make_unique<QWidget>(&window);
        child->setGeometry(8, 8, 50, 20);
    }
    window.show();

#ifdef NUYOBENCH_SOUND
    std::unique_ptr<QSoundEffect> effect;
    if (!loop.isEmpty()) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(loop));
        effect->setLoopCount(QSoundEffect::Infinite);
        effect->play();
    }
#else
    if (!loop.isEmpty()) {
        std::fprintf(stderr, "--loop: this build has no sound\n");
        return 2;
    }
#endif
    return app.exec();
}
