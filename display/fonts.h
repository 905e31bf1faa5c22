// The window's fonts are named as designed ("MS Sans Serif", "Courier New");
// where those are missing, fonts of about the same width stand in for them,
// and a control whose text would not fit its fixed rectangle in the font that
// stands in gets the same face narrowed or a pixel or two smaller.
#pragma once

#include <QFont>
#include <QStringList>

class QLabel;
class QPushButton;

namespace morvik {

void InstallFontSubstitutes();

// Whether `text` fits `area` in `font`, laid out with the toolkit's text
// flags (Qt::TextWordWrap, Qt::TextShowMnemonic, ...).
bool TextFits(const QFont& font, const QString& text, QSize area, int flags);

// `font` itself when every text fits, else the nearest narrower or smaller
// font of the same face in which they all do.
QFont FittingFont(const QFont& font, const QStringList& texts, QSize area, int flags);

// The rectangle a push button writes its caption in, and the flags it uses.
QSize ButtonTextArea(const QPushButton* button);
inline constexpr int kButtonTextFlags = Qt::TextShowMnemonic;

// Gives a fixed-size label, or a button with all the captions it shows, a
// font in which its text fits.
void FitLabelText(QLabel* label);
void FitButtonText(QPushButton* button, const QStringList& captions);

}  // namespace morvik
