// contactsheet: plays the game's real windows through its main moments and writes one picture
// per moment, a contact sheet of them all, and a small palette version of the sheet.
//
//   contactsheet OUTDIR        (run it on an X server: tools/contactsheet/run.sh does)
//
// Writes OUTDIR/<moment>.png, OUTDIR/contact-sheet.png, OUTDIR/contact-sheet-small.png and
// OUTDIR/moments.txt (name, caption and detail of each picture, tab-separated). Exits with 1 and
// names the moments it missed when any moment could not be photographed.
#include "camera.h"
#include "scenes.h"
#include "sheet.h"

#include "layouts/fonts.h"
#include "layouts/pictures.h"
#include "startup/language.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 || args[1].startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: contactsheet OUTDIR\n");
        return 2;
    }
    // Dressed as the game itself is at start-up.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationDisplayName(QStringLiteral("ぬ よ"));
    nuyo::installFontSubstitutions();
    QApplication::setFont(nuyo::gameFont(nuyo::defaultFaceName(), 9));
    nuyo::setPictureLanguage(nuyo::installLanguage(qapp) == nuyo::Language::English ? "en" : "ja"); // before any window

    QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "contactsheet: cannot create %s\n", qPrintable(args[1]));
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    nuyo::Camera camera(out);
    const QStringList problems = nuyo::photographGame(camera);

    QFile list(out.filePath(QStringLiteral("moments.txt")));
    if (list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        QTextStream s(&list);
        for (const nuyo::Moment &m : nuyo::moments())
            if (camera.has(m.name))
                s << m.name << '\t' << m.caption << '\t' << camera.detail(m.name) << '\n';
    }

    const QImage sheet = nuyo::makeSheet(camera, nuyo::SheetStyle{});
    const QString sheetFile = out.filePath(QStringLiteral("contact-sheet.png"));
    bool written = sheet.save(sheetFile, "PNG");

    // The small sheet for the documentation: five columns in 1200 pixels.
    nuyo::SheetStyle small;
    small.columns = 5;
    small.margin = 8;
    small.cellWidth = (1200 - small.margin * (small.columns + 1)) / small.columns;
    small.cellHeight = small.cellWidth * 427 / 610;
    small.captionPixels = 11;
    const QString smallFile = out.filePath(QStringLiteral("contact-sheet-small.png"));
    written = nuyo::savePalettePng(nuyo::makeSheet(camera, small), smallFile) && written;

    std::printf("contactsheet: %d moments in %s (%.1f s)\n", int(nuyo::moments().size()),
                qPrintable(QDir::toNativeSeparators(out.absolutePath())), clock.elapsed() / 1000.0);
    if (!written)
        std::fprintf(stderr, "contactsheet: could not write the sheets\n");
    for (const QString &p : problems)
        std::fprintf(stderr, "contactsheet: %s\n", qPrintable(p));
    return problems.isEmpty() && written ? 0 : 1;
}
