// The modal questions and messages of the game. The window answers them with
// message boxes; tests answer them from a script.
#pragma once

#include <string_view>

namespace morvik {

class GameDialogs {
 public:
  virtual ~GameDialogs() = default;
  // A plain message box with an OK button.
  virtual void Inform(std::string_view text) = 0;
  // A confirmation box with a question icon and Yes and No: true only for Yes.
  virtual bool Confirm(std::string_view text) = 0;
};

}  // namespace morvik
