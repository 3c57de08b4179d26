#include "Fonts.h"

#include <QStringList>

namespace vellory {

void InstallFontSubstitutions()
{
    const QStringList comic = QStringList() << QStringLiteral("Comic Neue") << QStringLiteral("Comic Sans");
    const QStringList sans = QStringList() << QStringLiteral("Liberation Sans") << QStringLiteral("Arimo");
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), comic);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
}

QFont UiFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace vellory
