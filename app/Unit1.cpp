#include "Unit1.h"

#include <algorithm>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "Clipboard.h"
#include "MakeFiles.h"
#include "RecordBox.h"
#include "SystemText.h"
#include "Unit1Form.h"

TForm1* Form1 = nullptr;
int FocusFlag = 0;

namespace {

wxColour ColourOf(std::uint32_t rgb)
{
    return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

TForm1::TForm1()
    : wxFrame(nullptr, wxID_ANY, kForm1.caption, wxDefaultPosition, wxSize(kForm1.width, kForm1.height),
              wxDEFAULT_FRAME_STYLE, kForm1.name),
      Timer1(this)
{
    BuildFromDescription();
    CentreOnScreen();

    ReadClipboardIntoRecordBox();
    Edit2->ChangeValue(wxString());
    Label3->SetLabel(wxString());
    wxTheApp->SetAppDisplayName("Kelvane");
    SetTitle(" " + wxTheApp->GetAppDisplayName());
}

void TForm1::BuildFromDescription()
{
    SetFont(MakeFormFont(kForm1.font));
    SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    // Controls sit at fixed positions on a panel, which gives the window its background
    // and moves the focus between them with Tab.
    panel_ = new wxPanel(this, wxID_ANY, wxPoint(0, 0), GetClientSize(), wxTAB_TRAVERSAL, "Form1Panel");

    std::vector<std::pair<int, wxWindow*>> tabOrder;
    bool firstRadio = true;
    for (const ControlDescription& row : kForm1Controls) {
        const wxPoint pos(row.left, row.top);
        const wxSize size(row.width, row.height);
        wxWindow* control = nullptr;
        switch (row.kind) {
        case ControlKind::Label:
            control = new wxStaticText(panel_, wxID_ANY, row.text, pos, size, wxST_NO_AUTORESIZE, row.name);
            break;
        case ControlKind::Memo: {
            auto* memo = new RecordBox(panel_, pos, size, row.name);
            memo->SetLook(MakeFormFont(row.font), ColourOf(row.colour));
            control = memo;
            break;
        }
        case ControlKind::Button:
            control = new wxButton(panel_, wxID_ANY, row.text, pos, size, 0, wxDefaultValidator, row.name);
            if (row.handler)
                control->Bind(wxEVT_BUTTON, [this, h = row.handler](wxCommandEvent& e) { (this->*h)(e); });
            break;
        case ControlKind::RadioButton: {
            auto* radio = new wxRadioButton(panel_, wxID_ANY, row.text, pos, size, firstRadio ? wxRB_GROUP : 0,
                                            wxDefaultValidator, row.name);
            radio->SetValue(row.checked);
            firstRadio = false;
            control = radio;
            break;
        }
        case ControlKind::Edit:
            control = new wxTextCtrl(panel_, wxID_ANY, row.text, pos, size, 0, wxDefaultValidator, row.name);
            break;
        case ControlKind::Timer:
            Bind(wxEVT_TIMER, [this, h = row.handler](wxTimerEvent& e) { (this->*h)(e); }, Timer1.GetId());
            Timer1.Start(row.interval);
            continue;
        }
        if (row.kind != ControlKind::Memo) {
            control->SetFont(MakeFormFont(row.font));
            control->SetForegroundColour(ColourOf(row.colour));
        }
        // Fonts change a control's best size: keep the size the description gives.
        control->SetSize(size);
        control->SetMinSize(size);
        control->Show(row.visible);
        if (row.tabOrder >= 0)
            tabOrder.emplace_back(row.tabOrder, control);
    }

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        tabOrder[i].second->MoveAfterInTabOrder(tabOrder[i - 1].second);

    Memo1 = Find<RecordBox>("Memo1");
    Label1 = Find<wxStaticText>("Label1");
    Label2 = Find<wxStaticText>("Label2");
    Label3 = Find<wxStaticText>("Label3");
    Button1 = Find<wxButton>("Button1");
    Button2 = Find<wxButton>("Button2");
    RadioButton1 = Find<wxRadioButton>("RadioButton1");
    RadioButton2 = Find<wxRadioButton>("RadioButton2");
    Edit1 = Find<wxTextCtrl>("Edit1");
    Edit2 = Find<wxTextCtrl>("Edit2");
}

template <typename Control> Control* TForm1::Find(const char* name)
{
    auto* control = dynamic_cast<Control*>(panel_->FindWindow(name));
    wxASSERT_MSG(control, name);
    return control;
}

void TForm1::ReadClipboardIntoRecordBox()
{
    Memo1->SetBytes(Clipboard::ReadText().value_or(std::string()));
}

void TForm1::Button1Click(wxEvent&)
{
    const ExportRequest request{
        Memo1->GetBytes(),
        ToSystemBytes(Edit2->GetValue()),
        ToSystemBytes(Edit1->GetValue()),
        RadioButton1->GetValue() ? ViewerLanguage::English : ViewerLanguage::Japanese,
    };
    MakeFilesResult result;
    try {
        result = MakeFiles(request);
    } catch (...) {
        // A failure must not stand beside an earlier run's success; the error dialog
        // shows the failure itself.
        Label3->SetLabel(wxString());
        throw;
    }
    if (result == MakeFilesResult::Written)
        Label3->SetLabel("Make Files OK");
}

void TForm1::Button2Click(wxEvent&)
{
    ReadClipboardIntoRecordBox();
    Label3->SetLabel(wxString());
    Edit2->ChangeValue(wxString());
    Edit2->SetFocus();
}

void TForm1::Timer1Timer(wxEvent&)
{
    if (FocusFlag != 0)
        return;
    FocusFlag = 1;
    Edit2->SetFocus();
}
