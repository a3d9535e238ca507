#include "catalog.h"

#include "drawings.h"
#include "gifwriter.h"
#include "icowriter.h"
#include "quantize.h"

#include <QBuffer>

namespace nuyo::art {

namespace {

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    straightAlpha(image).save(&buffer, "PNG");
    return bytes;
}

// Every GIF goes through the same 256-colour reduction and writer.
QByteArray gif(const QImage &image)
{
    return encodeGif(image);
}

// The same picture drawn at twice the density, named the way Qt names such files: "Image2@2x.gif".
QString doubled(const QString &path)
{
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

} // namespace

QVector<Output> catalog()
{
    QVector<Output> out;
    // Every picture of a window, at the game's pixels and at twice their density.
    auto picture = [&out](const QString &path, const std::function<QImage()> &draw) {
        out.append({path, [draw] { return gif(draw()); }});
        out.append({doubled(path), [draw] {
                        AtScale twice(2);
                        return gif(draw());
                    }});
    };
    picture(QStringLiteral("form1/PicPRE.gif"), [] { return pondScene(true); });
    picture(QStringLiteral("form1/Image12.gif"), [] { return pondScene(true); });
    picture(QStringLiteral("form1/Image6.gif"), [] { return pondScene(false); });
    picture(QStringLiteral("form1/PicUKI.gif"), [] { return floatCloseUp(); });
    picture(QStringLiteral("form1/ImgU.gif"), [] { return floatPicture(); });
    for (int k = 0; k < 8; ++k)
        picture(QStringLiteral("form1/Image1_%1.gif").arg(k), [k] { return pairOf(anglerCell(k)); });
    picture(QStringLiteral("form1/Image2.gif"), [] { return pairOf(landedFish()); });
    picture(QStringLiteral("form1/Image3.gif"), [] { return catchBasket(); });
    picture(QStringLiteral("form1/Image4.gif"), [] { return splashFrames(); });
    picture(QStringLiteral("form1/Image8.gif"), [] { return pairOf(kingfisherFlying()); });
    // Image10 faces right with its mask on the left; Image9 is the same bird turned to the left.
    picture(QStringLiteral("form1/Image10.gif"), [] { return pairOf(kingfisherPerched(), true); });
    picture(QStringLiteral("form1/Image9.gif"), [] { return pairOf(mirrored(kingfisherPerched())); });
    out.append({QStringLiteral("form1/Image11.ico"), [] { return encodeIco16(emblemIcon(32)); }});
    out.append({QStringLiteral("form1/Image11@2x.ico"), [] { return encodeIco16(emblemIcon(64)); }});
    out.append({QStringLiteral("form1/icon.ico"), [] { return encodeIco16(windowIcon(32)); }});
    picture(QStringLiteral("form2/Image1.gif"), [] { return titlePicture(); });
    picture(QStringLiteral("form3/Img3.gif"), [] { return missPicture(); });
    picture(QStringLiteral("form3/Image2.gif"), [] { return reportWater(); });
    picture(QStringLiteral("form3/Img1.gif"), [] { return pairOf(reportFish()); });
    picture(QStringLiteral("form3/Image3.gif"), [] { return bigHeadPicture(QStringLiteral("60cm")); });
    // The pictures with words, in every language: a translation's go into its own folder.
    for (const PictureWords &w : pictureLanguages()) {
        picture(w.folder + QStringLiteral("form1/Image5.gif"), [w] { return resultMarks(w); });
        picture(w.folder + QStringLiteral("form1/Image7.gif"), [w] { return bigCatchMarks(w); });
        picture(w.folder + QStringLiteral("form3/Img2.gif"), [w] { return brokenLinePicture(w); });
        picture(w.folder + QStringLiteral("form3/Image1.gif"), [w] { return bigHeadPicture(w.masterTitle); });
    }
    out.append({QStringLiteral("form4/Command2.ico"), [] { return encodeIco16(rankingIcon(32)); }});
    out.append({QStringLiteral("form4/Command2@2x.ico"), [] { return encodeIco16(rankingIcon(64)); }});
    // The desktop's icon sizes, and 96 and 256 for the sizes it shows at twice the density.
    for (int size : {32, 48, 64, 96, 128, 256})
        out.append({QStringLiteral("icons/nuyo-%1.png").arg(size), [size] { return png(windowIcon(size)); }});
    return out;
}

} // namespace nuyo::art
