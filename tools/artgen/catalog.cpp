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

} // namespace

QVector<Output> catalog()
{
    QVector<Output> out;
    out.append({QStringLiteral("form1/PicPRE.gif"), [] { return gif(pondScene(true)); }});
    out.append({QStringLiteral("form1/Image12.gif"), [] { return gif(pondScene(true)); }});
    out.append({QStringLiteral("form1/Image6.gif"), [] { return gif(pondScene(false)); }});
    out.append({QStringLiteral("form1/PicUKI.gif"), [] { return gif(floatCloseUp()); }});
    out.append({QStringLiteral("form1/ImgU.gif"), [] { return gif(floatPicture()); }});
    for (int k = 0; k < 8; ++k)
        out.append({QStringLiteral("form1/Image1_%1.gif").arg(k), [k] { return gif(pairOf(anglerCell(k))); }});
    out.append({QStringLiteral("form1/Image2.gif"), [] { return gif(pairOf(landedFish())); }});
    out.append({QStringLiteral("form1/Image3.gif"), [] { return gif(catchBasket()); }});
    out.append({QStringLiteral("form1/Image4.gif"), [] { return gif(splashFrames()); }});
    out.append({QStringLiteral("form1/Image5.gif"), [] { return gif(resultMarks()); }});
    out.append({QStringLiteral("form1/Image7.gif"), [] { return gif(bigCatchMarks()); }});
    out.append({QStringLiteral("form1/Image8.gif"), [] { return gif(pairOf(kingfisherFlying())); }});
    // Image10 faces right with its mask on the left; Image9 is the same bird turned to the left.
    out.append({QStringLiteral("form1/Image10.gif"), [] { return gif(pairOf(kingfisherPerched(), true)); }});
    out.append({QStringLiteral("form1/Image9.gif"), [] { return gif(pairOf(mirrored(kingfisherPerched()))); }});
    out.append({QStringLiteral("form1/Image11.ico"), [] { return encodeIco16(emblemIcon(32)); }});
    out.append({QStringLiteral("form1/icon.ico"), [] { return encodeIco16(windowIcon(32)); }});
    out.append({QStringLiteral("form2/Image1.gif"), [] { return gif(titlePicture()); }});
    out.append({QStringLiteral("form3/Img3.gif"), [] { return gif(missPicture()); }});
    out.append({QStringLiteral("form3/Img2.gif"), [] { return gif(brokenLinePicture()); }});
    out.append({QStringLiteral("form3/Image2.gif"), [] { return gif(reportWater()); }});
    out.append({QStringLiteral("form3/Img1.gif"), [] { return gif(pairOf(reportFish())); }});
    out.append({QStringLiteral("form3/Image3.gif"), [] { return gif(bigHeadPicture(QStringLiteral("60cm"))); }});
    out.append({QStringLiteral("form3/Image1.gif"), [] { return gif(bigHeadPicture(QStringLiteral("名人！"))); }});
    out.append({QStringLiteral("form4/Command2.ico"), [] { return encodeIco16(rankingIcon(32)); }});
    for (int size : {32, 48, 64, 128})
        out.append({QStringLiteral("icons/nuyo-%1.png").arg(size), [size] { return png(windowIcon(size)); }});
    return out;
}

} // namespace nuyo::art
