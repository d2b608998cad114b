// Carrying out link entries against the page of the current command: every chosen entry of a
// category after its dialog, or one system entry (a help page, the home page) by name.
#pragma once

#include "config/LinkList.h"
#include "page/PageContext.h"

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

} // namespace tandrel
