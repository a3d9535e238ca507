// The five recordings compiled into the game: the exact WAVE layout the sound library expects,
// clean levels, a seamless background loop, and the same bytes the generator makes.

#include "sound/sounds.h"
#include "sound/wave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace nuyo;

namespace {

struct Chunk {
    QByteArray id;
    qsizetype offset = -1; // of the chunk's body
    quint32 size = 0;
};

// The chunks of a RIFF WAVE image, in file order.
QList<Chunk> chunksOf(const QByteArray &w)
{
    QList<Chunk> out;
    qsizetype pos = 12;
    while (pos + 8 <= w.size()) {
        Chunk c;
        c.id = w.mid(pos, 4);
        c.size = qFromLittleEndian<quint32>(w.constData() + pos + 4);
        c.offset = pos + 8;
        out.append(c);
        pos = c.offset + c.size + (c.size & 1);
    }
    return out;
}

quint16 u16(const QByteArray &w, qsizetype at)
{
    return qFromLittleEndian<quint16>(w.constData() + at);
}
quint32 u32(const QByteArray &w, qsizetype at)
{
    return qFromLittleEndian<quint32>(w.constData() + at);
}

QByteArray samplesOf(const QByteArray &w)
{
    for (const Chunk &c : chunksOf(w))
        if (c.id == "data")
            return w.mid(c.offset, c.size);
    return QByteArray();
}

QString sourceDir()
{
    const QByteArray dir = qgetenv("NUYO_SOURCE_DIR");
    return dir.isEmpty() ? QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/..")
                         : QString::fromLocal8Bit(dir);
}

} // namespace

class TestSoundRecordings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eachRecordingIsEightBitMonoPcmWithFactAndData_data();
    void eachRecordingIsEightBitMonoPcmWithFactAndData();
    void recordingsNeverTouchTheRails_data();
    void recordingsNeverTouchTheRails();
    void backgroundLoopHasNoSeam();
    void checkedInRecordingsAreWhatTheGeneratorMakes();
    void theGameReadsEachRecording_data();
    void theGameReadsEachRecording();
};

void TestSoundRecordings::eachRecordingIsEightBitMonoPcmWithFactAndData_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bytes");
    QTest::newRow("101 background") << 101 << 11025 << 120811;
    QTest::newRow("102 whoosh") << 102 << 22050 << 7800;
    QTest::newRow("103 plop") << 103 << 22050 << 1846;
    QTest::newRow("104 chime") << 104 << 22050 << 26516;
    QTest::newRow("105 failure") << 105 << 22050 << 9452;
}

// A RIFF WAVE image: fmt (PCM 1, mono, 8 bits, block align 1), then fact, then data.
void TestSoundRecordings::eachRecordingIsEightBitMonoPcmWithFactAndData()
{
    QFETCH(int, id);
    QFETCH(int, rate);
    QFETCH(int, bytes);
    const QByteArray w = recording(id);
    QVERIFY2(w.size() > 44, "resource missing");
    QCOMPARE(w.left(4), QByteArray("RIFF"));
    QCOMPARE(w.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(qsizetype(u32(w, 4)) + 8, w.size());

    const QList<Chunk> chunks = chunksOf(w);
    QCOMPARE(chunks.size(), 3);
    QCOMPARE(chunks[0].id, QByteArray("fmt "));
    QCOMPARE(chunks[1].id, QByteArray("fact"));
    QCOMPARE(chunks[2].id, QByteArray("data"));

    const qsizetype f = chunks[0].offset;
    QVERIFY(chunks[0].size >= 16);
    QCOMPARE(u16(w, f), quint16(1));        // PCM
    QCOMPARE(u16(w, f + 2), quint16(1));    // one channel
    QCOMPARE(u32(w, f + 4), quint32(rate)); // samples per second
    QCOMPARE(u32(w, f + 8), quint32(rate)); // bytes per second
    QCOMPARE(u16(w, f + 12), quint16(1));   // block align
    QCOMPARE(u16(w, f + 14), quint16(8));   // bits per sample

    QCOMPARE(chunks[1].size, quint32(4));
    QCOMPARE(u32(w, chunks[1].offset), quint32(bytes)); // samples = bytes at 8-bit mono
    QCOMPARE(chunks[2].size, quint32(bytes));
    QVERIFY(chunks[2].offset + bytes <= w.size());
}

void TestSoundRecordings::recordingsNeverTouchTheRails_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("oneShot");
    QTest::newRow("101") << 101 << false;
    QTest::newRow("102") << 102 << true;
    QTest::newRow("103") << 103 << true;
    QTest::newRow("104") << 104 << true;
    QTest::newRow("105") << 105 << true;
}

// No clipped samples, the signal centred on 128 and audible; an effect starts and ends silent,
// so starting or ending it over the loop makes no click.
void TestSoundRecordings::recordingsNeverTouchTheRails()
{
    QFETCH(int, id);
    QFETCH(bool, oneShot);
    const QByteArray d = samplesOf(recording(id));
    QVERIFY(!d.isEmpty());
    int lo = 255, hi = 0;
    double sum = 0, sq = 0;
    for (char c : d) {
        const int v = quint8(c);
        lo = qMin(lo, v);
        hi = qMax(hi, v);
        sum += v - 128;
        sq += double(v - 128) * (v - 128);
    }
    QVERIFY2(lo > 0 && hi < 255, qPrintable(QStringLiteral("range %1..%2").arg(lo).arg(hi)));
    QVERIFY2(hi - lo > 60, "the recording is nearly silent");
    QVERIFY(qAbs(sum / d.size()) < 1.5); // no DC offset
    QVERIFY(std::sqrt(sq / d.size()) > 3.0);
    if (oneShot) {
        QVERIFY2(qAbs(quint8(d.front()) - 128) <= 2, "starts with a click");
        QVERIFY2(qAbs(quint8(d.back()) - 128) <= 2, "ends with a click");
    }
}

// The loop's last sample leads into its first like any two neighbours inside it do.
void TestSoundRecordings::backgroundLoopHasNoSeam()
{
    const QByteArray d = samplesOf(recording(101));
    QVERIFY(d.size() > 1000);
    const int seam = qAbs(int(quint8(d.back())) - int(quint8(d.front())));
    QVERIFY2(seam <= 2, qPrintable(QStringLiteral("seam jump %1").arg(seam)));
    // The slope across the seam matches the slopes on either side (no kink in the waveform).
    auto at = [&](qsizetype i) { return int(quint8(d[(i + d.size()) % d.size()])); };
    for (qsizetype i = -4; i < 4; ++i)
        QVERIFY2(qAbs(at(i + 1) - at(i)) <= 12, qPrintable(QStringLiteral("jump at %1").arg(i)));
}

// The generator is deterministic: run it afresh and compare every byte.
void TestSoundRecordings::checkedInRecordingsAreWhatTheGeneratorMakes()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    QVERIFY2(!python.isEmpty(), "python3 is needed to run the sound generator");
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess gen;
    gen.start(python, {QDir(sourceDir()).filePath(QStringLiteral("tools/soundgen/soundgen.py")),
                       QStringLiteral("--out"), out.path()});
    QVERIFY(gen.waitForFinished(120000));
    QVERIFY2(gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0, gen.readAllStandardError().constData());
    for (int id = 101; id <= 105; ++id) {
        QFile made(out.filePath(QStringLiteral("%1.wav").arg(id)));
        QVERIFY(made.open(QIODevice::ReadOnly));
        const QByteArray bytes = made.readAll();
        QVERIFY2(bytes == recording(id), qPrintable(QStringLiteral("%1.wav differs from the generator").arg(id)));
        QFile checkedIn(QDir(sourceDir()).filePath(QStringLiteral("layouts/sounds/%1.wav").arg(id)));
        QVERIFY(checkedIn.open(QIODevice::ReadOnly));
        QVERIFY2(bytes == checkedIn.readAll(), qPrintable(QStringLiteral("layouts/sounds/%1.wav is stale").arg(id)));
    }
}

void TestSoundRecordings::theGameReadsEachRecording_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("rate"); // 0: refused
    for (int id = 101; id <= 105; ++id)
        QTest::newRow(qPrintable(QString::number(id))) << recording(id) << (id == 101 ? 11025 : 22050);
    // Damaged images are refused rather than played as noise or read past their end.
    const QByteArray good = recording(103);
    const qsizetype data = good.indexOf("data");
    QByteArray notRiff = good, compressed = good, pastTheEnd = good, noFormat = good, halfFrame = good;
    notRiff.replace(8, 4, "JUNK");
    compressed[20] = 2;
    qToLittleEndian<quint32>(quint32(good.size()), pastTheEnd.data() + data + 4);
    noFormat.replace(12, 4, "xxxx");
    halfFrame[22] = 2; // 16-bit stereo: 1846 bytes are not whole 4-byte frames
    halfFrame[34] = 16;
    QTest::newRow("not a WAVE") << notRiff << 0;
    QTest::newRow("compressed") << compressed << 0;
    QTest::newRow("data past the end") << pastTheEnd << 0;
    QTest::newRow("no format") << noFormat << 0;
    QTest::newRow("half a frame") << halfFrame << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

// The device takes 8-bit mono PCM from an image with a fact chunk before its samples.
void TestSoundRecordings::theGameReadsEachRecording()
{
    QFETCH(QByteArray, image);
    QFETCH(int, rate);
    const Wave wave = readWave(image);
    QCOMPARE(wave.isValid(), rate != 0);
    if (rate == 0)
        return;
    QCOMPARE(wave.format.sampleRate(), rate);
    QCOMPARE(wave.format.channelCount(), 1);
    QCOMPARE(wave.format.sampleFormat(), QAudioFormat::UInt8);
    QCOMPARE(QByteArray(wave.samples(), wave.size), samplesOf(image));
}

QTEST_MAIN(TestSoundRecordings)
#include "test_sound_recordings.moc"
