// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <system_error>

namespace quantora::settings_file {

namespace {

// Larger than any file this program writes, by far: what is larger is someone
// else's, and reading it would keep the window waiting.
constexpr qint64 largestFile = 64 * 1024;
// How long a save waits for another program's lock before giving up.
constexpr int lockWaitMilliseconds = 1000;

// The messages' translation context.
struct SettingsFile {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// The C library's word for an error, the same on every system.
QString systemReason(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

QString shown(const QString &file)
{
    return QDir::toNativeSeparators(file);
}

// The file the settings live in: the path itself, or the file a link leads to.
struct Target {
    QString file;
    bool exists = false;
    std::optional<QString> problem; // why it must be left alone
};

Target inspect(const QString &at)
{
    QFileInfo info(at);
    QString file = at;
    if (info.isSymLink()) {
        // A link is written through, as dotfile managers expect; a link to
        // nothing, or to something that is no file, is left as it is.
        file = info.canonicalFilePath();
        if (file.isEmpty())
            return {at, false, SettingsFile::tr("%1 is not a regular file").arg(shown(at))};
        info = QFileInfo(file);
    }
    if (!info.exists())
        return {file, false, std::nullopt};
    if (!info.isFile())
        return {file, true, SettingsFile::tr("%1 is not a regular file").arg(shown(at))};
    if (info.size() > largestFile)
        return {file, true, SettingsFile::tr("%1 is larger than a settings file of Quantora").arg(shown(at))};
    return {file, true, std::nullopt};
}

// The file's text, or nothing when it cannot be read or has grown too large
// since it was looked at.
std::optional<QByteArray> contentOf(const Target &target)
{
    if (!target.exists)
        return QByteArray();
    QFile file(target.file);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.read(largestFile + 1);
    if (content.size() > largestFile)
        return std::nullopt;
    return content;
}

// An INI file as Qt's settings write it: "[section]" lines, each followed by
// its "key=value" lines.
bool isSection(const QByteArray &line, const QString &section)
{
    return line.startsWith('[') && line.endsWith(']') && line.mid(1, line.size() - 2).trimmed() == section.toUtf8();
}

bool isKey(const QByteArray &line, const QString &key)
{
    const qsizetype equals = line.indexOf('=');
    return equals > 0 && line.left(equals).trimmed() == key.toUtf8();
}

QString valueOf(const QByteArray &line)
{
    QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return QString::fromUtf8(value);
}

QList<QByteArray> linesOf(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray &line : lines)
        line = line.trimmed();
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Where a section's header stands, and where its key, if they are there.
struct Place {
    std::optional<qsizetype> header;
    std::optional<qsizetype> key;
};

Place placeOf(const QList<QByteArray> &lines, const QString &section, const QString &key)
{
    Place place;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size() && !place.key; ++i) {
        if (lines[i].startsWith('[')) {
            inSection = isSection(lines[i], section);
            if (inSection && !place.header)
                place.header = i;
        } else if (inSection && isKey(lines[i], key)) {
            place.key = i;
        }
    }
    return place;
}

// The content with the key set, in its section, other lines kept.
QByteArray withValue(const QByteArray &content, const QString &section, const QString &key, const QString &value)
{
    QList<QByteArray> lines = linesOf(content);
    const QByteArray line = key.toUtf8() + '=' + value.toUtf8();
    const Place place = placeOf(lines, section, key);
    if (place.key) {
        lines[*place.key] = line;
    } else if (place.header) {
        lines.insert(*place.header + 1, line);
    } else {
        if (!lines.isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section.toUtf8() + ']');
        lines.append(line);
    }
    return lines.join('\n') + '\n';
}

} // namespace

QString path()
{
#ifdef Q_OS_WIN
    QString folder = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    return folder + QStringLiteral("/Quantora/Quantora.ini");
}

std::optional<QString> read(const QString &section, const QString &key)
{
    const Target target = inspect(path());
    if (target.problem)
        return std::nullopt;
    const std::optional<QByteArray> content = contentOf(target);
    if (!content)
        return std::nullopt;
    const QList<QByteArray> lines = linesOf(*content);
    const Place place = placeOf(lines, section, key);
    return place.key ? std::optional(valueOf(lines[*place.key])) : std::nullopt;
}

std::optional<QString> write(const QString &section, const QString &key, const QString &value)
{
    const QString at = path();
    Target target = inspect(at);
    if (target.problem)
        return target.problem;
    const auto cannotWrite = [&](const QString &reason) {
        return SettingsFile::tr("%1 cannot be written: %2").arg(shown(at), reason);
    };
    if (!QDir().mkpath(QFileInfo(target.file).path()))
        return cannotWrite(systemReason(EACCES));

    // The lock Qt's settings take on the same file, waited for briefly: a
    // lock that stays (a folder in its place, a stale one that cannot be
    // removed) means the choice is not saved this time.
    QLockFile lock(at + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMilliseconds)) {
        if (lock.error() == QLockFile::PermissionError)
            return cannotWrite(systemReason(EACCES));
        return SettingsFile::tr("%1 is locked by another program (%2)")
            .arg(shown(at), shown(at + QStringLiteral(".lock")));
    }
    // Looked at again under the lock: another program may have changed it.
    target = inspect(at);
    if (target.problem)
        return target.problem;
    const std::optional<QByteArray> content = contentOf(target);
    if (!content)
        return cannotWrite(systemReason(EIO));

    // Written whole to a new file that then takes the old one's place.
    QSaveFile file(target.file);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(file.errorString());
    file.write(withValue(*content, section, key, value));
    if (!file.commit())
        return cannotWrite(file.errorString());
    return std::nullopt;
}

} // namespace quantora::settings_file
