#include "display/application_title.h"

namespace morvik {

namespace {
QString& Title() {
  static QString title;
  return title;
}
}  // namespace

void SetApplicationTitle(const QString& title) {
  Title() = title;
}

QString ApplicationTitle() {
  return Title();
}

}  // namespace morvik
