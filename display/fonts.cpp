#include "display/fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace morvik {

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                              QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                              QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
                              QStringLiteral("DejaVu Sans Mono")});
}

bool TextFits(const QFont& font, const QString& text, QSize area, int flags) {
  const QFontMetrics metrics(font);
  const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 10000),
                                            flags | Qt::AlignLeft | Qt::AlignTop, text);
  return needed.width() <= area.width() && needed.height() <= area.height();
}

namespace {
constexpr int kSmallestPixels = 7;
constexpr int kStretches[] = {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed};

bool AllFit(const QFont& font, const QStringList& texts, QSize area, int flags) {
  for (const QString& text : texts) {
    if (!TextFits(font, text, area, flags)) return false;
  }
  return true;
}
}  // namespace

QFont FittingFont(const QFont& font, const QStringList& texts, QSize area, int flags) {
  if (AllFit(font, texts, area, flags)) return font;
  const int designed = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  for (int pixels = designed; pixels >= kSmallestPixels; --pixels) {
    for (int stretch : kStretches) {
      QFont candidate = font;
      candidate.setPixelSize(pixels);
      candidate.setStretch(stretch);
      if (AllFit(candidate, texts, area, flags)) return candidate;
    }
  }
  QFont smallest = font;
  smallest.setPixelSize(kSmallestPixels);
  smallest.setStretch(QFont::Condensed);
  return smallest;
}

QSize ButtonTextArea(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
}

void FitLabelText(QLabel* label) {
  const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
  label->setFont(FittingFont(label->font(), {label->text()}, label->contentsRect().size(), flags));
}

void FitButtonText(QPushButton* button, const QStringList& captions) {
  button->setFont(FittingFont(button->font(), captions, ButtonTextArea(button), kButtonTextFlags));
}

}  // namespace morvik
