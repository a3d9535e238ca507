#include "quantize.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace nuyo::art {

namespace {

struct Entry {
    QRgb rgb;
    uint32_t count;
};

int channel(QRgb c, int ch)
{
    return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
}

struct Box {
    size_t begin, end;
    uint64_t count;
    int widest; // channel with the largest extent
    int extent; // that extent
};

Box makeBox(const std::vector<Entry> &e, size_t b, size_t end)
{
    Box box{b, end, 0, 0, -1};
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (size_t i = b; i < end; ++i) {
        box.count += e[i].count;
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], channel(e[i].rgb, ch));
            hi[ch] = std::max(hi[ch], channel(e[i].rgb, ch));
        }
    }
    for (int ch = 0; ch < 3; ++ch) {
        if (hi[ch] - lo[ch] > box.extent) {
            box.extent = hi[ch] - lo[ch];
            box.widest = ch;
        }
    }
    return box;
}

QRgb meanOf(const std::vector<Entry> &e, const Box &box)
{
    uint64_t s[3] = {0, 0, 0};
    for (size_t i = box.begin; i < box.end; ++i)
        for (int ch = 0; ch < 3; ++ch)
            s[ch] += uint64_t(channel(e[i].rgb, ch)) * e[i].count;
    auto avg = [&](int ch) { return int((s[ch] + box.count / 2) / box.count); };
    return qRgb(avg(0), avg(1), avg(2));
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

QImage straightAlpha(const QImage &image)
{
    QImage out(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            switch (image.format()) {
            case QImage::Format_RGB32:
                line[x] = in[x] | 0xff000000u;
                break;
            case QImage::Format_ARGB32:
                line[x] = in[x];
                break;
            case QImage::Format_ARGB32_Premultiplied:
                line[x] = qUnpremultiply(in[x]);
                break;
            default:
                line[x] = image.pixel(x, y);
                break;
            }
        }
    }
    return out;
}

Indexed quantize(const QImage &source, int maxColours, const QVector<QRgb> &reserved)
{
    const QImage image = straightAlpha(source);
    Indexed out;
    out.width = image.width();
    out.height = image.height();

    // The histogram, in colour order so that nothing depends on hashing.
    std::map<QRgb, uint32_t> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }

    QVector<QRgb> pinned;
    for (QRgb r : reserved)
        if (!pinned.contains(r | 0xff000000u))
            pinned.append(r | 0xff000000u);
    for (QRgb exact : {qRgb(0, 0, 0), qRgb(255, 255, 255)})
        if (histogram.count(exact) && !pinned.contains(exact))
            pinned.append(exact);

    std::vector<Entry> entries;
    for (const auto &[rgb, count] : histogram)
        if (!pinned.contains(rgb))
            entries.push_back({rgb, count});

    out.palette = pinned;
    const int room = maxColours - int(pinned.size());
    if (int(entries.size()) <= room) {
        for (const Entry &e : entries)
            out.palette.append(e.rgb);
    } else if (room > 0) {
        std::vector<Box> boxes{makeBox(entries, 0, entries.size())};
        while (int(boxes.size()) < room) {
            // Split the box that holds the most pixels times its widest extent.
            int best = -1;
            uint64_t bestScore = 0;
            for (int i = 0; i < int(boxes.size()); ++i) {
                const Box &b = boxes[i];
                if (b.end - b.begin < 2 || b.extent <= 0)
                    continue;
                const uint64_t score = b.count * uint64_t(b.extent);
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                }
            }
            if (best < 0)
                break;
            const Box b = boxes[best];
            const int ch = b.widest;
            std::stable_sort(entries.begin() + b.begin, entries.begin() + b.end, [ch](const Entry &x, const Entry &y) {
                const int cx = channel(x.rgb, ch), cy = channel(y.rgb, ch);
                return cx != cy ? cx < cy : x.rgb < y.rgb;
            });
            uint64_t acc = 0;
            size_t cut = b.begin + 1;
            for (size_t i = b.begin; i < b.end - 1; ++i) {
                acc += entries[i].count;
                cut = i + 1;
                if (acc * 2 >= b.count)
                    break;
            }
            boxes[best] = makeBox(entries, b.begin, cut);
            boxes.push_back(makeBox(entries, cut, b.end));
        }
        for (const Box &b : boxes) {
            const QRgb c = meanOf(entries, b);
            if (!out.palette.contains(c))
                out.palette.append(c);
        }
    }

    // Every pixel takes its nearest palette colour; exact colours map to themselves.
    std::unordered_map<QRgb, uint8_t> nearest;
    out.pixels.resize(size_t(out.width) * size_t(out.height));
    size_t k = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                int bestIndex = 0, bestDistance = INT32_MAX;
                for (int i = 0; i < out.palette.size(); ++i) {
                    const int d = distance(c, out.palette[i]);
                    if (d < bestDistance) {
                        bestDistance = d;
                        bestIndex = i;
                    }
                }
                it = nearest.emplace(c, uint8_t(bestIndex)).first;
            }
            out.pixels[k++] = it->second;
        }
    }
    return out;
}

} // namespace nuyo::art
