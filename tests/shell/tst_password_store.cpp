// The password store: scrambling, login and change of password, without windows.
#include "FolderSupport.h"

#include "archive/IniFile.h"
#include "shell/Crypt.h"
#include "shell/PasswordStore.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace brisvola;
using password::ChangeResult;
using password::LoginResult;

Q_DECLARE_METATYPE(LoginResult)
Q_DECLARE_METATYPE(ChangeResult)

namespace {

void writeStoreValue(const QString &value)
{
    IniFile store(programFile(password::storeFileName));
    store.setValue(QStringLiteral("Accesso"), QStringLiteral("Valore"), value);
    QVERIFY(store.save());
}

QString storeValue()
{
    return IniFile(programFile(password::storeFileName))
        .value(QStringLiteral("Accesso"), QStringLiteral("Valore"));
}

} // namespace

class TestPasswordStore : public QObject
{
    Q_OBJECT

private slots:
    void scrambling()
    {
        QCOMPARE(Crypt::Scramble(QString()), QString());
        QCOMPARE(Crypt::Unscramble(QString()), QString());
        const QString latin = QStringLiteral("PASSWORD È ÿ 123 !\"#");
        const QString hex = Crypt::Scramble(latin);
        QCOMPARE(hex.size(), latin.size() * 2);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(hex).hasMatch());
        QCOMPARE(Crypt::Unscramble(hex), latin);
        // Lower-case hexadecimal digits read the same; a last odd digit is ignored.
        QCOMPARE(Crypt::Unscramble(hex.toLower()), latin);
        QCOMPARE(Crypt::Unscramble(hex + QLatin1Char('7')), latin);
        // The store of every installation: the key arithmetic keeps the low 16 bits (its
        // products exceed an int; the sanitize build stops on a signed overflow there).
        QCOMPARE(Crypt::Scramble(QStringLiteral("BENVENUTITUTTI")),
                 QStringLiteral("A124701289FAF4F9B16610E3E623"));
        QCOMPARE(Crypt::Unscramble(QStringLiteral("A124701289FAF4F9B16610E3E623")),
                 QStringLiteral("BENVENUTITUTTI"));
    }

    void installedStore()
    {
        // The store the build puts beside the program holds the initial password.
        const IniFile store(QStringLiteral(BRISVOLA_PROGRAM_FOLDER "/unins000.dll"));
        QCOMPARE(store.status(), IniFile::Status::Loaded);
        const QString value = store.value(QStringLiteral("Accesso"), QStringLiteral("Valore"));
        QCOMPARE(value.size(), 28);
        QCOMPARE(Crypt::Unscramble(value), QStringLiteral("BENVENUTITUTTI"));

        setProgramFolder(QStringLiteral(BRISVOLA_PROGRAM_FOLDER));
        QCOMPARE(password::checkLogin(QStringLiteral(" BenvenutiTutti ")), LoginResult::Accepted);
        setProgramFolder(QString());
    }

    void login_data()
    {
        QTest::addColumn<bool>("storeExists");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<LoginResult>("expected");
        const QString welcome = Crypt::Scramble(QStringLiteral("BENVENUTITUTTI"));
        QTest::newRow("lower case") << true << welcome << "benvenutitutti" << LoginResult::Accepted;
        QTest::newRow("mixed case, blanks around")
            << true << welcome << "  BenvenutiTutti \t" << LoginResult::Accepted;
        QTest::newRow("upper case") << true << welcome << "BENVENUTITUTTI" << LoginResult::Accepted;
        QTest::newRow("blank inside") << true << welcome << "benvenuti tutti" << LoginResult::Wrong;
        QTest::newRow("wrong") << true << welcome << "benvenuto" << LoginResult::Wrong;
        QTest::newRow("missing store")
            << false << QString() << "benvenutitutti" << LoginResult::Wrong;
        QTest::newRow("missing key") << true << QString() << "benvenutitutti" << LoginResult::Wrong;
        QTest::newRow("odd last digit ignored") << true << welcome + "A"
                                                << "benvenutitutti" << LoginResult::Accepted;
        QTest::newRow("not hexadecimal") << true << "4G21"
                                         << "benvenutitutti" << LoginResult::ReadError;
        // Only a to z are upper-cased: accented letters must be typed as stored.
        QTest::newRow("accented letter as stored")
            << true << Crypt::Scramble(QStringLiteral("CAFFè")) << "caffè" << LoginResult::Accepted;
        QTest::newRow("accented letter upper-cased")
            << true << Crypt::Scramble(QStringLiteral("CAFFè")) << "CAFFÈ" << LoginResult::Wrong;
        QTest::newRow("stored with blanks around")
            << true << Crypt::Scramble(QStringLiteral("  SEGRETO ")) << "segreto"
            << LoginResult::Accepted;
    }

    void login()
    {
        QFETCH(bool, storeExists);
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(LoginResult, expected);
        TempProgramFolder folder;
        if (storeExists) {
            IniFile store(programFile(password::storeFileName));
            store.setValue(QStringLiteral("Altro"), QStringLiteral("Chiave"), QStringLiteral("1"));
            if (!stored.isEmpty())
                store.setValue(QStringLiteral("Accesso"), QStringLiteral("Valore"), stored);
            QVERIFY(store.save());
        }
        QCOMPARE(password::checkLogin(typed), expected);
    }

    void messages()
    {
        QCOMPARE(password::messageFor(LoginResult::Wrong),
                 QStringLiteral("Attenzione: password errata."));
        QCOMPARE(password::messageFor(LoginResult::ReadError),
                 QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                "lettura della password. Si consiglia di reinstallare il "
                                "software."));
        QCOMPARE(password::messageFor(ChangeResult::Failed),
                 QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                "modifica della password. Si consiglia di reinstallare il "
                                "software."));
        QCOMPARE(password::messageFor(ChangeResult::WrongOld),
                 QStringLiteral("Attenzione: vecchia password errata."));
        QCOMPARE(password::messageFor(ChangeResult::NotConfirmed),
                 QStringLiteral("Attenzione: la nuova password non è stata confermata "
                                "correttamente. E' necessario reinserire entrambi i valori."));
        QCOMPARE(password::messageFor(ChangeResult::Changed),
                 QStringLiteral("Modifica della password completata con successo."));
    }

    void change_data()
    {
        QTest::addColumn<QString>("oldTyped");
        QTest::addColumn<QString>("newTyped");
        QTest::addColumn<QString>("confirmTyped");
        QTest::addColumn<ChangeResult>("expected");
        QTest::addColumn<QString>("validAfter"); // the password that logs in afterwards
        QTest::newRow("changed") << " Benvenutitutti"
                                 << "Nuova Chiave"
                                 << "Nuova Chiave" << ChangeResult::Changed << "NUOVA CHIAVE";
        QTest::newRow("confirmation trimmed") << "benvenutitutti"
                                              << " tavola8 "
                                              << "tavola8  " << ChangeResult::Changed << "Tavola8";
        QTest::newRow("wrong old") << "benvenuti"
                                   << "tavola8"
                                   << "tavola8" << ChangeResult::WrongOld << "benvenutitutti";
        QTest::newRow("confirmation differs in case only")
            << "benvenutitutti"
            << "tavola8"
            << "Tavola8" << ChangeResult::NotConfirmed << "benvenutitutti";
        QTest::newRow("confirmation differs")
            << "benvenutitutti"
            << "tavola8"
            << "tavola9" << ChangeResult::NotConfirmed << "benvenutitutti";
        QTest::newRow("255 characters")
            << "benvenutitutti" << QString(255, QLatin1Char('x')) << QString(255, QLatin1Char('x'))
            << ChangeResult::Changed << QString(255, QLatin1Char('X'));
        QTest::newRow("256 characters")
            << "benvenutitutti" << QString(256, QLatin1Char('x')) << QString(256, QLatin1Char('x'))
            << ChangeResult::Unsupported << "benvenutitutti";
        QTest::newRow("beyond Latin-1")
            << "benvenutitutti"
            << "prezzo€"
            << "prezzo€" << ChangeResult::Unsupported << "benvenutitutti";
        // A blank password could never be typed at the login again: refused, the old one stays.
        QTest::newRow("blank") << "benvenutitutti"
                               << "  "
                               << " " << ChangeResult::Unsupported << "benvenutitutti";
        QTest::newRow("Latin-1 accents") << "benvenutitutti"
                                         << "perché"
                                         << "perché" << ChangeResult::Changed << "PERCHé";
    }

    void change()
    {
        QFETCH(QString, oldTyped);
        QFETCH(QString, newTyped);
        QFETCH(QString, confirmTyped);
        QFETCH(ChangeResult, expected);
        QFETCH(QString, validAfter);
        TempProgramFolder folder;
        writeStoreValue(Crypt::Scramble(QStringLiteral("BENVENUTITUTTI")));

        QCOMPARE(password::changePassword(oldTyped, newTyped, confirmTyped), expected);
        QCOMPARE(password::checkLogin(validAfter), LoginResult::Accepted);
        if (expected == ChangeResult::Changed) {
            QCOMPARE(password::checkLogin(QStringLiteral("benvenutitutti")), LoginResult::Wrong);
            QCOMPARE(storeValue(), Crypt::Scramble(password::normalised(newTyped)));
        }
    }

    void changeWithMissingStore()
    {
        // Without a store no old password is right, and no store is made.
        TempProgramFolder folder;
        QCOMPARE(
            password::changePassword(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("y")),
            ChangeResult::WrongOld);
        QVERIFY(!QFile::exists(programFile(password::storeFileName)));
    }

    void changeOfUnreadableStore()
    {
        TempProgramFolder folder;
        writeStoreValue(QStringLiteral("XYZ0"));
        QCOMPARE(
            password::changePassword(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b")),
            ChangeResult::Failed);
        QCOMPARE(storeValue(), QStringLiteral("XYZ0"));
    }

    void unwritableStoreKeepsOldPassword()
    {
        TempProgramFolder folder;
        writeStoreValue(Crypt::Scramble(QStringLiteral("BENVENUTITUTTI")));
        ReadOnlyPath readOnly(folder.path());
        if (readOnly.writable())
            QSKIP("this file system lets the test write into a read-only folder");
        QCOMPARE(password::changePassword(QStringLiteral("benvenutitutti"), QStringLiteral("nuova"),
                                          QStringLiteral("nuova")),
                 ChangeResult::Failed);
        QCOMPARE(password::checkLogin(QStringLiteral("benvenutitutti")), LoginResult::Accepted);
        QCOMPARE(password::checkLogin(QStringLiteral("nuova")), LoginResult::Wrong);
    }
};

QTEST_GUILESS_MAIN(TestPasswordStore)
#include "tst_password_store.moc"
