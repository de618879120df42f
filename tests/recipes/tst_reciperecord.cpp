#include "archive/RecordFile.h"
#include "recipes/RecipeRecord.h"

#include "FolderSupport.h"

#include <QFile>
#include <QTest>

using recipes::recipeLayout;

class TestRecipeRecord : public QObject
{
    Q_OBJECT

private slots:
    void layoutOffsets();
    void fieldBytes();
    void corruptArchiveOpens();
    void price_data();
    void price();
};

void TestRecipeRecord::layoutOffsets()
{
    const RecordLayout &l = recipeLayout();
    QCOMPARE(l.encoding(), FieldEncoding::ZeroTerminated);
    QCOMPARE(l.recordSize(), 12718);
    const std::pair<const char *, int> offsets[] = {{"Nome", 0},
                                                    {"Portata", 121},
                                                    {"Nazionalita", 172},
                                                    {"Difficolta", 223},
                                                    {"Vino", 274},
                                                    {"Tempo", 325},
                                                    {"Calorie", 356},
                                                    {"Ingredienti", 387},
                                                    {"Preparazione", 5388},
                                                    {"Descrizione", 10389},
                                                    {"Prezzo", 10640},
                                                    {"Fonte", 10656},
                                                    {"Servizio", 10707},
                                                    {"Note", 10958},
                                                    {"Segnalata", 11209},
                                                    {"File01", 11212},
                                                    {"File02", 11463},
                                                    {"File03", 11714},
                                                    {"Desc01", 11965},
                                                    {"Desc02", 12216},
                                                    {"Desc03", 12467}};
    QCOMPARE(l.fieldCount(), 21);
    for (int i = 0; i < 21; ++i) {
        QCOMPARE(QLatin1String(l.name(i)), QLatin1String(offsets[i].first));
        QCOMPARE(l.offset(i), offsets[i].second);
    }
}

void TestRecipeRecord::fieldBytes()
{
    const RecordLayout &l = recipeLayout();
    Record r(l);
    r.setText("Segnalata", QStringLiteral("Sì"));
    r.setText("Nome", QStringLiteral("Crème brûlée € α"));
    const QString longText(5003, QLatin1Char('x'));
    r.setText("Ingredienti", longText + QStringLiteral("yz"));
    r.setText("Prezzo", QStringLiteral("12,50"));

    const QByteArray &b = r.bytes();
    QCOMPARE(b.mid(l.offset(l.field("Segnalata")), 3), QByteArray("\x53\xEC\x00", 3));
    QCOMPARE(r.text("Segnalata"), QStringLiteral("Sì"));
    // "€" is in the code page (0x80) and survives; a Greek letter comes back as "?".
    QCOMPARE(b.mid(0, 17), QByteArray("Cr\xE8me br\xFBl\xE9"
                                      "e \x80 ?",
                                      17));
    QCOMPARE(r.text("Nome"), QStringLiteral("Crème brûlée € ?"));
    // Ingredients over 5000 characters are cut, the terminator kept.
    const int ing = l.offset(l.field("Ingredienti"));
    QCOMPARE(r.text("Ingredienti"), QString(5000, QLatin1Char('x')));
    QCOMPARE(b.at(ing + 5000), '\0');
    QCOMPARE(b.at(ing + 5001), 'x' - 'x'); // Preparazione starts empty
    // Written back and read from a file, the bytes are unchanged.
    TempProgramFolder folder;
    RecordFile file(recipes::archivePath(), l);
    QCOMPARE(file.append(r), 1);
    QVERIFY(file.read(1) == r);
    QCOMPARE(QFileInfo(recipes::archivePath()).size(), 12718);
}

void TestRecipeRecord::corruptArchiveOpens()
{
    TempProgramFolder folder;
    const RecordLayout &l = recipeLayout();
    // One whole record without a single terminator and with bytes undefined in code page 1252,
    // then a partial record.
    QByteArray bytes(l.recordSize(), 'A');
    for (int i = 0; i < bytes.size(); i += 7)
        bytes[i] = char(0x81);
    bytes[0] = 'N';
    bytes[l.offset(l.field("Segnalata"))] = char(0x8D);
    bytes += QByteArray(500, 'B');
    QFile f(recipes::archivePath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    RecordFile file(recipes::archivePath(), l);
    QCOMPARE(file.count(), 1);
    const Record r = file.read(1);
    QCOMPARE(r.text("Nome").size(), 120); // no terminator: the field's N characters
    QCOMPARE(r.text("Ingredienti").size(), 5000);
    QVERIFY(!r.text("Segnalata").isEmpty());
    // The next append overwrites the partial record.
    QCOMPARE(file.append(Record(l)), 2);
    QCOMPARE(QFileInfo(recipes::archivePath()).size(), 2 * 12718);
}

void TestRecipeRecord::price_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const std::pair<const char *, const char *> rows[] = {{"12,5", "12,50"},
                                                          {"7", "7,00"},
                                                          {",5", "0,50"},
                                                          {"", "0,00"},
                                                          {"   ", "0,00"},
                                                          {"1,2,3", "0,00"},
                                                          {"2,346", "2,35"},
                                                          {"1,125", "1,13"},
                                                          {"1,005", "1,00"},
                                                          {"0", "0,00"},
                                                          {"12,", "12,00"},
                                                          {",", "0,00"},
                                                          {"0012,30", "12,30"},
                                                          {"99999,999", "100000,00"},
                                                          {"3,14159", "3,14"},
                                                          {"4,10", "4,10"},
                                                          {"1e15", "1000000000000000,00"}};
    for (const auto &[typed, shown] : rows)
        QTest::newRow(typed[0] ? typed : "empty")
            << QString::fromUtf8(typed) << QString::fromUtf8(shown);
}

void TestRecipeRecord::price()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(recipes::normalisePrice(typed), shown);
}

QTEST_MAIN(TestRecipeRecord)
#include "tst_reciperecord.moc"
