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

QStringList clientiParagraphs()
{
    return {
        QStringLiteral(
            "L'app Clienti abituali, oltre ad essere utile per semplificare la creazione dei "
            "preventivi relativi ai menu personalizzati, può essere usata anche come una "
            "completa rubrica elettronica dotata di funzioni avanzate quali l'invio di e-mail al "
            "cliente, il controllo della validità del codice fiscale, della partita IVA, del "
            "numero di carta di credito e del codice IBAN."),
        QStringLiteral(
            "Nell'archivio anagrafico è possibile annotare il nome del cliente, la denominazione "
            "della ditta per cui lavora, l'indirizzo di residenza, le modalità di pagamento "
            "prescelte, i recapiti telefonici di casa, ufficio, cellulare e PEC, l'indirizzo "
            "e-mail, il recapito preferenziale dove il cliente desidera essere contattato, il "
            "codice fiscale, il numero di partita IVA, il numero di carta di credito con "
            "relativa data di scadenza e l'IBAN bancario."),
        QStringLiteral(
            "La scheda consente, inoltre, di registrare informazioni relative ad eventuali "
            "segnalazioni riguardanti, ad esempio, il tipo di ricevuta fiscale richiesto dal "
            "cliente o il tavolo da riservargli nel proprio ristorante. E' altresì possibile "
            "tenere traccia delle sue eventuali intolleranze alimentari o preferenze "
            "gastronomiche. Il campo delle note può essere sfruttato per memorizzare ulteriori "
            "informazioni di qualsiasi genere relative al cliente."),
        QStringLiteral(
            "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, "
            "compilare i campi di testo che interessano e premere il pulsante Salva. Per "
            "modificare una scheda esistente, bisogna visualizzarla nella schermata di lavoro "
            "usando le frecce di scorrimento dei record o la funzione di ricerca, apportare le "
            "modifiche desiderate e premere Salva."),
        QStringLiteral(
            "Se esistono importanti questioni in sospeso con il cliente (ad esempio, riguardanti "
            "una prenotazione in attesa di conferma o un conto non ancora pagato di un pranzo o "
            "di una cena), è possibile prenderne nota nel relativo campo di testo. Mettendo il "
            "segno di spunta sulla casella Da ricontattare, si inserisce la scheda in un elenco "
            "contenente tutti i clienti con questioni in sospeso che vogliono essere richiamati, "
            "ad esempio, nel momento in cui il problema è stato risolto o quando ci sono novità. "
            "Per visualizzare tale elenco, basta fare clic sul pulsante Da ricontattare."),
        QStringLiteral(
            "Il pulsante Duplica è utile se si ha bisogno di registrare, ad esempio, una nuova "
            "scheda riferita al familiare di un cliente che quindi condivide molti dati. Per "
            "duplicare la scheda di un cliente, basta visualizzare quella già registrata in "
            "archivio, fare clic sul pulsante Duplica, modificare i dati e premere Salva."),
        QStringLiteral(
            "Per trovare le schede dei clienti in archivio è possibile utilizzare uno o più "
            "filtri di ricerca contemporaneamente. Ad esempio, si può ottenere l'elenco di tutti "
            "i clienti a cui sono state abbinate delle segnalazioni particolari o delle "
            "intolleranze alimentari, oppure di quelli per i quali è stata registrata una certa "
            "parola o espressione distintiva nel campo delle note."),
        QStringLiteral(
            "La funzione Allega file consente di abbinare alla scheda di ciascun cliente fino a "
            "tre file di qualsiasi genere che potrebbero contenere, ad esempio, la copia "
            "digitale del suo documento di riconoscimento o un file di Word con l'elenco "
            "dettagliato dei suoi piatti preferiti. Il contenuto di ogni allegato può essere "
            "descritto nell'apposito campo di testo e il file può essere aperto in qualsiasi "
            "momento premendo il pulsante Apri."),
        QStringLiteral(
            "Ulteriori pulsanti consentono di controllare la validità del codice fiscale del "
            "cliente, del numero di carta di credito, dell'IBAN bancario e del numero di partita "
            "IVA. Se il numero di partita IVA è esatto, il software indicherà quale Ufficio "
            "provinciale lo ha rilasciato. Il campo \"E-mail\" è affiancato da un pulsante che "
            "permette di lanciare l'applicazione presente sul proprio computer per la gestione "
            "della posta elettronica compilando in automatico la casella dell'indirizzo del "
            "destinatario."),
        QStringLiteral(
            "La scheda di ogni singolo cliente può essere stampata su carta o salvata in un file "
            "PDF, mentre l'intero archivio anagrafico può essere esportato in un file di Excel."),
    };
}

QStringList ricetteParagraphs()
{
    return {
        QStringLiteral(
            "L'app Archivio ricette consente di descrivere ciascuna ricetta gastronomica nei "
            "minimi dettagli annotando informazioni riguardanti la nazionalità della cucina, la "
            "bevanda o il vino da abbinare al piatto, il costo di una singola porzione, gli "
            "ingredienti, la preparazione, il livello di difficoltà, il tempo occorrente, il "
            "contenuto calorico, la fonte (libro, rivista, sito Internet ecc.) da cui è stata "
            "tratta la ricetta e il modo in cui la pietanza va servita a tavola. Nel ricettario "
            "è inoltre presente un campo che permette di inserire la descrizione della pietanza "
            "da importare all'interno del menu da stampare su carta unitamente al nome della "
            "portata e al prezzo della porzione. Il campo delle note è pensato, invece, per "
            "tenere traccia di qualsiasi altra informazione sulla pietanza. In fase di "
            "compilazione di un preventivo è possibile importare dall'archivio delle ricette il "
            "nome della pietanza, la portata a cui appartiene e il prezzo della porzione."),
        QStringLiteral(
            "Per inserire in archivio la scheda di una ricetta culinaria, bisogna fare clic sul "
            "pulsante Nuovo, compilare i campi di testo che interessano, caricare eventualmente "
            "la foto del piatto e premere il pulsante Salva. Per modificare una scheda "
            "esistente, bisogna visualizzarla nella schermata di lavoro usando le frecce di "
            "scorrimento dei record o la funzione di ricerca, apportare le modifiche desiderate "
            "e premere Salva."),
        QStringLiteral(
            "E' possibile inserire in ogni scheda un'immagine in formato Jpeg raffigurante la "
            "pietanza descritta. Il software consente di acquisire la foto della portata con la "
            "propria webcam attivabile tramite il pulsante Acquisisci foto. Una volta aperta la "
            "finestra per l'acquisizione fotografica, bisogna premere il pulsante Accendi "
            "webcam, posizionare il piatto di fronte all'obiettivo e scattare una foto premendo "
            "il pulsante Cattura foto. Fatto ciò, si può importare la foto nella scheda del "
            "ricettario servendosi del pulsante Importa foto in scheda. Infine, bisogna "
            "memorizzare la scheda della ricetta cliccando il pulsante Salva."),
        QStringLiteral(
            "La foto della pietanza viene ridotta in scala automaticamente per adeguarsi alle "
            "dimensioni del riquadro di anteprima. E' comunque possibile visualizzare l'immagine "
            "a tutto schermo nelle sue dimensioni reali facendo clic sull'icona dello zoom. Se "
            "si vuole ritoccare la foto acquisita, la si può salvare su disco, apportare le "
            "modifiche con un software di grafica e ricaricarla nella scheda con il pulsante "
            "Carica foto. Se si preferisce, anziché fotografare la pietanza con una webcam, si "
            "può scattare una foto con una macchina fotografica digitale e importarla in formato "
            "Jpeg nella scheda del ricettario sempre utilizzando il pulsante Carica foto."),
        QStringLiteral(
            "A ciascuna ricetta è possibile allegare non solo una foto della pietanza ma anche "
            "file esterni che potrebbero contenere, ad esempio, ulteriori immagini dello stesso "
            "piatto. Il contenuto di ogni allegato può essere descritto nell'apposito campo di "
            "testo e il file può essere aperto in qualsiasi momento premendo il pulsante Apri."),
        QStringLiteral(
            "Il pulsante Duplica serve a registrare più velocemente la scheda di una nuova "
            "ricetta simile ad un'altra già presente in archivio. Tale funzione può essere "
            "utile, ad esempio, se la nuova ricetta da archiviare ha molti elementi in comune "
            "con un piatto già archiviato nel ricettario. A tal fine, basta visualizzare la "
            "vecchia scheda richiamandola con le frecce di scorrimento dei record o con la "
            "funzione Trova, fare clic su Duplica, apportare le opportune modifiche ai campi di "
            "testo, caricare eventualmente la foto della nuova pietanza e fare clic su Salva."),
        QStringLiteral(
            "Le ricette in archivio possono essere richiamate velocemente grazie ad un'avanzata "
            "funzione di ricerca utilizzabile anche con chiave parziale, ossia immettendo una o "
            "più parole consecutive contenute in uno o più campi della scheda da cercare. Tale "
            "funzione consente, ad esempio, di ottenere il riepilogo di tutte le ricette di una "
            "certa nazionalità, che contengono determinati ingredienti e la cui preparazione "
            "presenta un basso livello di difficoltà. I risultati di ogni ricerca possono essere "
            "stampati su carta."),
        QStringLiteral(
            "La casella Segnalata va spuntata se si desidera inserire la ricetta all'interno di "
            "un elenco speciale contenente, ad esempio, le ricette da utilizzare in una certa "
            "occasione o da suggerire a qualche amico. Per visualizzare il riepilogo delle "
            "ricette segnalate, è sufficiente fare clic sul pulsante contraddistinto dall'icona "
            "di un triangolo giallo con il punto esclamativo."),
        QStringLiteral(
            "La scheda sintetica di ciascuna ricetta può essere stampata su carta con o senza "
            "foto. Se si desidera stampare il testo integrale della ricetta completo di "
            "ingredienti e di istruzioni per la preparazione, si può esportare la scheda in "
            "formato RTF e quindi stamparla con il proprio software di videoscrittura."),
        QStringLiteral("L'intero ricettario può essere esportato in un foglio di Excel."),
    };
}

QStringList menuParagraphs()
{
    return {
        QStringLiteral(
            "L'app Stampa menu è studiata per creare e stampare menu gastronomici attingendo i "
            "dati dall'archivio delle ricette. Un apposito campo di testo permette di indicare "
            "il nome del menu che apparirà in caratteri grandi in cima alla pagina. L'utente può "
            "scegliere se compilare il menu importando i dati dal ricettario oppure aggiungendo "
            "nuove pietanze sul momento. Su ciascuna pagina è possibile inserire fino a dieci "
            "pietanze. Una volta completato il menu, lo si potrà visualizzare in anteprima o "
            "mandare direttamente in stampa."),
        QStringLiteral(
            "Per creare un nuovo menu, bisogna premere il pulsante Nuovo, indicare il titolo del "
            "menu (ad esempio, Antipasti, Primi piatti, Secondi piatti ecc.), importare le "
            "pietanze dal ricettario o compilare i relativi campi sul momento, inserire "
            "informazioni riguardanti la presenza di eventuali allergeni nelle portate, "
            "riportare il prezzo del coperto, scrivere eventualmente delle note a piè pagina e "
            "fare clic su Salva. Per modificare una scheda esistente, bisogna visualizzarla "
            "nella schermata di lavoro usando le frecce di scorrimento dei record o la funzione "
            "di ricerca, apportare le modifiche desiderate e premere Salva."),
        QStringLiteral(
            "La scheda del menu consente, inoltre, di specificare la stagione in cui il menu è "
            "proposto ai clienti del proprio ristorante e di annotare eventuali avvertenze. La "
            "casella Segnalato va spuntata se si desidera inserire il menu all'interno di un "
            "elenco speciale contenente, ad esempio, i menu che devono ancora essere completati "
            "o quelli che bisogna stampare per una certa occasione. Per visualizzare il "
            "riepilogo dei menu segnalati, è sufficiente fare clic sul pulsante contraddistinto "
            "dall'icona di un triangolo giallo con il punto esclamativo."),
        QStringLiteral(
            "Il pulsante Duplica serve a registrare più velocemente la scheda di un nuovo menu "
            "simile ad un'altra già presente in archivio. Tale funzione può essere utile, ad "
            "esempio, se il nuovo menu da archiviare ha molte pietanze in comune con un altro "
            "già archiviato. A tal fine, basta visualizzare la vecchia scheda richiamandola con "
            "le frecce di scorrimento dei record o con la funzione Trova, fare clic su Duplica, "
            "apportare le opportune modifiche ai campi di testo e fare clic su Salva."),
        QStringLiteral(
            "Il pulsante Trova permette di trovare le schede dei menu in archivio utilizzando "
            "uno o più filtri di ricerca contemporaneamente. Ad esempio, si può ottenere il "
            "riepilogo di tutti i menu di una certa stagione, che contengono determinati piatti "
            "o nei quali sono state inserite specifiche indicazioni sugli allergeni. I risultati "
            "di ogni ricerca possono essere stampati su carta."),
        QStringLiteral(
            "Il pulsante Anteprima visualizza l'anteprima di stampa del menu contenente i dati "
            "presenti nei campi di testo in quel momento. Il pulsante Stampa serve, invece, a "
            "stampare il menu immediatamente. La stampa del menu occupa un solo foglio in "
            "formato A4 e può contenere fino a dieci pietanze. E' abbellita da una cornice "
            "decorativa ed è pensata per un uso professionale in ristoranti o altri locali di "
            "ristorazione."),
        QStringLiteral("L'archivio dei menu può essere esportato in un file di Excel."),
    };
}

QStringList preventiviParagraphs()
{
    return {
        QStringLiteral(
            "L'app Emissione preventivi consente di compilare, stampare e archiviare preventivi "
            "su carta o su file PDF. La compilazione dei documenti è facilitata dalla "
            "possibilità di importare i dati del cliente dall'archivio anagrafico e i dati delle "
            "portate dall'archivio delle ricette. L'app risulta utile per accontentare il "
            "cliente che vuole sapere in anticipo i costi del menu gastronomico da lui prescelto."),
        QStringLiteral(
            "Per redigere un preventivo bisogna innanzitutto indicare l'anno solare di interesse "
            "e premere il pulsante Apri. Così facendo si entra nell'ambiente che consente "
            "l'emissione dei preventivi. "),
        QStringLiteral(
            "Per inserire un nuovo preventivo in archivio basta fare clic sul pulsante Nuovo, "
            "compilare i campi che interessano e premere Salva. Quando si preme il pulsante "
            "Nuovo, il software attribuisce al documento un numero che tiene conto di quanti "
            "preventivi sono già presenti in archivio, partendo da 1 se l'archivio è vuoto. Se "
            "si vuole far partire la numerazione automatica dei documenti da un numero "
            "superiore, è necessario utilizzare l'apposita funzione accessibile tramite il "
            "pulsante Numerazione."),
        QStringLiteral(
            "Per modificare un documento in archivio, bisogna visualizzarlo nella finestra di "
            "lavoro, apportare le modifiche e premere Salva."),
        QStringLiteral(
            "I preventivi hanno una loro numerazione progressiva, gestita direttamente dal "
            "programma. Oltre ai dati relativi alla ditta emittente, al cliente e alle portate, "
            "nel preventivo è possibile indicare il tipo di evento per il quale si organizza il "
            "pranzo o la cena (ad esempio, matrimonio, comunione, cresima, anniversario ecc.) la "
            "data dell'evento, il totale degli invitati all'evento e dei tavoli prenotati, "
            "l'importo dell'eventuale acconto versato dal cliente e quello del saldo. Questi "
            "dati vanno immessi nella finestra che si apre premendo il pulsante Altre "
            "informazioni."),
        QStringLiteral(
            "E' possibile utilizzare un logo personalizzato da far apparire in stampa nei "
            "documenti. Per caricare il logo del proprio ristorante, bisogna fare clic sulla "
            "scritta \"Imposta logo Ditta\" presente in alto a destra nella schermata di apertura "
            "dell'ambiente per l'emissione dei preventivi. Il logo deve essere un'immagine in "
            "formato Jpeg o Bitmap con dimensioni uguali a 297x184 pixel. Se si carica "
            "un'immagine di dimensioni più grandi, il software provvederà a rimpicciolirla "
            "adeguandola allo spazio disponibile e mantenendo le proporzioni."),
        QStringLiteral(
            "Il calcolo del totale e dell'ammontare dell'IVA in base all'aliquota specificata è "
            "un'operazione effettuata dal programma. Se l'articolo o servizio è esente da IVA, "
            "bisogna spuntare la relativa casella. E' anche possibile applicare una percentuale "
            "di sconto ad ogni articolo riportato nel preventivo. Tutti gli importi sono "
            "calcolati in euro con supporto fino a quattro cifre dopo la virgola e "
            "arrotondamento del totale ai due centesimi."),
        QStringLiteral(
            "Le informazioni riguardanti il proprio ristorante sono salvate in automatico alla "
            "chiusura della schermata di lavoro in maniera da non doverle reinserire quando si "
            "dovrà emettere un nuovo preventivo. Il pulsante con l'icona della freccia verde "
            "presente a destra di ciascun rigo relativo alle voci del preventivo permette di "
            "richiamare le portate presenti nell'archivio delle ricette gastronomiche."),
        QStringLiteral(
            "La casella In sospeso presente nel preventivo va spuntata se il cliente non ha "
            "confermato le portate del menu a cui il documento si riferisce. Un apposito "
            "pulsante permette di visualizzare l'elenco di tutti i preventivi in sospeso."),
        QStringLiteral(
            "La funzione Trova permette di ottenere riepiloghi dei preventivi utilizzando più "
            "criteri di ricerca contemporaneamente. Ad esempio, è possibile ottenere il "
            "riepilogo dei preventivi emessi in un preciso giorno dell'anno, intestati a un "
            "determinato cliente o a più clienti che vivono in una stessa città, eccetera."),
        QStringLiteral(
            "Una volta compilato, si può visualizzare il preventivo in anteprima per verificare "
            "come apparirà su carta oppure esportarlo in formato PDF o mandarlo direttamente in "
            "stampa. La stampa del preventivo riporta in calce l'annotazione che la sua validità "
            "è 60 giorni e che i dati del cliente saranno trattati esclusivamente per "
            "l'erogazione del servizio e non saranno forniti a terzi. Il pulsante con l'icona di "
            "Excel consente di esportare l'intero archivio dei preventivi in un foglio di lavoro "
            "di Microsoft Excel."),
    };
}

QStringList prenotazioniParagraphs()
{
    return {
        QStringLiteral(
            "L'app Prenotazione Tavoli mette a disposizione un ambiente per la registrazione "
            "delle prenotazioni di colazioni, pranzi e cene. La prima operazione da effettuare "
            "quando un cliente chiama il ristorante per prenotare uno o più tavoli consiste nel "
            "selezionare l'anno solare a cui la prenotazione si riferisce."),
        QStringLiteral(
            "Una volta entrati nell'ambiente per la registrazione della prenotazione, bisogna "
            "fare clic sul pulsante Nuovo, compilare i campi di testo che interessano e premere "
            "il pulsante Salva. Per modificare una prenotazione esistente, bisogna visualizzarla "
            "nella schermata di lavoro usando le frecce di scorrimento delle schede o la "
            "funzione di ricerca, apportare le modifiche desiderate e premere Salva."),
        QStringLiteral(
            "In ogni scheda è possibile indicare il giorno a cui la prenotazione si riferisce, "
            "l'ora in cui il cliente prevede di arrivare al ristorante, lo stato attuale della "
            "prenotazione (confermata, da confermare o annullata), il nome del cliente, un suo "
            "recapito telefonico preferenziale, l'indirizzo di posta elettronica, il numero "
            "totale di persone per cui si intende prenotare, il pasto per cui si prenota "
            "(colazione, pranzo o cena), i tavoli assegnati, eventuali segnalazioni fatte dal "
            "cliente (ad esempio, relativamente alla collocazione dei tavoli), il nome del "
            "cameriere addetto al servizio e ogni ulteriore annotazione. Se la prenotazione si "
            "riferisce al giorno corrente, è possibile compilare velocemente i campi della data "
            "e dell'ora facendo clic sull'icona della freccia rossa presente nel riquadro della "
            "data."),
        QStringLiteral(
            "Dopo aver inserito una scheda di prenotazione in archivio, è possibile inviare un "
            "messaggio e-mail al cliente a conferma dell'avvenuta registrazione della sua "
            "prenotazione. A tal fine, è sufficiente fare clic sul pulsante Invia posizionato a "
            "destra del campo di testo riservato all'indirizzo di posta elettronica."),
        QStringLiteral(
            "Se si ha bisogno di registrare una prenotazione molto simile ad un'altra già "
            "presente in archivio (perché, ad esempio, riferita ad un cliente abitudinario), è "
            "possibile velocizzare l'operazione duplicando la scheda esistente. Per fare ciò, "
            "bisogna innanzitutto visualizzare a schermo la scheda da duplicare, fare clic sul "
            "pulsante Duplica, inserire la data a cui la nuova prenotazione si riferisce, "
            "apportare eventuali altre modifiche e, infine, premere il pulsante Salva."),
        QStringLiteral(
            "Per trovare le schede delle prenotazioni in archivio è possibile utilizzare uno o "
            "più filtri di ricerca contemporaneamente. Ad esempio, si può ottenere l'elenco di "
            "tutte le prenotazioni effettuate da un cliente specifico, di quelle riferite a un "
            "determinato pasto (colazione, pranzo o cena) oppure in cui il servizio è stato "
            "assegnato allo stesso cameriere. I risultati della ricerca possono essere stampati "
            "su carta."),
        QStringLiteral(
            "I campi di testo relativi all'ora di fine pasto e al totale pagato dai clienti "
            "andrebbero compilati al termine del servizio. La registrazione di queste "
            "informazioni consente di utilizzare l'archivio delle prenotazioni anche per "
            "costruirsi uno storico dei servizi prestati dal proprio ristorante con la "
            "possibilità di riepilogare gli importi totali incassati in un giorno, in un mese o "
            "in un qualsiasi arco di tempo."),
        QStringLiteral(
            "E' possibile visualizzare la scheda di ogni singola prenotazione in anteprima o "
            "stamparla direttamente su carta. Inoltre, l'intero archivio annuale delle "
            "prenotazioni può essere esportato in un file di Excel."),
    };
}

QStringList calendarioParagraphs()
{
    return {
        QStringLiteral(
            "L'app Calendario Servizi consente di ottenere i riepiloghi giornalieri, mensili e "
            "per intervallo di tempo delle prenotazioni dei tavoli effettuate dai clienti. "
            "Grazie a questa app è quindi possibile sapere in ogni momento quanti clienti hanno "
            "prenotato la colazione, il pranzo o la cena oggi, domani o in un qualsiasi altro "
            "giorno."),
        QStringLiteral(
            "Per visualizzare i riepiloghi delle prenotazioni, bisogna indicare negli appositi "
            "campi la data corrente, un giorno di propria scelta, un mese o gli estremi di un "
            "intervallo di tempo e premere il pulsante Visualizza. Così facendo si ottiene "
            "l'elenco completo di tutte le prenotazioni registrate in archivio riferite al "
            "periodo selezionato con in calce il totale complessivo percepito."),
        QStringLiteral(
            "Il riepilogo così ottenuto mostra, per ogni prenotazione, la data e l'ora del pasto "
            "prenotato, il nome del cliente, il suo telefono preferenziale, il numero totale di "
            "persone, lo stato della prenotazione (confermata, da confermare o annullata) e "
            "l'importo totale incassato. Si capisce che l'importo totale incassato è "
            "un'informazione che andrebbe registrata al termine del servizio se si vuole tenere "
            "sotto controllo i guadagni percepiti."),
        QStringLiteral(
            "Per rintracciare una certa prenotazione nell'elenco del riepilogo si può utilizzare "
            "la funzione di ricerca presente in cima alla schermata di lavoro. A tal fine, si "
            "può, ad esempio, indicare il nome del cliente di interesse e premere il pulsante "
            "Trova. In questo modo, la prima voce in elenco riferita al cliente indicato "
            "apparirà selezionata nella parte visibile della lista. Per spostarsi sulla "
            "prenotazione successiva riferita allo stesso cliente, basterà fare nuovamente clic "
            "sul pulsante Trova."),
        QStringLiteral(
            "Il pulsante Stampa riepilogo permette di ottenere su carta il riepilogo delle "
            "prenotazioni visualizzato in quel momento."),
    };
}

// The export dialogs share their second and third paragraphs.
QStringList exportParagraphs(const QString &first)
{
    return {
        first,
        QStringLiteral(
            "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
            "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
            "contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
            "affermativamente al messaggio di domanda che appare."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                       "assegnandogli un nome qualsiasi."),
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

QStringList backupParagraphs()
{
    return {
        QStringLiteral(
            "Brisvola fa da sé le copie di sicurezza dei propri dati: gli archivi delle ricette, "
            "dei menu, dei clienti abituali, dei preventivi e delle prenotazioni, le foto delle "
            "ricette, i dati e il logo della ditta, la password di accesso e i documenti "
            "allegati. Le copie si trovano nella cartella Copie_di_sicurezza della cartella del "
            "programma, una sottocartella per ogni copia, con la data e l'ora in cui è stata "
            "fatta."),
        QStringLiteral(
            "Una copia viene fatta automaticamente dopo l'immissione della password, se l'ultima "
            "copia risale a più di un giorno prima. Per fare una copia in qualsiasi momento, "
            "basta fare clic sull'icona Copie di sicurezza in fondo alla finestra principale e "
            "premere il pulsante Copia ora. Vengono conservate le ultime dieci copie; quelle più "
            "vecchie sono cancellate."),
        QStringLiteral(
            "Per tornare ai dati di una copia, bisogna selezionarla nell'elenco e premere "
            "Ripristina. Prima del ripristino il programma controlla che i file della copia "
            "scelta siano integri (una copia danneggiata non viene ripristinata) e fa una copia "
            "dei dati attuali, così da poter annullare il ripristino scegliendo questa nuova "
            "copia."),
        QStringLiteral(
            "Con il pulsante Seconda cartella è possibile fare le copie anche in un'altra "
            "cartella, ad esempio su un altro disco, in una cartella di rete o su una chiavetta "
            "USB: così i dati sono al sicuro anche se si guasta il disco del computer. Premendo "
            "di nuovo il pulsante si può scegliere un'altra cartella oppure smettere di fare le "
            "copie nella seconda cartella."),
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
    const QList<HelpTopic> apps = {
        {QStringLiteral("App Clienti abituali"), clientiParagraphs()},
        {QStringLiteral("App Archivio ricette"), ricetteParagraphs()},
        {QStringLiteral("App Stampa menu"), menuParagraphs()},
        {QStringLiteral("App Emissione preventivi"), preventiviParagraphs()},
        {QStringLiteral("App Prenotazione Tavoli"), prenotazioniParagraphs()},
        {QStringLiteral("App Calendario Servizi"), calendarioParagraphs()},
    };

    // The general topic: the introduction, every app topic in the order above, the closing
    // paragraphs. Two app paragraphs read slightly differently there: the customers' last one
    // names "Microsoft Excel", and the quotes' second one has no blank after its full stop.
    QStringList general = introParagraphs();
    for (const HelpTopic &app : apps) {
        QStringList paragraphs = app.paragraphs;
        if (app.title == QLatin1String("App Clienti abituali")) {
            QString &last = paragraphs.last();
            last.insert(last.lastIndexOf(QLatin1String("Excel")), QLatin1String("Microsoft "));
        } else if (app.title == QLatin1String("App Emissione preventivi")) {
            paragraphs[1].chop(1);
        }
        general += paragraphs;
    }
    general += closingParagraphs();

    QList<HelpTopic> topics{{generalTopicTitle, general}};
    topics += apps;
    topics += {
        {QStringLiteral("Esportazione archivio ricette in Excel"),
         exportParagraphs(QStringLiteral(
             "Il pulsante Esporta archivio consente di esportare l'archivio delle ricette in un "
             "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software "
             "in grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office "
             "o Microsoft Office)."))},
        {QStringLiteral("Esportazione archivio menu in Excel"),
         exportParagraphs(QStringLiteral(
             "Il pulsante Esporta archivio consente di esportare i dati di tutti i menu in un "
             "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software "
             "in grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office "
             "o Microsoft Office)."))},
        {QStringLiteral("Esportazione archivio clienti abituali in Excel"),
         exportParagraphs(QStringLiteral(
             "Il pulsante Esporta archivio consente di esportare i dati anagrafici di tutti i "
             "Clienti abituali in un foglio di lavoro di Microsoft Excel, che potrà essere aperto "
             "con qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con "
             "Open Office, Libre Office o Microsoft Office)."))},
        {QStringLiteral("Esportazione archivio preventivi in Excel"),
         exportParagraphs(QStringLiteral(
             "Il pulsante Esporta archivio consente di esportare tutti i preventivi emessi in un "
             "anno solare in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
             "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con Open "
             "Office, Libre Office o Microsoft Office)."))},
        {QStringLiteral("Esportazione archivio prenotazioni tavoli in Excel"),
         exportParagraphs(QStringLiteral(
             "Il pulsante Esporta archivio consente di esportare tutte le schede delle "
             "prenotazioni dei tavoli registrate in un anno solare in un foglio di lavoro di "
             "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire "
             "i file in formato XLS (ad esempio, Open Office o Microsoft Office)."))},
    };
    topics += {QStringLiteral("Copie di sicurezza"), backupParagraphs()};
    return topics;
}

} // namespace brisvola
