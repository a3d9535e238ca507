#include "ranking/rankingtable.h"

namespace nuyo {

QString standardNumberText(int n)
{
    return n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n);
}

QString rightAligned(const QString &text, int width)
{
    return (QString(width, QLatin1Char(' ')) + text).right(width);
}

QString PointsText(int points)
{
    return rightAligned(standardNumberText(points), 5);
}

QString ResultRow(const Record &g)
{
    const QString colon = QStringLiteral("：");
    return colon + rightAligned(standardNumberText(g.Count60), 3) + colon +
           rightAligned(standardNumberText(g.Count50), 4) + colon + rightAligned(standardNumberText(g.Catches), 3) +
           colon + rightAligned(g.WeightKg, 4) + QStringLiteral("： ");
}

int RankInsert(RankingState &g, int points)
{
    const int G = points;
    int row = 0;
    while (row < 5 && !(G > g.RankPoints[row]))
        ++row;
    if (row == 5)
        return 5;
    // Rows from the new one down move one place; the old row 4 is dropped.
    for (int i = 4; i > row; --i) {
        g.RankPoints[i] = g.RankPoints[i - 1];
        g.RankRecords[i] = g.RankRecords[i - 1];
    }
    g.RankPoints[row] = G;
    return row;
}

QString fileSafeText(const QString &text)
{
    QString safe = text;
    safe.replace(QLatin1Char('"'), QChar(0xFF02));
    safe.replace(QLatin1Char('\r'), QLatin1Char(' '));
    safe.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return safe;
}

} // namespace nuyo
