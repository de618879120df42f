// The rich-text recipe card, byte for byte.
#include "FolderSupport.h"

#include "recipes/RecipeCard.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QtTest>

class TestRecipeRtf : public QObject
{
    Q_OBJECT
private slots:
    void bytes();
    void escapes_data();
    void escapes();
    void fileReplaced();
};

namespace {
QByteArray rtfOf(const QHash<QString, QString> &values)
{
    return recipecard::rtf([&](const char *field) { return values.value(QLatin1String(field)); });
}
} // namespace

void TestRecipeRtf::bytes()
{
    const QHash<QString, QString> values = {{"Nome", "Risotto alla milanese"},
                                            {"Portata", "Primo piatto"},
                                            {"Nazionalita", "Italiana"},
                                            {"Difficolta", "Media"},
                                            {"Vino", "Barbera"},
                                            {"Tempo", "40 minuti"},
                                            {"Calorie", "450"},
                                            {"Ingredienti", "riso\r\nzafferano"},
                                            {"Preparazione", "Tostare."},
                                            {"Descrizione", "Risotto giallo"},
                                            {"Prezzo", "12,50"},
                                            {"Fonte", "Nonna"},
                                            {"Servizio", "Piatto fondo"},
                                            {"Note", "Più burro"}};
    const QByteArray f = "\\b0\\f1  \\f0 ";
    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 "
        "Verdana;}{\\f1\\fnil Verdana;}}"
        "{\\colortbl ;\\red0\\green0\\blue0;}"
        "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 SCHEDA RICETTA DI CUCINA\\f1\\fs16"
        "\\par \\fs24 ________________________________________________\\par"
        "\\par \\pard\\f0\\fs20 Nome pietanza:" +
        f +
        "Risotto alla milanese\\par"
        "\\par \\b Portata:" +
        f +
        "Primo piatto\\par"
        "\\par \\b Nazionalit\xe0:" +
        f +
        "Italiana\\par"
        "\\par \\b Difficolt\xe0:" +
        f +
        "Media\\par"
        "\\par \\b Vino o bevanda abbinata:" +
        f +
        "Barbera\\par"
        "\\par \\b Tempo occorrente:" +
        f +
        "40 minuti\\par"
        "\\par \\b Calorie:" +
        f +
        "450\\par"
        "\\par \\b Ingredienti:" +
        f +
        "riso\\line zafferano\\par"
        "\\par \\b Preparazione:" +
        f +
        "Tostare.\\par"
        "\\par \\b Descrizione per menu:" +
        f +
        "Risotto giallo\\par"
        "\\par \\b Prezzo:" +
        f +
        "12,50\\par"
        "\\par \\b Fonte ricetta:" +
        f +
        "Nonna\\par"
        "\\par \\b Servizio in tavola:" +
        f +
        "Piatto fondo\\par"
        "\\par \\b Note:" +
        f +
        "Pi\xf9 burro\\b\\par"
        "\\par }";
    QCOMPARE(rtfOf(values), expected);
}

void TestRecipeRtf::escapes_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("backslash and braces") << "a\\b {c}" << QByteArray("a\\\\b \\{c\\}");
    QTest::newRow("line breaks") << "1\r\n2\n3\r4" << QByteArray("1\\line 2\\line 3\\line 4");
    QTest::newRow("euro in the code page") << QStringLiteral("€ 5") << QByteArray("\x80 5");
    QTest::newRow("outside the code page")
        << QStringLiteral("αω?") << QByteArray("\\u945?\\u969??");
}

void TestRecipeRtf::escapes()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, written);
    const QByteArray rtf = rtfOf({{"Preparazione", value}});
    QVERIFY2(rtf.contains("Preparazione:\\b0\\f1  \\f0 " + written + "\\par"), rtf.constData());
}

void TestRecipeRtf::fileReplaced()
{
    TempProgramFolder folder;
    const QString path = folder.file(recipecard::rtfFileName());
    QVERIFY(recipecard::writeRtf(path, [](const char *) { return QStringLiteral("uno"); }));
    QVERIFY(recipecard::writeRtf(path, [](const char *) { return QStringLiteral("due"); }));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("Nome pietanza:\\b0\\f1  \\f0 due\\par"));
    QVERIFY(!bytes.contains("uno"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Scheda_Ricetta.rtf"});
}

QTEST_GUILESS_MAIN(TestRecipeRtf)
#include "tst_recipertf.moc"
