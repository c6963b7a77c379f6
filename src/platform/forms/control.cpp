// The control base: registration with the form, focus, and the common design values.
#include "platform/forms/forms.h"

namespace rd::forms {

Control::Control(Form& parent, std::string name, ControlKind kind, int index)
    : parent_(parent), name_(std::move(name)), kind_(kind), index_(index) {
  parent_.AddControl(this);
}

Control::~Control() { parent_.RemoveControl(this); }

void Control::SetFocus() { parent_.runtime().SetFocus(this); }

Control::Common Control::SaveCommon() const {
  return Common{Visible, Enabled,     Left,   Top,  Width,     Height,   TabIndex,
                TabStop, ToolTipText, Anchor, Font, ForeColor, BackColor};
}

void Control::RestoreCommon(const Common& c) {
  Visible = c.Visible;
  Enabled = c.Enabled;
  Left = c.Left;
  Top = c.Top;
  Width = c.Width;
  Height = c.Height;
  TabIndex = c.TabIndex;
  TabStop = c.TabStop;
  ToolTipText = c.ToolTipText;
  Anchor = c.Anchor;
  Font = c.Font;
  ForeColor = c.ForeColor;
  BackColor = c.BackColor;
}

bool CanFocus(const Control& c) {
  switch (c.Kind()) {
    case ControlKind::TextBox:
    case ControlKind::RichTextBox:
    case ControlKind::CommandButton:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::Grid:
    case ControlKind::CheckBox:
      return c.Visible && c.Enabled && c.Parent().Visible();
    case ControlKind::Label:
    case ControlKind::Menu:
    case ControlKind::Timer:
    case ControlKind::PictureBox:
    case ControlKind::WebBrowser:
    case ControlKind::Frame:
    case ControlKind::Line:
      return false;
  }
  return false;
}

}  // namespace rd::forms
