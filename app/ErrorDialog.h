#pragma once

#include <exception>

#include <wx/string.h>

class wxWindow;

// The one way a failure is shown: a modal message box with the failure's message and a
// full stop appended, captioned with the application's title, an error icon, one OK.
void ShowErrorDialog(const wxString& message, wxWindow* parent = nullptr);

// The message of the exception that is being handled, as the dialog shows it.
wxString CurrentFailureMessage();
