#include "scoring/summary.h"

#include "state/gamestate.h"

#include <QCoreApplication>
#include <cmath>

namespace nuyo {

QString resultLine(int number, const QString &result)
{
    const QString n = (QStringLiteral("  ") + QString::number(number)).right(2);
    return QStringLiteral("\r\n  ") + QCoreApplication::translate("Summary", "%1． %2").arg(n, result);
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
    // The Japanese log writes the weight with a full-width point.
    const QString weight = weightText(totalCm);
    const int point = weight.indexOf(QLatin1Char('.'));
    return QStringLiteral("\r\n  \r\n") + QCoreApplication::translate("Summary", "　　計　 %1．%2 Ｋｇ")
                                              .arg(weight.left(point), weight.mid(point + 1));
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

QString gameEndSummary(Record &g)
{
    g.WeightKg = weightText(g.TotalCm);
    g.Points = gamePoints(g.WeightKg, g.Catches, g.BigLevel);
    return totalLine(g.TotalCm);
}

} // namespace nuyo
