#include "platform/DisplayLocale.h"

QLocale DisplayLocale() {
    const QLocale system = QLocale::system();
    // Qt names the language LANGUAGE asks for but keeps the formats of
    // LC_ALL, LC_TIME or LANG; where those are plain C, the asked language's
    // own forms are used, or French dates would be written the C way.
    QString formats = qEnvironmentVariable("LC_ALL");
    if (formats.isEmpty())
        formats = qEnvironmentVariable("LC_TIME");
    if (formats.isEmpty())
        formats = qEnvironmentVariable("LANG");
    const bool plain = formats.isEmpty() || formats == QLatin1String("C") ||
                       formats.startsWith(QLatin1String("C.")) || formats == QLatin1String("POSIX");
    if (!plain)
        return system;
    for (const QString& name : system.uiLanguages()) {
        const QLocale locale(name);
        if (locale.language() != QLocale::C)
            return locale;
    }
    return system;
}
