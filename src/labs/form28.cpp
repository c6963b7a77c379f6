#include "labs/form28.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "shell/form17.h"
#include "shell/pictures.h"

namespace rd {

namespace {

// The score out of 10 for `good` of `steps` steps: a negative score, and a run without steps,
// show 0. The score's decimal text is the classic conversion's, 15 significant digits with a
// point (9 of 25 steps: 3.6, not the 3.5999999999999996 of the nearest double), and only its
// first three characters are kept when it has decimals: cut after the first, not rounded.
std::string ScoreShown(int steps, int good) {
  if (steps <= 0) return "0";
  const double score = static_cast<double>(good) / steps * 10;
  if (score < 0) return "0";
  char digits[64];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, score, std::chars_format::general, 15);
  std::string shown(digits, end.ptr);
  if (shown.find('.') != std::string::npos) shown.resize(std::min<size_t>(shown.size(), 3));
  return shown;
}

}  // namespace

Form28::Form28(App& app) : Form(app.ui, "Form28", "Score"), app_(app) {
  Width = 480;
  Height = 300;
  Picture1.Place(16, 8, 140, 28);
  Label1.Caption = "Score";
  Label1.Place(16, 48, 200, 28);
  Label2.Caption = "You have scored ";
  Label2.Place(16, 100, 160, 28);
  Label3.Place(180, 100, 60, 28);
  Label4.Caption = "of";
  Label4.Place(244, 100, 30, 28);
  Label5.Caption = " 10";
  Label5.Place(278, 100, 40, 28);
  Command1.Caption = "&Close";
  Command1.Place(320, 200, 120, 36);
  Line1.SetEnds(16, 88, 464, 88);
  for (forms::Control* c : Controls()) c->Font = {"Arial", 10};
  Label1.Font = {"Arial", 14, true};
  Command1.Click = [this] { Unload(); };
  FinishDesign();
}

void Form28::Form_Load() {
  ScoreRun();
  ShowLogo(Picture1, app_.ui);
}

void Form28::ShowScore() {
  if (IsLoaded()) {
    ScoreRun();
  } else {
    Load();
  }
  Show();
}

// The counters are left as the score used them: the number of steps in gLastInstr and the
// steps done less the answers viewed in gInstrDone.
void Form28::ScoreRun() {
  Module1& g = app_.g;
  Caption = g.gSublabName;
  const int steps = g.gLastInstr + 1;
  const int good = g.gInstrDone - g.gAnswerViews;
  g.gLastInstr = static_cast<int16_t>(steps);
  g.gInstrDone = static_cast<int16_t>(good);
  Label3.Caption = " " + ScoreShown(steps, good);
}

void Form28::Form_Unload(int&) {
  Form17& main = app_.Window<Form17>();
  main.Load();
  main.Show();
}

}  // namespace rd
