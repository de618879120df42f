// Writes the password store that an installation provides: section "Accesso", key "Valore",
// the scrambled initial password.
#include "archive/IniFile.h"
#include "shell/Crypt.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisvola_make_store PATH\n");
        return 2;
    }
    IniFile store(QString::fromLocal8Bit(argv[1]));
    store.setValue(QStringLiteral("Accesso"), QStringLiteral("Valore"),
                   Crypt::Scramble(QStringLiteral("BENVENUTITUTTI")));
    return store.save() ? 0 : 1;
}
