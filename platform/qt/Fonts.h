#pragma once

#include <QFont>
#include <QString>

namespace vellory {

// The windows name the fonts they were drawn with; where the system lacks them, metric-
// compatible or look-alike families stand in.
void InstallFontSubstitutions();

// A font by family and size in points, as the layouts name them ("Comic Sans MS" 8.25).
QFont UiFont(const QString &family, double points, bool bold = false);

inline QFont ComicSans(double points = 8.25, bool bold = false)
{
    return UiFont(QStringLiteral("Comic Sans MS"), points, bold);
}

}  // namespace vellory
