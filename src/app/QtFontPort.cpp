#include "QtFontPort.h"

#include <QFontDatabase>

namespace {

struct Twin
{
    const char *standard;
    QList<const char *> twins;
};

const QList<Twin> &twinTable()
{
    static const QList<Twin> table = {
        {"Times New Roman", {"Liberation Serif", "Tinos"}},
        {"Arial", {"Liberation Sans", "Arimo"}},
        {"Courier New", {"Liberation Mono", "Cousine"}},
        {"Arial Narrow", {"Liberation Sans Narrow"}},
        {"Calibri", {"Carlito"}},
        {"Cambria", {"Caladea"}},
    };
    return table;
}

} // namespace

QStringList QtFontPort::withMetricTwins(const QStringList &families)
{
    QStringList result = families;
    for (const Twin &twin : twinTable()) {
        const QString standard = QString::fromLatin1(twin.standard);
        if (result.contains(standard))
            continue;
        for (const char *name : twin.twins) {
            if (families.contains(QString::fromLatin1(name))) {
                result.append(standard);
                break;
            }
        }
    }
    return result;
}

QStringList QtFontPort::installedFamilies()
{
    return withMetricTwins(QFontDatabase::families());
}
