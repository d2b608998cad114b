// A page made to break out of a console command line (quotes, ampersands, pipes, redirections,
// carets, percent signs, line breaks and a NUL in its title, addresses and selection), and the
// lines the DLL starts for entries that put its values where the interpreter reads them, with
// COMSPEC naming cmd.exe. Both the core's test and the extension's host's test hold the lines
// to these.
#pragma once

#include <string>
#include <string_view>

namespace tandrel::test {

struct HostilePage {
    std::u16string topUrl = u"https://x.example/?a=1&b=\"2\"&c=%PATH%\n";
    std::u16string topHost = u"x.example";
    std::u16string topTitle = u"Tom \"&\" Jerry\r\n& calc | x > y < z ^ 100%!";
    std::u16string frameUrl = u"https://f.example/?q=\"a\"&r=b";
    std::u16string frameTitle = u"Frame\r\ntitle & more";
    std::u16string selection = std::u16string(u"x\" & del *.* & \"\0y", 18);
};

constexpr std::string_view kHostileComspec = "C:\\Windows\\system32\\cmd.exe";

struct HostileCommandCase {
    std::string_view keys; ///< the entry's key lines
    std::string line;      ///< the line started
};

/// Wherever the interpreter reads the line (a console, or a batch program), values stay inside
/// the template's quotes and neither chain, redirect, end the line nor put in a variable.
inline const HostileCommandCase kHostileInterpreterLines[] = {
    {"command=tool.exe !T\nuseConsole=y\nURLEncoded=n",
     "C:\\Windows\\system32\\cmd.exe /C \"tool.exe Tom     Jerry    calc   x   y   z   100  \""},
    {"command=tool.exe !U !u\nuseConsole=y\nleaveConsole=y\nURLEncoded=n",
     "C:\\Windows\\system32\\cmd.exe /K \"tool.exe https://x.example/?a=1 b= 2  c= PATH   "
     "https://f.example/?q= a  r=b\""},
    {"command=tool.exe !S !s !-\nuseConsole=y\nURLEncoded=n",
     "C:\\Windows\\system32\\cmd.exe /C \"tool.exe x    del *.*     y x    del *.*     y x    "
     "del *.*     \""},
    {"command=tool.exe !T !S\nuseConsole=y",
     "C:\\Windows\\system32\\cmd.exe /C \"tool.exe "
     "Tom#20#22#26#22#20Jerry#0D#0A#26#20calc#20#7C#20x#20#3E#20y#20#3C#20z#20#5E#20100#25#21"
     " x#22#20#26#20del#20*.*#20#26#20#22#00y\""},
    {"command=tool.exe \"!t\"\nuseConsole=y\nURLEncoded=n",
     "C:\\Windows\\system32\\cmd.exe /C \"tool.exe \"Frame  title   more\"\""},
    // Batch programs run through the interpreter too, console or not.
    {"command=lookup.bat !S\nURLEncoded=n", "lookup.bat x    del *.*     y"},
    {"command=\"C:/My Tools/LOOKUP.CMD\" !T",
     "\"C:/My Tools/LOOKUP.CMD\" "
     "Tom#20#22#26#22#20Jerry#0D#0A#26#20calc#20#7C#20x#20#3E#20y#20#3C#20z#20#5E#20100#25#21"},
    {"command=C:\\\\My Tools\\\\run.bat. !U\nURLEncoded=n",
     "C:\\My Tools\\run.bat. https://x.example/?a=1 b= 2  c= PATH  "},
    {"command=cmd /c lookup !S", "cmd /c lookup x#22#20#26#20del#20*.*#20#26#20#22#00y"},
};

} // namespace tandrel::test
