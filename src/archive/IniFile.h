#pragma once

#include <QString>

#include <memory>

// An INI settings file in the program folder, its bytes in code page 1252. A missing file,
// section or key reads as the empty text; saving replaces the file whole, so a failed save
// leaves the previous file as it was.
class IniFile
{
public:
    enum class Status
    {
        Missing,   // no file: every value is empty
        Loaded,    // read
        Unreadable // the file is there but cannot be read: every value is empty
    };

    explicit IniFile(QString path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    Status status() const { return m_status; }
    const QString &path() const { return m_path; }

    QString value(const QString &section, const QString &key) const;
    // Creates section and key where needed.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Writes every section and key back; false when the file cannot be written.
    bool save();

private:
    struct Data;
    QString m_path;
    Status m_status = Status::Missing;
    std::unique_ptr<Data> m_data;
};
