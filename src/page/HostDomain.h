// The registrable domain of a host name: as many trailing labels as its top-level domain takes
// (two under "com", three under "uk", four under "us").
#pragma once

#include <string>
#include <string_view>

namespace tandrel {

/// The registrable domain of host: "news.example.co.uk" gives "example.co.uk". A numeric address,
/// an empty host or a host without a dot is returned whole, and so is a host with fewer labels
/// than its top-level domain takes. Top-level labels are matched case-sensitively; one the table
/// does not hold (capitals included) takes two labels.
std::u16string DomainOfHost(std::u16string_view host);

/// Whether text is a host name on the Internet as people write one: two or more labels of ASCII
/// letters, digits and hyphens (none beginning or ending with a hyphen), separated by dots, the
/// last a top-level domain the table of registrable domains holds ("example.org",
/// "docs.example.co.uk"; not "localhost", "192.168.1.1" or "example.invalid").
bool IsInternetHostName(std::u16string_view text);

/// The text after the last "." of a host name; "com" when it has no "." (an empty host included).
std::u16string TopLevelLabelOr(std::u16string_view host, std::u16string_view none);

/// The host name a browser's location.hostname gives for an address: the authority without user
/// and port, in small letters; empty for file: addresses and for text that is no address.
std::u16string HostNameOfUrl(std::u16string_view url);

} // namespace tandrel
