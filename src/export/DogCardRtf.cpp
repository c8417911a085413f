#include "export/DogCardRtf.h"

#include "storage/ShortText.h"
#include "storage/Windows1252.h"

#include <QChar>

#include <cstdio>

namespace DogCardRtf {

namespace {

    using namespace DogRecord;

    constexpr Field documentFields[] = {
        { u"Nome cane", Nome },
        { u"Sesso", Sesso },
        { u"Data nascita", DataNasc },
        { u"Gruppo appartenenza", Gruppo },
        { u"Razza", Razza },
        { u"Colore mantello", Mantello },
        { u"Tipologia pelo", Pelo },
        { u"Segni particolari", Segni },
        { u"Altezza", Altezza },
        { u"Lunghezza", Lunghezza },
        { u"Taglia", Taglia },
        { u"Peso", Peso },
        { u"Sterilizzato", Sterilizzato },
        { u"Libretto sanitario", Libretto },
        { u"Medico veterinario", Medico },
        { u"Numero ROI", ROI },
        { u"Codice microchip", Microchip },
        { u"Data applicazione", DataApp },
        { u"Localizzazione microchip", Localizzazione },
        { u"Tatuaggio", Tatuaggio },
        { u"Pedigree", Pedigree },
        { u"Comportamento verso persone o altri cani", Aggressivo },
        { u"Comportamento al guinzaglio", Guinzaglio },
        { u"Giochi preferiti", Giochi },
        { u"Proprietario attuale", Proprietario },
        { u"Telefono preferenziale", Recapito },
        { u"Codice fiscale", CodFisc },
        { u"Comune di residenza", ComuneRes },
        { u"Data inizio possesso", InizioProp },
        { u"Allevatore", Allevatore },
        { u"Passaggi di possesso", Passaggi },
        { u"Padre", Padre },
        { u"Nonni paterni", NonniPat },
        { u"Bisnonni paterni", BisnonniPat },
        { u"Trisnonni paterni", TrisnonniPat },
        { u"Madre", Madre },
        { u"Nonni materni", NonniMat },
        { u"Bisnonni materni", BisnonniMat },
        { u"Trisnonni materni", TrisnonniMat },
        { u"Campionati italiani", CampionatiIta },
        { u"Campionati internazionali", CampionatiInt },
        { u"Titoli e brevetti vari", Titoli },
        { u"Accompagnatori", Accompagnatori },
        { u"Iscrizioni a club", Iscrizioni },
        { u"Vaccinazioni", Vaccinazioni },
        { u"Sverminazioni", Sverminazioni },
        { u"Trattamenti antiparassitari", Trattamenti },
        { u"Accertamenti diagnostici", Accertamenti },
        { u"Malattie pregresse", Malattie },
        { u"Interventi chirurgici", Interventi },
        { u"Profilassi in corso", Profilassi },
        { u"Difetti fisici", Difetti },
        { u"Alimentazione", Alimentazione },
        { u"Note", Note },
    };
    static_assert(std::size(documentFields) == 54);

    // The document's head: code page, default language, fonts, colours and the
    // centred bold title, then a rule and an empty paragraph.
    constexpr char head[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040"
                            "{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}{\\f1\\fnil Verdana;}}"
                            "{\\colortbl ;\\red0\\green0\\blue0;}"
                            "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 SCHEDA ANAGRAFICA CANE\\f1\\fs16"
                            "\\par \\fs24 ________________________________________________"
                            "\\par";
    // The first paragraph also returns to left alignment and 10 pt; its label is
    // still bold from the title.
    constexpr char firstPrefix[] = "\\par \\pard\\f0\\fs20 ";
    constexpr char prefix[] = "\\par \\b ";
    constexpr char afterLabel[] = ":\\b0\\f1  \\f0 ";

    // RTF gives the backslash and the braces a meaning; a character the code
    // page cannot hold goes as its UTF-16 units, each a signed 16-bit \u escape
    // followed by one fallback character (\uc1).
    constexpr auto escapeForRtf = [](char32_t character, Windows1252::EscapeRoom &room) -> QByteArrayView {
        switch (character) {
        case U'\\':
            return "\\\\";
        case U'{':
            return "\\{";
        case U'}':
            return "\\}";
        default:
            if (character < 0x80 || (character >= 0xD800 && character <= 0xDFFF))
                return {}; // plain ASCII; a lone surrogate is no character and gets the substitute
            const auto signedUnit = [](char16_t unit) { return int(qint16(unit)); };
            const int length = QChar::requiresSurrogates(character)
                ? std::snprintf(room.data(), room.size(), "\\u%d?\\u%d?",
                    signedUnit(QChar::highSurrogate(character)), signedUnit(QChar::lowSurrogate(character)))
                : std::snprintf(room.data(), room.size(), "\\u%d?", signedUnit(char16_t(character)));
            return QByteArrayView(room.data(), length);
        }
    };

    void appendText(QByteArray &out, QStringView text)
    {
        Windows1252::appendEncoded(out, text, escapeForRtf);
    }

} // namespace

std::span<const Field> fields()
{
    return documentFields;
}

QByteArray document(std::span<const QString> values)
{
    Q_ASSERT(values.size() == std::size(documentFields));
    QByteArray out(head);
    for (size_t i = 0; i < std::size(documentFields); ++i) {
        out.append(i == 0 ? firstPrefix : prefix);
        appendText(out, documentFields[i].label);
        out.append(afterLabel);
        appendText(out, trimmedText(values[i]));
        if (i + 1 == std::size(documentFields))
            out.append("\\b");
        out.append("\\par");
    }
    out.append("\\par }");
    return out;
}

} // namespace DogCardRtf
