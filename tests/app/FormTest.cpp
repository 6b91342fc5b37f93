#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "RecordBox.h"
#include "Unit1.h"
#include "WindowTestSupport.h"

using namespace std::string_literals;

namespace {

// Sees every modal dialog instead of the user, and answers it with OK.
class DialogRecorder : public wxModalDialogHook {
public:
    DialogRecorder() { Register(); }
    ~DialogRecorder() override { Unregister(); }

    struct Seen {
        wxString message, caption;
        long style;
    };
    std::vector<Seen> seen;

protected:
    int Enter(wxDialog* dialog) override
    {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (box)
            seen.push_back({box->GetMessage(), box->GetTitle(), box->GetMessageDialogStyle()});
        else
            seen.push_back({"(not a message box)", dialog->GetTitle(), 0});
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

class Form : public ::testing::Test {
protected:
    // Builds the window as the program does, with `clipboard` on the clipboard first.
    void Open(const std::string& clipboard)
    {
        SetClipboard(clipboard);
        Open();
    }
    void Open()
    {
        form.reset(new TForm1());
        form->Show();
        Pump();
    }

    // Presses a button the way a click does, so a failure travels to the event loop's
    // handler and its dialog.
    void Press(wxButton* button)
    {
        wxCommandEvent click(wxEVT_BUTTON, button->GetId());
        click.SetEventObject(button);
        button->GetEventHandler()->SafelyProcessEvent(click);
    }

    ScratchFolder scratch;
    std::unique_ptr<TForm1> form;
};

// The window's controls as the program's form gives them, written out by hand.
struct ExpectedControl {
    const char* name;
    int left, top, width, height;
    const char* text;
    int fontHeight;
    unsigned long colour; // 0xRRGGBB
};

const ExpectedControl kExpected[] = {
    {"Label1", 360, 335, 122, 19, "html bgcolor", 19, 0x808000},
    {"Label2", 360, 300, 90, 19, "File Name", 19, 0x800080},
    {"Label3", 124, 384, 247, 37, "", 37, 0xFF0000},
    {"Memo1", 15, 12, 565, 263, nullptr, 16, 0x000000},
    {"Button1", 142, 326, 200, 38, "Make Files", 27, 0x008080},
    {"RadioButton1", 15, 300, 113, 25, "English", 21, 0x008080},
    {"RadioButton2", 15, 330, 113, 29, "Japanese", 21, 0x0000FF},
    {"Edit1", 488, 330, 91, 27, "f8e0e0", 19, 0x000000},
    {"Edit2", 458, 296, 121, 27, "", 19, 0x000000},
    {"Button2", 212, 280, 62, 23, "Reset", 16, 0x000000},
};

unsigned long Rgb(const wxColour& c)
{
    return (static_cast<unsigned long>(c.Red()) << 16) | (static_cast<unsigned long>(c.Green()) << 8) | c.Blue();
}

// A font's character height in pixels at 96 pixels per inch.
double PixelHeight(const wxFont& font)
{
    return font.GetFractionalPointSize() * 96.0 / 72.0;
}

TEST_F(Form, ControlsAreBuiltAsTheFormDescribesThem)
{
    Open("(;)");
    wxWindow* panel = form->Memo1->GetParent();
    for (const ExpectedControl& e : kExpected) {
        SCOPED_TRACE(e.name);
        wxWindow* control = panel->FindWindow(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->GetPosition(), wxPoint(e.left, e.top));
        EXPECT_EQ(control->GetSize(), wxSize(e.width, e.height));
        EXPECT_TRUE(control->IsShown());
        if (auto* memo = dynamic_cast<RecordBox*>(control)) {
            EXPECT_EQ(PixelHeight(memo->StyleGetFont(wxSTC_STYLE_DEFAULT)), e.fontHeight);
            EXPECT_EQ(Rgb(memo->StyleGetForeground(wxSTC_STYLE_DEFAULT)), e.colour);
            EXPECT_EQ(memo->GetWrapMode(), wxSTC_WRAP_NONE);
            EXPECT_EQ(memo->GetMarginWidth(0) + memo->GetMarginWidth(1) + memo->GetMarginWidth(2), 0);
            continue;
        }
        const wxString text = dynamic_cast<wxTextCtrl*>(control) ? static_cast<wxTextCtrl*>(control)->GetValue()
                                                                 : control->GetLabel();
        EXPECT_EQ(text, wxString::FromUTF8(e.text));
        EXPECT_EQ(PixelHeight(control->GetFont()), e.fontHeight);
        EXPECT_EQ(Rgb(control->GetForegroundColour()), e.colour);
    }
    EXPECT_TRUE(dynamic_cast<wxStaticText*>(form->Label3));
    EXPECT_TRUE(dynamic_cast<wxButton*>(form->Button1));
    EXPECT_TRUE(dynamic_cast<wxTextCtrl*>(form->Edit1));

    // Tab order: the focusable controls, in the order Tab visits them.
    std::vector<std::string> tabOrder;
    for (wxWindow* child : panel->GetChildren())
        if (!dynamic_cast<wxStaticText*>(child))
            tabOrder.push_back(child->GetName().ToStdString());
    EXPECT_EQ(tabOrder, (std::vector<std::string>{"Memo1", "Button1", "RadioButton1", "RadioButton2", "Edit1",
                                                  "Edit2", "Button2"}));

    // The window: outer size, centred on the 1280 x 1024 screen, its fonts' faces.
    EXPECT_EQ(form->GetSize(), wxSize(600, 460));
    EXPECT_NEAR(form->GetPosition().x, (1280 - 600) / 2, 1);
    EXPECT_NEAR(form->GetPosition().y, (1024 - 460) / 2, 1);
    EXPECT_EQ(form->Button1->GetFont().GetFaceName(), "IPAMincho");
    EXPECT_EQ(form->GetFont().GetFaceName(), "IPAPGothic");

    // The radio buttons are one group.
    form->RadioButton2->SetValue(true);
    EXPECT_FALSE(form->RadioButton1->GetValue());
}

TEST_F(Form, StartsWithTheClipboardsBytesAndEmptyNameAndLabel)
{
    const std::string cases[] = {
        "(;GM[1]\r\n;B[pd]\r\n;W[dp])\r\n",
        "(;GM[1]\n;B[pd]\n)",
        "(;GM[1]\r;B[pd]\r)",
        "(;C[trailing blanks]   \r\n  \r\n)   ",
        "(;PB[\xe6\x9c\xac\xe5\x9d\x8a\xe7\xae\x97\xe7\xa0\x82]C[\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e])",
        "(;PB[\x95\x5C\x82\xA0]C[\xff\xfe not UTF-8 \x80])", // Shift-JIS and stray bytes
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        Open(bytes);
        EXPECT_EQ(form->Memo1->GetBytes(), bytes);
        EXPECT_EQ(form->GetTitle(), " Kelvane");
        EXPECT_EQ(wxTheApp->GetAppDisplayName(), "Kelvane");
        EXPECT_EQ(form->Edit2->GetValue(), "");
        EXPECT_EQ(form->Label3->GetLabel(), "");
        EXPECT_EQ(form->Edit1->GetValue(), "f8e0e0");
        EXPECT_TRUE(form->RadioButton1->GetValue());
        EXPECT_FALSE(form->RadioButton2->GetValue());
        form.reset();
    }
}

TEST_F(Form, ClipboardWithoutTextLeavesTheRecordBoxEmpty)
{
    Open(); // nothing on this display's clipboard yet
    EXPECT_EQ(form->Memo1->GetBytes(), "");
    form.reset();

    SetClipboard("\x89PNG\r\n\x1a\n", "clipboard", "image/png");
    Open();
    EXPECT_EQ(form->Memo1->GetBytes(), "");
}

TEST_F(Form, MakeFilesWritesSkipsAndFails)
{
    const std::string record = "(;GM[1]C[\"quoted\" & <b>]\r\n;B[pd])\r\n";
    Open(record);
    ScratchFolder::MakePageFolders();
    DialogRecorder dialogs;

    // Skipped: an empty record changes nothing, not even an earlier success.
    form->Label3->SetLabel("Make Files OK");
    form->Memo1->SetBytes("");
    Press(form->Button1);
    EXPECT_EQ(form->Label3->GetLabel(), "Make Files OK");
    EXPECT_FALSE(std::filesystem::exists("SGF"));

    // Written.
    form->Label3->SetLabel("");
    form->Memo1->SetBytes(record);
    form->Edit2->ChangeValue(wxString::FromUTF8("棋聖 7.sgf"));
    form->Edit1->ChangeValue("ffffff");
    form->RadioButton2->SetValue(true);
    Press(form->Button1);
    EXPECT_EQ(form->Label3->GetLabel(), "Make Files OK");
    EXPECT_EQ(ReadBytes("SGF/棋聖 7.sgf"), record);
    EXPECT_NE(ReadBytes("HTML/TavlioJpn/棋聖 7.htm").find("<BODY BGCOLOR=\"#ffffff\""), std::string::npos);
    EXPECT_TRUE(dialogs.seen.empty());

    // Failed: the dialog shows the message, and the earlier success no longer shows.
    std::filesystem::remove_all("HTML/TavlioJpn");
    Press(form->Button1);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].message, wxString::FromUTF8("ﾌｧｲﾙ ./HTML/TavlioJpn/棋聖 7.htm を作成できません."));
    EXPECT_EQ(dialogs.seen[0].caption, "Kelvane");
    EXPECT_EQ(dialogs.seen[0].style & (wxOK | wxCANCEL | wxYES_NO | wxICON_MASK), wxOK | wxICON_ERROR);
    EXPECT_EQ(form->Label3->GetLabel(), "");
    EXPECT_EQ(form->Memo1->GetBytes(), record) << "the window keeps its state";
    EXPECT_EQ(form->Edit2->GetValue(), wxString::FromUTF8("棋聖 7.sgf"));
}

TEST_F(Form, ResetTakesTheNewClipboardAndEmptiesNameAndLabel)
{
    Open("(;C[first])");
    form->Edit2->ChangeValue("game");
    form->Edit1->ChangeValue("ffffff");
    form->RadioButton2->SetValue(true);
    form->Label3->SetLabel("Make Files OK");
    form->Memo1->SetFocus();

    SetClipboard("(;C[second]\r\n)");
    Press(form->Button2);
    Pump();
    EXPECT_EQ(form->Memo1->GetBytes(), "(;C[second]\r\n)");
    EXPECT_EQ(form->Edit2->GetValue(), "");
    EXPECT_EQ(form->Label3->GetLabel(), "");
    EXPECT_EQ(form->Edit1->GetValue(), "ffffff");
    EXPECT_TRUE(form->RadioButton2->GetValue());
    EXPECT_EQ(wxWindow::FindFocus(), form->Edit2);
}

TEST_F(Form, TimerMovesTheFocusOnceOnly)
{
    FocusFlag = 0;
    Open("(;)");
    EXPECT_TRUE(form->Timer1.IsRunning());
    EXPECT_EQ(form->Timer1.GetInterval(), 1000);

    form->Memo1->SetFocus();
    Pump();
    ASSERT_EQ(wxWindow::FindFocus(), form->Memo1);
    ASSERT_TRUE(PumpUntil([&] { return FocusFlag == 1; }, std::chrono::seconds(5))) << "no tick";
    Pump();
    EXPECT_EQ(wxWindow::FindFocus(), form->Edit2);

    form->Memo1->SetFocus();
    Pump(std::chrono::milliseconds(1300)); // a later tick changes nothing
    EXPECT_EQ(wxWindow::FindFocus(), form->Memo1);
    EXPECT_EQ(FocusFlag, 1);
}

TEST_F(Form, PasteGoesInByteForByte)
{
    Open("(;)");
    const std::string pasted = "C[a\r\nb\rc\nd]  ";
    SetClipboard(pasted);
    form->Memo1->SetFocus();
    form->Memo1->GotoPos(2); // between "(;" and ")"

    wxKeyEvent ctrlV(wxEVT_KEY_DOWN);
    ctrlV.m_keyCode = 'V';
    ctrlV.SetControlDown(true);
    form->Memo1->GetEventHandler()->ProcessEvent(ctrlV);
    EXPECT_EQ(form->Memo1->GetBytes(), "(;" + pasted + ")");

    // A middle click pastes the primary selection where it lands.
    SetClipboard("B[\r\n]", "primary");
    form->Memo1->SetBytes("(;)");
    wxMouseEvent middle(wxEVT_MIDDLE_UP);
    middle.SetPosition(form->Memo1->PointFromPosition(3));
    form->Memo1->GetEventHandler()->ProcessEvent(middle);
    EXPECT_EQ(form->Memo1->GetBytes(), "(;)B[\r\n]");
}

} // namespace
