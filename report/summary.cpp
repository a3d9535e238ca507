#include "report/summary.h"

#include "game/app.h"
#include "game/form1.h"

#include <cmath>

namespace nuyo {

QString resultLine(int number, const QString &result)
{
    const QString n = (QStringLiteral("  ") + QString::number(number)).right(2);
    return QStringLiteral("\r\n  ") + n + QStringLiteral("． ") + result;
}

QString weightText(int totalCm)
{
    const QString s = QString::number(totalCm);
    if (s.size() > 2)
        return s.left(s.size() - 2) + QLatin1Char('.') + s.right(2);
    return QStringLiteral("0.") + s;
}

QString totalLine(int totalCm)
{
    const QString s = QString::number(totalCm);
    const QString shown =
        s.size() > 2 ? s.left(s.size() - 2) + QStringLiteral("．") + s.right(2) : QStringLiteral("0．") + s;
    return QStringLiteral("\r\n  \r\n　　計　 ") + shown + QStringLiteral(" Ｋｇ");
}

int gamePoints(const QString &weightKg, int catches, int bigLevel)
{
    // The weight text's value times ten times the catches is one product, rounded once to single
    // precision and then floored: 0.58 kg and 5 fish make 29, not the 28 that rounding each
    // factor to single precision would leave.
    const double product = weightKg.toDouble() * 10.0 * catches;
    long points = static_cast<long>(std::floor(static_cast<float>(product)));
    if (bigLevel > 1)
        points *= bigLevel;
    // The points are a 16-bit number: a record run of big fish keeps the highest score there is.
    if (points > 32767)
        points = 32767;
    if (points < -32768)
        points = -32768;
    return static_cast<int>(points);
}

void gameEndSummary(App &app)
{
    GameState &g = app.g;
    g.WeightKg = weightText(g.TotalCm);
    if (app.form1)
        app.form1->Text1->appendText(totalLine(g.TotalCm));
    g.Points = gamePoints(g.WeightKg, g.Catches, g.BigLevel);
}

} // namespace nuyo
