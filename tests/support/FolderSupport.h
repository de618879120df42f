#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for one test, removed afterwards; the program folder points at
// it for its lifetime.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Makes a file or a folder unwritable for the scope of the guard, even for root (with the
// immutable attribute where permissions do not bite). writable() tells whether it worked: a test
// skips where the file system allows neither.
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(QString path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath &) = delete;
    ReadOnlyPath &operator=(const ReadOnlyPath &) = delete;
    bool writable() const;

private:
    QString m_path;
    bool m_folder = false;
    bool m_immutable = false;
};

// A disk that fills up, for the scope of the guard: no file of this process may grow beyond
// `bytes` (a file size limit; a write past it fails as on a full disk instead of raising
// SIGXFSZ). The limit and the signal's disposition are restored by the destructor, so that a
// failing check cannot leave them set. active() tells whether the limit could be set.
class DiskFull
{
public:
    explicit DiskFull(qint64 bytes);
    ~DiskFull();
    DiskFull(const DiskFull &) = delete;
    DiskFull &operator=(const DiskFull &) = delete;
    bool active() const { return m_active; }

private:
    bool m_active = false;
    unsigned long long m_soft = 0, m_hard = 0; // the limits before
    bool m_signalSet = false;
    void (*m_savedSignal)(int) = nullptr; // SIGXFSZ's disposition before
};

// What a folder holds, every file beneath it with its bytes, when the snapshot is made.
// changes() names each file added, removed or changed since: empty when the folder is as it was.
class FolderSnapshot
{
public:
    explicit FolderSnapshot(QString folder);
    QByteArray changes() const;

private:
    static QMap<QString, QByteArray> files(const QString &folder);
    QString m_folder;
    QMap<QString, QByteArray> m_files;
};
