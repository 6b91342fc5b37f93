#include "ErrorDialog.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "FileErrors.h"
#include "SystemText.h"

void ShowErrorDialog(const wxString& message, wxWindow* parent)
{
    const wxString title = wxTheApp ? wxTheApp->GetAppDisplayName() : wxString("Kelvane");
    wxMessageDialog dialog(parent, message + ".", title, wxOK | wxICON_ERROR);
    dialog.ShowModal();
}

wxString CurrentFailureMessage()
{
    try {
        throw;
    } catch (const FileCreateError& e) {
        // The message's own words are UTF-8; the path is in the system's 8-bit text.
        return wxString::FromUTF8(FileCreateError::kBefore.data(), FileCreateError::kBefore.size()) +
               FromSystemBytes(e.path()) +
               wxString::FromUTF8(FileCreateError::kAfter.data(), FileCreateError::kAfter.size());
    } catch (const FileError& e) {
        return wxString::FromUTF8(e.message().data(), e.message().size());
    } catch (const std::exception& e) {
        return FromSystemBytes(e.what());
    } catch (...) {
        return "Unknown error";
    }
}
