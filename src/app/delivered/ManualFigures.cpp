#include "app/delivered/ManualFigures.h"

QList<ManualFigure> manualFigures()
{
    using enum ManualStart;
    const QStringList firstOwner { QStringLiteral("cmdPrimo") };
    const auto firstDogIn = [](const char *section) {
        return QStringList { QStringLiteral("cmdPrimo"), QString::fromLatin1(section) };
    };
    // The last dog of the sample is a puppy, whose logs show its growth and
    // its vaccination series.
    const auto lastPuppyIn = [](const char *section) {
        return QStringList { QStringLiteral("cmdUltimo"), QString::fromLatin1(section) };
    };
    const QStringList lastDog = lastPuppyIn("btnPsicosomatica");
    const QStringList cardView { QStringLiteral("btnApri"), QStringLiteral("cmdPrimo") };
    // clang-format off
    return {
        { HelpPage::MainMenu, QStringLiteral("La finestra della password, la prima che il programma mostra."), Password, {}, {} },
        { HelpPage::MainMenu, QStringLiteral("Il menu principale, con le tre applicazioni, la guida, la copia di sicurezza e il ripristino."), MainMenu, {}, {} },
        { HelpPage::Owners, QStringLiteral("La scheda del proprietario."), Owners, firstOwner, {} },
        { HelpPage::Owners, QStringLiteral("La ricerca nell'archivio dei proprietari."), Owners, firstOwner, QStringLiteral("cmdTrova") },
        { HelpPage::Owners, QStringLiteral("I proprietari da ricontattare."), Owners, firstOwner, QStringLiteral("cmdRicontatta") },
        { HelpPage::OwnerExport, QStringLiteral("L'esportazione dell'archivio dei proprietari."), Owners, firstOwner, QStringLiteral("cmdEsporta") },
        { HelpPage::Dogs, QStringLiteral("La scheda del cane: i dati psicosomatici e la foto."), Dogs, firstDogIn("btnPsicosomatica"), {} },
        { HelpPage::Dogs, QStringLiteral("La scheda del cane: l'albero genealogico."), Dogs, firstDogIn("btnAlbero"), {} },
        { HelpPage::Dogs, QStringLiteral("La scheda del cane: la situazione sanitaria."), Dogs, firstDogIn("btnSanitaria"), {} },
        { HelpPage::Dogs, QStringLiteral("La scheda del cane: i documenti e i costi."), Dogs, firstDogIn("btnDocumenti"), {} },
        { HelpPage::Dogs, QStringLiteral("La foto del cane ingrandita."), Dogs, firstDogIn("btnPsicosomatica"), QStringLiteral("btnZoomFoto") },
        { HelpPage::Dogs, QStringLiteral("I file allegati alla scheda del cane."), Dogs, firstDogIn("btnPsicosomatica"), QStringLiteral("cmdFile") },
        { HelpPage::Dogs, QStringLiteral("I costi sostenuti per il cane."), Dogs, firstDogIn("btnDocumenti"), QStringLiteral("btnCosti") },
        { HelpPage::Dogs, QStringLiteral("La ricerca nell'archivio dei cani."), Dogs, firstDogIn("btnPsicosomatica"), QStringLiteral("cmdTrova") },
        { HelpPage::Dogs, QStringLiteral("La stampa della scheda del cane."), Dogs, firstDogIn("btnPsicosomatica"), QStringLiteral("cmdStampa") },
        { HelpPage::Dogs, QStringLiteral("Il documento RTF creato dalla scheda del cane."), Dogs, firstDogIn("btnPsicosomatica"), QStringLiteral("cmdAnteprima") },
        { HelpPage::WeightLog, QStringLiteral("Il registro delle pesate con il grafico del peso."), Dogs, lastDog, QStringLiteral("btnPeso") },
        { HelpPage::HealthBooklet, QStringLiteral("Il libretto sanitario di una cucciola, con le vaccinazioni della serie."), Dogs, lastPuppyIn("btnDocumenti"), QStringLiteral("btnSalute") },
        { HelpPage::Pedigree, QStringLiteral("Il pedigree del cane, con i coefficienti e gli antenati ripetuti."), Dogs, firstDogIn("btnAlbero"), QStringLiteral("btnPedigree"), Manual::FigurePage::Landscape },
        { HelpPage::DogExport, QStringLiteral("L'esportazione dell'archivio dei cani."), Dogs, firstDogIn("btnPsicosomatica"), QStringLiteral("cmdEsporta") },
        { HelpPage::Schedule, QStringLiteral("Lo scadenzario: la vista del calendario."), Schedule, {}, {} },
        { HelpPage::Schedule, QStringLiteral("Lo scadenzario: la vista della scheda."), Schedule, cardView, {} },
        { HelpPage::Schedule, QStringLiteral("Il riepilogo degli appuntamenti da confermare."), Schedule, cardView, QStringLiteral("cmdDaConfermare") },
        { HelpPage::Schedule, QStringLiteral("Il riepilogo dei pagamenti da effettuare."), Schedule, cardView, QStringLiteral("cmdDaEffettuare") },
        { HelpPage::Schedule, QStringLiteral("Il riepilogo dei pagamenti effettuati."), Schedule, cardView, QStringLiteral("cmdEffettuate") },
        { HelpPage::Schedule, QStringLiteral("La ricerca nello scadenzario."), Schedule, cardView, QStringLiteral("cmdTrova") },
        { HelpPage::ImminentDeadlines, QStringLiteral("Le scadenze imminenti."), Schedule, {}, QStringLiteral("btnOK") },
        { HelpPage::ImminentDeadlines, QStringLiteral("Le scadenze del giorno."), Schedule, {}, QStringLiteral("btnGiorno") },
        { HelpPage::ImminentDeadlines, QStringLiteral("Le scadenze del mese."), Schedule, {}, QStringLiteral("btnMese") },
        { HelpPage::ScheduleExport, QStringLiteral("L'esportazione dello scadenzario di un anno."), Schedule, cardView, QStringLiteral("cmdEsporta") },
    };
    // clang-format on
}
