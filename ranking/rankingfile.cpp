#include "ranking/rankingfile.h"

#include "host/appinfo.h"
#include "ranking/rankingreasons.h"
#include "ranking/rankingtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <iconv.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace nuyo {

namespace {

const QString FileName = QStringLiteral("Point.dat");

// Where an installed game keeps its data, relative to the prefix (the executable's parent).
QString installedDataFolder()
{
#ifdef NUYO_DATADIR
    const QString configured = QStringLiteral(NUYO_DATADIR);
    if (QDir::isRelativePath(configured))
        return configured;
#endif
    return QStringLiteral("share/nuyo");
}

// The user's home: HOME when it names a folder, else the password database's entry.
QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty() && QDir::isAbsolutePath(home))
        return home;
    const passwd *user = ::getpwuid(::getuid());
    return user && user->pw_dir && user->pw_dir[0] == '/' ? QFile::decodeName(user->pw_dir) : QString();
}

// ---- code page 932 through the C library's iconv ----

// One open conversion per direction, reused: opening one costs far more than a short line.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts `in`; each input sequence the target cannot take (or that is not valid in
    // the source) becomes "?" in the output, and `skip(in, at)` says how many input bytes
    // that sequence covers.
    template <typename Skip> QByteArray run(const QByteArray &in, Skip skip)
    {
        QByteArray out;
        out.reserve(in.size() * 2 + 16);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *src = const_cast<char *>(in.constData());
        size_t srcLeft = size_t(in.size());
        char chunk[1024];
        while (srcLeft > 0) {
            char *dst = chunk;
            size_t dstLeft = sizeof chunk;
            const size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(chunk, int(dst - chunk));
            if (r != size_t(-1))
                break;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (cut short at the end): one "?" for the offending sequence.
            out.append('?');
            const size_t n = std::min(srcLeft, std::max<size_t>(1, skip(src, srcLeft)));
            src += n;
            srcLeft -= n;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t m_cd;
};

// Bytes of the UTF-8 sequence that starts at `p`.
size_t utf8Length(const char *p, size_t left)
{
    const unsigned char c = static_cast<unsigned char>(*p);
    size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    return std::min(n, left);
}

Converter &encoder()
{
    static Converter c("CP932", "UTF-8");
    return c;
}

Converter &decoder()
{
    static Converter c("UTF-8", "CP932");
    return c;
}

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// ---- reading lines ----

// Hands out lines (ended by CR LF, LF or CR) of at most MaxLineBytes, reading the device in
// small chunks and never more than MaxScan bytes in all.
class LineReader
{
public:
    explicit LineReader(QIODevice &d) : m_device(d) {}

    // The next line without its end; `tooLong` when it had more than MaxLineBytes.
    bool next(QByteArray &line, bool &tooLong)
    {
        line.clear();
        tooLong = false;
        if (!fill())
            return false;
        for (;;) {
            if (!fill())
                return true; // the last line, without an end
            const char *begin = m_buffer.constData() + m_pos;
            const char *end = m_buffer.constData() + m_buffer.size();
            const char *stop = begin;
            while (stop != end && *stop != '\n' && *stop != '\r')
                ++stop;
            const int room = MaxLineBytes - int(line.size());
            const int n = int(stop - begin);
            line.append(begin, std::min(n, room));
            if (n > room)
                tooLong = true;
            m_pos += n;
            if (stop != end) {
                const char c = m_buffer[m_pos++];
                if (c == '\r' && peek() == '\n')
                    ++m_pos;
                return true;
            }
        }
    }

private:
    static constexpr qint64 MaxScan = 1 << 20;

    bool fill()
    {
        if (m_pos < m_buffer.size())
            return true;
        if (m_scanned >= MaxScan)
            return false;
        m_buffer = m_device.read(4096);
        m_pos = 0;
        m_scanned += m_buffer.size();
        return !m_buffer.isEmpty();
    }
    int peek() { return fill() ? static_cast<unsigned char>(m_buffer[m_pos]) : -1; }

    QIODevice &m_device;
    QByteArray m_buffer;
    int m_pos = 0;
    qint64 m_scanned = 0;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A numeric field as the classic list input reads it into a 16-bit integer.
bool parseInt16(const QByteArray &field, int &value)
{
    const QByteArray f = field.trimmed();
    int i = 0;
    bool negative = false;
    if (i < f.size() && (f[i] == '-' || f[i] == '+'))
        negative = f[i++] == '-';
    if (i >= f.size())
        return false;
    long v = 0;
    bool digits = false;
    for (; i < f.size() && f[i] != '.'; ++i) {
        if (f[i] < '0' || f[i] > '9')
            return false;
        v = v * 10 + (f[i] - '0');
        digits = true;
        if (v > 32768)
            return false;
    }
    // A decimal such as 12.6 is read as the nearest integer, a tie going to the even one.
    if (i < f.size()) {
        const QByteArray fraction = f.mid(i + 1);
        for (const char c : fraction)
            if (c < '0' || c > '9')
                return false;
        if (!digits && fraction.isEmpty())
            return false;
        const bool aboveHalf = fraction.size() > 1 && fraction.mid(1).count('0') != fraction.size() - 1;
        if (!fraction.isEmpty() && (fraction[0] > '5' || (fraction[0] == '5' && (aboveHalf || v % 2 == 1))))
            ++v;
        if (v > 32768)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 32767)
        return false;
    value = int(v);
    return true;
}

// One row's line: a numeric field, a comma, a string field (quoted or bare).
bool parseRow(const QByteArray &line, int &points, QString &text)
{
    int i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    const int comma = line.indexOf(',', i);
    if (comma < 0)
        return false;
    if (!parseInt16(line.mid(i, comma - i), points))
        return false;
    int k = comma + 1;
    while (k < line.size() && isBlank(line[k]))
        ++k;
    QByteArray field;
    if (k < line.size() && line[k] == '"') {
        const int close = line.indexOf('"', k + 1);
        field = close < 0 ? line.mid(k + 1) : line.mid(k + 1, close - k - 1);
    } else {
        const int end = line.indexOf(',', k);
        field = (end < 0 ? line.mid(k) : line.mid(k, end - k)).trimmed();
    }
    text = fromCp932(field).left(MaxRecordChars);
    return true;
}

} // namespace

QByteArray toCp932(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (isAscii(utf8))
        return utf8;
    Converter &c = encoder();
    if (!c.ok()) {
        QByteArray out;
        for (QChar ch : text)
            out.append(ch.unicode() < 0x80 ? char(ch.unicode()) : '?');
        return out;
    }
    return c.run(utf8, utf8Length);
}

QString fromCp932(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    Converter &c = decoder();
    if (!c.ok()) {
        QByteArray ascii = bytes;
        for (char &ch : ascii)
            if (static_cast<unsigned char>(ch) >= 0x80)
                ch = '?';
        return QString::fromLatin1(ascii);
    }
    return QString::fromUtf8(c.run(bytes, [](const char *, size_t) { return size_t(1); }));
}

QByteArray encodeRanking(const RankingState &g)
{
    QByteArray out;
    for (int row = 0; row < 5; ++row) {
        out += QByteArray::number(g.RankPoints[row]);
        out += ",\"";
        out += toCp932(fileSafeText(g.RankRecords[row]));
        out += "\"\r\n";
    }
    return out;
}

int readRanking(QIODevice &device, RankingState &g)
{
    LineReader reader(device);
    int read = 0;
    QByteArray line;
    bool tooLong = false;
    for (int row = 0; row < 5; ++row) {
        if (!reader.next(line, tooLong))
            break;
        int points = 0;
        QString text;
        if (tooLong || !parseRow(line, points, text))
            continue; // the row keeps what it had
        g.RankPoints[row] = points;
        g.RankRecords[row] = text;
        ++read;
    }
    return read;
}

QString userDataFolder()
{
    // A relative XDG_DATA_HOME is not a place: the base directory rules say to ignore it.
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data)) {
        const QString home = homeFolder();
        if (home.isEmpty())
            return {};
        data = home + QStringLiteral("/.local/share");
    }
    for (const QString &part : {QCoreApplication::organizationName(), QCoreApplication::applicationName()})
        if (!part.isEmpty())
            data += QLatin1Char('/') + part;
    return QDir::cleanPath(data);
}

QString rankingFilePath(const QString &exeDir, const QString &userDataDir)
{
    const QDir exe(exeDir);
    const bool installed = QFileInfo(exe.filePath(QStringLiteral("../") + installedDataFolder())).isDir();
    if (!installed)
        return exe.filePath(FileName);
    const QString dir = userDataDir.isEmpty() ? userDataFolder() : userDataDir;
    if (dir.isEmpty())
        return exe.filePath(FileName);
    return QDir(dir).filePath(FileName);
}

namespace {

// A save's temporary file is hidden and named so that no person would choose it:
// ".Point.dat.nuyo-save-" and six letters or digits, in the file's own folder.
const QString TemporaryPrefix = QStringLiteral(".");
const QString TemporaryMark = QStringLiteral(".nuyo-save-");
const QByteArray TemporaryRandomTemplate = QByteArrayLiteral("XXXXXX");

// True for a save's temporary file of the file whose temporary prefix is `prefix`: the prefix
// and as many letters or digits as the template has.
bool isTemporaryOf(const QString &name, const QString &prefix)
{
    if (name.size() != prefix.size() + TemporaryRandomTemplate.size() || !name.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

QString temporaryPath(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(TemporaryPrefix + info.fileName() + TemporaryMark);
}

// When this run started: only files older than that can be left by a save that was killed.
struct timespec startOfRun()
{
    struct timespec now {
    };
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now); // the clock file times are taken from
    return now;
}
const struct timespec StartOfRun = startOfRun();

bool before(const struct timespec &a, const struct timespec &b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

bool fail(QString *reason, int error, FileAction action = FileAction::Write)
{
    if (reason)
        *reason = rankingReason(error, action);
    return false;
}

bool fail(QString *reason, RankingReason why)
{
    if (reason)
        *reason = rankingReason(why);
    return false;
}

// Writes all of `bytes` at `offset`, retrying short writes and interruptions.
bool writeAll(int fd, const QByteArray &bytes, off_t offset = 0)
{
    const char *p = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, p, left, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        p += n;
        left -= size_t(n);
        offset += n;
    }
    return true;
}

// The whole file: its bytes and size must be right, and on the disk, before it counts as written.
bool writeAndSync(int fd, const QByteArray &bytes)
{
    return writeAll(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

void syncFolder(const QByteArray &dir)
{
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // the rename reaches the disk; a folder that cannot be synced still holds it
    ::close(fd);
}

// The name a chain of links ends at (`path` itself when it is no link); that name need not exist.
// Returns 0, or ELOOP for a chain that does not end.
int followLinks(const QString &path, QString &file)
{
    constexpr int MaxLinks = 40; // as the system follows them
    file = path;
    for (int hop = 0; hop < MaxLinks; ++hop) {
        const QByteArray name = QFile::encodeName(file);
        struct stat st {
        };
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return 0;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(name.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            return errno;
        target.truncate(int(n));
        file = QDir(QFileInfo(file).absolutePath()).absoluteFilePath(QFile::decodeName(target));
    }
    return ELOOP;
}

// Opens `name` only when it is a regular file, never waiting: a pipe or a device could block the
// game for good. Checked before opening and again on what was opened (the name may have been
// replaced meanwhile). Returns the descriptor, or -1 with errno set (EISDIR for a folder, ENXIO for
// anything else that is not a file); `opened` receives what was opened.
int openRegularFile(const QByteArray &name, int flags, struct stat *opened = nullptr)
{
    struct stat st {
    };
    if (::stat(name.constData(), &st) != 0)
        return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : ENXIO;
        return -1;
    }
    const int fd = ::open(name.constData(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = ENXIO;
        return -1;
    }
    if (opened)
        *opened = st;
    return fd;
}

// Where the folder cannot hold a temporary file but the file itself may be written: the new bytes
// go over the old ones, which are kept in memory and put back if the writing fails.
bool saveInPlace(const QByteArray &target, const QByteArray &bytes, QString *reason)
{
    const int fd = openRegularFile(target, O_RDWR);
    if (fd < 0)
        return fail(reason, errno);
    QByteArray old;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return fail(reason, error);
        }
        if (n == 0)
            break;
        old.append(chunk, int(n));
        if (old.size() > MaxLineBytes * 8) { // not a ranking file: leave it alone
            ::close(fd);
            return fail(reason, EFBIG);
        }
    }
    if (!writeAndSync(fd, bytes)) {
        const int error = errno;
        writeAndSync(fd, old);
        ::close(fd);
        return fail(reason, error);
    }
    if (::close(fd) != 0)
        return fail(reason, errno);
    return true;
}

// Writes `bytes` to a temporary file beside `file`, synced, and renames it over `file`; `old` is
// what stands there now (null: nothing). Where that cannot be done, but the file itself may be
// written, it is written in place.
bool replaceFile(const QString &file, const QByteArray &bytes, const struct stat *old, QString *reason)
{
    const QByteArray target = QFile::encodeName(file);
    QByteArray temp = QFile::encodeName(temporaryPath(file)) + TemporaryRandomTemplate;
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // Only a folder that refuses new files: a full disk is not written over in place.
        const bool refused = error == EACCES || error == EPERM;
        if (refused && old) // and writable, as found by the caller
            return saveInPlace(target, bytes, reason);
        return fail(reason, error);
    }
    // The new file keeps the old one's permissions (a fresh one gets the usual ones).
    mode_t mode = 0666;
    if (old) {
        mode = old->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0 && writeAndSync(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.constData(), target.constData()) != 0) {
        ok = false;
        error = errno;
        // A file that cannot be replaced (mounted on its own) may still be written in place.
        if (old && (error == EXDEV || error == EBUSY)) {
            ::unlink(temp.constData());
            return saveInPlace(target, bytes, reason);
        }
    }
    if (!ok) {
        ::unlink(temp.constData());
        return fail(reason, error);
    }
    syncFolder(QFile::encodeName(QFileInfo(file).absolutePath()));
    return true;
}

} // namespace

RankingLoad LoadRanking(const QString &path, RankingState &g, QString *reason)
{
    RemoveStaleSaves(path);
    QString target; // a save through a link leaves its temporary file beside the link's target
    if (followLinks(path, target) == 0 && target != path)
        RemoveStaleSaves(target);
    const int fd = openRegularFile(QFile::encodeName(path), O_RDONLY);
    if (fd < 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR) { // not a file, a link that loops, a folder that refuses us...
            fail(reason, error, FileAction::Read);
            return RankingLoad::Unreadable;
        }
        // Missing (a link to a missing file included): created, through the link.
        QDir().mkpath(QFileInfo(path).absolutePath());
        return ResetRanking(path, g, reason) ? RankingLoad::Created : RankingLoad::NotCreated;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fail(reason, EIO, FileAction::Read);
        return RankingLoad::Unreadable;
    }
    readRanking(file, g);
    return RankingLoad::Read;
}

bool ResetRanking(const QString &path, RankingState &g, QString *reason)
{
    for (int row = 0; row < 5; ++row) {
        g.RankPoints[row] = 0;
        g.RankRecords[row] = EmptyRecord;
    }
    return SaveRanking(path, g, reason);
}

bool SaveRanking(const QString &path, const RankingState &g, QString *reason)
{
    // A link stays a link: the file it names is the one written, by the same rules.
    QString file;
    const int linkError = followLinks(path, file);
    if (linkError != 0)
        return fail(reason, linkError);
    if (file != path && !QFileInfo(QFileInfo(file).absolutePath()).isDir())
        return fail(reason, RankingReason::LinkTargetGone);
    const QByteArray target = QFile::encodeName(file);
    struct stat old {
    };
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return S_ISDIR(old.st_mode) ? fail(reason, EISDIR) : fail(reason, RankingReason::NotAFile);
    // A file the player may not write (read-only, or somebody else's) is not replaced either.
    if (exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return fail(reason, errno);
    // Written beside the old file, synced, and renamed over it, so that a crash, a kill or a
    // full disk in the middle leaves either table whole.
    return replaceFile(file, encodeRanking(g), exists ? &old : nullptr, reason);
}

void RemoveStaleSaves(const QString &path)
{
    const QFileInfo info(path);
    const QString prefix = QFileInfo(temporaryPath(path)).fileName();
    const QDir dir = info.absoluteDir();
    // Matched by hand: a name filter or a pattern would bring in the regular-expression engine,
    // and half a megabyte with it, for one look at a folder.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (!isTemporaryOf(name, prefix))
            continue;
        // A file written since this run started may be another save's, still going on.
        const QByteArray file = QFile::encodeName(dir.filePath(name));
        struct stat st {
        };
        if (::lstat(file.constData(), &st) == 0 && S_ISREG(st.st_mode) && before(st.st_mtim, StartOfRun))
            ::unlink(file.constData());
    }
}

namespace {

// How often a registration that may wait looks at the lock again.
constexpr std::chrono::milliseconds LockRetry(20);
// How often a lock won on a file that another save replaced meanwhile is taken again.
constexpr int ReplacedTries = 5;

// The ranking file held open for reading under its lock; closing it gives the lock back.
struct LockedFile {
    int fd = -1;
    LockedFile() = default;
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;
    ~LockedFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Opens the regular file at `name` and takes its lock, trying again until `wait` has passed while
// another program holds it (no wait: one try). A save replaces the file: a lock won on a file
// replaced meanwhile is taken again on the file that stands there now. Returns 0, or the error
// (ENOENT: no file; EWOULDBLOCK: the lock stayed held).
int lockRanking(const QByteArray &name, LockedFile &file, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (int tries = 0; tries < ReplacedTries; ++tries) {
        struct stat opened {
        };
        file.fd = openRegularFile(name, O_RDONLY, &opened);
        if (file.fd < 0)
            return errno;
        while (::flock(file.fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == ENOLCK) // a folder without locks (some network folders): as before, unlocked
                return 0;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return errno;
            if (std::chrono::steady_clock::now() >= deadline)
                return EWOULDBLOCK;
            std::this_thread::sleep_for(LockRetry); // only a game that is ending waits here
        }
        struct stat st {
        };
        if (::stat(name.constData(), &st) == 0 && st.st_dev == opened.st_dev && st.st_ino == opened.st_ino)
            return 0;
        ::close(file.fd);
        file.fd = -1;
    }
    return EWOULDBLOCK;
}

} // namespace

Registration RegisterResult(const QString &path, RankingState &g, int points, const QString &record,
                            std::chrono::milliseconds wait)
{
    Registration result;
    LockedFile locked;
    const int error = lockRanking(QFile::encodeName(path), locked, wait);
    if (error == EWOULDBLOCK) {
        result.busy = true;
        result.reason = rankingReason(RankingReason::InUse);
        return result;
    }
    // The table as the file holds it now: another game may have registered since it was loaded.
    RankingState now;
    for (int row = 0; row < 5; ++row) {
        now.RankPoints[row] = 0;
        now.RankRecords[row] = error == 0 ? QString() : EmptyRecord; // read as at load, or as created
    }
    if (error == 0) {
        QFile file;
        if (!file.open(locked.fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
            result.reason = rankingReason(EIO, FileAction::Read);
            return result;
        }
        readRanking(file, now);
    } else if (error != ENOENT && error != ENOTDIR) {
        result.reason = rankingReason(error, FileAction::Read);
        return result;
    } else {
        QDir().mkpath(QFileInfo(path).absolutePath()); // removed during the game: made again
    }
    const int row = RankInsert(now, points);
    if (row == 5) {
        result.reason = rankingReason(RankingReason::Outranked);
    } else {
        now.RankRecords[row] = record;
        if (!SaveRanking(path, now, &result.reason))
            return result;
        result.saved = true;
    }
    // The window shows the table as the file holds it.
    result.row = row;
    for (int r = 0; r < 5; ++r) {
        g.RankPoints[r] = now.RankPoints[r];
        g.RankRecords[r] = now.RankRecords[r];
    }
    return result;
}

} // namespace nuyo
