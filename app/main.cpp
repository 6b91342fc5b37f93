#include "Kelvane.h"

// The entry: the application object, its main window and the event loop. The exit
// status is 0 when the window is closed, non-zero when the program could not start.
wxIMPLEMENT_APP(KelvaneApp);
