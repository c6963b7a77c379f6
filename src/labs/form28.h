// The score window: the lab run's score out of 10, computed once when it opens; closing it
// leads back to the main window.
#pragma once

#include "platform/forms/forms.h"
#include "shell/app.h"

namespace rd {

class Form28 : public forms::Form {
 public:
  explicit Form28(App& app);

  void Form_Load() override;
  // Shows the score of the lab run as it stands now: loaded afresh, or, when a score window is
  // still open from an earlier run, with this run's score in place of the one it showed.
  void ShowScore();
  // The main window comes back however the score closes.
  void Form_Unload(int& cancel) override;

  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label4{*this, "Label4"};
  forms::Label Label5{*this, "Label5"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::Line Line1{*this, "Line1"};

 private:
  // Computes the score once for the run, from the counters as they stand, and shows it.
  void ScoreRun();

  App& app_;
};

}  // namespace rd
