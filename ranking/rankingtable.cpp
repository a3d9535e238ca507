#include "ranking/rankingtable.h"

#include <QCoreApplication>

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

QString rowMeaning(const QString &line)
{
    const QStringList columns = line.split(QStringLiteral("："));
    bool isNumber = false;
    const int points = columns[0].trimmed().toInt(&isNumber);
    if (columns.size() < 6 || !isNumber)
        return QString();
    const QString figures =
        QCoreApplication::translate("Ranking", "%n ポイント、60cm %1 尾、尺半上 %2 尾、計 %3 尾、%4 Kg", nullptr,
                                    points)
            .arg(columns[1].trimmed(), columns[2].trimmed(), columns[3].trimmed(), columns[4].trimmed());
    const QString name = columns.mid(5).join(QStringLiteral("：")).trimmed();
    return name.isEmpty() ? figures : QCoreApplication::translate("Ranking", "%1、%2").arg(figures, name);
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
