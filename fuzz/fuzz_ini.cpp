// The settings files from arbitrary bytes: read, a value set, saved and read again.
#include "FuzzInput.h"

#include "archive/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzinput::require;
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    const QByteArray input = fuzzinput::bytes(data, size);
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input is written");
        file.write(input);
    }
    IniFile ini(path);
    const QStringList texts = fuzzinput::texts(input);
    const QString section = texts.value(0).isEmpty() ? QStringLiteral("S") : texts.value(0);
    const QString key = texts.value(1).isEmpty() ? QStringLiteral("K") : texts.value(1);
    (void)ini.value(section, key);
    (void)ini.value(QStringLiteral("Generale"), QStringLiteral("Logo"));
    if (ini.status() != IniFile::Status::Loaded)
        return 0;
    // A plain value under a plain name (letters and digits) comes back as it was saved.
    const QString value = QStringLiteral("Valore ") + QString::number(size);
    ini.setValue(QStringLiteral("Prova"), QStringLiteral("Chiave"), value);
    require(ini.save(), "the file is saved");
    IniFile again(path);
    require(again.status() == IniFile::Status::Loaded, "the saved file reads");
    require(again.value(QStringLiteral("Prova"), QStringLiteral("Chiave")) == value,
            "a saved value reads back");
    return 0;
}
