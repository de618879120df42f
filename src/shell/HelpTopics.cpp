#include "shell/HelpTopics.h"

namespace brisvola {

namespace {

QStringList introParagraphs()
{
    return {
        QStringLiteral(
            "Brisvola è un software rivolto a ristoranti, trattorie, pizzerie, fast food, mense e "
            "ogni altro locale di ristorazione che consente di stilare velocemente preventivi per "
            "menu concordati con i clienti per eventi quali matrimoni, battesimi, comunioni, "
            "cresime, banchetti o qualsiasi altra cerimonia."),
        QStringLiteral(
            "Il programma permette, inoltre, di registrare i dati anagrafici dei clienti abituali "
            "nonché tutte le pietanze presenti nei menu del proprio ristorante allo scopo di "
            "velocizzare la compilazione dei preventivi importando i dati da tali archivi. Dopo "
            "aver archiviato le proprie ricette culinarie, è possibile creare in pochi secondi "
            "menu gastronomici adatti ad ogni occasione pronti per essere stampati su fogli A4, "
            "inseriti in portamenu in similpelle, fibra naturale, cartone eccetera e forniti ai "
            "clienti del proprio ristorante."),
        QStringLiteral(
            "Infine, il software offre a chi gestisce un ristorante un semplice e accurato sistema "
            "di prenotazione dei tavoli per colazioni, pranzi e cene. L'app permette di gestire un "
            "numero illimitato di tavoli di qualunque capienza e di registrare le prenotazioni dei "
            "pasti nei minimi dettagli per essere pronti a servire i clienti nel modo migliore. "
            "Con pochi clic, si è in grado di visualizzare e stampare in ogni momento l'elenco "
            "completo delle prenotazioni del giorno, di una certa data o di un qualsiasi "
            "intervallo di tempo."),
    };
}

QStringList closingParagraphs()
{
    return {
        QStringLiteral(
            "Brisvola è fortemente integrato con Excel, dal momento che tutti gli applicativi "
            "consentono di esportare i dati nel formato del software della Microsoft. A tal fine, "
            "è sufficiente che nel proprio computer sia installata una qualsiasi applicazione per "
            "la gestione dei file in formato XLS (ad esempio, Open Office, Libre Office o "
            "Microsoft Office)."),
        QStringLiteral(
            "Conformemente alla normativa sulla privacy, l'accesso al software è protetto da una "
            "password che deve essere costituita da almeno otto caratteri e che può essere "
            "cambiata dall'utente autorizzato tutte le volte che desidera. Per il primo accesso al "
            "programma e dopo ogni installazione, bisogna utilizzare la parola chiave "
            "\"benvenutitutti\" (scritta senza le virgolette)."),
        QStringLiteral(
            "Brisvola può essere utilizzato anche su chiavetta USB. A tal fine, basta copiare la "
            "cartella del programma su pen-drive e fare doppio clic sull'icona dell'applicazione "
            "per eseguirla. La copia della cartella su dispositivo esterno è anche il metodo più "
            "veloce per effettuare il backup di tutti gli archivi."),
        QStringLiteral("Il software può essere utilizzato anche in una rete locale se si ha "
                       "necessità di condividere gli archivi fra più postazioni di lavoro."),
        QStringLiteral(
            "Brisvola è quindi il software ideale per registrare i propri clienti abituali, "
            "catalogare i piatti proposti dal proprio ristorante, stampare menu e preventivi "
            "professionali e gestire velocemente le prenotazioni dei tavoli tenendo sotto "
            "controllo il numero di clienti che bisognerà servire in una certa data o intervallo "
            "di tempo. L'utente resterà piacevolmente sorpreso nel constatare come il programma "
            "richieda tempi di apprendimento praticamente nulli."),
    };
}

} // namespace

HelpTopic helpTopic(const QString &title)
{
    for (const HelpTopic &t : helpTopics())
        if (t.title == title)
            return t;
    return {};
}

QList<HelpTopic> helpTopics()
{
    // The app and export topics are added with their texts; the general topic is assembled from
    // the introduction, the app topics and the closing paragraphs.
    QStringList general = introParagraphs();
    general += closingParagraphs();
    return {{generalTopicTitle, general}};
}

} // namespace brisvola
