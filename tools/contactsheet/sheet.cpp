#include "sheet.h"

#include "camera.h"
#include "quantize.h"
#include "scenes.h"

#include <QFontMetrics>
#include <QPainter>

namespace nuyo {

namespace {

const QColor Ground(244, 244, 240);
const QColor Ink(32, 32, 32);
const QColor Faint(110, 110, 110);
const QColor Frame(160, 160, 160);

QFont captionFont(int pixels, bool bold)
{
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace

QImage makeSheet(const Camera &camera, const SheetStyle &style)
{
    const auto &list = moments();
    const int count = int(list.size());
    const int rows = (count + style.columns - 1) / style.columns;
    const QFont title = captionFont(style.captionPixels * 3 / 2, true);
    const QFont caption = captionFont(style.captionPixels, true);
    const QFont detail = captionFont(style.captionPixels, false);
    const int lineH = QFontMetrics(caption).height();
    const int titleH = QFontMetrics(title).height() + style.margin;
    const int cellH = style.cellHeight + 4 + 2 * lineH + style.margin;
    const int width = style.margin + style.columns * (style.cellWidth + style.margin);
    const int height = style.margin + titleH + rows * cellH;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Ground);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(Ink);
    p.setFont(title);
    p.drawText(QRect(style.margin, style.margin, width - 2 * style.margin, titleH), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("ぬ よ　— %1 moments of the game").arg(count));

    for (int i = 0; i < count; ++i) {
        const Moment &m = list[size_t(i)];
        const int x = style.margin + (i % style.columns) * (style.cellWidth + style.margin);
        const int y = style.margin + titleH + (i / style.columns) * cellH;
        QImage shot(camera.fileOf(m.name));
        if (camera.has(m.name) && !shot.isNull()) {
            if (shot.width() > style.cellWidth || shot.height() > style.cellHeight)
                shot = shot.scaled(style.cellWidth, style.cellHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            const QRect r(x + (style.cellWidth - shot.width()) / 2, y, shot.width(), shot.height());
            p.drawImage(r.topLeft(), shot);
            p.setPen(Frame);
            p.drawRect(r.adjusted(-1, -1, 0, 0));
        } else {
            p.fillRect(QRect(x, y, style.cellWidth, style.cellHeight), QColor(255, 220, 220));
        }
        const int ty = y + style.cellHeight + 4;
        p.setPen(Ink);
        p.setFont(caption);
        const QString head = QStringLiteral("%1. %2").arg(i + 1).arg(m.caption);
        p.drawText(QRect(x, ty, style.cellWidth, lineH), Qt::AlignLeft | Qt::AlignTop,
                   QFontMetrics(caption).elidedText(head, Qt::ElideRight, style.cellWidth));
        const QString more = camera.has(m.name) ? camera.detail(m.name) : QStringLiteral("MISSING");
        if (!more.isEmpty()) {
            p.setPen(Faint);
            p.setFont(detail);
            p.drawText(QRect(x, ty + lineH, style.cellWidth, lineH), Qt::AlignLeft | Qt::AlignTop,
                       QFontMetrics(detail).elidedText(more, Qt::ElideRight, style.cellWidth));
        }
    }
    p.end();
    return sheet;
}

bool savePalettePng(const QImage &sheet, const QString &file)
{
    const art::Indexed reduced = art::quantize(sheet, 256);
    QImage out(reduced.width, reduced.height, QImage::Format_Indexed8);
    out.setColorTable(reduced.palette);
    for (int y = 0; y < reduced.height; ++y)
        std::copy_n(reduced.pixels.begin() + size_t(y) * size_t(reduced.width), reduced.width, out.scanLine(y));
    return out.save(file, "PNG", 0);
}

} // namespace nuyo
