#include "layouts/fonts.h"
#include "layouts/layout.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace nuyo {

QString proportionalFaceName()
{
    return QString::fromUtf8(PGothic);
}

QString fixedFaceName()
{
    return QString::fromUtf8(Gothic);
}

QString defaultFaceName()
{
    return proportionalFaceName();
}

void installFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions(proportionalFaceName(),
                               QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                           QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(fixedFaceName(), QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                                                            QStringLiteral("Noto Sans Mono CJK JP")});
}

QFont gameFont(const QString &face, double points)
{
    installFontSubstitutions();
    QFont f(face);
    if (face == fixedFaceName())
        f.setStyleHint(QFont::Monospace);
    if (points > 0)
        f.setPointSizeF(points);
    return f;
}

void setFontPoints(QWidget *w, int points)
{
    if (!w || points <= 0)
        return;
    QFont f = w->font();
    f.setPointSize(points);
    w->setFont(f);
}

} // namespace nuyo
