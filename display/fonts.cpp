#include "display/fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                              QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                              QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
                              QStringLiteral("DejaVu Sans Mono")});
}
