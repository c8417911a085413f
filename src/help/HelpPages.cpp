#include "help/HelpPages.h"

#include "core/AccessPassword.h"

namespace {

// Changing a card: the same words for the owner card and the dog card.
QString enteringACard()
{
    return QStringLiteral(
        "Per inserire una nuova scheda fare clic su Nuovo, compilare i campi e fare clic su Salva. Per "
        "modificare una scheda esistente visualizzarla con le frecce di scorrimento dei record oppure con "
        "la ricerca, apportare le modifiche e fare clic su Salva.");
}

HelpText owners()
{
    return { QStringLiteral("Applicazione Anagrafica proprietari."),
        {
            QStringLiteral(
                "L'archivio dei proprietari raccoglie i dati di chi possiede o affida i cani, così che le "
                "schede dei cani possano essere compilate importandoli da qui senza doverli riscrivere. "
                "Funziona come una rubrica completa che in più controlla la partita IVA, il codice fiscale, "
                "l'IBAN e il numero della carta di credito, e permette di scrivere un messaggio di posta "
                "elettronica al proprietario."),
            QStringLiteral(
                "Ogni scheda registra nome e cognome, data e luogo di nascita, residenza, modalità di "
                "pagamento preferita, telefono di casa, dell'ufficio, cellulare e fax, indirizzo e-mail, "
                "telefono preferito, codice fiscale, partita IVA, numero della carta di credito con la sua "
                "scadenza, IBAN, documento di identità, professione, stato civile, titoli e qualifiche, i "
                "cani posseduti attualmente e quelli posseduti in passato."),
            enteringACard(),
            QStringLiteral(
                "Il campo delle questioni in sospeso serve ad annotare ciò che resta da chiarire con il "
                "proprietario. Spuntando la casella Da ricontattare il proprietario entra nell'elenco delle "
                "persone da richiamare, che si apre con il pulsante Da ricontattare."),
            QStringLiteral(
                "Il pulsante Duplica è utile per le schede con dati molto simili, per esempio i componenti "
                "di una stessa famiglia che abitano allo stesso indirizzo: visualizzare la scheda già "
                "salvata, fare clic su Duplica, modificare i dati che cambiano e fare clic su Salva."),
            QStringLiteral(
                "La ricerca accetta uno o più filtri alla volta: si possono trovare, per esempio, tutti i "
                "proprietari di un comune, quelli che possiedono determinati cani, quelli con determinate "
                "questioni in sospeso oppure quelli che hanno una certa parola nel campo \"Note\"."),
            QStringLiteral(
                "La funzione Allega file collega a ogni scheda proprietario fino a tre file di qualsiasi "
                "tipo, ciascuno con una descrizione; ogni file si apre in qualsiasi momento con il pulsante "
                "Apri."),
            QStringLiteral(
                "I pulsanti accanto ai campi controllano il codice fiscale, il numero della carta di "
                "credito, l'IBAN e la partita IVA; per una partita IVA valida viene indicato anche l'ufficio "
                "provinciale che l'ha rilasciata. Il pulsante accanto al campo \"E-mail\" avvia il programma "
                "di posta elettronica con l'indirizzo del proprietario già inserito."),
            QStringLiteral(
                "Ogni scheda può essere visualizzata in anteprima, stampata o salvata in formato PDF. "
                "L'intero archivio dei proprietari può essere esportato in un file di foglio elettronico, "
                "che si apre con qualsiasi programma in grado di leggere i file XLS."),
        } };
}

HelpText dogs()
{
    return { QStringLiteral("Applicazione Anagrafica Cani."),
        {
            QStringLiteral(
                "La scheda del cane registra nome, sesso, data di nascita, gruppo e razza e si completa con "
                "le sezioni dei dati psicosomatici, dell'albero genealogico, della situazione sanitaria e "
                "dei costi. A ogni scheda è abbinata una cartella in cui conservare i documenti digitali "
                "del cane."),
            enteringACard(),
            QStringLiteral(
                "Il pulsante Duplica è utile per i cani con dati simili, per esempio i cuccioli di una "
                "stessa cucciolata: visualizzare la scheda già salvata, fare clic su Duplica, modificare i "
                "dati che cambiano e fare clic su Salva."),
            QStringLiteral(
                "La sezione Dati psicosomatici raccoglie mantello, pelo, segni particolari, misure, "
                "sterilizzazione, libretto sanitario, veterinario di fiducia, numero di iscrizione ROI, LOI, "
                "RSR, LIR o ES, codice del microchip con data e luogo di applicazione, tatuaggio, pedigree, "
                "aggressività, comportamento al guinzaglio, giochi preferiti e altre annotazioni."),
            QStringLiteral(
                "La foto del cane si importa da un file JPEG o bitmap e viene adattata alla cornice di "
                "anteprima; si può ingrandire a tutto schermo e salvare su disco in formato JPEG. La scheda "
                "si stampa insieme alla foto e il suo testo si esporta in un documento RTF."),
            QStringLiteral(
                "La sezione Albero genealogico raccoglie genitori, nonni, bisnonni e trisnonni per linea "
                "paterna e materna; il proprietario attuale con telefono, codice fiscale e comune; l'inizio "
                "della proprietà, l'allevatore, i passaggi di proprietà, i campionati, i titoli, gli "
                "handler e le iscrizioni ai club."),
            QStringLiteral(
                "La sezione Situazione sanitaria raccoglie vaccinazioni, sverminazioni, trattamenti "
                "antiparassitari, esami, malattie pregresse, interventi chirurgici, profilassi, difetti "
                "fisici e alimentazione."),
            QStringLiteral(
                "La sezione Documenti e costi dà accesso alla cartella abbinata alla scheda, in cui "
                "conservare foto e documenti scansionati: dopo aver salvato la scheda aprire la cartella e "
                "copiarvi o trascinarvi i file."),
            QStringLiteral(
                "Ogni spesa sostenuta per il cane può essere annotata, e l'applicazione ne calcola il "
                "totale."),
            QStringLiteral(
                "Per annotare i costi salvare o richiamare la scheda del cane, fare clic su Annota costi e "
                "poi su Aggiungi costo; per correggere una voce selezionarla e fare clic su Modifica costo. "
                "Di ogni costo si indicano data, causale, chi paga, chi riceve e importo; il totale compare "
                "sotto l'elenco e Stampa riepilogo ne stampa il riepilogo."),
            QStringLiteral(
                "Le cartelle dei cani e i file dei costi si trovano nella cartella di installazione del "
                "programma: copiando quella cartella su un disco esterno o su una chiavetta USB si ottiene "
                "una copia di sicurezza dell'applicazione e di tutti i dati."),
            QStringLiteral(
                "La ricerca accetta uno o più filtri alla volta: si possono trovare, per esempio, tutti i "
                "cani di una razza, quelli dello stesso proprietario, quelli seguiti da un certo veterinario "
                "oppure quelli che hanno una certa parola nel campo \"Note\"."),
            QStringLiteral(
                "Anche le schede dei cani dispongono della funzione Allega file: fino a tre file di "
                "qualsiasi tipo, ciascuno con una descrizione, che si aprono con il pulsante Apri."),
            QStringLiteral(
                "L'intero archivio anagrafico dei cani può essere esportato in un file di foglio "
                "elettronico."),
        } };
}

// The schedule's export paragraph, whose closing clause the overview leaves out.
QString scheduleExportOpening()
{
    return QStringLiteral(
        "Il pulsante Esporta archivio esporta tutte le voci dello scadenzario in un file di foglio "
        "elettronico");
}

QString scheduleExportClosing()
{
    return QStringLiteral(", leggibile da qualsiasi programma in grado di aprire i file XLS.");
}

HelpText schedule()
{
    return { QStringLiteral("Applicazione Scadenze e Appuntamenti."),
        {
            QStringLiteral(
                "Lo scadenzario conserva le scadenze giornaliere, mensili o annuali che riguardano i cani e "
                "avvisa quando si avvicinano. Ogni giorno può contenere un numero qualsiasi di voci, "
                "mostrate in ordine di data e ora, e ciascuna ha il proprio numero di giorni di preavviso."),
            QStringLiteral(
                "Una nuova voce nello scadenzario dell'anno si inizia con l'icona Nuovo. Per salvarla "
                "servono almeno data e ora, giorni di preavviso, nome del cane, nome del proprietario e "
                "causale; i dati del cane e del proprietario si possono importare dall'archivio dei cani "
                "con Importa dati."),
            QStringLiteral(
                "Per le voci che si ripetono, dopo aver salvato la prima fare clic su Duplica: tutti i dati "
                "tranne data e ora vengono copiati in una nuova voce, a cui basta assegnare giorno, mese e "
                "ora prima di salvarla."),
            QStringLiteral(
                "All'apertura della finestra le scadenze imminenti sono annunciate da un'immagine e da un "
                "segnale acustico; il pulsante OK ne presenta l'elenco. I pulsanti sotto il calendario "
                "richiamano le scadenze del giorno o del mese scelto."),
            QStringLiteral(
                "La casella Appuntamento da confermare segna gli appuntamenti ancora da confermare; il "
                "pulsante Da confermare ne presenta il riepilogo con causale, data, ora, proprietario, cane "
                "e importo."),
            QStringLiteral(
                "Quando un pagamento viene effettuato spuntare la casella Pagamento effettuato e salvare la "
                "voce. Il pulsante Da effettuare elenca i pagamenti non ancora effettuati, scaduti o no: "
                "nell'elenco si trova una voce cercando il nome del proprietario con Trova, e con un doppio "
                "clic la si carica nello scadenzario."),
            QStringLiteral(
                "Le voci di ogni giorno sono sempre in ordine cronologico, qualunque sia l'ordine in cui "
                "sono state inserite. Il pulsante Effettuati elenca i pagamenti già effettuati ed è utile, "
                "per esempio, per un riepilogo di fine anno."),
            QStringLiteral(
                "La ricerca avanzata combina più criteri alla volta, per esempio un mese e un proprietario."),
            scheduleExportOpening() + scheduleExportClosing(),
        } };
}

// The overview's own paragraphs, before and after those of the three archives.
QString overviewOpening()
{
    return QStringLiteral(
        "Zampora è pensato per allevamenti, veterinari e per chiunque si occupi di cani: raccoglie per "
        "ogni cane la situazione sanitaria, l'albero genealogico, i dati psicosomatici e i costi, tiene "
        "l'anagrafica dei proprietari e ricorda scadenze e appuntamenti come visite veterinarie, "
        "campionati e incarichi ai dog sitter.");
}

QStringList overviewClosing()
{
    return {
        QStringLiteral(
            "Ogni archivio può essere esportato in un file di foglio elettronico, che si apre con i "
            "programmi in grado di leggere i file XLS."),
        QStringLiteral(
            "L'applicazione può essere usata anche in una rete locale, quando gli archivi devono essere "
            "condivisi tra più postazioni di lavoro."),
        QStringLiteral(
            "L'accesso è protetto da una password che si può cambiare in qualsiasi momento con il pulsante "
            "Cambia password della finestra di accesso. Per il primo accesso usare la password consegnata "
            "con l'installazione: %1 (maiuscole e minuscole sono indifferenti).")
            .arg(AccessPassword::initialPassword()),
        QStringLiteral(
            "L'applicazione funziona anche da una chiavetta USB, dopo avervi copiato la sua cartella; "
            "copiare la cartella è anche il modo più rapido per fare una copia di sicurezza di tutti gli "
            "archivi."),
        QStringLiteral(
            "Zampora è uno strumento adatto ad allevamenti, veterinari e proprietari di cani, e non "
            "richiede quasi nessun apprendimento. Buon lavoro!"),
    };
}

HelpText mainMenu()
{
    QStringList scheduleParagraphs = schedule().paragraphs;
    scheduleParagraphs.last() = scheduleExportOpening() + QLatin1Char('.');
    return { QStringLiteral("Uno sguardo a Zampora."),
        QStringList { overviewOpening() } + owners().paragraphs + dogs().paragraphs + scheduleParagraphs
            + overviewClosing() };
}

// The three archive exports differ only in what they write.
HelpText archiveExport(const QString &title, const QString &whatIsWritten)
{
    return { title,
        {
            QStringLiteral(
                "L'esportazione scrive i dati %1 in un file di foglio elettronico, leggibile dai programmi "
                "in grado di aprire i file XLS.")
                .arg(whatIsWritten),
            QStringLiteral(
                "Nella finestra con la griglia dei dati, un clic sull'icona del foglio elettronico crea "
                "subito il file, che si può aprire rispondendo sì alla domanda che segue."),
            QStringLiteral("Il file può poi essere salvato su disco con qualsiasi nome."),
        } };
}

HelpText deadlineLists()
{
    return { QStringLiteral("Visualizzazione scadenze e appuntamenti."),
        {
            QStringLiteral(
                "L'elenco delle scadenze imminenti si apre con il pulsante OK della finestra dello "
                "scadenzario, attivo soltanto quando esistono scadenze imminenti."),
            QStringLiteral(
                "L'elenco tiene conto dei giorni di preavviso di ogni voce: può quindi mostrare anche "
                "scadenze ancora lontane, se per esse è stato scelto un preavviso lungo."),
            QStringLiteral(
                "I due pulsanti sotto il calendario richiamano le scadenze del giorno o del mese scelto."),
            QStringLiteral(
                "Le scadenze elencate sono ordinate per data e ora, qualunque sia l'ordine in cui sono "
                "state inserite."),
            QStringLiteral(
                "L'elenco può essere esportato in un file di foglio elettronico con l'apposita icona, "
                "salvando poi il file generato."),
        } };
}

HelpText pedigree()
{
    return { QStringLiteral("Pedigree, consanguineit\u00E0 e accoppiamento di prova."),
        {
            QStringLiteral(
                "Il pulsante Pedigree, nella sezione Albero genealogico della scheda del cane, mostra il "
                "pedigree del cane su cinque generazioni: il cane a sinistra, poi i genitori, i nonni, i "
                "bisnonni e i trisnonni, con la linea del padre in alto e quella della madre in basso. Il "
                "pedigree usa i valori che la scheda mostra, anche se non sono ancora stati salvati."),
            QStringLiteral(
                "Ogni antenato il cui nome corrisponde a una sola scheda dell'archivio \u00E8 collegato a "
                "quella scheda: il riquadro ne mostra razza, numero di iscrizione, microchip, data di "
                "nascita e primo titolo, e il padre e la madre indicati nella sua scheda danno la "
                "generazione successiva. Nel confronto dei nomi non contano gli spazi iniziali e finali "
                "n\u00E9 le maiuscole. Basta cos\u00EC creare le schede dei propri riproduttori perch\u00E9 "
                "le loro linee si completino da sole. Un clic su un riquadro collegato mostra il pedigree "
                "di quel cane; il pulsante Indietro torna al pedigree precedente."),
            QStringLiteral(
                "I maschi hanno il simbolo \u2642 e un riquadro squadrato a tratto continuo, le femmine "
                "il simbolo \u2640 e un riquadro arrotondato tratteggiato. Un nome portato da pi\u00F9 "
                "schede non viene collegato e il suo riquadro lo segnala: per collegarlo, rendere i nomi "
                "diversi, per esempio aggiungendo l'affisso."),
            QStringLiteral(
                "Per gli antenati che non hanno una scheda si usano i campi della sezione Albero "
                "genealogico: Nonni paterni contiene il nonno e la nonna paterni, Bisnonni paterni quattro "
                "nomi e Trisnonni paterni otto, nell'ordine consueto dei pedigree (prima il padre e la "
                "madre del primo antenato della generazione precedente, poi quelli del secondo, e "
                "cos\u00EC via); lo stesso vale per il lato materno. I nomi si separano con una virgola, "
                "un punto e virgola, una barra o un a capo; per un antenato sconosciuto si lascia vuoto "
                "il suo posto tra due separatori."),
            QStringLiteral(
                "Un campo con un numero di nomi diverso da quello della sua generazione non viene usato e "
                "il pedigree lo segnala tra gli avvisi. Se una scheda collegata e un campo indicano nomi "
                "diversi per lo stesso antenato vale la scheda: il riquadro \u00E8 contrassegnato dal "
                "simbolo \u26A0 e il suggerimento indica quale campo non corrisponde. Un cane che risulta "
                "antenato di se stesso, per un errore di battitura, interrompe la sua linea, non entra nel "
                "calcolo dei coefficienti e viene segnalato tra gli avvisi."),
            QStringLiteral(
                "Il coefficiente di consanguineit\u00E0 di Wright \u00E8 calcolato sulle cinque "
                "generazioni: indica la probabilit\u00E0 che i due geni di un cane in uno stesso punto "
                "provengano da uno stesso antenato, e non supera mai il 100\u00A0%. Antenati diversi (AVK) "
                "\u00E8 il rapporto tra gli antenati distinti e i trenta posti di genitori, nonni, "
                "bisnonni e trisnonni: vale 100\u00A0% quando nessun antenato si ripete e scende quando uno "
                "stesso antenato compare pi\u00F9 volte. La tabella degli antenati ripetuti indica per "
                "ognuno quante volte compare, in quali generazioni (1 per i genitori) e la sua quota del "
                "coefficiente di consanguineit\u00E0."),
            QStringLiteral(
                "I coefficienti contano solo gli antenati conosciuti: un riquadro vuoto non abbassa gli "
                "antenati diversi e un antenato comune oltre la quinta generazione non \u00E8 considerato. "
                "Per questo la completezza del pedigree indica quanti dei trenta posti hanno un nome: un "
                "100\u00A0% di antenati diversi con pochi antenati noti non descrive un pedigree senza "
                "ripetizioni ma un pedigree poco conosciuto, e un pedigree incompleto d\u00E0 un "
                "coefficiente di consanguineit\u00E0 pi\u00F9 basso di quello reale."),
            QStringLiteral(
                "Il pulsante Accoppiamento di prova permette di scegliere un maschio e una femmina tra le "
                "schede dell'archivio (il campo Sesso deve contenere M oppure F); accanto a ogni nome "
                "compaiono la razza e l'anno di nascita, cos\u00EC che le schede con lo stesso nome si "
                "distinguano. Il pedigree della Cucciolata di prova mostra il coefficiente di "
                "consanguineit\u00E0 dei cuccioli che nascerebbero, prima che esista qualsiasi scheda. Il "
                "pulsante Stampa mostra l'anteprima del pedigree su una pagina A4 orizzontale; Esporta in "
                "PDF chiede dove salvare il file, proponendo un nome come Pedigree_Rex.pdf (o "
                "Accoppiamento_Rex_Lola.pdf per un accoppiamento di prova) nell'ultima cartella usata, e "
                "chiede conferma prima di sostituire un file esistente."),
        } };
}

HelpText weightLog()
{
    return { QStringLiteral("Registro delle pesate e grafico del peso."),
        {
            QStringLiteral(
                "Il registro delle pesate conserva il peso del cane a ogni pesata, per seguire la crescita "
                "dei cuccioli pesati ogni pochi giorni e il peso dei cani adulti a ogni visita. Si apre con "
                "il piccolo pulsante accanto al campo Peso della scheda del cane, dopo che la scheda è stata "
                "salvata con il nome e la razza."),
            QStringLiteral(
                "Per registrare una pesata indicare la data nella forma gg/mm/aaaa (il pulsante con il "
                "calendario scrive la data di oggi), il peso in chilogrammi con la virgola, per esempio "
                "12,35, ed eventualmente una nota, poi fare clic su Aggiungi pesata. Il peso va da 0 a 150 "
                "kg con al massimo tre decimali; in una stessa data si registra una sola pesata. Una data "
                "anteriore alla nascita del cane non è accettata; per una data successiva a oggi, o per un "
                "peso che differisce di più della metà da quello della pesata precedente, il programma "
                "chiede conferma prima di registrare."),
            QStringLiteral(
                "Facendo clic su una pesata dell'elenco i suoi dati tornano nei campi: correggerli e fare "
                "clic su Modifica pesata, oppure fare clic su Elimina pesata per toglierla dal registro "
                "dopo la conferma."),
            QStringLiteral(
                "L'elenco mostra le pesate in ordine di data con la variazione rispetto alla pesata "
                "precedente; finché il cane non ha compiuto un anno (o se la data di nascita manca) mostra "
                "anche la crescita media al giorno, in grammi, tra le due pesate. Il grafico accanto segue "
                "ogni modifica; passando con il mouse sulla linea compaiono la data e il peso della pesata "
                "più vicina."),
            QStringLiteral(
                "Quando una pesata aggiunta, corretta o eliminata cambia la pesata più recente del registro, "
                "il programma propone di scriverne il peso nel campo Peso della scheda del cane; la scheda va "
                "poi salvata con Salva."),
            QStringLiteral(
                "Il pulsante Stampa mostra l'anteprima del grafico e dell'elenco su una pagina A4; PDF chiede "
                "dove salvare il file, proponendo un nome come Peso_Rex.pdf, e propone poi di aprirlo. Il registro di "
                "ogni cane si trova nella cartella del programma accanto al file dei costi e fa parte della "
                "copia di sicurezza."),
        } };
}

HelpText healthBooklet()
{
    return { QStringLiteral("Libretto sanitario del cane."),
        {
            QStringLiteral(
                "Il libretto sanitario conserva le vaccinazioni, le sverminazioni, i trattamenti "
                "antiparassitari, le visite, gli esami e le terapie del cane, ciascuno con la data della "
                "prossima scadenza. Si apre con il pulsante Libretto sanitario nella sezione dei documenti "
                "e dei costi della scheda del cane, dopo che la scheda \u00E8 stata salvata con il nome e la "
                "razza. Un pallino rosso sul pulsante indica che qualcosa \u00E8 scaduto, un pallino arancione "
                "che qualcosa scade entro il suo preavviso."),
            QStringLiteral(
                "Per registrare una voce indicare la data nella forma gg/mm/aaaa (il pulsante con il "
                "calendario scrive la data di oggi), scegliere il tipo e il vaccino o il prodotto "
                "dall'elenco, oppure scriverlo, e completare se serve il lotto, il veterinario, l'esito (per "
                "un esame: il grado HD o ED, un test genetico) e una nota; poi fare clic su Aggiungi. La "
                "prossima scadenza viene proposta secondo il tipo e l'et\u00E0 del cane (tre settimane tra le "
                "vaccinazioni di un cucciolo, un anno per il richiamo di un cane adulto) e si pu\u00F2 "
                "cambiare o lasciare vuota; il preavviso, in giorni, \u00E8 di 7 giorni se non indicato "
                "altrimenti."),
            QStringLiteral(
                "Facendo clic su una voce dell'elenco i suoi dati tornano nei campi: correggerli e fare clic "
                "su Modifica, oppure fare clic su Elimina per toglierla dal libretto dopo la conferma. Il "
                "pulsante Registra richiamo aggiunge in un solo passo il richiamo della voce selezionata, "
                "con la data di oggi, lo stesso tipo, prodotto, veterinario e preavviso e la nuova "
                "scadenza."),
            QStringLiteral(
                "La colonna Stato dice per ogni voce se la scadenza \u00E8 scaduta (in rosso), in scadenza "
                "(in arancione) oppure ok (in verde). Una voce seguita da una voce successiva dello stesso "
                "tipo e prodotto non scade pi\u00F9: il richiamo \u00E8 stato fatto. Accanto all'elenco "
                "compaiono, solo in lettura, le note sanitarie scritte nella scheda del cane."),
            QStringLiteral(
                "Il pulsante Stampa mostra l'anteprima del libretto su una pagina A4, con il nome, la razza, "
                "la data di nascita e il microchip del cane; PDF chiede dove salvare il file, proponendo un "
                "nome come Libretto_Rex.pdf, e propone poi di aprirlo. I libretti di tutti i cani si trovano "
                "nell'archivio Libretti_Sanitari.pro della cartella del programma e fanno parte della copia "
                "di sicurezza."),
            QStringLiteral(
                "Le scadenze dei libretti compaiono anche nello scadenzario. All'apertura, quelle scadute o "
                "in scadenza entro il loro preavviso sono elencate sotto l'avviso delle scadenze imminenti, "
                "con il nome del cane (per esempio \u00ABRichiamo rabbia \u2014 Rex, 14/03/2026\u00BB), e "
                "fanno suonare l'avviso; l'elenco delle scadenze imminenti le mostra tra le altre righe, con "
                "la causale che comincia per Libretto sanitario, e un doppio clic su una di esse apre il "
                "libretto del cane su quella voce. Il calendario esportato per i telefoni le riporta come "
                "eventi di un giorno intero con il loro avviso. Il pulsante Scadenze sanitarie dello "
                "scadenzario elenca le scadenze di tutti i cani nel periodo indicato, da stampare o da "
                "esportare in un foglio di calcolo."),
        } };
}

} // namespace

HelpText helpPage(HelpPage page)
{
    switch (page) {
    case HelpPage::Owners:
        return owners();
    case HelpPage::Dogs:
        return dogs();
    case HelpPage::Schedule:
        return schedule();
    case HelpPage::MainMenu:
        return mainMenu();
    case HelpPage::OwnerExport:
        return archiveExport(QStringLiteral("Esportazione archivio proprietari in Microsoft Excel."),
            QStringLiteral("di tutti i proprietari"));
    case HelpPage::DogExport:
        return archiveExport(QStringLiteral("Esportazione archivio anagrafico cani in Microsoft Excel."),
            QStringLiteral("di tutti i cani"));
    case HelpPage::ScheduleExport:
        return archiveExport(
            QStringLiteral("Esportazione archivio Scadenze e appuntamenti in Microsoft Excel."),
            QStringLiteral("di tutte le voci dello scadenzario di un anno solare"));
    case HelpPage::ImminentDeadlines:
    case HelpPage::DailyDeadlines:
    case HelpPage::MonthlyDeadlines:
        return deadlineLists();
    case HelpPage::Pedigree:
        return pedigree();
    case HelpPage::WeightLog:
        return weightLog();
    case HelpPage::HealthBooklet:
        return healthBooklet();
    }
    return {};
}

QString helpWindowText(const HelpText &page)
{
    return page.paragraphs.join(QStringLiteral("\r\n\r\n"));
}

QList<HelpPage> manualChapterPages()
{
    return { HelpPage::MainMenu, HelpPage::Owners, HelpPage::OwnerExport, HelpPage::Dogs, HelpPage::WeightLog,
        HelpPage::HealthBooklet, HelpPage::Pedigree, HelpPage::DogExport, HelpPage::Schedule, HelpPage::ImminentDeadlines,
        HelpPage::ScheduleExport };
}

QList<HelpText> manualChapters()
{
    QList<HelpText> chapters;
    for (const HelpPage page : manualChapterPages())
        chapters.append(page == HelpPage::MainMenu
                ? HelpText { helpPage(page).title, QStringList { overviewOpening() } + overviewClosing() }
                : helpPage(page));
    return chapters;
}
