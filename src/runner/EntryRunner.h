// Carrying out link entries against the page of the current command: every chosen entry of a
// category after its dialog, or one system entry (a help page, the home page) by name.
#pragma once

#include "config/LinkList.h"
#include "page/PageContext.h"

#include <functional>
#include <string_view>

namespace tandrel {

/// Runs the stored system entry ("SYSTEM:...") whose section name is exactly name (letter case
/// counts); several of that name all run, none of it runs nothing. The user's configuration file
/// and remembered choices play no part.
void RunSystemEntry(CPageContext& page, std::string_view name);

/// Runs every chosen entry in list order; the index handed to each counts the chosen ones only.
void RunChosenEntries(const CLinkList& list, CPageContext& page);

/// Carries out one entry, three independent steps in order: its command; its href, or else its
/// url (opened as the index-th window of the run); its mail. Each step reports its own failures.
void RunEntry(const CLink& link, CPageContext& page, int index);

/// Appends, ticked, every entry whose section name is exactly name: from the configuration (or
/// its stored default), or for a "SYSTEM:" name from the stored system links. False when none is
/// called so, or name is no section name (it has no ":").
bool AppendEntriesNamed(CLinkList& list, std::string_view name);

/// Told of each entry just before RunEntry carries it out, with the page as the entry sees it
/// (the selection being the text the user confirmed), so that a shell reporting what the
/// entries did can say which entry did what, and on what.
using EntryWatcher = std::function<void(const CLink& link, const CPageContext& page)>;

/// Installs a watcher for the lifetime of this object and restores the previous one after.
class ScopedEntryWatcher {
public:
    explicit ScopedEntryWatcher(EntryWatcher watcher);
    ~ScopedEntryWatcher();
    ScopedEntryWatcher(const ScopedEntryWatcher&) = delete;
    ScopedEntryWatcher& operator=(const ScopedEntryWatcher&) = delete;

private:
    EntryWatcher previous_;
};

} // namespace tandrel
