// The help topics: titles, paragraphs and the general topic assembled from the app topics.
#include "shell/HelpTopics.h"

#include <QtTest>

using namespace brisvola;

class TestHelpTopics : public QObject
{
    Q_OBJECT

private slots:
    void tableOrder()
    {
        QStringList titles;
        for (const HelpTopic &t : helpTopics())
            titles << t.title;
        // The copies of the data come after the table's topics.
        QCOMPARE(titles.takeLast(), QStringLiteral("Copie di sicurezza"));
        QCOMPARE(
            titles,
            QStringList({"Uno sguardo a Brisvola", "App Clienti abituali", "App Archivio ricette",
                         "App Stampa menu", "App Emissione preventivi", "App Prenotazione Tavoli",
                         "App Calendario Servizi", "Esportazione archivio ricette in Excel",
                         "Esportazione archivio menu in Excel",
                         "Esportazione archivio clienti abituali in Excel",
                         "Esportazione archivio preventivi in Excel",
                         "Esportazione archivio prenotazioni tavoli in Excel"}));
        QVERIFY(helpTopic(QStringLiteral("Argomento sconosciuto")).paragraphs.isEmpty());
    }

    void topic_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("firstBegins");
        QTest::addColumn<QString>("lastEnds");
        QTest::newRow("clienti") << "App Clienti abituali" << 10
                                 << "L'app Clienti abituali, oltre ad essere utile per semplificare"
                                 << "può essere esportato in un file di Excel.";
        QTest::newRow("ricette")
            << "App Archivio ricette" << 10
            << "L'app Archivio ricette consente di descrivere ciascuna ricetta"
            << "L'intero ricettario può essere esportato in un foglio di Excel.";
        QTest::newRow("menu") << "App Stampa menu" << 7
                              << "L'app Stampa menu è studiata per creare e stampare menu"
                              << "L'archivio dei menu può essere esportato in un file di Excel.";
        QTest::newRow("preventivi")
            << "App Emissione preventivi" << 11
            << "L'app Emissione preventivi consente di compilare, stampare e archiviare"
            << "in un foglio di lavoro di Microsoft Excel.";
        QTest::newRow("prenotazioni")
            << "App Prenotazione Tavoli" << 8
            << "L'app Prenotazione Tavoli mette a disposizione un ambiente per la registrazione"
            << "può essere esportato in un file di Excel.";
        QTest::newRow("calendario")
            << "App Calendario Servizi" << 5
            << "L'app Calendario Servizi consente di ottenere i riepiloghi giornalieri, mensili"
            << "il riepilogo delle prenotazioni visualizzato in quel momento.";
        QTest::newRow("export ricette")
            << "Esportazione archivio ricette in Excel" << 3
            << "Il pulsante Esporta archivio consente di esportare l'archivio delle ricette"
            << "assegnandogli un nome qualsiasi.";
        QTest::newRow("export prenotazioni")
            << "Esportazione archivio prenotazioni tavoli in Excel" << 3
            << "Il pulsante Esporta archivio consente di esportare tutte le schede delle "
               "prenotazioni"
            << "assegnandogli un nome qualsiasi.";
        QTest::newRow("copies") << "Copie di sicurezza" << 4
                                << "Brisvola fa da sé le copie di sicurezza dei propri dati"
                                << "smettere di fare le copie nella seconda cartella.";
        QTest::newRow("general") << "Uno sguardo a Brisvola" << 3 + 51 + 5
                                 << "Brisvola è un software rivolto a ristoranti, trattorie"
                                 << "richieda tempi di apprendimento praticamente nulli.";
    }

    void topic()
    {
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        QFETCH(QString, firstBegins);
        QFETCH(QString, lastEnds);
        const HelpTopic t = helpTopic(title);
        QCOMPARE(t.title, title);
        QCOMPARE(t.paragraphs.size(), paragraphs);
        // Paragraphs are one line each, separated by one empty line.
        const QString text = t.text();
        QVERIFY(text.startsWith(firstBegins));
        QVERIFY(text.endsWith(lastEnds));
        QCOMPARE(text.split(QStringLiteral("\r\n\r\n")), t.paragraphs);
        for (const QString &p : t.paragraphs) {
            QVERIFY(!p.isEmpty());
            QVERIFY2(!p.contains(QLatin1Char('\n')) && !p.contains(QLatin1Char('\r')),
                     qPrintable(p));
        }
    }

    void quotedPiecesJoined()
    {
        // Pieces of a paragraph join with nothing between them, keeping their own blanks.
        const QStringList quotes = helpTopic(QStringLiteral("App Emissione preventivi")).paragraphs;
        QVERIFY(quotes[1].endsWith(QStringLiteral("che consente l'emissione dei preventivi. ")));
        QVERIFY(
            quotes[5].contains(QStringLiteral("sulla scritta \"Imposta logo Ditta\" presente")));
        QVERIFY(!quotes.join(QString()).contains(QStringLiteral("  ")));
        const QStringList customers = helpTopic(QStringLiteral("App Clienti abituali")).paragraphs;
        QVERIFY(customers[8].contains(QStringLiteral("Il campo \"E-mail\" è affiancato")));
    }

    void generalTopicHoldsTheApps()
    {
        const QStringList general = helpTopic(generalTopicTitle).paragraphs;
        QStringList expected;
        for (const HelpTopic &t : helpTopics().mid(1, 6))
            expected += t.paragraphs;
        // The two places where the general topic reads differently.
        QString &customersLast = expected[9];
        QVERIFY(customersLast.endsWith(QStringLiteral("in un file di Excel.")));
        customersLast.replace(QStringLiteral("di Excel."), QStringLiteral("di Microsoft Excel."));
        QString &quotesSecond = expected[10 + 10 + 7 + 1];
        QVERIFY(quotesSecond.endsWith(QStringLiteral("preventivi. ")));
        quotesSecond.chop(1);

        QCOMPARE(general.mid(3, expected.size()), expected);
        QVERIFY(general[2].startsWith(QStringLiteral("Infine, il software offre")));
        QVERIFY(general[3 + expected.size()].startsWith(
            QStringLiteral("Brisvola è fortemente integrato con Excel")));
        QVERIFY(general.join(QString()).contains(QStringLiteral("\"benvenutitutti\"")));
    }

    void exportTopicsShareTheirLastParagraphs()
    {
        const QList<HelpTopic> exports = helpTopics().mid(7, 5);
        QCOMPARE(exports.size(), 5);
        QSet<QString> firsts;
        for (const HelpTopic &t : exports) {
            QCOMPARE(t.paragraphs.mid(1), exports.first().paragraphs.mid(1));
            firsts.insert(t.paragraphs.first());
        }
        QCOMPARE(firsts.size(), 5);
        QVERIFY(exports.first().paragraphs[1].startsWith(
            QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati")));
    }
};

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "tst_help_topics.moc"
