#include "shell/ui/Translation.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

#include <cstddef>

extern const unsigned char kovaraQtRomanian[];
extern const std::size_t kovaraQtRomanianSize;

namespace kovara {

bool InstallQtRomanian()
{
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(kovaraQtRomanian, int(kovaraQtRomanianSize))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace kovara
