#include "archive/IniFile.h"

#include "archive/Cp1252.h"
#include "archive/DiskSync.h"

#include <QFile>
#include <QSaveFile>

// Bytes are taken as they are (code page 1252): no UTF-8 conversion.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

struct IniFile::Data
{
    CSimpleIniA ini{false, false, false}; // not UTF-8, no duplicate keys, no multi-line values
};

IniFile::IniFile(QString path) : m_path(std::move(path)), m_data(std::make_unique<Data>())
{
    m_data->ini.SetUnicode(false);
    m_data->ini.SetSpaces(false); // "key=value", as the settings files have always been written
    QFile file(m_path);
    if (!file.exists()) {
        m_status = Status::Missing;
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_status = Status::Unreadable;
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError ||
        m_data->ini.LoadData(bytes.constData(), bytes.size()) < 0) {
        m_data->ini.Reset();
        m_status = Status::Unreadable;
        return;
    }
    m_status = Status::Loaded;
}

IniFile::~IniFile() = default;

QString IniFile::value(const QString &section, const QString &key) const
{
    const char *v = m_data->ini.GetValue(cp1252::encode(section).constData(),
                                         cp1252::encode(key).constData(), nullptr);
    return v ? cp1252::decode(QByteArray(v)) : QString();
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    m_data->ini.SetValue(cp1252::encode(section).constData(), cp1252::encode(key).constData(),
                         cp1252::encode(value).constData());
}

bool IniFile::save()
{
    std::string out;
    if (m_data->ini.Save(out) < 0)
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(out.data(), qint64(out.size())) != qint64(out.size())) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}
