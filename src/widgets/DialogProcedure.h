#pragma once

namespace quindel {

class DialogHost;

// A dialog's own code: it is handed the three events a dialog gets, and works
// on the dialog's controls through the host.
class DialogProcedure {
public:
    virtual ~DialogProcedure() = default;
    // The dialog and its controls exist; nothing is drawn yet.
    virtual void initDialog(DialogHost& dialog) = 0;
    // A push button or radio button was clicked, or Enter (1) or Escape and
    // the close box (2) were pressed.
    virtual void command(DialogHost& dialog, int controlId) = 0;
    // The dialog has been ended and is going away.
    virtual void destroy(DialogHost& dialog) = 0;
    // A key pressed while the dialog is open, before the dialog's own rules
    // see it; true when the procedure took it.
    virtual bool keyPressed(DialogHost&, int /*virtualKey*/) { return false; }
    // The player moved a track bar.
    virtual void valueChanged(DialogHost&, int /*controlId*/) {}
};

}  // namespace quindel
