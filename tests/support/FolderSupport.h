#pragma once

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
