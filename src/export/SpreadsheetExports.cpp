#include "export/SpreadsheetExports.h"

#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"
#include "storage/Windows1252.h"

#include <array>

namespace {

// Each archive's columns with the field that fills each, in column order.
struct ArchiveColumn
{
    SpreadsheetColumn column;
    SpreadsheetExports::CellSource source;
};

// Splits a table of archive columns into the spreadsheet's columns and the
// cells' sources, as the writer and the grid filler take them.
template<size_t N> struct ArchiveTable
{
    constexpr explicit ArchiveTable(const ArchiveColumn (&table)[N])
    {
        for (size_t i = 0; i < N; ++i) {
            columns[i] = table[i].column;
            sources[i] = table[i].source;
        }
    }
    std::array<SpreadsheetColumn, N> columns {};
    std::array<SpreadsheetExports::CellSource, N> sources {};
};

namespace Dog {
    using namespace DogRecord;
    constexpr ArchiveColumn table[] = {
        { { u"Nome cane", 250 }, { Nome } },
        { { u"Sesso", 100 }, { Sesso } },
        { { u"Data nascita", 200 }, { DataNasc } },
        { { u"Gruppo appartenenza", 250 }, { Gruppo } },
        { { u"Razza", 250 }, { Razza } },
        { { u"Colore mantello", 250 }, { Mantello } },
        { { u"Segni particolari", 250 }, { Segni } },
        { { u"Sterilizzato", 250 }, { Sterilizzato } },
        { { u"Libretto sanitario", 250 }, { Libretto } },
        { { u"Medico veterinario", 250 }, { Medico } },
        { { u"Numero ROI", 250 }, { ROI } },
        { { u"Codice microchip", 250 }, { Microchip } },
        { { u"Data applicazione", 200 }, { DataApp } },
        { { u"Localizzazione", 250 }, { Localizzazione } },
        { { u"Tatuaggio", 250 }, { Tatuaggio } },
        { { u"Pedigree", 250 }, { Pedigree } },
        { { u"Proprietario attuale", 250 }, { Proprietario } },
        { { u"Telefono preferenziale", 250 }, { Recapito } },
        { { u"Codice fiscale", 250 }, { CodFisc } },
        { { u"Comune di residenza", 250 }, { ComuneRes } },
        { { u"Data inizio propriet\u00E0", 200 }, { InizioProp } },
        { { u"Allevatore", 250 }, { Allevatore } },
        { { u"Vaccinazioni", 350 }, { Vaccinazioni } },
        { { u"Alimentazione", 350 }, { Alimentazione } },
        { { u"Note", 350 }, { Note } },
    };
    constexpr ArchiveTable split(table);
} // namespace Dog

namespace Owner {
    using namespace OwnerRecord;
    constexpr ArchiveColumn table[] = {
        { { u"Cognome e nome", 250 }, { Cliente } },
        { { u"Data di nascita", 200 }, { DataNasc } },
        { { u"Comune di nascita", 250 }, { ComuneNasc, ProvNasc } },
        { { u"Telefono preferenziale", 250 }, { Recapito } },
        { { u"Indirizzo di residenza", 300 }, { IndirizzoRes } },
        { { u"Comune di residenza", 250 }, { ComuneRes, ProvRes } },
        { { u"Modalit\u00E0 di pagamento", 250 }, { Estremi } },
        { { u"Tel. casa", 250 }, { TelCasa } },
        { { u"Tel. ufficio", 250 }, { TelUff } },
        { { u"Tel. cellulare", 250 }, { TelCel } },
        { { u"Fax", 250 }, { Fax } },
        { { u"E-mail", 250 }, { Email } },
        { { u"Codice fiscale", 250 }, { CodFisc } },
        { { u"Partita IVA", 250 }, { PartitaIva } },
        { { u"Carta di credito n.", 300 }, { Carta } },
        { { u"Scadenza", 150 }, { ScadeCarta } },
        { { u"IBAN", 300 }, { Iban } },
        { { u"Estremi documento", 280 }, { Documento } },
        { { u"Occupazione", 250 }, { Occupazione } },
        { { u"Stato civile", 250 }, { Civile } },
        { { u"Titoli e qualifiche", 280 }, { Titoli } },
        { { u"Cani posseduti attualmente", 300 }, { CaniOra } },
        { { u"Cani posseduti in passato", 300 }, { CaniPrima } },
        { { u"Questioni in sospeso", 300 }, { Questioni } },
        { { u"Note", 300 }, { Note } },
    };
    constexpr ArchiveTable split(table);
} // namespace Owner

namespace Schedule {
    using namespace ScheduleRecord;
    constexpr ArchiveColumn table[] = {
        { { u"Data scadenza", 150 }, { Data } },
        { { u"Ora appuntamento", 150 }, { Ora } },
        { { u"Proprietario", 250 }, { Proprietario } },
        { { u"Codice fiscale", 200 }, { CodFisc } },
        { { u"Telefono preferenziale", 250 }, { Recapito } },
        { { u"Nome cane", 250 }, { Nome } },
        { { u"Data nascita", 200 }, { DataNasc } },
        { { u"Razza", 250 }, { Razza } },
        { { u"Colore mantello", 250 }, { Mantello } },
        { { u"Codice microchip", 250 }, { Microchip } },
        { { u"Segni particolari", 300 }, { Segni } },
        { { u"Persona da incontrare", 250 }, { Persona } },
        { { u"Causale scadenza", 300 }, { Dettagli } },
        { { u"Modalit\u00E0 di pagamento", 300 }, { Officina } },
        { { u"Importo in euro", 200, CellKind::Amount }, { Costo } },
        { { u"Estremi ricevuta", 250 }, { Contatto } },
        { { u"Appuntamento da confermare", 250 }, { DaConfermare } },
        { { u"Pagamento effettuato", 250 }, { Effettuata } },
        { { u"Note", 300 }, { Note } },
    };
    constexpr ArchiveTable split(table);

    // The deadline lists' columns: the schedule's and the chronological key.
    constexpr auto deadlineColumns = [] {
        std::array<SpreadsheetColumn, std::size(table) + 1> columns {};
        for (size_t i = 0; i < std::size(table); ++i)
            columns[i] = table[i].column;
        columns.back() = { u"Codice univoco", 150 };
        return columns;
    }();
} // namespace Schedule

} // namespace

namespace SpreadsheetExports {

const ArchiveExport &dogs()
{
    static const ArchiveExport archive { { u"Cani.xls", u"Riepilogo Cani", Dog::split.columns },
        DogRecord::layout(), Dog::split.sources };
    return archive;
}

const ArchiveExport &owners()
{
    static const ArchiveExport archive { { u"Proprietari.xls", u"Riepilogo Proprietari",
                                             Owner::split.columns },
        OwnerRecord::layout(), Owner::split.sources };
    return archive;
}

const ArchiveExport &schedule()
{
    static const ArchiveExport archive { { u"Scadenze_e_Appuntamenti.xls", u"Scadenze e appuntamenti",
                                             Schedule::split.columns },
        ScheduleRecord::layout(), Schedule::split.sources };
    return archive;
}

const SpreadsheetFormat &imminentDeadlines()
{
    static const SpreadsheetFormat format { u"Scadenze_Imminenti.xls", u"Scadenze imminenti",
        Schedule::deadlineColumns };
    return format;
}

const SpreadsheetFormat &dailyDeadlines()
{
    static const SpreadsheetFormat format { u"Scadenze_Giornaliere.xls", u"Scadenze del giorno",
        Schedule::deadlineColumns };
    return format;
}

const SpreadsheetFormat &monthlyDeadlines()
{
    static const SpreadsheetFormat format { u"Scadenze_Mensili.xls", u"Scadenze del mese",
        Schedule::deadlineColumns };
    return format;
}

const SpreadsheetFormat &healthDeadlines()
{
    static constexpr SpreadsheetColumn columns[] = { { u"Scadenza", 90 }, { u"Cane", 160 }, { u"Tipo", 120 },
        { u"Cosa", 200 }, { u"Stato", 90 }, { u"Veterinario", 200 } };
    static const SpreadsheetFormat format { u"Scadenze_Sanitarie.xls", u"Scadenze sanitarie", columns };
    return format;
}

ExportRows readArchiveRows(const QString &path, const ArchiveExport &archive)
{
    ExportRows rows(int(archive.cells.size()));
    Record record(archive.layout);
    // Each row is decoded straight into one text, kept for the next row.
    QString text;
    std::vector<quint32> ends(archive.cells.size());
    try {
        RecordFile file;
        file.openOrCreate(path, archive.layout.recordSize());
        while (!file.atEnd()) {
            file.readNext(record);
            text.resize(0);
            const RecordView view(record);
            for (size_t column = 0; column < archive.cells.size(); ++column) {
                const CellSource &source = archive.cells[column];
                const QByteArrayView first = view.storedBytes(source.field);
                Windows1252::appendDecoded(text, first);
                if (source.joinedField >= 0) {
                    // Two trimmed fields joined by one blank, trimmed as a whole.
                    const QByteArrayView second = view.storedBytes(source.joinedField);
                    if (!first.isEmpty() && !second.isEmpty())
                        text += u' ';
                    Windows1252::appendDecoded(text, second);
                }
                ends[column] = quint32(text.size());
            }
            rows.append(text, ends);
        }
        file.closeFile();
    } catch (const RecordFileError &) {
        // The grid keeps what was read; the export window says nothing.
    }
    return rows;
}

} // namespace SpreadsheetExports
