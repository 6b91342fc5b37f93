// The smallest wx program with a window: the baseline for Kelvane's start-up time
// and memory, measured in the same run.
#include <wx/app.h>
#include <wx/frame.h>

class MinimalApp : public wxApp {
public:
    bool OnInit() override
    {
        (new wxFrame(nullptr, wxID_ANY, " Minimal", wxDefaultPosition, wxSize(600, 460)))->Show();
        return true;
    }
};

wxIMPLEMENT_APP(MinimalApp);
