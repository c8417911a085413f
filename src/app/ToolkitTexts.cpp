#include "app/ToolkitTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ToolkitTexts {

bool installItalian()
{
    // Owned by the application, so that it lives as long as the texts it gives.
    auto *translator = new QTranslator(QCoreApplication::instance());
    // "qt_it" gathers the toolkit's modules: the widgets, the dialogs, printing.
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qt"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace ToolkitTexts
