#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <clocale>
#include <locale.h>
#endif

namespace Backup {

// libarchive turns the UTF-8 names of a ZIP into the character set of the
// current locale, and under the "C" locale it cannot: names with accents
// would be lost. While one of these lives, this thread's characters are UTF-8.
class Utf8Names
{
public:
    Utf8Names()
    {
#ifdef Q_OS_UNIX
        m_utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8",
            uselocale(nullptr) == LC_GLOBAL_LOCALE ? duplocale(LC_GLOBAL_LOCALE) : duplocale(uselocale(nullptr)));
        if (m_utf8)
            m_previous = uselocale(m_utf8);
#endif
    }
    ~Utf8Names()
    {
#ifdef Q_OS_UNIX
        if (m_utf8) {
            uselocale(m_previous);
            freelocale(m_utf8);
        }
#endif
    }
    Utf8Names(const Utf8Names &) = delete;
    Utf8Names &operator=(const Utf8Names &) = delete;

private:
#ifdef Q_OS_UNIX
    locale_t m_utf8 = nullptr;
    locale_t m_previous = nullptr;
#endif
};

} // namespace Backup
