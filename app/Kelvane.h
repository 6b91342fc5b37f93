#pragma once

#include <wx/app.h>

// The application: creates the main window and runs the event loop. Every failure
// that reaches the loop is shown in the error dialog, and the loop goes on.
class KelvaneApp : public wxApp {
public:
    KelvaneApp();
    bool OnInit() override;
    bool OnExceptionInMainLoop() override;
    void OnUnhandledException() override;
};
