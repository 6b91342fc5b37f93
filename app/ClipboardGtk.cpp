// The GTK clipboard (X11 or Wayland), read as bytes.
//
// The owner is asked which formats it offers, and the text is taken in the first of
// UTF8_STRING, text/plain;charset=utf-8 and STRING (ISO-8859-1, turned into UTF-8, the
// locale's character set here) on that list; some owners answer any request with
// whatever they hold, a picture included, so nothing is asked for blindly. wx's own clipboard
// wait is not used: with an owner that never answers it freezes for half a minute at
// full CPU. Here the wait sleeps in the main loop's poll and gives up at a deadline.
#include "Clipboard.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include <gtk/gtk.h>

namespace Clipboard {
namespace {

using Clock = std::chrono::steady_clock;

// One request. GTK may still call back after the wait has given up (an owner that
// answers late), so the callback frees an abandoned request itself.
struct Pending {
    bool done = false;
    bool abandoned = false;
    GtkSelectionData* data = nullptr; // a copy of the answer, when there was one
};

void OnContents(GtkClipboard*, GtkSelectionData* data, gpointer user)
{
    auto* pending = static_cast<Pending*>(user);
    if (pending->abandoned) {
        delete pending;
        return;
    }
    if (data && gtk_selection_data_get_length(data) >= 0)
        pending->data = gtk_selection_data_copy(data);
    pending->done = true;
}

struct SelectionData {
    GtkSelectionData* data = nullptr;
    ~SelectionData()
    {
        if (data)
            gtk_selection_data_free(data);
    }
};

gboolean OnDeadline(gpointer expired)
{
    *static_cast<bool*>(expired) = true;
    return G_SOURCE_REMOVE;
}

enum class Answer { Data, NoData, NoAnswer };

Answer RequestTarget(GtkClipboard* clipboard, const char* target, Clock::time_point deadline, SelectionData& answer)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        return Answer::NoAnswer;

    auto* pending = new Pending;
    gtk_clipboard_request_contents(clipboard, gdk_atom_intern(target, FALSE), OnContents, pending);
    bool expired = false;
    const guint timer = g_timeout_add(static_cast<guint>(left.count()), OnDeadline, &expired);
    while (!pending->done && !expired)
        g_main_context_iteration(nullptr, TRUE); // sleeps until an event or the deadline
    if (!expired)
        g_source_remove(timer);

    if (!pending->done) {
        pending->abandoned = true;
        return Answer::NoAnswer;
    }
    answer.data = pending->data;
    delete pending;
    return answer.data ? Answer::Data : Answer::NoData;
}

// The formats the owner offers; nothing when it does not say.
std::optional<std::vector<std::string>> OfferedTargets(GtkClipboard* clipboard, Clock::time_point deadline,
                                                       bool& answered)
{
    SelectionData answer;
    const Answer outcome = RequestTarget(clipboard, "TARGETS", deadline, answer);
    answered = outcome != Answer::NoAnswer;
    GdkAtom* atoms = nullptr;
    gint count = 0;
    if (outcome != Answer::Data || !gtk_selection_data_get_targets(answer.data, &atoms, &count))
        return std::nullopt;
    std::vector<std::string> names;
    for (gint i = 0; i < count; ++i) {
        gchar* name = gdk_atom_name(atoms[i]);
        names.emplace_back(name);
        g_free(name);
    }
    g_free(atoms);
    return names;
}

std::string Latin1ToUtf8(const std::string& latin1)
{
    std::string utf8;
    utf8.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

std::optional<std::string> Read(GdkAtom selection, std::chrono::milliseconds timeout)
{
    // A nested read (a paste while a read waits) would only compete for the same owner.
    static bool reading = false;
    if (reading)
        return std::nullopt;
    reading = true;

    GtkClipboard* clipboard = gtk_clipboard_get(selection);
    const Clock::time_point deadline = Clock::now() + timeout;
    std::optional<std::string> result;
    bool answered = false;
    const std::optional<std::vector<std::string>> offered = OfferedTargets(clipboard, deadline, answered);
    for (const std::string_view target : {"UTF8_STRING", "text/plain;charset=utf-8", "STRING"}) {
        if (!answered)
            break;
        if (offered && std::find(offered->begin(), offered->end(), target) == offered->end())
            continue;
        SelectionData answer;
        const Answer outcome = RequestTarget(clipboard, target.data(), deadline, answer);
        if (outcome == Answer::NoData)
            continue;
        if (outcome == Answer::Data) {
            std::string text(reinterpret_cast<const char*>(gtk_selection_data_get_data(answer.data)),
                             static_cast<std::size_t>(gtk_selection_data_get_length(answer.data)));
            result = target == "STRING" ? Latin1ToUtf8(text) : std::move(text);
        }
        break;
    }
    reading = false;
    return result;
}

} // namespace

std::optional<std::string> ReadText(std::chrono::milliseconds timeout)
{
    return Read(GDK_SELECTION_CLIPBOARD, timeout);
}

std::optional<std::string> ReadPrimarySelection(std::chrono::milliseconds timeout)
{
    return Read(GDK_SELECTION_PRIMARY, timeout);
}

} // namespace Clipboard
