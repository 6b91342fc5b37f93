#include "Kelvane.h"

#include <csignal>
#include <cstdlib>
#include <iostream>

#include "ErrorDialog.h"
#include "SystemText.h"
#include "Unit1.h"

KelvaneApp::KelvaneApp()
{
#ifdef SIGXFSZ
    // Over a file-size limit a write should fail and be reported, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef __WXGTK__
    // GTK's overlay scroll bars hide until the pointer comes near; a text box of a
    // form shows its scroll bars. Read when GTK starts, which comes after this.
    setenv("GTK_OVERLAY_SCROLLING", "0", 1);
#endif
    SetAppDisplayName("Kelvane");
}

bool KelvaneApp::OnInit()
{
    // No command line, no settings: the window and the clipboard are the only inputs.
    Form1 = new TForm1();
    SetTopWindow(Form1);
    Form1->Show();
    return true;
}

bool KelvaneApp::OnExceptionInMainLoop()
{
    ShowErrorDialog(CurrentFailureMessage(), GetTopWindow());
    return true; // the window keeps its state and the loop goes on
}

void KelvaneApp::OnUnhandledException()
{
    // A failure at start-up: say why on standard error too, as there may be no window.
    const wxString message = CurrentFailureMessage();
    std::cerr << "kelvane: " << ToSystemBytes(message) << '\n';
    ShowErrorDialog(message);
}
