#include "app/ToolkitTexts.h"

#include "core/ProcessFormats.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace ToolkitTexts {

namespace {

struct Text
{
    const char *context;
    const char *english;
    const char *italian;
};

// Texts of the dialogs that Qt's Italian catalogue (6.4) lacks, mostly those
// its print dialog gained since the catalogue was last translated.
//
// What these dialogs show of the printer itself cannot be given here: the
// printer's name, place and model, and the names and choices of its own
// options in the "Avanzate" tab of the properties (from its PPD or IPP
// description) come from the print system, which translates them, when it
// does, into the language of the user's session. The same goes for the
// system's own file and print dialogs on a desktop that offers them in place
// of Qt's.
constexpr Text missingTexts[] = {
    { "QPrintSettingsOutput", "Pages", "Pagine" },
    { "QPrintSettingsOutput",
        "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
        "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
        "Indicare le pagine o gli intervalli separati da virgole; un intervallo è dato da due numeri separati da un "
        "trattino. Ad esempio 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9." },
    { "QPrintSettingsOutput", "Double Sided Printing", "Stampa fronte/retro" },
    { "QPrintSettingsOutput", "Off", "No" },
    { "QPrintSettingsOutput", "Long side binding", "Rilegatura sul lato lungo" },
    { "QPrintSettingsOutput", "Short side binding", "Rilegatura sul lato corto" },
    { "QPrintDialog", "Invalid Pages Definition", "Pagine non valide" },
    { "QPrintDialog",
        "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and "
        "make sure ranges do not intersect with each other.",
        "%1 non è scritto correttamente: separare pagine e intervalli con ',', indicare gli intervalli con '-' e fare "
        "in modo che non si sovrappongano." },
    { "QPrintDialog", "Duplex Settings Conflicts", "Conflitto nella stampa fronte/retro" },
    { "QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
        "Le impostazioni della stampa fronte/retro sono in conflitto. Correggerle?" },
    { "QPrintPropertiesWidget", "Advanced", "Avanzate" },
    { "QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
        "Alcune opzioni sono in conflitto: correggerle." },
    { "QPrintPropertiesDialog", "Page Setup Conflicts", "Conflitto nell'impostazione della pagina" },
    { "QPrintPropertiesDialog", "There are conflicts in page setup options. Do you want to fix them?",
        "Alcune opzioni dell'impostazione della pagina sono in conflitto. Correggerle?" },
    { "QPrintPropertiesDialog", "Advanced Option Conflicts", "Conflitto nelle opzioni avanzate" },
    { "QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?",
        "Alcune opzioni avanzate sono in conflitto. Correggerle?" },
    // The kind of a file list's entries that are no files.
    { "QAbstractFileIconProvider", "Folder", "Cartella" },
    { "QAbstractFileIconProvider", "Shortcut", "Collegamento" },
    { "QAbstractFileIconProvider", "Drive", "Unità" },
    { "QFileSystemModel",
        "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with fewer characters or no punctuation "
        "marks.",
        "<b>Il nome \"%1\" non può essere usato.</b><p>Provare un altro nome, più corto o senza segni di "
        "punteggiatura." },
};

// Answers only the texts above: installed after Qt's catalogue, it is asked
// first, and a null answer leaves every other text to Qt's.
class MissingTexts final : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *english, const char *, int) const override
    {
        for (const Text &text : missingTexts)
            if (std::strcmp(text.context, context) == 0 && std::strcmp(text.english, english) == 0)
                return QString::fromUtf8(text.italian);
        return {};
    }
    bool isEmpty() const override { return false; }
};

// Qt's file list writes dates and sizes in the system's locale, which may be
// English (or C) on a machine set up so; the program writes Italian whatever
// the machine.
class ItalianFormats final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        switch (index.column()) {
        case sizeColumn:
            return files->isDir(file) ? QIdentityProxyModel::data(index, role)
                                      : QLocale().formattedDataSize(files->size(file));
        case dateColumn:
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }

private:
    // QFileSystemModel's columns: name, size, kind, date modified.
    static constexpr int sizeColumn = 1;
    static constexpr int dateColumn = 3;
};

} // namespace

bool installItalian()
{
    // Number and date widgets, and the kinds of files a file dialog names,
    // follow the default locale.
    applyProcessFormats();
    // Owned by the application, so that they live as long as the texts they give.
    auto *qtTexts = new QTranslator(QCoreApplication::instance());
    // "qt_it" gathers the toolkit's modules: the widgets, the dialogs, printing.
    const bool found = qtTexts->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qt"),
        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (found)
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    QCoreApplication::installTranslator(new MissingTexts(QCoreApplication::instance()));
    return found;
}

void useItalianFormats(QFileDialog &dialog)
{
    dialog.setProxyModel(new ItalianFormats(&dialog));
}

} // namespace ToolkitTexts
