// The window tests run in-process with a real wx application on a display of their own.
#include <cstdio>

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include "Kelvane.h"

namespace {

// With NDEBUG wx would stay silent on a failed assertion: make each one a test failure.
void FailOnAssert(const wxString& file, int line, const wxString&, const wxString& condition, const wxString& message)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line) << "wx assertion " << condition << ": " << message;
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new KelvaneApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "the window tests need a display\n");
        return 1;
    }
    wxSetAssertHandler(FailOnAssert);
    int status = 0;
    {
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        status = RUN_ALL_TESTS();
    }
    wxEntryCleanup();
    return status;
}
