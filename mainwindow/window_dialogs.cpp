#include "mainwindow/window_dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "display/Unit3.h"

namespace {
QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void MessageBoxDialogs::Inform(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), FromView(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

bool MessageBoxDialogs::Confirm(std::string_view text) {
  QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), FromView(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::ShowAbout(QWidget* owner) {
  ShowAboutBox(owner);
}

QColor MessageBoxDialogs::ChooseColour(QWidget* parent, const QColor& current) {
  return chooser_.ChooseColour(parent, current);
}
