// The application's title ("Morvik - Ver. 1.10 Beta"): the main window's
// caption, the heading of the About box and the caption of every message box.
// It is kept here rather than as the toolkit's display name, which the
// toolkit would append to the caption of every other window.
#pragma once

#include <QString>

namespace morvik {

void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

}  // namespace morvik
