// The colour-settings dialog: one button per board colour, each running the
// standard chooser; Restore defaults, Ok and Cancel. Modeless; every change
// shows on the board at once.
#pragma once

#include <QDialog>
#include <QPushButton>

#include "display/board_colours.h"
#include "display/colour_chooser.h"

namespace morvik {

// The window that owns the colours and redraws the board with them.
class ColourSettingsHost {
 public:
  virtual ~ColourSettingsHost() = default;
  virtual BoardColours& ColourSettings() = 0;
  // Draws the committed board with the current colours.
  virtual void tegnbraet1(QObject* sender) = 0;
};

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  // Creates the dialog, takes the snapshot that Cancel restores and shows it.
  TForm2(QWidget* owner, ColourSettingsHost& host, ColourChooser& chooser);

  QPushButton* Button1;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button6;
  QPushButton* Button7;
  QPushButton* ok;
  QPushButton* cancel;

  void Button1Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void okClick();
  void cancelClick();

 protected:
  void reject() override;

 private:
  // The colours as they were when the dialog opened, in the dialog's order.
  struct Snapshot {
    uint32_t ownPieces;
    uint32_t opponentPieces;
    uint32_t oddPoints;
    uint32_t evenPoints;
    uint32_t boardBackground;
  };

  QPushButton* AddButton(const char* name, const char* caption, QRect geometry,
                         void (TForm2::*handler)());
  void TakeSnapshot();
  void Choose(uint32_t& setting);
  void Redraw();

  ColourSettingsHost& host_;
  ColourChooser& chooser_;
  Snapshot saved_{};
};

}  // namespace morvik
